// The cursor cell the keyboard and the gamepad point with: where it stands and whether it shows.
#include "AppCellCursor.h"

#include <cstdint>

namespace {

// `value` plus `step`, wrapped into 0 to size - 1; taken wide so that no step overflows.
int Wrapped(int value, int step, int size) {
    const std::int64_t sum = (std::int64_t(value) + step) % size;
    return static_cast<int>(sum < 0 ? sum + size : sum);
}

} // namespace

void AppCellCursor::Move(int dx, int dy, int width, int height) {
    if (width < 1 || height < 1)
        return;
    cell_ = {Wrapped(cell_.x, dx, width), Wrapped(cell_.y, dy, height)};
}
