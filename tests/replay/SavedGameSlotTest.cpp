// The saved game's files: two copies saving at once keep both games.
#include "AppDurableFile.h"
#include "AppGameFile.h"
#include "AppSavedGameSlot.h"
#include "ReplayDrive.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
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

std::set<std::string> Names(const TempFolder& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        names.insert(entry.path().filename().string());
    return names;
}

TEST(SavedGameSlot, TwoCopiesSavingAtOnceWithASlowedRenameKeepBothGames) {
    const auto slowMove = [](const std::string& from, const std::string& to) {
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
        return AppSavedGameSlot::MoveWithoutReplacing(from, to);
    };
    for (int round = 0; round < 12; ++round) {
        TempFolder folder;
        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        std::vector<pid_t> copies;
        for (const std::int64_t playMs : {1000, 2000}) {
            copies.push_back(::fork());
            if (copies.back() == 0) {
                AppSavedGameSlot slot(folder.Path(), {}, AppDurableFile::RunningCopy, slowMove);
                ::close(go[1]);
                char ignored;
                // Both copies save once the test closes the pipe.
                ::_exit(::read(go[0], &ignored, 1) == 0 && slot.Put(Saved(playMs)) ? 0 : 1);
            }
        }
        ::close(go[0]);
        ::close(go[1]);
        for (const pid_t copy : copies) {
            int status = 1;
            ::waitpid(copy, &status, 0);
            EXPECT_EQ(status, 0);
        }
        ASSERT_EQ(Names(folder), (std::set<std::string>{"game", "game.2"})) << round;
        EXPECT_EQ((std::set{PlayMsIn(folder.File("game")), PlayMsIn(folder.File("game.2"))}),
                  (std::set<std::int64_t>{1000, 2000}));
    }
}

} // namespace
