// The play field: a grid of cell codes with per-code counters and a dirty list.
#pragma once

#include "AppCell.h"
#include "AppPoint.h"

#include <array>
#include <cstdint>
#include <vector>

// Cells are indexed [x][y][layer]. Indices are not checked: callers keep
// 0 <= x < Width(), 0 <= y < Height(), 0 <= layer < Layers() and
// 0 <= code < appCellCodeCount.
// All storage is made by Allocate, so a running game never allocates.
class AppField {
public:
    AppField();
    AppField(const AppField&) = delete;
    AppField& operator=(const AppField&) = delete;
    virtual ~AppField();

    // Fresh storage, every cell empty, counters zero and nothing dirty.
    // Dimensions below 1 give an empty field of no cells.
    void Allocate(int width, int height, int layers);
    void Release();
    void Resize(int width, int height, int layers);

    int GetCell(int x, int y, int layer) const { return cells_[Index(x, y, layer)]; }
    void SetCell(int x, int y, int layer, int code);
    bool IsCell(int x, int y, int layer, int code) const { return GetCell(x, y, layer) == code; }

    // Both visit x outermost, then y, then layer, through SetCell.
    void ClearAll();
    void ReplaceAll(int from, int to);

    int GetCount(int code) const { return counts_[code]; }
    int GetDirtyCount() const { return dirtyCount_; }
    AppPoint GetDirty(int index) const { return {dirtyX_[index], dirtyY_[index]}; }
    void ClearDirty();

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Layers() const { return layers_; }
    // True while (x, y) is in the dirty list.
    bool IsListed(int x, int y) const { return listed_[x * height_ + y] != 0; }

private:
    std::size_t Index(int x, int y, int layer) const {
        return (static_cast<std::size_t>(x) * height_ + y) * layers_ + layer;
    }

    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::int32_t layers_ = 0;
    std::vector<std::int32_t> cells_;
    std::array<std::int32_t, appCellCodeCount> counts_{};
    std::int32_t dirtyCount_ = 0;
    std::vector<std::int32_t> dirtyX_;
    std::vector<std::int32_t> dirtyY_;
    std::vector<std::uint8_t> listed_;
};
