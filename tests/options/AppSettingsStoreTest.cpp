// Two copies of the game saving the same settings file.
#include "AppSettingsStore.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string FileWithRecord(int score, int phase) {
    return "[Settings]\nOthers=" + std::to_string(score) + "," + std::to_string(phase) +
           ",100,80\n[Notes]\nkept=yes\n";
}

std::pair<int, int> StoredRecord(const std::string& path) {
    AppSettingsValues stored;
    ReadSettingsValues(AppIniFile::FromText(ReadWholeFile(path)), stored);
    return {stored.recordScore, stored.recordPhase};
}

// Records as score and phase: in the file when this copy started, stored by
// the other copy before this one exits, this copy's own, and the one saved.
struct TwoCopiesCase {
    std::pair<int, int> start, other, ours;
    bool clearedHere;
    std::pair<int, int> saved;
};

class TwoCopies : public testing::TestWithParam<TwoCopiesCase> {};

TEST_P(TwoCopies, ARecordStoredByTheOtherCopyIsNotLost) {
    const TwoCopiesCase& c = GetParam();
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    WriteWholeFile(path, FileWithRecord(c.start.first, c.start.second));
    AppSettingsStore ours;
    AppSettingsValues working;
    ours.Load(path, working);
    WriteWholeFile(path, FileWithRecord(c.other.first, c.other.second));
    if (c.clearedHere)
        ours.RecordCleared();
    std::tie(working.recordScore, working.recordPhase) = c.ours;
    ASSERT_TRUE(ours.Save(path, path, working));
    EXPECT_EQ(StoredRecord(path), c.saved);
    EXPECT_NE(ReadWholeFile(path).find("[Notes]\nkept=yes\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Records, TwoCopies,
    testing::Values(TwoCopiesCase{{10, 2}, {50, 3}, {30, 5}, false, {50, 5}},
                    TwoCopiesCase{{40, 3}, {5, 1}, {20, 2}, false, {20, 2}},
                    // Nobody else changed it: saved as it stands (Restore Record off).
                    TwoCopiesCase{{40, 3}, {40, 3}, {5, 1}, false, {5, 1}},
                    TwoCopiesCase{{40, 3}, {60, 4}, {2, 1}, true, {2, 1}}));

// The other copy holds the lock and stores a record before letting go: the
// save waits for it and then sees that record.
TEST(AppSettingsStore, SaveWaitsForTheOtherCopysSaveAndKeepsItsRecord) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    WriteWholeFile(path, FileWithRecord(10, 1));
    AppSettingsStore ours;
    AppSettingsValues working;
    ours.Load(path, working);
    int locked[2];
    ASSERT_EQ(::pipe(locked), 0);
    const pid_t other = ::fork();
    if (other == 0) {
        const int fd = ::open((path + ".lock").c_str(), O_RDWR | O_CREAT, 0644);
        if (fd < 0 || ::flock(fd, LOCK_EX) != 0 || ::write(locked[1], "L", 1) != 1)
            ::_exit(1);
        ::usleep(200 * 1000);
        WriteWholeFile(path, FileWithRecord(99, 2));
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(locked[0], &byte, 1), 1);
    working.recordScore = 20;
    working.recordPhase = 4;
    EXPECT_TRUE(ours.Save(path, path, working));
    int status = 0;
    ASSERT_EQ(::waitpid(other, &status, 0), other);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(StoredRecord(path), std::make_pair(99, 4));
}

} // namespace
