// The ball: its cell and its step per tick.
#pragma once

#include <cstdint>

class AppPlayer {
public:
    AppPlayer() = default;
    AppPlayer(const AppPlayer&) = default;
    AppPlayer& operator=(const AppPlayer&) = default;
    virtual ~AppPlayer() = default;

    // Before its launch the ball stands: no step in either direction.
    bool IsStanding() const { return dx == 0 && dy == 0; }

    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t dx = 0;
    std::int32_t dy = 0;
};
