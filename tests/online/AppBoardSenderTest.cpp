// The outbox and its sender against a board on a loopback port: nothing lost, nothing resent,
// and bad answers that change nothing.
#include "AppBoardSender.h"
#include "AppBoardReplies.h"
#include "AppGameFile.h"
#include "AppOutbox.h"
#include "AppPlayerKey.h"
#include "FakeBoard.h"
#include "RealBoard.h"
#include "TBoardDayPage.h"
#include "TodaysGame.h"

#include <QDateTime>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString replay = QStringLiteral("zingaroo game 1\nrules 1\nnumber 883292173\n");
const QString gameId = QStringLiteral("20261209T032558Z-883292173");

// A genuine day's game, which the real board replays and takes.
QString TodaysReplay() {
    static const QString text = QString::fromStdString(AppGameFile::Text(*PlayTodaysGame()));
    return text;
}

// The same game with one more point claimed than it scored: no board takes it.
QString EditedReplay() {
    QStringList lines = TodaysReplay().trimmed().split('\n');
    QStringList end = lines.back().split(' ');
    end[3] = QString::number(end[3].toInt() + 1);
    lines.back() = end.join(' ');
    return lines.join('\n') + '\n';
}

// The board of the test's or the real one, on a loopback port.
struct Board {
    std::unique_ptr<FakeBoard> fake;
    std::unique_ptr<RealBoard> real;
    QString Address() const { return fake ? fake->Address() : real->Address(); }
};

} // namespace

class AppBoardSenderTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder;

    std::string outboxPath() const { return (folder->path() + "/outbox").toStdString(); }
    AppOutbox outbox() const { return AppOutbox(outboxPath()); }

    std::unique_ptr<AppBoardSender> sender(const QString& address, bool send = true) {
        auto made =
            std::make_unique<AppBoardSender>(outboxPath(), (folder->path() + "/key").toStdString());
        made->SetLimits({64 * 1024, 3000});
        AppBoardOptions options;
        options.Address = address.toStdString();
        options.Send = send;
        made->SetOptions(options, QStringLiteral("Zoë <b>"));
        return made;
    }

    static Board startBoard(bool real, quint16 port = 0) {
        Board board;
        if (real)
            board.real = std::make_unique<RealBoard>(port ? port : FreePort());
        else
            board.fake = std::make_unique<FakeBoard>(port);
        return board;
    }

    // The names on today's board, best first, as the Board page reads them.
    static QStringList listed(const QString& address) {
        QNetworkAccessManager network;
        QStringList names;
        bool done = false;
        AppBoardCall::Get(
            network,
            QUrl(address + "/api/v1/days/" +
                 QDateTime::currentDateTimeUtc().date().toString(Qt::ISODate)),
            {}, &network, [&](const AppBoardResult& result) {
                for (const AppBoardDayLine& line :
                     AppBoardReplies::Day(result.body).value_or(std::vector<AppBoardDayLine>{}))
                    names << line.name;
                done = true;
            });
        for (int i = 0; i < 500 && !done; ++i)
            QTest::qWait(10);
        return done ? names : QStringList{QStringLiteral("no answer")};
    }

    void bothBoards() {
        QTest::addColumn<bool>("real");
        QTest::newRow("a board of the test's") << false;
        QTest::newRow("zingaroo-board") << true;
    }

    bool skipWithoutBoard(bool real) { return real && !RealBoard::Built(); }

