// A game in play kept on disk: its record so far and what resuming it must find again.
#pragma once

#include "AppGameRecord.h"

#include <cstdint>

struct AppSavedGame {
    // The inputs so far; no end.
    AppGameRecord record;
    // Steps run since New; every input of the record came at or before it.
    std::uint32_t steps = 0;
    bool paused = false;
    // Time in play over every sitting, for the scores.
    std::int64_t playMs = 0;
    // The ball's tile as last shown, so the field can be shown again without a draw.
    std::int32_t ballSprite = 0;
    // AppGameChecksum::State of the game when it was saved.
    std::uint64_t stateChecksum = 0;

    friend bool operator==(const AppSavedGame&, const AppSavedGame&) = default;
};
