// The valid ranges of the option records and the rule that bounds values to them.
#pragma once

#include "AppPlayOptions.h"
#include "AppViewOptions.h"

#include <cstdint>

struct AppOptionRange {
    std::int32_t low;
    std::int32_t high;
};

inline constexpr AppOptionRange widthRange{16, 32};
inline constexpr AppOptionRange heightRange{16, 32};
inline constexpr AppOptionRange paddleFirstRange{1, 1024};
inline constexpr AppOptionRange paddlePlusRange{0, 1024};
inline constexpr AppOptionRange paddleMaxRange{1, 1024};
inline constexpr AppOptionRange speedRange{10, 1000};
inline constexpr AppOptionRange charWidthRange{18, 32};
inline constexpr AppOptionRange charHeightRange{18, 32};

// Below low gives low; then above high gives high.
std::int32_t ClampValue(std::int32_t value, std::int32_t low, std::int32_t high);

// Every integer field bounded to its range; UseSweeper as it is.
AppPlayOptions ClampPlayOptions(AppPlayOptions options);
AppViewOptions ClampViewOptions(AppViewOptions options);
