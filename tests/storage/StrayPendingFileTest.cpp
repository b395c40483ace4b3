// A change left beside the settings or scores file that this version cannot fold never stops a
// save.
#include "AppScoreFile.h"
#include "AppSettingsStore.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// This copy's n-th save: a game of score n to the scores file, a record of n to the settings.
bool Save(bool scores, const std::string& path, int n, int lockWaitMs,
          std::vector<std::string>& lines) {
    const auto report = [&lines](const std::string& line) { lines.push_back(line); };
    AppScoreGame game;
    game.score = n;
    game.endTime = 1'700'000'000 + n;
    AppScoreBook book;
    if (scores)
        return AppScoreFile(path, report)
            .Rewrite([&](AppScoreBook& b) { b.Add(game); }, book, lockWaitMs);
    AppSettingsStore store(lockWaitMs, report);
    AppSettingsValues values;
    store.Load(path, values);
    values.recordScore = n;
    return store.Save(path, path, values);
}

// The file itself, not the changes beside it, holds saves 1 to n.
bool Holds(bool scores, const std::string& path, int n) {
    const std::string text = ReadWholeFile(path);
    AppSettingsValues stored;
    ReadSettingsValues(AppIniFile::FromText(text), stored);
    return scores ? AppScoreBook::FromText(text).GameCount() == std::size_t(n)
                  : stored.recordScore == n;
}

std::size_t OwnPending(const std::string& path) {
    const std::vector<std::string> all = AppSharedFile(path, {}).PendingPaths();
    const std::string mark = "-" + std::to_string(::getpid()) + "-";
    return std::count_if(all.begin(), all.end(), [&](const std::string& pending) {
        return pending.find(mark, path.size()) != std::string::npos;
    });
}

TEST(StrayPendingFile, EveryLaterSaveWritesItsFileAndLeavesAtMostOneChangeOfItsOwn) {
    // A stray beside the settings file and beside the scores file, and the reason told for each.
    const std::array<std::string, 4> strays[] = {
        {std::string("\x93\x01zq\xff\n\x7f\0", 8), "no record it was made with", "\x93\x01zq\xff\n",
         "no version line"},
        {"", "empty", "", "empty"},
        {"[Settings]\nOthers=10,1,0,0\n", "no record it was made with",
         "[Settings]\nOthers=10,1,0,0\n", "no version line"},
        {std::string(AppDurableFile::MaxFileSize + 1, '['), "not read whole",
         std::string(AppDurableFile::MaxFileSize + 1, 'z'), "not read whole"},
        {"[Change]\nFormat=2\nLoadedRecord=0,0\n", "later version",
         "zingaroo scores 4\n+what a later version writes\n", "later version"},
    };
    for (const auto& stray : strays) {
        for (const bool scores : {false, true}) {
            TempFolder folder;
            const std::string path = folder.File(scores ? "scores" : "settings.ini");
            const std::string strayPath = path + ".pending-00000000000000000001-999999-1";
            WriteWholeFile(strayPath, stray[scores ? 2 : 0]);
            const std::string& reason = stray[scores ? 3 : 1];
            SCOPED_TRACE(path + " beside a stray that tells " + reason);
            std::vector<std::string> lines;
            EXPECT_TRUE(Save(scores, path, 1, 100, lines));
            // Another copy holds the lock: each save leaves its change, the newer taking in
            // the older.
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

            // Set aside, told once; a later version's change waits, told by each save.
            const bool later = reason == "later version";
            EXPECT_EQ(::access(strayPath.c_str(), F_OK) == 0, later);
            EXPECT_EQ(::access((strayPath + ".damaged").c_str(), F_OK) == 0, !later);
            const auto naming = [&](const std::string& what) {
                return std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
                    return line.find(strayPath) != std::string::npos &&
                           line.find(what) != std::string::npos;
                });
            };
            EXPECT_EQ(naming(reason), later ? 2 : 1);
            EXPECT_EQ(naming(""), naming(reason));
        }
    }
}

} // namespace
