// What the play session tells its front end, each at the moment it happens.
#pragma once

#include "AppFinishedGame.h"

class AppSessionObserver {
public:
    virtual ~AppSessionObserver() = default;

    // The player's ball was launched: the game's time runs from here.
    virtual void GameStarted() {}
    // The player's game reached game over. New, other options, Exit and replays end none.
    virtual void GameEnded(const AppFinishedGame& game) = 0;
    // The game shown was paused or goes on: the picture shows the pause screen or the field.
    virtual void PauseChanged(bool paused) = 0;
    // The replay shown came to its end or stopped short (see AppReplay::Reason).
    virtual void ReplayStopped() {}
    // What is shown around the picture may have changed: the state, the pause, the replay
    // and its speed.
    virtual void PictureChanged() {}
};
