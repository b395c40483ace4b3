// Reaches the main window's session, renderer, sound, step loop and pads, for tests to arrange
// a game and look at it.
#pragma once

#include "AppGamepad.h"
#include "AppPlaySessionTestPeer.h"
#include "AppRenderer.h"
#include "AppSound.h"
#include "AppStepLoopTestPeer.h"
#include "TForm1.h"

class TForm1TestPeer {
public:
    static AppPlaySession& Session(TForm1& form) { return *form.session_; }
    static AppGame& Game(TForm1& form) { return form.session_->Game(); }
    static AppRandom& Random(TForm1& form) {
        return AppPlaySessionTestPeer::Random(*form.session_);
    }
    static AppRenderer& Renderer(TForm1& form) { return *form.renderer_; }
    static AppSound& Sound(TForm1& form) { return *form.sound_; }
    static AppStepLoop& StepLoop(TForm1& form) { return *form.loop_; }
    static AppGamepad& Gamepad(TForm1& form) { return form.cursor_->Gamepad(); }
    static AppCursorControl& Cursor(TForm1& form) { return *form.cursor_; }
    static void SetStepClock(TForm1& form, AppStepLoop::Clock clock) {
        AppStepLoopTestPeer::SetClock(*form.loop_, std::move(clock));
    }
};