private slots:
    void init() { folder = std::make_unique<QTemporaryDir>(); }

    void aGameQueuedWhileTheBoardIsDownIsSentOnceItIsUp_data() { bothBoards(); }
    void aGameQueuedWhileTheBoardIsDownIsSentOnceItIsUp() {
        QFETCH(bool, real);
        if (skipWithoutBoard(real))
            QSKIP("this build has no zingaroo-board");
        const quint16 port = FreePort();
        auto down = sender(QStringLiteral("http://127.0.0.1:%1").arg(port));
        QSignalSpy waiting(down.get(), &AppBoardSender::Waiting);
        down->Queue(gameId, TodaysReplay());
        QVERIFY(waiting.wait(5000));
        QCOMPARE(waiting.front().at(1).toString(),
                 QStringLiteral("cannot reach 127.0.0.1: connection refused"));
        QCOMPARE(outbox().Ids(), std::vector<std::string>{gameId.toStdString()});
        // The next try waits a minute, and a restart honours it.
        const AppRetrySchedule schedule = outbox().Schedule();
        QCOMPARE(schedule.failures, 1);
        QVERIFY(qAbs(schedule.notBefore - 60 - QDateTime::currentSecsSinceEpoch()) <= 2);
        down.reset();

        const Board board = startBoard(real, port);
        auto up = sender(board.Address());
        QTest::qWait(300);
        QVERIFY(listed(board.Address()).isEmpty());
        // The minute has passed.
        outbox().SetSchedule({1, 0});
        QSignalSpy answered(up.get(), &AppBoardSender::Answered);
        up->Kick();
        QVERIFY(answered.wait(5000));
        const auto answer = answered.front().at(1).value<AppBoardAnswer>();
        QCOMPARE(answered.front().at(0).toString(), gameId);
        QCOMPARE(answer.kind, AppBoardAnswer::Kind::sent);
        QCOMPARE(answer.rank, 1);
        QCOMPARE(answer.of, 1);
        QVERIFY(outbox().Ids().empty());
        QCOMPARE(listed(board.Address()), QStringList{QStringLiteral("Zoë <b>")});
        if (board.fake) {
            // The board was asked for its day first.
            const FakeBoard::Request& request = board.fake->requests.at(1);
            QCOMPARE(request.method, QByteArray("POST"));
            QCOMPARE(request.body, TodaysReplay().toUtf8());
            QCOMPARE(request.headers.value("x-zingaroo-name"), QByteArray("Zo%C3%AB%20%3Cb%3E"));
            QCOMPARE(request.headers.value("x-zingaroo-player"),
                     QByteArray::fromStdString(
                         *AppPlayerKey((folder->path() + "/key").toStdString()).Read()));
        }
    }

    void aRefusedGameKeepsTheReasonAndIsNeverSentAgain_data() { bothBoards(); }
    void aRefusedGameKeepsTheReasonAndIsNeverSentAgain() {
        QFETCH(bool, real);
        if (skipWithoutBoard(real))
            QSKIP("this build has no zingaroo-board");
        const Board board = startBoard(real);
        if (board.fake)
            board.fake->SetAnswer([](const FakeBoard::Request&) {
                return FakeBoard::Response(
                    422, R"({"error":"does not verify","reason":"ending does not match"})");
            });
        auto refused = sender(board.Address());
        QSignalSpy answered(refused.get(), &AppBoardSender::Answered);
        refused->Queue(gameId, EditedReplay());
        QVERIFY(answered.wait(5000));
        const auto answer = answered.front().at(1).value<AppBoardAnswer>();
        QCOMPARE(answer.kind, AppBoardAnswer::Kind::refused);
        QVERIFY2(answer.reason.starts_with("ending does not match"), answer.reason.c_str());
        QVERIFY(outbox().Ids().empty());
        refused->Kick();
        refused.reset();
        auto restarted = sender(board.Address());
        QTest::qWait(300);
        QVERIFY(listed(board.Address()).isEmpty());
        if (board.fake)
            QCOMPARE(board.fake->requests.size(), 2);
    }

    void aGameLeftQueuedByAKilledCopyIsSentAtTheNextStartAndListedOnce_data() { bothBoards(); }
    void aGameLeftQueuedByAKilledCopyIsSentAtTheNextStartAndListedOnce() {
        QFETCH(bool, real);
        if (skipWithoutBoard(real))
            QSKIP("this build has no zingaroo-board");
        const Board board = startBoard(real);
        auto first = sender(board.Address());
        QSignalSpy taken(first.get(), &AppBoardSender::Answered);
        first->Queue(gameId, TodaysReplay());
        QVERIFY(taken.wait(5000));
        first.reset();
        // The copy was killed after the board took the game, before its file left the outbox.
        QVERIFY(outbox().Put(gameId.toStdString(), TodaysReplay().toStdString()));
        auto next = sender(board.Address());
        QSignalSpy answered(next.get(), &AppBoardSender::Answered);
        QVERIFY(answered.wait(5000));
        QCOMPARE(answered.front().at(1).value<AppBoardAnswer>(),
                 taken.front().at(1).value<AppBoardAnswer>());
        QVERIFY(outbox().Ids().empty());
        QCOMPARE(listed(board.Address()).size(), 1);
    }

    void sendingOffSendsNothing() {
        FakeBoard board;
        auto off = sender(board.Address(), false);
        off->Queue(gameId, replay);
        QTRY_COMPARE(outbox().Ids().size(), std::size_t(1));
        QTest::qWait(300);
        QVERIFY(board.requests.isEmpty());
    }

    void aBadAnswerSaysOneLineAndChangesNothing_data() {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("trickleMs");
        // The line shown; for Watch, how it begins.
        QTest::addColumn<QString>("line");
        const QByteArray junk = FakeBoard::Response(200, "<html>taken!</html>");
        const QByteArray huge = FakeBoard::Response(200, QByteArray(10 << 20, '['), {}, false);
        const QByteArray slow = FakeBoard::Response(201, R"({"day":"2026-12-09"})");
        const QByteArray away =
            FakeBoard::Response(302, {}, "Location: ELSEWHERE/api/v1/games\r\n");
        const QByteArray unverified = FakeBoard::Response(200, replay.toUtf8());
        QTest::newRow("a game answered with junk")
            << "send" << junk << 0 << "the board's answer cannot be read";
        QTest::newRow("a game answered with 10 MB")
            << "send" << huge << 0 << "the answer is too large";
        QTest::newRow("a game answered by a trickle")
            << "send" << slow << 200 << "no answer in time";
        QTest::newRow("a game sent elsewhere")
            << "send" << away << 0 << "the board sent the game elsewhere (ELSEWHERE/api/v1/games)";
        QTest::newRow("a day answered with junk")
            << "day" << junk << 0 << "the board's answer cannot be read";
        QTest::newRow("a day answered with 10 MB")
            << "day" << huge << 0 << "the answer is too large";
        QTest::newRow("a day answered by a trickle") << "day" << slow << 200 << "no answer in time";
        QTest::newRow("a day sent elsewhere") << "day" << away << 0 << "the board answered 302";
        QTest::newRow("a replay for Watch that does not verify")
            << "watch" << unverified << 0 << "The board's replay does not verify: board: ";
    }

    void aBadAnswerSaysOneLineAndChangesNothing() {
        QFETCH(QString, asked);
        QFETCH(QByteArray, answer);
        QFETCH(int, trickleMs);
        QFETCH(QString, line);
        FakeBoard board;
        FakeBoard elsewhere;
        board.SetTrickle(trickleMs);
        answer.replace("ELSEWHERE", elsewhere.Address().toUtf8());
        line.replace(QStringLiteral("ELSEWHERE"), elsewhere.Address());
        if (asked == "send") {
            board.SetAnswer([&](const FakeBoard::Request&) { return answer; });
            auto bad = sender(board.Address());
            QSignalSpy waiting(bad.get(), &AppBoardSender::Waiting);
            bad->Queue(gameId, replay);
            QVERIFY(waiting.wait(8000));
            QCOMPARE(waiting.front().at(1).toString(), line);
            QCOMPARE(outbox().Ids(), std::vector<std::string>{gameId.toStdString()});
            QCOMPARE(outbox().Read(gameId.toStdString()), replay.toStdString());
            QCOMPARE(board.requests.size(), 1);
            return;
        }
        // The day's page shows a good day first; a bad answer after it leaves it as it was.
        FakeBoard good;
        good.games = {replay.toUtf8()};
        TBoardDayPage page;
        page.SetLimits({1 << 20, 1000});
        page.SetBoard(good.Address(), {});
        page.show();
        auto* list = page.findChild<QTableWidget*>(QStringLiteral("BoardList"));
        auto* status = page.findChild<QLabel*>(QStringLiteral("StatusLabel"));
        QTRY_COMPARE(list->rowCount(), 1);
        QSignalSpy watched(&page, &TBoardDayPage::WatchReady);
        if (asked == "watch") {
            board.games = {"x"};
            board.SetAnswer([&](const FakeBoard::Request&) { return answer; });
            page.SetBoard(board.Address(), {});
            list->selectRow(0);
            page.WatchChosen();
        } else {
            board.SetAnswer([&](const FakeBoard::Request&) { return answer; });
            page.SetBoard(board.Address(), {});
            page.Fetch();
        }
        // The replay check's own line follows its prefix.
        QTRY_VERIFY_WITH_TIMEOUT(
            asked == "watch" ? status->text().startsWith(line) : status->text() == line, 8000);
        QVERIFY2(!status->text().contains('\n'), qPrintable(status->text()));
        QCOMPARE(list->rowCount(), 1);
        QCOMPARE(list->item(0, 2)->text(), QStringLiteral("0"));
        QVERIFY(watched.isEmpty());
        QVERIFY(elsewhere.requests.isEmpty());
    }
};

QTEST_MAIN(AppBoardSenderTest)
#include "AppBoardSenderTest.moc"
