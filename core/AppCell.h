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

// Number of distinct cell codes; the field keeps one counter for each.
inline constexpr int appCellCodeCount = 7;

enum AppLayer : std::int32_t {
    layerGround = 0, // paddles, obstacles and sweepers
    layerBall = 1,   // the ball
};
