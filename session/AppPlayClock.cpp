// A game's time in play: it runs from the launch and stands while the game is paused.
#include "AppPlayClock.h"

using namespace std::chrono;

AppPlayClock::AppPlayClock(Clock now) : now_(std::move(now)) {
    if (!now_)
        now_ = [] { return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()); };
}

void AppPlayClock::Start() {
    start_ = now_();
    pausedAt_.reset();
}

void AppPlayClock::Stop() {
    start_.reset();
    pausedAt_.reset();
}

void AppPlayClock::Resume(std::int64_t playMs, bool launched) {
    Stop();
    // The time before this sitting counts as if it had just passed.
    if (launched)
        start_ = now_() - milliseconds(playMs);
}

void AppPlayClock::SetPaused(bool paused) {
    if (paused && !pausedAt_) {
        pausedAt_ = now_();
    } else if (!paused && pausedAt_) {
        if (start_)
            *start_ += now_() - *pausedAt_;
        pausedAt_.reset();
    }
}

std::int64_t AppPlayClock::PlayMs() const {
    if (!start_)
        return 0;
    return ((pausedAt_ ? *pausedAt_ : now_()) - *start_).count();
}
