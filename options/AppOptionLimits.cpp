// The valid ranges of the option records and the rule that bounds values to them.
#include "AppOptionLimits.h"

std::int32_t ClampValue(std::int32_t value, std::int32_t low, std::int32_t high) {
    if (value < low)
        value = low;
    if (value > high)
        value = high;
    return value;
}

namespace {
std::int32_t Clamp(std::int32_t value, AppOptionRange range) {
    return ClampValue(value, range.low, range.high);
}
} // namespace

AppPlayOptions ClampPlayOptions(AppPlayOptions options) {
    options.Width = Clamp(options.Width, widthRange);
    options.Height = Clamp(options.Height, heightRange);
    options.PaddleFirst = Clamp(options.PaddleFirst, paddleFirstRange);
    options.PaddlePlus = Clamp(options.PaddlePlus, paddlePlusRange);
    options.PaddleMax = Clamp(options.PaddleMax, paddleMaxRange);
    options.Speed = Clamp(options.Speed, speedRange);
    return options;
}

AppViewOptions ClampViewOptions(AppViewOptions options) {
    options.CharWidth = Clamp(options.CharWidth, charWidthRange);
    options.CharHeight = Clamp(options.CharHeight, charHeightRange);
    return options;
}
