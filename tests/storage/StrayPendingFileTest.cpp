// A change left beside the settings or scores file that this version cannot fold never stops a
// save.
#include "AppScoreFile.h"
#include "AppSettingsStore.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

AppScoreGame Game(int n) {
    AppScoreGame game;
    game.name = "game " + std::to_string(n);
    game.score = n;
    game.endTime = 1'700'000'000 + n;
    return game;
}

// This copy's n-th save: game n for the scores file, a record of n for the settings file.
bool Save(bool scores, const std::string& path, int n, int lockWaitMs,
          std::vector<std::string>& lines) {
    const auto report = [&lines](const std::string& line) { lines.push_back(line); };
    if (scores) {
        AppScoreBook book;
        return AppScoreFile(path, report)
            .Rewrite([n](AppScoreBook& b) { b.Add(Game(n)); }, book, lockWaitMs);
    }
    AppSettingsStore store(lockWaitMs, report);
    AppSettingsValues values;
    store.Load(path, values);
    values.recordScore = n;
    return store.Save(path, path, values);
}

// The file itself (not the changes beside it) holds saves 1 to n.
bool Holds(bool scores, const std::string& path, int n) {
    if (!scores) {
        AppSettingsValues stored;
        ReadSettingsValues(AppIniFile::FromText(ReadWholeFile(path)), stored);
        return stored.recordScore == n;
    }
    const AppScoreBook book = AppScoreBook::FromText(ReadWholeFile(path));
    for (int i = 1; i <= n; ++i)
        if (book.RankOf(Game(i)) == 0)
            return false;
    return book.GameCount() == static_cast<std::size_t>(n);
}

std::size_t OwnPending(const std::string& path) {
    const std::string mark = "-" + std::to_string(::getpid()) + "-";
    std::size_t own = 0;
    for (const std::string& pending : AppSharedFile(path, {}).PendingPaths())
        own += pending.find(mark, path.size()) != std::string::npos;
    return own;
}

struct Stray {
    const char* name;
    std::string settings;       // the stray beside the settings file
    std::string scores;         // beside the scores file
    const char* settingsReason; // the reason told when it is set aside; empty: it waits
    const char* scoresReason;
};

TEST(StrayPendingFile, EveryLaterSaveWritesItsFileAndLeavesAtMostOneChangeOfItsOwn) {
    const Stray strays[] = {
        {"random bytes", std::string("\x93\x01zq\xff\n\x7f\0", 8), std::string("\x93\x01zq\xff\n"),
         "no record it was made with", "no version line"},
        {"empty", "", "", "empty", "empty"},
        {"plain INI", "[Settings]\nOthers=10,1,0,0\n", "[Settings]\nOthers=10,1,0,0\n",
         "no record it was made with", "no version line"},
        {"a later version", "[Change]\nFormat=2\nLoadedRecord=0,0\n",
         "zingaroo scores 3\n+whatever a later version writes\n", "", ""},
    };
    for (const Stray& stray : strays) {
        for (const bool scores : {false, true}) {
            SCOPED_TRACE(std::string(stray.name) +
                         (scores ? " beside scores" : " beside settings"));
            TempFolder folder;
            const std::string path = folder.File(scores ? "scores" : "settings.ini");
            const std::string strayPath = path + ".pending-00000000000000000001-999999-1";
            WriteWholeFile(strayPath, scores ? stray.scores : stray.settings);
            const std::string reason = scores ? stray.scoresReason : stray.settingsReason;
            std::vector<std::string> lines;

            EXPECT_TRUE(Save(scores, path, 1, 100, lines));
            EXPECT_TRUE(Holds(scores, path, 1));
            // Another copy holds the lock: each save leaves its change beside the file,
            // the newer taking in the older.
            const int lock = ::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
            ASSERT_EQ(::flock(lock, LOCK_EX), 0);
            for (const int n : {2, 3}) {
                EXPECT_TRUE(Save(scores, path, n, 20, lines));
                EXPECT_EQ(OwnPending(path), 1u);
            }
            ::close(lock);
            EXPECT_TRUE(Save(scores, path, 4, 100, lines));
            EXPECT_TRUE(Holds(scores, path, 4));
            EXPECT_EQ(OwnPending(path), 0u);

            EXPECT_EQ(::access(strayPath.c_str(), F_OK) == 0, reason.empty());
            EXPECT_EQ(::access((strayPath + ".damaged").c_str(), F_OK) == 0, !reason.empty());
            std::size_t told = 0;
            for (const std::string& line : lines)
                if (line.find(strayPath) != std::string::npos) {
                    ++told;
                    EXPECT_NE(line.find(reason.empty() ? "later version" : reason),
                              std::string::npos)
                        << line;
                }
            // Set aside once; a later version's change is told by each save that meets it.
            EXPECT_EQ(told, reason.empty() ? 2u : 1u);
        }
    }
}

} // namespace
