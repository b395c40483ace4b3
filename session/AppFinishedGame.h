// A game that reached game over, as the scores take it: no reference to the game itself.
#pragma once

#include "AppGameRecord.h"
#include "AppPlayOptions.h"

#include <cstdint>

struct AppFinishedGame {
    std::int32_t score = 0;
    std::int32_t phase = 0;
    // Steps run since the game was dealt.
    std::uint32_t steps = 0;
    // Time in play from the launch to game over, over every sitting.
    std::int64_t playMs = 0;
    std::uint32_t number = 0;
    AppPlayOptions options;
    // Its inputs and ending; a game played past a record's bounds ends abandoned here and
    // has no replay.
    AppGameRecord record;
};
