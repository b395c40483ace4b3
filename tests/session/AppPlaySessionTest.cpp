// A whole sitting driven through the play session alone, with no window: dealt, launched, keys,
// a pause, the end of the program and a resume from the saved game, game over, and its replay;
// and copies killed in play.
#include "AppPlaySession.h"
#include "AppDurableFile.h"
#include "AppGameChecksum.h"
#include "AppNullFrontEnd.h"
#include "AppPlaySessionTestPeer.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

// A disk whose writes take `slowDiskMs` each, as a slow fsync makes them, counted as they start.
std::atomic<int> slowDiskMs = 0;
std::atomic<int> writesStarted = 0;

} // namespace

void AppWatchSaveStage(AppDurableFile::SaveStage stage) {
    if (stage != AppDurableFile::SaveStage::TemporaryWritten || slowDiskMs == 0)
        return;
    ++writesStarted;
    std::this_thread::sleep_for(std::chrono::milliseconds(slowDiskMs));
}

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

// A copy of its own plays 25 s of the game kept in `folder`, or of game 77, and is killed. It
// reports from its writing thread, after the writes posted before it: the kill comes once they
// have landed, as the play meanwhile would let them. The time in play at its start and its kill.
std::pair<std::int64_t, std::int64_t> PlayAndKill(const TempFolder& folder) {
    std::int64_t times[2] = {-1, -1};
    int report[2];
    EXPECT_EQ(::pipe(report), 0);
    const pid_t copy = ::fork();
    if (copy == 0) {
        Sitting sitting(folder.Path());
        if (!sitting.session.ResumeSaved())
            sitting.session.New(77, AppPlayOptions());
        sitting.session.Click(AppMouseButton::Left); // goes on, or launches
        sitting.session.Click(AppMouseButton::Left);
        times[0] = sitting.session.PlayMs();
        sitting.Play(25'000 / sitting.session.Period() + 1, sitting.session.Period());
        times[1] = sitting.session.PlayMs();
        AppPlaySessionTestPeer::Writes(sitting.session).Post([&](int) {
            static_cast<void>(::write(report[1], times, sizeof times));
        });
        ::sleep(60);
        ::_exit(1);
    }
    ::close(report[1]);
    EXPECT_EQ(::read(report[0], times, sizeof times), ssize_t(sizeof times));
    ::kill(copy, SIGKILL);
    ::waitpid(copy, nullptr, 0);
    ::close(report[0]);
    return {times[0], times[1]};
}

TEST(AppPlaySession, ACopyKilledInPlayBeforeOrAfterAResumeLosesAtMostTenSecondsOfPlay) {
    TempFolder folder;
    std::int64_t killedAt = 0;
    // A new game, then that game resumed by the next copy.
    for (int copy = 0; copy < 2; ++copy) {
        const auto [from, at] = PlayAndKill(folder);
        EXPECT_GT(from, killedAt - AppPlaySession::keepEveryMs);
        EXPECT_LE(from, killedAt);
        killedAt = at;
    }
    Sitting next(folder.Path());
    ASSERT_TRUE(next.session.ResumeSaved());
    EXPECT_TRUE(next.session.Paused());
    EXPECT_EQ(next.session.Number(), 77u);
    EXPECT_GT(next.session.PlayMs(), killedAt - AppPlaySession::keepEveryMs);
    EXPECT_LE(next.session.PlayMs(), killedAt);
}

TEST(AppPlaySession, AGameInPlaySurvivesAReplayAndAnExitDuringOne) {
    TempFolder folder;
    std::uint64_t watched = 0;
    std::int64_t watchedMs = 0;
    {
        Sitting sitting(folder.Path());
        // A finished game to watch.
        sitting.session.New(43, AppPlayOptions());
        sitting.session.Click(AppMouseButton::Left);
        sitting.Play(40);
        sitting.session.Key(AppKeyPosition::slash, {3, 4});
        sitting.Play(1'000'000);
        ASSERT_EQ(sitting.session.Game().State(), stGameOver);
        const AppGameRecord record = sitting.told.finished.record;

        sitting.session.New(44, AppPlayOptions());
        sitting.session.Click(AppMouseButton::Left);
        sitting.Play(65);
        const std::uint64_t before = sitting.Checksum();
        const std::int64_t beforeMs = sitting.session.PlayMs();

        // Watched to its end, and left with Escape while paused.
        for (const bool leftPaused : {false, true}) {
            sitting.session.Watch(record);
            sitting.session.SetReplaySpeed(4);
            sitting.Play(leftPaused ? 30 : 1'000'000, 1000);
            sitting.session.SetPaused(leftPaused);
            sitting.now += milliseconds(5000);
            sitting.session.EndReplay();
            EXPECT_EQ(sitting.Checksum(), before);
            EXPECT_TRUE(sitting.session.Paused());
            EXPECT_EQ(sitting.session.PlayMs(), beforeMs);
        }

        // The game goes on where it was, and an exit during a replay keeps it.
        sitting.session.Click(AppMouseButton::Left);
        sitting.Play(5);
        watched = sitting.Checksum();
        watchedMs = sitting.session.PlayMs();
        sitting.session.Watch(record);
        sitting.Play(20);
        sitting.session.Close();
    }
    Sitting next(folder.Path());
    ASSERT_TRUE(next.session.ResumeSaved());
    EXPECT_EQ(next.Checksum(), watched);
    EXPECT_EQ(next.session.PlayMs(), watchedMs);
}

TEST(AppPlaySession, TenDamagedSavedGamesAtOneStartAreAllSetAsideAndTheWholeOneResumed) {
    TempFolder folder;
    std::uint64_t atExit = 0;
    {
        Sitting first(folder.Path());
        first.session.New(43, AppPlayOptions());
        first.session.Click(AppMouseButton::Left);
        first.Play(40);
        atExit = first.Checksum();
        first.session.Close();
    }
    const std::string whole = ReadWholeFile(folder.File("game"));
    // A copy that is gone: its claimed files are resumed like the waiting ones, after them.
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const std::string orphan = "game.claimed-" + std::to_string(gone);
    // Five that cannot be read, five that read but come to another state when played.
    std::vector<std::string> damaged;
    for (int i = 0; i < 10; ++i)
        damaged.push_back(i % 2 == 0 ? "zingaroo game 2\ncut " + std::to_string(i)
                                     : whole.substr(0, whole.size() - 17) +
                                           std::string(16, char('0' + i)) + "\n");
    for (int place = 1; place <= 9; ++place)
        WriteWholeFile(folder.File(place == 1 ? "game" : "game." + std::to_string(place)),
                       damaged[std::size_t(place - 1)]);
    WriteWholeFile(folder.File(orphan), damaged[9]);
    WriteWholeFile(folder.File(orphan + "-2"), whole);

    {
        Sitting next(folder.Path());
        ASSERT_TRUE(next.session.ResumeSaved());
        EXPECT_EQ(next.Checksum(), atExit);
        // The resumed game is kept at a pause in this copy's file, then put back at the end.
        next.session.Click(AppMouseButton::Left);
        next.Play(20);
        next.session.SetPaused(true);
        next.session.Close();
    }
    std::vector<std::string> setAside;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        if (entry.path().filename().string().starts_with("game.damaged-"))
            setAside.push_back(ReadWholeFile(entry.path().string()));
    std::sort(setAside.begin(), setAside.end());
    std::sort(damaged.begin(), damaged.end());
    EXPECT_EQ(setAside, damaged);
    EXPECT_TRUE(
        ReadWholeFile(folder.File("game")).starts_with(whole.substr(0, whole.find("launch"))));
}

TEST(AppPlaySession, TenAutosavesQueuedOnASlowDiskLeaveOneWriteAtExit) {
    TempFolder folder;
    std::uint64_t atExit = 0;
    {
        Sitting sitting(folder.Path());
        sitting.session.New(43, AppPlayOptions());
        sitting.session.Click(AppMouseButton::Left);
        slowDiskMs = 400;
        writesStarted = 0;
        // The first pause's save is on the disk; the nine after it wait behind it.
        for (int pause = 0; pause < 10; ++pause) {
            sitting.Play(3);
            sitting.session.SetPaused(true);
            for (int wait = 0; pause == 0 && writesStarted == 0 && wait < 500; ++wait)
                std::this_thread::sleep_for(milliseconds(10));
            sitting.session.SetPaused(false);
        }
        sitting.session.SetPaused(true);
        atExit = sitting.Checksum();
        const int beforeExit = writesStarted;
        sitting.session.Close();
        EXPECT_EQ(beforeExit, 1);
        EXPECT_EQ(writesStarted - beforeExit, 1);
        slowDiskMs = 0;
    }
    Sitting next(folder.Path());
    ASSERT_TRUE(next.session.ResumeSaved());
    EXPECT_EQ(next.Checksum(), atExit);
}

} // namespace
