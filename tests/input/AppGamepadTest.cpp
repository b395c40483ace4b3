// A pad made inside the test, pressed and tilted: what the gamepad sends for it.
#include "PadScript.h"

#include <QTest>

#include <utility>
#include <vector>

namespace {

// What the gamepad sent, in order; a run of the same line is written once with its count.
class SignalLog {
public:
    explicit SignalLog(AppGamepad& gamepad) {
        QObject::connect(&gamepad, &AppGamepad::Moved, [this](int dx, int dy) {
            Add(QStringLiteral("move %1,%2").arg(dx).arg(dy));
        });
        QObject::connect(&gamepad, &AppGamepad::KeyPressed, [this](AppKeyPosition position) {
            Add(QStringLiteral("key %1").arg(int(position)));
        });
        QObject::connect(&gamepad, &AppGamepad::LaunchPressed, [this] { Add("launch"); });
        QObject::connect(&gamepad, &AppGamepad::PausePressed, [this] { Add("pause"); });
        QObject::connect(&gamepad, &AppGamepad::Unplugged, [this] { Add("unplugged"); });
    }
    QString Text() const {
        QStringList lines;
        for (const auto& [line, count] : lines_)
            lines << (count == 1 ? line : QStringLiteral("%1 x%2").arg(line).arg(count));
        return lines.join(QStringLiteral(" | "));
    }
    int moves = 0;

private:
    void Add(const QString& line) {
        moves += line.startsWith(QStringLiteral("move"));
        if (!lines_.empty() && lines_.back().first == line)
            ++lines_.back().second;
        else
            lines_.push_back({line, 1});
    }
    std::vector<std::pair<QString, int>> lines_;
};

} // namespace

class AppGamepadTest : public QObject {
    Q_OBJECT

private slots:
    void padIsSeenOnlyOnceSdlIsAsked() {
        AppGamepad gamepad;
        QVERIFY(!gamepad.SdlStarted());
        AppVirtualPad pad(gamepad);
        QVERIFY(gamepad.SdlStarted());
        gamepad.Poll();
        QCOMPARE(gamepad.PadCount(), 1);
    }

    void scriptSendsSignals_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<bool>("repeating");
        // Positions: 1 slash, 2 back, 3 back or shove left, 4 slash or shove right.
        QTest::newRow("face buttons in their diamond, South also launches")
            << "y+ y- b+ b- x+ x- a+ a-"
            << "key 1 | key 4 | key 3 | key 2 | launch" << false;
        QTest::newRow("Start pauses; the other buttons mean nothing")
            << "guide+ back+ lb+ ls+ paddle+ start+ start-"
            << "pause" << false;
        QTest::newRow("a d-pad press moves at once and keeps repeating while held")
            << "left+"
            << "move -1,0" << true;
        QTest::newRow("a second arrow adds a diagonal; letting one go moves nothing")
            << "up+ right+ right- up-"
            << "move 0,-1 | move 1,-1" << false;
        QTest::newRow("the stick past half its travel, held until back inside 3/8")
            << "lx=20000 lx=14000 lx=10000 lx=20000 lx=0 ly=-32768 ly=0"
            << "move 1,0 x2 | move 0,-1" << false;
        QTest::newRow("stick and d-pad the same way move once") << "left+ lx=-32768 left- lx=0"
                                                                << "move -1,0" << false;
        QTest::newRow("absurd axes: extremes, the other stick, triggers, an axis not there")
            << "rx=32767 ry=-32768 lt=-32768 rt=32767 lt=32767 a9=32767 lx=-32768 lx=32767 lx=0"
            << "move -1,0 | move 1,0" << false;
        QTest::newRow("a button not there") << "b99+ b99-"
                                            << "" << false;
        QTest::newRow("a thousand presses, each sent once") << "x*1000"
                                                            << "key 3 x1000" << false;
        QTest::newRow("pulled mid-hold: the repeat stops and the pad's going is told")
            << "down+ unplug"
            << "move 0,1 | unplugged" << false;
        QTest::newRow("plugged back in, it drives again") << "unplug plug a+"
                                                          << "unplugged | key 2 | launch" << false;
    }
    void scriptSendsSignals() {
        QFETCH(QString, script);
        QFETCH(QString, sent);
        QFETCH(bool, repeating);
        AppGamepad gamepad;
        AppVirtualPad pad(gamepad);
        gamepad.Poll();
        SignalLog log(gamepad);
        PlayPad(pad, gamepad, script);
        QCOMPARE(log.Text(), sent);
        QCOMPARE(gamepad.Repeating(), repeating);
    }

    void heldDirectionRepeatsUntilLetGo() {
        AppGamepad gamepad;
        AppVirtualPad pad(gamepad);
        gamepad.Poll();
        SignalLog log(gamepad);
        PlayPad(pad, gamepad, QStringLiteral("right+"));
        QTRY_VERIFY_WITH_TIMEOUT(log.moves >= 3, 5000);
        PlayPad(pad, gamepad, QStringLiteral("right-"));
        const int moves = log.moves;
        QTest::qWait(3 * AppGamepad::repeatIntervalMs);
        QCOMPARE(log.moves, moves);
    }

    void twoPadsBothDrive() {
        AppGamepad gamepad;
        AppVirtualPad first(gamepad);
        AppVirtualPad second(gamepad);
        gamepad.Poll();
        QCOMPARE(gamepad.PadCount(), 2);
        SignalLog log(gamepad);
        PlayPad(first, gamepad, QStringLiteral("left+"));
        PlayPad(second, gamepad, QStringLiteral("y+ unplug"));
        QVERIFY(gamepad.Repeating());
        PlayPad(first, gamepad, QStringLiteral("left-"));
        QCOMPARE(log.Text(), QStringLiteral("move -1,0 | key 1 | unplugged"));
        QVERIFY(!gamepad.Repeating());
    }
};

QTEST_GUILESS_MAIN(AppGamepadTest)
#include "AppGamepadTest.moc"
