// A stand-in for the renderer and sound player that records every request in order.
#pragma once

#include "AppField.h"
#include "AppGamePicture.h"
#include "AppGameSound.h"

#include <functional>
#include <string>
#include <vector>

// Like the real renderer, PaintCells empties the attached field's dirty list
// after "drawing" it, so the dirty lists seen by the game stay realistic.
// beforeClear, when set, sees the dirty list just before it is emptied.
class RecordingView : public AppGamePicture, public AppGameSound {
public:
    void Attach(AppField* field) { field_ = field; }

    void ResizeBackBuffer() override { Record("ResizeBackBuffer"); }
    void PaintCells(bool showNow) override {
        Record(showNow ? "PaintCells(true)" : "PaintCells(false)");
        if (beforeClear)
            beforeClear(*field_);
        field_->ClearDirty();
    }
    void RepaintField(bool showNow) override {
        Record(showNow ? "RepaintField(true)" : "RepaintField(false)");
    }
    void PaintTitle(bool showNow) override {
        Record(showNow ? "PaintTitle(true)" : "PaintTitle(false)");
    }
    void PaintGameOver(bool showNow) override {
        Record(showNow ? "PaintGameOver(true)" : "PaintGameOver(false)");
    }
    void FormPaint() override { Record("FormPaint"); }
    void Play(AppSoundId id) override {
        static const char* const names[appSoundCount] = {"Play(0)", "Play(1)", "Play(2)"};
        Record(names[id]);
    }

    std::vector<std::string> requests;
    // Off for long runs, where the list would only grow.
    bool recording = true;
    std::function<void(const AppField&)> beforeClear;

private:
    void Record(const char* request) {
        if (recording)
            requests.emplace_back(request);
    }

    AppField* field_ = nullptr;
};
