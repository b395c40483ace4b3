// A game view that draws through a renderer and plays no sound, for running the game headless.
#pragma once

#include "AppGameView.h"
#include "AppRenderer.h"

class AppSilentView : public AppGameView {
public:
    // Set once the renderer exists; the renderer itself needs the game, which needs this view.
    AppRenderer* renderer = nullptr;

    void ResizeBackBuffer() override { renderer->ResizeBackBuffer(); }
    void PaintCells(bool showNow) override { renderer->PaintCells(showNow); }
    void PaintTitle(bool showNow) override { renderer->PaintTitle(showNow); }
    void PaintGameOver(bool showNow) override { renderer->PaintGameOver(showNow); }
    void FormPaint() override { renderer->FormPaint(); }
    void Play(AppSoundId) override {}
};
