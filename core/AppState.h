// The states of the game, kept by the game in one byte.
#pragma once

#include <cstdint>

enum AppState : std::uint8_t {
    stNone = 0,     // constructed, before the first set-up
    stSetup = 1,    // transient: size picture and field, then go to the title
    stTitle = 2,    // title screen, no game
    stPlaying = 3,  // a game runs; the ball may still stand before its launch
    stGameOver = 4, // the game has ended; the overlay is shown
    stClosing = 5,  // the window is going away; the step loop stops re-arming
};
