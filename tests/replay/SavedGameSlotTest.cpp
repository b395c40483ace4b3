// The saved game's files: copies saving at once keep every game, and a game outlives its copy.
#include "AppDurableFile.h"
#include "AppGameFile.h"
#include "AppSavedGameSlot.h"
#include "ReplayDrive.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <set>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

AppSavedGame Saved(std::int64_t playMs) {
    AppSavedGame saved;
    saved.record.number = 48213377;
    saved.steps = 12;
    saved.playMs = playMs;
    saved.stateChecksum = 0x5f0c2b9e1d3a7c44;
    return saved;
}

// The time in play of the saved game in the file, or -1 when it holds none.
std::int64_t PlayMsIn(const std::string& path) {
    std::string reason;
    const std::optional<AppSavedGame> saved = AppGameFile::ReadSaved(FileText(path), reason);
    return saved ? saved->playMs : -1;
}

std::vector<std::string> Names(const TempFolder& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string Claimed(pid_t owner) {
    return "game.claimed-" + std::to_string(owner);
}

TEST(SavedGameSlot, TwoCopiesSavingAtOnceWithASlowedRenameKeepBothGames) {
    for (int round = 0; round < 12; ++round) {
        TempFolder folder;
        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        pid_t copies[2];
        for (int copy = 0; copy < 2; ++copy) {
            copies[copy] = ::fork();
            ASSERT_GE(copies[copy], 0);
            if (copies[copy] == 0) {
                ::close(go[1]);
                AppSavedGameSlot slot(folder.Path(), {}, AppDurableFile::RunningCopy,
                                      [](const std::string& from, const std::string& to) {
                                          std::this_thread::sleep_for(
                                              std::chrono::milliseconds(40));
                                          return AppSavedGameSlot::MoveWithoutReplacing(from, to);
                                      });
                char ignored;
                // Both copies save once the test closes the pipe.
                const bool read = ::read(go[0], &ignored, 1) == 0;
                ::_exit(read && slot.Put(Saved(1000 * (copy + 1))) ? 0 : 1);
            }
        }
        ::close(go[0]);
        ::close(go[1]);
        for (const pid_t copy : copies) {
            int status = 0;
            ASSERT_EQ(::waitpid(copy, &status, 0), copy);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        }
        ASSERT_EQ(Names(folder), (std::vector<std::string>{"game", "game.2"})) << round;
        EXPECT_EQ((std::set{PlayMsIn(folder.File("game")), PlayMsIn(folder.File("game.2"))}),
                  (std::set<std::int64_t>{1000, 2000}));
    }
}

// A process that runs until the test ends it: a copy of this program, or another one.
pid_t Start(bool copy) {
    const pid_t process = ::fork();
    if (process == 0) {
        if (copy)
            ::pause();
        else
            ::execlp("sleep", "sleep", "30", static_cast<char*>(nullptr));
        ::_exit(1);
    }
    return process;
}

void End(pid_t process) {
    ::kill(process, SIGKILL);
    ::waitpid(process, nullptr, 0);
}

TEST(SavedGameSlot, AStartResumesTheGameOfACopyThatIsGoneAndLeavesARunningCopysGame) {
    enum class Owner { gone, runningCopy, otherProgram };
    struct {
        const char* name;
        Owner owner;
        bool readOnly; // the folder cannot be changed
        bool resumed;
    } const rows[] = {
        {"killed copy", Owner::gone, false, true},
        {"running copy", Owner::runningCopy, false, false},
        {"another program under the copy's number", Owner::otherProgram, false, true},
        {"killed copy in a read-only folder", Owner::gone, true, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        const pid_t owner = Start(row.owner != Owner::otherProgram);
        ASSERT_GT(owner, 0);
        if (row.owner == Owner::gone)
            End(owner);
        else // the other program has its own name once it runs
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        WriteWholeFile(folder.File(Claimed(owner)), AppGameFile::Text(Saved(owner)));
        // A save of the owner's, cut before its rename.
        const std::string temporary = "game.2.tmp" + std::to_string(owner) + "-3";
        WriteWholeFile(folder.File(temporary), "cut");

        std::vector<std::string> lines;
        AppSavedGameSlot::Move move = AppSavedGameSlot::MoveWithoutReplacing;
        if (row.readOnly)
            move = [](const std::string&, const std::string&) { return errno = EACCES, false; };
        AppSavedGameSlot slot(
            folder.Path(), [&lines](const std::string& line) { lines.push_back(line); },
            AppDurableFile::RunningCopy, move);
        const std::optional<AppSavedGameSlot::Claimed> claimed = slot.Claim();
        if (row.owner != Owner::gone)
            End(owner);
        ASSERT_EQ(claimed.has_value(), row.resumed);
        const std::string own = Claimed(::getpid());
        if (!row.resumed) {
            EXPECT_EQ(Names(folder), (std::vector<std::string>{temporary, Claimed(owner)}));
            continue;
        }
        EXPECT_EQ(claimed->saved, Saved(owner));
        EXPECT_EQ(claimed->kept, !row.readOnly);
        EXPECT_EQ(lines.size(), row.readOnly ? 1u : 0u);
        if (row.readOnly) {
            EXPECT_NE(lines[0].find("will not keep it"), std::string::npos) << lines[0];
            EXPECT_EQ(Names(folder), std::vector<std::string>{Claimed(owner)});
            continue;
        }
        // Resumed, the game lives in this copy's file, written again while it is played
        // and moved to "game" at the end.
        slot.Resumed();
        EXPECT_EQ(Names(folder), std::vector<std::string>{own});
        EXPECT_TRUE(slot.Keep(Saved(7)));
        EXPECT_EQ(PlayMsIn(folder.File(own)), 7);
        EXPECT_TRUE(slot.Put(Saved(8)));
        EXPECT_EQ(Names(folder), std::vector<std::string>{"game"});
        EXPECT_EQ(PlayMsIn(folder.File("game")), 8);
        // A game that ends leaves nothing to resume.
        EXPECT_TRUE(slot.Keep(Saved(9)));
        slot.Discard();
        EXPECT_EQ(Names(folder), std::vector<std::string>{"game"});
    }
}

} // namespace
