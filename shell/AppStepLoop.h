// Paces the game step: one step message at a time, each period at least Speed milliseconds long.
#pragma once

#include "AppStepTimer.h"

#include <QEvent>
#include <QObject>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QSocketNotifier;
class QTimer;

class AppStepLoop : public QObject, public AppStepTimer {
    Q_OBJECT
    // Sets the clock, the hold and the rest checks, and looks at the timer.
    friend class AppStepLoopTestPeer;

public:
    // The private step message, one above the first user message number.
    static const QEvent::Type WM_GAMESTEP;

    // A monotonic clock: the time since some fixed moment.
    using Clock = std::function<std::chrono::nanoseconds()>;
    using Condition = std::function<bool()>;

    // host receives the step message and hands it back to Receive(); step runs one step,
    // speed gives the period in milliseconds, closing tells when no step may follow.
    AppStepLoop(QObject* host, std::function<void()> step, std::function<std::int32_t()> speed,
                Condition closing);
    ~AppStepLoop() override;

    // While not running, nothing can move: the loop then runs no step, arms no timer and
    // posts nothing, so the program sleeps until input. Running again starts a new period
    // from now, so the next step follows a whole period later.
    void RunSteps(bool run) override;

    // True while a menu or a modal box is open: the game stands still then.
    static bool MenuOrBoxOpen();

    // Posts the first step message.
    void PostGameStep();
    // Handles a delivered step message: runs the step, or keeps it back while the game is
    // held still, and then waits for the period's end.
    void Receive();
    // Looks again at the clock and the hold: the timer, the end of a hold and tests call it.
    void Check();
    // The owner changed what can move. A loop between two steps rests at once when nothing
    // can; a loop at rest starts again when something can, with a new period from now, so
    // the next step follows a whole period later.
    void RestOrWake();
signals:
    // Each time a wait ends, just before the next step message is posted.
    void PeriodEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The system's monotonic clock, MenuOrBoxOpen() and RunSteps are the defaults.
    void SetClock(Clock clock) { now_ = std::move(clock); }
    void SetHoldCheck(Condition holding) { holding_ = std::move(holding); }
    void SetRestCheck(Condition resting) { resting_ = std::move(resting); }
    // Whether a timer is set to end a period.
    bool Armed() const;

    // Posted: a step message is queued. HeldBack: it was delivered while the game was
    // held still and is kept. Resumed: that message is queued again. Waiting: between a
    // step and the end of its period. Resting: nothing can move and nothing is queued or
    // timed. Stopped: nothing more follows.
    enum class Phase { Posted, HeldBack, Resumed, Waiting, Resting, Stopped };

    void Arm(std::chrono::nanoseconds left);
    void Disarm();
    void Rest();
    void WatchHold(bool on);

    QObject* host_;
    std::function<void()> step_;
    std::function<std::int32_t()> speed_;
    Condition closing_;
    Clock now_;
    Condition holding_;
    Condition resting_;
    bool running_ = false;
    Phase phase_ = Phase::Stopped;
    // The end of the previous wait; none before the first, so that one ends at once.
    std::optional<std::chrono::nanoseconds> previousEnd_;
    bool watchingHold_ = false;
    // One timer wakes the thread at the period's end: a kernel timer with nanosecond
    // resolution, or a Qt timer where that cannot be had.
    int timerFd_ = -1;
    std::unique_ptr<QSocketNotifier> timerNotifier_;
    std::unique_ptr<QTimer> fallbackTimer_;
};
