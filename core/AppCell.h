// Cell codes stored in the play field and the indices of its two layers.
#pragma once

#include <cstdint>

enum AppCell : std::int32_t {
    cellEmpty = 0,
    cellBall = 1,
    cellPaddleBack = 2,
    cellPaddleSlash = 3,
    cellPaddleUsed = 4,
    cellObstacle = 5,
    cellSweeper = 6,
};

// Number of distinct cell codes; the field keeps one counter for each. It is
// counted from the last code, so a code added after it must take its place here.
inline constexpr int appCellCodeCount = cellSweeper + 1;

enum AppLayer : std::int32_t {
    layerGround = 0, // paddles, obstacles and sweepers
    layerBall = 1,   // the ball
};
