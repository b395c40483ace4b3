// Reaches the main window's session, renderer, sound, step loop and pads, for tests to arrange
// a game and look at it.
#pragma once

#include "AppBoardLink.h"
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
    // A game ends as the session tells the window.
    static void EndGame(TForm1& form, const AppFinishedGame& game) {
        static_cast<AppSessionObserver&>(form).GameEnded(game);
    }
    // What the score line says of the last day's game on the board.
    static QString BoardNote(TForm1& form) { return form.board_->Note(); }
    static void SetStepClock(TForm1& form, AppStepLoop::Clock clock) {
        AppStepLoopTestPeer::SetClock(*form.loop_, std::move(clock));
    }
};
