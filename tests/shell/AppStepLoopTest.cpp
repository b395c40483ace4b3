// The step loop on a fake clock with a fake hold: periods, holds, rests, closing and Speed's
// bounds.
#include "AppStepLoop.h"
#include "AppStepLoopTestPeer.h"

#include <QTest>

#include <chrono>
#include <memory>
#include <vector>

using namespace std::chrono;

namespace {

// Hands the step messages the loop posts back to it, counting them.
class Host : public QObject {
public:
    AppStepLoop* loop = nullptr;
    int delivered = 0;

    bool event(QEvent* event) override {
        if (event->type() != AppStepLoop::WM_GAMESTEP)
            return QObject::event(event);
        ++delivered;
        loop->Receive();
        return true;
    }
};

} // namespace

class AppStepLoopTest : public QObject {
    Q_OBJECT

private:
    nanoseconds now{};
    std::int32_t speed = 160;
    bool holding = false;
    bool resting = false;
    bool restInStep = false;
    bool closing = false;
    nanoseconds stepTakes{};
    std::vector<nanoseconds> steps;
    std::vector<nanoseconds> periodEnds;
    // Step messages delivered while the game was held still or at rest; every other one runs
    // a step.
    int keptBack = 0;
    Host host;
    std::unique_ptr<AppStepLoop> loop;

    void deliver() { QCoreApplication::sendPostedEvents(&host, AppStepLoop::WM_GAMESTEP); }

    // Time goes on and the loop looks again, as when its timer or an event wakes it.
    void advance(nanoseconds by) {
        now += by;
        loop->Check();
        deliver();
    }

private slots:
    void init() {
        now = seconds(5) + nanoseconds(123456);
        speed = 160;
        holding = resting = restInStep = closing = false;
        stepTakes = {};
        steps.clear();
        periodEnds.clear();
        keptBack = 0;
        host.delivered = 0;
        loop = std::make_unique<AppStepLoop>(
            &host,
            [this] {
                steps.push_back(now);
                now += stepTakes;
                resting = resting || restInStep;
            },
            [this] { return speed; }, [this] { return closing; });
        AppStepLoopTestPeer::SetClock(*loop, [this] { return now; });
        AppStepLoopTestPeer::SetHoldCheck(*loop, [this] { return holding; });
        AppStepLoopTestPeer::SetRestCheck(*loop, [this] { return resting; });
        connect(loop.get(), &AppStepLoop::PeriodEnded, this, [this] { periodEnds.push_back(now); });
        host.loop = loop.get();
        loop->PostGameStep();
        // The first wait ends at once, so the second step follows straight away.
        deliver();
        deliver();
        QCOMPARE(steps.size(), std::size_t(2));
    }

    void cleanup() {
        // One step message at a time: none is ever posted beside the one in the queue.
        QCOMPARE(host.delivered, int(steps.size()) + keptBack);
        loop.reset();
        QCoreApplication::removePostedEvents(&host);
    }

    void periodsAreNeverShortAndEndAtTheFirstLookPastTheirEnd_data() {
        QTest::addColumn<int>("periodMs");
        QTest::addColumn<int>("stepUs");
        QTest::newRow("Speed 10") << 10 << 300;
        QTest::newRow("Speed 160") << 160 << 300;
        QTest::newRow("Speed 1000") << 1000 << 300;
        QTest::newRow("a step longer than the period") << 10 << 12000;
        QTest::newRow("Speed 0 is always reached") << 0 << 300;
    }

    void periodsAreNeverShortAndEndAtTheFirstLookPastTheirEnd() {
        QFETCH(int, periodMs);
        QFETCH(int, stepUs);
        speed = periodMs;
        stepTakes = microseconds(stepUs);
        const nanoseconds lookEvery = microseconds(700);
        for (int look = 0; look < 100000 && steps.size() < 30; ++look)
            advance(lookEvery);
        QCOMPARE(steps.size(), std::size_t(30));
        for (std::size_t i = 2; i < periodEnds.size(); ++i) {
            const nanoseconds period = periodEnds[i] - periodEnds[i - 1];
            QVERIFY(period >= milliseconds(speed));
            QVERIFY(period - milliseconds(speed) <= lookEvery + stepTakes);
        }
    }

