// Draws and plays nothing: the front end of a game run without a window or sound.
#pragma once

#include "AppGamePicture.h"
#include "AppGameSound.h"

class AppGame;

class AppNullFrontEnd : public AppGamePicture, public AppGameSound {
public:
    explicit AppNullFrontEnd(AppGame& game) : game_(game) {}

    void ResizeBackBuffer() override {}
    // Walks and empties the dirty list as a real picture does, so that it never fills up
    // and the ball's twinkle uses up the same random numbers.
    void PaintCells(bool showNow) override;
    void RepaintField(bool) override {}
    void PaintTitle(bool) override {}
    void PaintGameOver(bool) override {}
    void FormPaint() override {}
    void Play(AppSoundId) override {}

private:
    AppGame& game_;
};
