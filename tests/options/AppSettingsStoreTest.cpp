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

AppSettingsValues StoredValues(const std::string& path) {
    AppSettingsValues stored;
    ReadSettingsValues(AppIniFile::Load(path), stored);
    return stored;
}

// This copy's record at exit, and what the other copy stored meanwhile.
struct TwoCopiesCase {
    const char* name;
    int startScore, startPhase; // in the file when both copies started
    int otherScore, otherPhase; // stored by the other copy before this one exits
    int ourScore, ourPhase;
    bool cleared; // the player cleared the record in this copy
    int savedScore, savedPhase;
};

std::ostream& operator<<(std::ostream& out, const TwoCopiesCase& c) {
    return out << c.name;
}

class TwoCopies : public testing::TestWithParam<TwoCopiesCase> {};

TEST_P(TwoCopies, ARecordStoredByTheOtherCopyIsNotLost) {
    const TwoCopiesCase& c = GetParam();
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    WriteWholeFile(path, FileWithRecord(c.startScore, c.startPhase));

    AppSettingsStore ours;
    AppSettingsValues working;
    ours.Load(path, working);
    ASSERT_EQ(working.recordScore, c.startScore);
    WriteWholeFile(path, FileWithRecord(c.otherScore, c.otherPhase));

    if (c.cleared)
        ours.RecordCleared();
    working.recordScore = c.ourScore;
    working.recordPhase = c.ourPhase;
    ASSERT_TRUE(ours.Save(path, path, working));
    const AppSettingsValues saved = StoredValues(path);
    EXPECT_EQ(saved.recordScore, c.savedScore);
    EXPECT_EQ(saved.recordPhase, c.savedPhase);
    EXPECT_NE(ReadWholeFile(path).find("[Notes]\nkept=yes\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Records, TwoCopies,
    testing::Values(TwoCopiesCase{"each the higher", 10, 2, 50, 3, 30, 5, false, 50, 5},
                    TwoCopiesCase{"other lowered it", 40, 3, 5, 1, 20, 2, false, 20, 2},
                    TwoCopiesCase{"unchanged elsewhere, ours lower", 40, 3, 40, 3, 5, 1, false, 5,
                                  1},
                    TwoCopiesCase{"cleared here", 40, 3, 60, 4, 2, 1, true, 2, 1}));

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
    ASSERT_GE(other, 0);
    if (other == 0) {
        const int fd = ::open((path + ".lock").c_str(), O_RDWR | O_CREAT, 0644);
        if (fd < 0 || ::flock(fd, LOCK_EX) != 0)
            ::_exit(1);
        (void)!::write(locked[1], "L", 1);
        ::usleep(200 * 1000);
        AppIniFile ini = AppIniFile::Load(path);
        ini.WriteString("Settings", "Others", "99,2,100,80");
        ::_exit(ini.Save() ? 0 : 1);
    }
    char byte = 0;
    ASSERT_EQ(::read(locked[0], &byte, 1), 1);
    working.recordScore = 20;
    working.recordPhase = 4;
    EXPECT_TRUE(ours.Save(path, path, working));
    int status = 0;
    ASSERT_EQ(::waitpid(other, &status, 0), other);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ::close(locked[0]);
    ::close(locked[1]);
    const AppSettingsValues saved = StoredValues(path);
    EXPECT_EQ(saved.recordScore, 99);
    EXPECT_EQ(saved.recordPhase, 4);
}

} // namespace
