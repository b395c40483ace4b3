// A game's time in play: it runs from the launch and stands while the game is paused.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

class AppPlayClock {
public:
    // A monotonic clock: the time since some fixed moment.
    using Clock = std::function<std::chrono::milliseconds()>;

    // Without a clock, the system's monotonic one.
    explicit AppPlayClock(Clock now = {});

    // The ball was launched: the time runs from zero.
    void Start();
    // No game is timed any more.
    void Stop();
    // A saved game goes on: its time runs on from `playMs` when its ball was launched.
    void Resume(std::int64_t playMs, bool launched);
    // The time stands while paused. Telling the same twice changes nothing.
    void SetPaused(bool paused);
    // The time in play so far, over every sitting; 0 when no game is timed.
    std::int64_t PlayMs() const;

private:
    Clock now_;
    // When the time would have started had it never stood, and since when it stands.
    std::optional<std::chrono::milliseconds> start_;
    std::optional<std::chrono::milliseconds> pausedAt_;
};
