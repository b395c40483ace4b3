// Two copies of the game saving the same settings file.
#include "AppSettingsStore.h"

#include "AppDurableFile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

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

// How the other copy stores its record: before this copy's save; in a save
// that holds the lock (through a lock file, or a folder in its place that
// cannot be opened for writing) while this copy waits; or in a save that has
// read the file and is held there until this copy, done waiting for the lock,
// has saved.
enum class Other { SavedBefore, SavesWhileWeWait, SavesWhileWeWaitOnAFolder, HeldAfterReading };

// Records as score and phase: in the file when both copies started, the other
// copy's, this copy's own, and the one saved in the end.
struct TwoCopiesCase {
    std::pair<int, int> start, other, ours;
    bool clearedHere;
    Other how;
    std::pair<int, int> saved;
};

void Signal(int fd) {
    if (::write(fd, "x", 1) != 1)
        ::_exit(3);
}

void AwaitSignal(int fd) {
    char byte = 0;
    if (::read(fd, &byte, 1) != 1)
        ::_exit(3);
}

// What the forked copy does at each stage of its save.
void (*watchStage)(AppDurableFile::SaveStage stage) = nullptr;

} // namespace

void AppWatchSaveStage(AppDurableFile::SaveStage stage) {
    if (watchStage != nullptr)
        watchStage(stage);
}

namespace {

// The other copy, forked while the file still holds the start record.
[[noreturn]] void OtherCopy(const TwoCopiesCase& c, const std::string& path, int ready,
                            int release) {
    AppSettingsStore theirs;
    AppSettingsValues values;
    theirs.Load(path, values);
    std::tie(values.recordScore, values.recordPhase) = c.other;
    if (c.how == Other::HeldAfterReading) {
        static int readyFd = ready;
        static int releaseFd = release;
        watchStage = [](AppDurableFile::SaveStage stage) {
            if (stage == AppDurableFile::SaveStage::StillTheFileRead && readyFd >= 0) {
                Signal(std::exchange(readyFd, -1));
                AwaitSignal(releaseFd);
            }
        };
        ::_exit(theirs.Save(path, path, values) ? 0 : 1);
    }
    const std::string lock = path + ".lock";
    int fd = ::open(lock.c_str(), O_RDWR | O_CREAT, 0644);
    if (fd < 0)
        fd = ::open(lock.c_str(), O_RDONLY);
    if (fd < 0 || ::flock(fd, LOCK_EX) != 0)
        ::_exit(1);
    Signal(ready);
    ::usleep(200 * 1000);
    WriteWholeFile(path, FileWithRecord(c.other.first, c.other.second));
    ::_exit(0);
}

class TwoCopies : public testing::TestWithParam<TwoCopiesCase> {};

TEST_P(TwoCopies, ARecordStoredByTheOtherCopyIsNotLost) {
    const TwoCopiesCase& c = GetParam();
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    WriteWholeFile(path, FileWithRecord(c.start.first, c.start.second));
    if (c.how == Other::SavesWhileWeWaitOnAFolder) {
        ASSERT_EQ(::mkdir((path + ".lock").c_str(), 0755), 0);
    }
    AppSettingsStore ours(c.how == Other::HeldAfterReading ? 100 : 5000);
    AppSettingsValues working;
    ours.Load(path, working);
    int ready[2];
    int release[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(release), 0);
    pid_t other = -1;
    if (c.how == Other::SavedBefore) {
        WriteWholeFile(path, FileWithRecord(c.other.first, c.other.second));
    } else {
        other = ::fork();
        if (other == 0)
            OtherCopy(c, path, ready[1], release[0]);
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    }
    if (c.clearedHere)
        ours.RecordCleared();
    std::tie(working.recordScore, working.recordPhase) = c.ours;
    EXPECT_TRUE(ours.Save(path, path, working));
    if (other > 0) {
        ASSERT_EQ(::write(release[1], "x", 1), 1);
        int status = 0;
        ASSERT_EQ(::waitpid(other, &status, 0), other);
        EXPECT_EQ(status, 0);
    }
    for (const int fd : {ready[0], ready[1], release[0], release[1]})
        ::close(fd);
    EXPECT_EQ(StoredRecord(path), c.saved);
    EXPECT_NE(ReadWholeFile(path).find("[Notes]\nkept=yes\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Records, TwoCopies,
    testing::Values(
        TwoCopiesCase{{10, 2}, {50, 3}, {30, 5}, false, Other::SavedBefore, {50, 5}},
        TwoCopiesCase{{40, 3}, {5, 1}, {20, 2}, false, Other::SavedBefore, {20, 2}},
        // Nobody else changed it: saved as it stands (Restore Record off).
        TwoCopiesCase{{40, 3}, {40, 3}, {5, 1}, false, Other::SavedBefore, {5, 1}},
        TwoCopiesCase{{40, 3}, {60, 4}, {2, 1}, true, Other::SavedBefore, {2, 1}},
        TwoCopiesCase{{10, 1}, {99, 2}, {20, 4}, false, Other::SavesWhileWeWait, {99, 4}},
        TwoCopiesCase{{10, 1}, {99, 2}, {20, 4}, false, Other::SavesWhileWeWaitOnAFolder, {99, 4}},
        // Whichever copy finishes last writes a merge of both.
        TwoCopiesCase{{0, 1}, {0, 1}, {13, 2}, false, Other::HeldAfterReading, {13, 2}},
        TwoCopiesCase{{5, 1}, {30, 1}, {13, 2}, false, Other::HeldAfterReading, {30, 2}}));

} // namespace
