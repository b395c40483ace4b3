// The program's one pseudo-random source, seeded by its owner.
#pragma once

#include <cstdint>

class AppRandom {
public:
    explicit AppRandom(std::uint64_t seed = 1) { Seed(seed); }

    void Seed(std::uint64_t seed);

    // One draw, spread evenly over 0 to 2^31 - 1.
    std::int32_t Next();

    // One draw taken modulo n; n must be at least 1.
    std::int32_t Below(std::int32_t n) { return Next() % n; }

    // The whole state: setting a state read earlier gives the same draws from there on.
    // Zero is no state the generator can be in, so it is refused.
    std::uint64_t State() const { return state_; }
    bool SetState(std::uint64_t state);

private:
    std::uint64_t state_ = 0;
};
