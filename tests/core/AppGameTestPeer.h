// Sets a game's score and phase, which only the rules change, to arrange a game in tests.
#pragma once

#include "AppGame.h"

class AppGameTestPeer {
public:
    static void SetScore(AppGame& game, std::int32_t score, std::int32_t phase) {
        game.SetScore(score, phase);
    }
};