    void aHoldLongerThanThePeriodIsFollowedByAnImmediateStep() {
        holding = true;
        advance(milliseconds(1000));
        QCOMPARE(steps.size(), std::size_t(2));
        holding = false;
        advance(nanoseconds::zero());
        QCOMPARE(steps.size(), std::size_t(3));
        QCOMPARE(steps.back(), now);
        // The next period counts from the end of the hold.
        advance(microseconds(159999));
        QCOMPARE(steps.size(), std::size_t(3));
        advance(microseconds(1));
        QCOMPARE(steps.size(), std::size_t(4));
    }

    void aStepKeptBackByABoxStartsAWholeNewPeriod() {
        now += milliseconds(speed);
        loop->Check();
        // A box opens before the posted step is handled; its own loop delivers the step.
        holding = true;
        deliver();
        keptBack = 1;
        advance(milliseconds(500));
        QCOMPARE(steps.size(), std::size_t(2));
        holding = false;
        advance(nanoseconds::zero());
        QCOMPARE(steps.size(), std::size_t(3));
        // The period before the box ran out long ago; the kept-back step starts a new one.
        advance(milliseconds(speed) - nanoseconds(1));
        QCOMPARE(steps.size(), std::size_t(3));
        advance(nanoseconds(1));
        QCOMPARE(steps.size(), std::size_t(4));
    }

    void atRestNoStepRunsAndNoTimerIsSetUntilSomethingCanMoveAgain_data() {
        QTest::addColumn<QString>("restBegins");
        QTest::newRow("between two steps") << "between";
        QTest::newRow("with a step queued") << "queued";
        QTest::newRow("in a step") << "step";
        QTest::newRow("under a box") << "box";
    }

    void atRestNoStepRunsAndNoTimerIsSetUntilSomethingCanMoveAgain() {
        QFETCH(QString, restBegins);
        if (restBegins == "between") {
            resting = true;
            loop->RestOrWake();
        } else if (restBegins == "queued") {
            now += milliseconds(speed);
            loop->Check();
            resting = true;
            deliver();
            keptBack = 1;
        } else if (restBegins == "step") {
            restInStep = true;
            advance(milliseconds(speed));
            restInStep = false;
        } else {
            // A menu opens with the step queued, and the rest is chosen from it.
            now += milliseconds(speed);
            loop->Check();
            holding = true;
            deliver();
            resting = true;
            holding = false;
            advance(nanoseconds::zero());
            keptBack = 2;
        }
        const std::size_t stepsAtRest = steps.size();
        const std::size_t endsAtRest = periodEnds.size();
        QVERIFY(!AppStepLoopTestPeer::Armed(*loop));
        loop->RestOrWake();
        for (int look = 0; look < 10; ++look)
            advance(seconds(1));
        QVERIFY(!AppStepLoopTestPeer::Armed(*loop));
        QCOMPARE(steps.size(), stepsAtRest);
        QCOMPARE(periodEnds.size(), endsAtRest);

        // The launch or resume comes in the middle of what would have been a period.
        advance(milliseconds(speed / 3));
        resting = false;
        loop->RestOrWake();
        QVERIFY(AppStepLoopTestPeer::Armed(*loop));
        advance(milliseconds(speed) - nanoseconds(1));
        QCOMPARE(steps.size(), stepsAtRest);
        advance(nanoseconds(1));
        QCOMPARE(steps.size(), stepsAtRest + 1);
        loop->RestOrWake();
        advance(milliseconds(speed));
        QCOMPARE(steps.size(), stepsAtRest + 2);
    }

    void closingEndsTheLoopAtTheEndOfTheWait() {
        closing = true;
        const std::size_t endsBefore = periodEnds.size();
        advance(milliseconds(speed));
        QCOMPARE(periodEnds.size(), endsBefore + 1);
        for (int look = 0; look < 10; ++look)
            advance(seconds(1));
        QCOMPARE(steps.size(), std::size_t(2));
        QCOMPARE(periodEnds.size(), endsBefore + 1);
    }
};

QTEST_MAIN(AppStepLoopTest)
#include "AppStepLoopTest.moc"
