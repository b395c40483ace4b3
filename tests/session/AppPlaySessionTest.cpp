// A whole sitting driven through the play session alone, with no window: dealt, launched, keys,
// a pause, the end of the program and a resume from the saved game, game over, and its replay;
// and copies killed in play.
#include "AppPlaySession.h"
#include "AppGameChecksum.h"
#include "AppGameFile.h"
#include "AppNullFrontEnd.h"
#include "AppPlaySessionTestPeer.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using std::chrono::milliseconds;

// Writes down what the session tells, in order; the many "look again"s are only counted.
class Told : public AppSessionObserver, public AppStepTimer {
public:
    void GameStarted() override { said.push_back("started"); }
    void GameEnded(const AppFinishedGame& game) override {
        said.push_back("ended");
        finished = game;
    }
    void PauseChanged(bool paused) override { said.push_back(paused ? "paused" : "goes on"); }
    void ReplayStopped() override { said.push_back("replay stopped"); }
    void PictureChanged() override { ++looks; }
    void RunSteps(bool run) override { running = run; }

    std::vector<std::string> said;
    AppFinishedGame finished;
    int looks = 0;
    bool running = false;
};

// A session with a null front end, a clock the test moves and a folder for its saved game.
struct Sitting {
    explicit Sitting(const std::string& folder)
        : session(told, [this] { return now; }), none(session.Game()) {
        session.SetFrontEnd(none, none, told);
        session.SetSavedGamePlace(folder, [](const std::string&) {});
        session.Start();
    }
    std::uint64_t Checksum() {
        return AppGameChecksum::State(session.Game(), AppPlaySessionTestPeer::Random(session));
    }
    // Steps while the session wants them, `ms` of the clock apiece.
    void Play(int steps, int ms = 10) {
        for (int step = 0; step < steps && told.running; ++step) {
            now += milliseconds(ms);
            session.Step();
        }
    }

    Told told;
    milliseconds now{1000};
    AppPlaySession session;
    AppNullFrontEnd none;
};

TEST(AppPlaySession, AWholeSittingSavesResumesEndsAndReplaysWithoutAWindow) {
    TempFolder folder;
    std::uint64_t atExit = 0;
    AppGameRecord record;
    {
        Sitting first(folder.Path());
        EXPECT_EQ(first.session.Game().State(), stTitle);
        EXPECT_FALSE(first.told.running);
        first.session.New(43, AppPlayOptions());
        EXPECT_TRUE(first.told.running); // a standing ball is stepped too
        first.session.Click(AppMouseButton::Left);
        first.Play(40);
        first.session.Key(AppKeyPosition::slash, {3, 4});
        first.Play(40);
        first.session.SetPaused(true);
        EXPECT_FALSE(first.told.running);
        first.now += milliseconds(60'000); // a pause costs no time in play
        first.session.Click(AppMouseButton::Right);
        first.session.Key(AppKeyPosition::back, {5, 5}); // nothing acts while paused
        EXPECT_EQ(first.told.said, (std::vector<std::string>{"started", "paused"}));
        EXPECT_EQ(first.session.PlayMs(), 800);
        atExit = first.Checksum();
        first.session.Close();
    }

    Sitting second(folder.Path());
    ASSERT_TRUE(second.session.ResumeSaved());
    EXPECT_EQ(second.Checksum(), atExit);
    EXPECT_TRUE(second.session.Paused());
    EXPECT_EQ(second.session.Number(), 43u);
    second.session.Click(AppMouseButton::Left); // a left click goes on
    second.Play(1'000'000);
    ASSERT_EQ(second.session.Game().State(), stGameOver);
    const AppFinishedGame& game = second.told.finished;
    EXPECT_EQ(second.told.said, (std::vector<std::string>{"paused", "goes on", "ended"}));
    EXPECT_EQ(game.number, 43u);
    EXPECT_EQ(game.score, second.session.Game().Score());
    EXPECT_EQ(game.playMs, 800 + 10 * std::int64_t(game.steps - 80));
    ASSERT_TRUE(game.record.end);
    EXPECT_EQ(game.record.end->how, AppGameEnd::gameOver);
    EXPECT_EQ(game.record.end->step, game.steps);
    const std::uint64_t atGameOver = second.Checksum();

    // The replay plays the same game to the same end, and tells of no game of the player's.
    second.told.said.clear();
    second.session.Watch(game.record);
    second.session.SetReplaySpeed(4);
    second.Play(1'000'000);
    ASSERT_TRUE(second.session.Replay()->Finished()) << second.session.Replay()->Reason();
    EXPECT_EQ(second.Checksum(), atGameOver);
    EXPECT_EQ(second.told.said, (std::vector<std::string>{"replay stopped"}));
    second.session.EndReplay();
    EXPECT_EQ(second.session.Game().State(), stTitle);
    EXPECT_GT(second.told.looks, 0);
}

struct Killed {
    std::uint32_t number = 0;
    // The time in play when the copy started and when it was killed.
    long long fromMs = -1;
    long long atMs = -1;
};

// Runs a copy that plays 25 s on the game kept in `folder`, or a new one, and kills it. A
// crash comes while play goes on; the copy stands still instead, so the kill waits (a few
// seconds at most) for the write it posted last to land, as the play meanwhile would.
Killed PlayAndKill(const TempFolder& folder) {
    FILE* pipe = popen(("'" ZINGAROO_SESSION_CRASH_CHILD "' '" + folder.Path() + "'").c_str(), "r");
    Killed killed;
    int pid = 0;
    if (!pipe || std::fscanf(pipe, "%d %u %lld %lld", &pid, &killed.number, &killed.fromMs,
                             &killed.atMs) != 4) {
        ADD_FAILURE() << "the copy did not play 25 s";
        return killed;
    }
    const std::string own = folder.File("game.claimed-" + std::to_string(pid));
    for (int wait = 0; wait < 500; ++wait) {
        std::string reason;
        const auto kept = AppGameFile::ReadSaved(ReadWholeFile(own), reason);
        if (kept && kept->playMs > killed.atMs - AppPlaySession::keepEveryMs)
            break;
        std::this_thread::sleep_for(milliseconds(10));
    }
    ::kill(pid, SIGKILL);
    pclose(pipe);
    return killed;
}

TEST(AppPlaySession, ACopyKilledInPlayBeforeOrAfterAResumeLosesAtMostTenSecondsOfPlay) {
    TempFolder folder;
    const Killed first = PlayAndKill(folder);
    EXPECT_EQ(first.number, 77u);
    EXPECT_EQ(first.fromMs, 0);
    const Killed second = PlayAndKill(folder);
    EXPECT_EQ(second.number, 77u);
    EXPECT_GT(second.fromMs, first.atMs - AppPlaySession::keepEveryMs);
    EXPECT_LE(second.fromMs, first.atMs);

    Sitting next(folder.Path());
    ASSERT_TRUE(next.session.ResumeSaved());
    EXPECT_TRUE(next.session.Paused());
    EXPECT_EQ(next.session.Number(), 77u);
    EXPECT_GT(next.session.PlayMs(), second.atMs - AppPlaySession::keepEveryMs);
    EXPECT_LE(next.session.PlayMs(), second.atMs);
}

} // namespace
