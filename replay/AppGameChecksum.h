// Fingerprints of a game's field and of its whole state, the same on every machine.
#pragma once

#include <cstdint>

class AppField;
class AppGame;
class AppRandom;

class AppGameChecksum {
public:
    // The field's size and both layers of every cell.
    static std::uint64_t Field(const AppField& field);
    // The field, the ball, the counters of the game (not the records, which belong to the
    // player), the quotas, the state, the ball's tile as last shown and the random state.
    static std::uint64_t State(const AppGame& game, const AppRandom& random);
};
