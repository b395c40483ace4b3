// The program's one pseudo-random source, seeded by its owner.
#include "AppRandom.h"

void AppRandom::Seed(std::uint64_t seed) {
    // Scramble the seed once so that neighbouring seeds (clock seconds) start
    // far apart; splitmix64 never maps a seed to the all-zero state.
    std::uint64_t z = seed + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    state_ = (z ^ (z >> 31)) | 1u;
}

std::int32_t AppRandom::Next() {
    // xorshift64*: the top 31 bits of its output are evenly spread.
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    const std::uint64_t out = state_ * 0x2545F4914F6CDD1Dull;
    return static_cast<std::int32_t>(out >> 33);
}

bool AppRandom::SetState(std::uint64_t state) {
    // xorshift stays at zero once there.
    if (state == 0)
        return false;
    state_ = state;
    return true;
}
