// Paces the game step: one step message at a time, each period at least Speed milliseconds long.
#include "AppStepLoop.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <sys/timerfd.h>
#include <unistd.h>

using namespace std::chrono;

const QEvent::Type AppStepLoop::WM_GAMESTEP = static_cast<QEvent::Type>(QEvent::User + 1);

AppStepLoop::AppStepLoop(QObject* host, std::function<void()> step,
                         std::function<std::int32_t()> speed, Condition closing)
    : host_(host), step_(std::move(step)), speed_(std::move(speed)), closing_(std::move(closing)),
      now_([] { return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()); }),
      holding_(&AppStepLoop::MenuOrBoxOpen), resting_([this] { return !running_; }),
      fallbackTimer_(std::make_unique<QTimer>()) {
    fallbackTimer_->setSingleShot(true);
    fallbackTimer_->setTimerType(Qt::PreciseTimer);
    connect(fallbackTimer_.get(), &QTimer::timeout, this, &AppStepLoop::Check);
    // Qt's timers wake up to a millisecond late and count whole milliseconds; a kernel
    // timer wakes within microseconds of the period's end.
    timerFd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (timerFd_ >= 0) {
        timerNotifier_ = std::make_unique<QSocketNotifier>(timerFd_, QSocketNotifier::Read);
        connect(timerNotifier_.get(), &QSocketNotifier::activated, this, [this] {
            std::uint64_t expirations = 0;
            // Reading empties the timer so it can fire again; the count itself is not needed.
            [[maybe_unused]] const ssize_t bytes = read(timerFd_, &expirations, sizeof expirations);
            Check();
        });
    }
}

AppStepLoop::~AppStepLoop() {
    WatchHold(false);
    timerNotifier_.reset();
    if (timerFd_ >= 0)
        close(timerFd_);
}

bool AppStepLoop::MenuOrBoxOpen() {
    return QApplication::activePopupWidget() != nullptr ||
           QApplication::activeModalWidget() != nullptr;
}

void AppStepLoop::PostGameStep() {
    phase_ = Phase::Posted;
    QCoreApplication::postEvent(host_, new QEvent(WM_GAMESTEP));
}

void AppStepLoop::Receive() {
    if (phase_ != Phase::Posted && phase_ != Phase::Resumed)
        return;
    if (holding_()) {
        // A menu is open, or a modal box's own loop delivered the step: keep it back
        // until the box is gone, so the game stands still under it.
        phase_ = Phase::HeldBack;
        WatchHold(true);
        return;
    }
    if (resting_()) {
        Rest();
        return;
    }
    // A step kept back by a box starts a whole new period, so the step after it does
    // not follow at once.
    if (phase_ == Phase::Resumed)
        previousEnd_ = now_();
    phase_ = Phase::Waiting;
    step_();
    Check();
}

void AppStepLoop::Check() {
    if (phase_ != Phase::HeldBack && phase_ != Phase::Waiting)
        return;
    if (holding_()) {
        WatchHold(true);
        return;
    }
    WatchHold(false);
    if (phase_ == Phase::HeldBack) {
        PostGameStep();
        phase_ = Phase::Resumed;
        return;
    }
    if (resting_()) {
        Rest();
        return;
    }
    const nanoseconds now = now_();
    const std::int32_t speed = speed_();
    // A Speed of 0 or less is always reached.
    if (previousEnd_ && speed > 0) {
        const nanoseconds left = *previousEnd_ + milliseconds(speed) - now;
        if (left > nanoseconds::zero()) {
            Arm(left);
            return;
        }
    }
    Disarm();
    previousEnd_ = now;
    emit PeriodEnded();
    if (closing_()) {
        phase_ = Phase::Stopped;
        return;
    }
    PostGameStep();
}

void AppStepLoop::RunSteps(bool run) {
    running_ = run;
    RestOrWake();
}

void AppStepLoop::RestOrWake() {
    if (phase_ == Phase::Waiting && resting_()) {
        Rest();
    } else if (phase_ == Phase::Resting && !resting_()) {
        previousEnd_ = now_();
        phase_ = Phase::Waiting;
        Check();
    }
}

void AppStepLoop::Rest() {
    WatchHold(false);
    Disarm();
    phase_ = Phase::Resting;
}

bool AppStepLoop::eventFilter(QObject* watched, QEvent* event) {
    // Closing a menu or a box hides it; the look comes once the hiding is complete.
    if (event->type() == QEvent::Hide)
        QMetaObject::invokeMethod(this, &AppStepLoop::Check, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

void AppStepLoop::Arm(nanoseconds left) {
    if (timerFd_ >= 0) {
        itimerspec expiry{};
        expiry.it_value.tv_sec = static_cast<time_t>(duration_cast<seconds>(left).count());
        expiry.it_value.tv_nsec = static_cast<long>((left % seconds(1)).count());
        if (timerfd_settime(timerFd_, 0, &expiry, nullptr) == 0)
            return;
    }
    // Rounded up, so the timer never fires before the period's end.
    fallbackTimer_->start(ceil<milliseconds>(left));
}

void AppStepLoop::Disarm() {
    if (timerFd_ >= 0) {
        const itimerspec off{};
        timerfd_settime(timerFd_, 0, &off, nullptr);
    }
    fallbackTimer_->stop();
}

bool AppStepLoop::Armed() const {
    itimerspec left{};
    const bool kernelTimer = timerFd_ >= 0 && timerfd_gettime(timerFd_, &left) == 0 &&
                             (left.it_value.tv_sec != 0 || left.it_value.tv_nsec != 0);
    return kernelTimer || fallbackTimer_->isActive();
}

void AppStepLoop::WatchHold(bool on) {
    // Only while the game is held still: every hidden widget is a reason to look again.
    if (on == watchingHold_)
        return;
    watchingHold_ = on;
    if (on)
        QCoreApplication::instance()->installEventFilter(this);
    else
        QCoreApplication::instance()->removeEventFilter(this);
}
