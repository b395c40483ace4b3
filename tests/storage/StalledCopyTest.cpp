// A copy stopped at any point of its save, lock held, costs no other copy's game or record.
#include "AppDurableFile.h"
#include "AppScoreFile.h"
#include "AppSettingsStore.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Stage = AppDurableFile::SaveStage;

AppScoreGame Game(const std::string& name, int score) {
    AppScoreGame game;
    game.name = name;
    game.score = score;
    game.endTime = 1'700'000'000 + score;
    return game;
}

// One copy's save: a game for the scores file, a record for the settings file.
// The test's copy gives up waiting for the lock after a short while.
bool SaveScores(const std::string& path, const std::string& name, int score, int lockWaitMs) {
    AppScoreBook book;
    return AppScoreFile(path).Rewrite([&](AppScoreBook& b) { b.Add(Game(name, score)); }, book,
                                      lockWaitMs);
}

bool SaveRecord(const std::string& path, int score, int phase, int lockWaitMs) {
    AppSettingsStore store(lockWaitMs);
    AppSettingsValues values;
    store.Load(path, values);
    values.recordScore = score;
    values.recordPhase = phase;
    return store.Save(path, path, values);
}

struct StalledCase {
    bool scores; // else the settings file
    Stage stage;
};

void PrintTo(const StalledCase& c, std::ostream* out) {
    *out << (c.scores ? "scores" : "settings") << " held at stage " << int(c.stage);
}

// The stage at which the held copy stops, the first time it passes it.
std::optional<Stage> heldAt;
// What the forked copy does at each stage of its save.
void (*watchStage)(Stage stage) = nullptr;

} // namespace

void AppWatchSaveStage(Stage stage) {
    if (watchStage != nullptr)
        watchStage(stage);
}

namespace {

class StalledCopy : public testing::TestWithParam<StalledCase> {};

TEST_P(StalledCopy, LosesNeitherItsOwnNorTheOtherCopysSave) {
    const StalledCase& c = GetParam();
    TempFolder folder;
    const std::string path = folder.File(c.scores ? "scores" : "settings.ini");
    WriteWholeFile(path, c.scores
                             ? AppScoreGame::VersionLine() + "\n" + Game("old", 1).Format() + "\n"
                             : "[Settings]\nOthers=10,1,0,0\n");
    heldAt = c.stage;
    const pid_t held = ::fork();
    ASSERT_GE(held, 0);
    if (held == 0) {
        watchStage = [](Stage stage) {
            if (stage == heldAt) {
                heldAt.reset();
                ::raise(SIGSTOP);
            }
        };
        ::_exit((c.scores ? SaveScores(path, "held", 50, 5000) : SaveRecord(path, 50, 1, 5000))
                    ? 0
                    : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(held, &status, WUNTRACED), held);
    ASSERT_TRUE(WIFSTOPPED(status));
    EXPECT_TRUE(c.scores ? SaveScores(path, "ours", 30, 100) : SaveRecord(path, 20, 4, 100));
    ASSERT_EQ(::kill(held, SIGCONT), 0);
    ASSERT_EQ(::waitpid(held, &status, 0), held);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;

    // The held copy, going on, took in what was left beside the file.
    const std::string text = ReadWholeFile(path);
    EXPECT_TRUE(AppSharedFile(path, {}).PendingPaths().empty());
    if (c.scores) {
        const AppScoreBook book = AppScoreBook::FromText(text);
        std::vector<std::string> names;
        for (const AppScoreGame& game : book.TopTen(AppPlayOptions()))
            names.push_back(game.name);
        EXPECT_EQ(names, (std::vector<std::string>{"held", "ours", "old"}));
    } else {
        AppSettingsValues stored;
        ReadSettingsValues(AppIniFile::FromText(text), stored);
        EXPECT_EQ(std::make_pair(stored.recordScore, stored.recordPhase), std::make_pair(50, 4));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryStage, StalledCopy,
                         testing::Values(StalledCase{true, Stage::LockTaken},
                                         StalledCase{true, Stage::TemporaryWritten},
                                         StalledCase{true, Stage::StillTheFileRead},
                                         StalledCase{true, Stage::Renaming},
                                         StalledCase{false, Stage::LockTaken},
                                         StalledCase{false, Stage::TemporaryWritten},
                                         StalledCase{false, Stage::StillTheFileRead},
                                         StalledCase{false, Stage::Renaming}));

} // namespace
