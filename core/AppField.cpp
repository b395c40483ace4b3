// The play field: a grid of cell codes with per-code counters and a dirty list.
#include "AppField.h"

#include "AppCell.h"

AppField::AppField() {
    Allocate(16, 16, 2);
}

AppField::~AppField() {
    Release();
}

void AppField::Allocate(int width, int height, int layers) {
    Release();
    if (width < 1 || height < 1 || layers < 1)
        return;
    width_ = width;
    height_ = height;
    layers_ = layers;
    const auto positions = static_cast<std::size_t>(width) * height;
    cells_.assign(positions * layers, cellEmpty);
    dirtyX_.assign(positions, 0);
    dirtyY_.assign(positions, 0);
    listed_.assign(positions, 0);
    counts_.fill(0);
    dirtyCount_ = 0;
}

void AppField::Release() {
    // Give the memory back, not just the contents.
    std::vector<std::int32_t>().swap(cells_);
    std::vector<std::int32_t>().swap(dirtyX_);
    std::vector<std::int32_t>().swap(dirtyY_);
    std::vector<std::uint8_t>().swap(listed_);
    counts_.fill(0);
    width_ = 0;
    height_ = 0;
    layers_ = 0;
    dirtyCount_ = 0;
}

void AppField::Resize(int width, int height, int layers) {
    Allocate(width, height, layers);
}

void AppField::SetCell(int x, int y, int layer, int code) {
    std::int32_t& cell = cells_[Index(x, y, layer)];
    --counts_[cell];
    cell = code;
    ++counts_[code];
    std::uint8_t& flag = listed_[x * height_ + y];
    if (flag == 0) {
        dirtyX_[dirtyCount_] = x;
        dirtyY_[dirtyCount_] = y;
        ++dirtyCount_;
        flag = 1;
    }
}

void AppField::ClearAll() {
    for (int x = 0; x < width_; ++x)
        for (int y = 0; y < height_; ++y)
            for (int layer = 0; layer < layers_; ++layer)
                SetCell(x, y, layer, cellEmpty);
}

void AppField::ReplaceAll(int from, int to) {
    for (int x = 0; x < width_; ++x)
        for (int y = 0; y < height_; ++y)
            for (int layer = 0; layer < layers_; ++layer)
                if (GetCell(x, y, layer) == from)
                    SetCell(x, y, layer, to);
}

void AppField::ClearDirty() {
    for (int i = 0; i < dirtyCount_; ++i)
        listed_[dirtyX_[i] * height_ + dirtyY_[i]] = 0;
    dirtyCount_ = 0;
}
