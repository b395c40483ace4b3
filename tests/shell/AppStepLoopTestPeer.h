// Sets the step loop's clock and checks and looks at its timer, for tests.
#pragma once

#include "AppStepLoop.h"

class AppStepLoopTestPeer {
public:
    static void SetClock(AppStepLoop& loop, AppStepLoop::Clock clock) {
        loop.SetClock(std::move(clock));
    }
    static void SetHoldCheck(AppStepLoop& loop, AppStepLoop::Condition holding) {
        loop.SetHoldCheck(std::move(holding));
    }
    static void SetRestCheck(AppStepLoop& loop, AppStepLoop::Condition resting) {
        loop.SetRestCheck(std::move(resting));
    }
    static bool Armed(const AppStepLoop& loop) { return loop.Armed(); }
};
