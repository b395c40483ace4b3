// The four places every key set has: which paddle a key puts down and which way it shoves.
#pragma once

#include <cstdint>

enum class AppKeyPosition : std::uint8_t {
    none = 0,              // not a key of the game
    slash = 1,             // W, U: a slash paddle; nothing on an obstacle
    back = 2,              // R, O: a back paddle; nothing on an obstacle
    backOrShoveLeft = 3,   // S, J, Left: a back paddle, or shove the obstacle left
    slashOrShoveRight = 4, // F, L, Right: a slash paddle, or shove the obstacle right
};
