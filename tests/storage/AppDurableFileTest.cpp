// Reading a file whole and replacing it whole: every other line kept, nothing lost on failure.
#include "AppDurableFile.h"

#include "AppIniFile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(AppDurableFile, AFileUpToTheLimitIsReadWholeAndRewrittenKeepingEveryOtherLine) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    std::string notes;
    while (notes.size() < AppDurableFile::MaxFileSize - 100)
        notes += "note=kept as it is, line " + std::to_string(notes.size()) + "\n";
    WriteWholeFile(path, "[Settings]\nA=1\n[Notes]\n" + notes + "[Last]\nB=2\n");
    AppDurableFile file(path);
    std::string text;
    ASSERT_EQ(file.Read(text), AppDurableFile::ReadResult::Read);
    AppIniFile ini = AppIniFile::FromText(std::move(text));
    EXPECT_EQ(ini.ReadString("Last", "B"), "2");
    ASSERT_TRUE(ini.WriteString("Settings", "A", "2"));
    ASSERT_TRUE(file.Replace(ini.Text()));
    EXPECT_TRUE(ReadWholeFile(path) == "[Settings]\nA=2\n[Notes]\n" + notes + "[Last]\nB=2\n");
}

// What lies at a path and in its folder, well enough to see that nothing changed.
std::string Describe(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status target = fs::status(path, error);
    std::string text =
        std::to_string(int(fs::symlink_status(path, error).type())) + " " +
        std::to_string(int(target.type())) + " " + std::to_string(int(target.permissions())) + " " +
        std::to_string(std::distance(fs::directory_iterator(fs::path(path).parent_path()), {}));
    if (target.type() == fs::file_type::regular)
        text.append(" ").append(std::to_string(fs::file_size(path)));
    return fs::is_regular_file(path) && fs::file_size(path) < 4096 ? text + ReadWholeFile(path)
                                                                   : text;
}

TEST(AppDurableFile, FilesNotReadWholeOrNotOursToReplaceAreLeftAsTheyAre) {
    const std::string tooLarge = std::to_string(AppDurableFile::MaxFileSize + 1);
    const std::pair<const char*, std::string> cases[] = {
        {"too large",
         "printf '[Settings]\\nA=1\\n' >settings.ini; truncate -s " + tooLarge + " settings.ini"},
        {"read-only", "printf '[Settings]\\nA=1\\n' >settings.ini; chmod 444 settings.ini"},
        {"a folder", "mkdir settings.ini"},
        {"a link to a FIFO", "mkfifo fifo && ln -s fifo settings.ini"},
        {"a link to a folder", "mkdir sub && ln -s sub settings.ini"},
        {"a link to nothing", "ln -s missing settings.ini"},
        // Only the superuser can make a device node.
        {"a link to a device", "mknod null c 1 3 2>/dev/null && ln -s null settings.ini"},
    };
    for (const auto& [what, make] : cases) {
        TempFolder folder;
        const std::string path = folder.File("settings.ini");
        if (std::system(("cd " + folder.Path() + " && " + make).c_str()) != 0)
            continue;
        const std::string before = Describe(path);
        AppDurableFile file(path);
        std::string text;
        const bool readOnly = what == std::string("read-only");
        EXPECT_EQ(file.Read(text), readOnly ? AppDurableFile::ReadResult::Read
                                            : AppDurableFile::ReadResult::NotReadWhole)
            << what;
        EXPECT_EQ(text, readOnly ? "[Settings]\nA=1\n" : "") << what;
        EXPECT_FALSE(file.Replace("[Settings]\nA=2\n")) << what;
        EXPECT_EQ(Describe(path), before) << what;
    }
}

TEST(AppDurableFile, SavingRemovesTheTemporaryFilesOfKilledSaves) {
    TempFolder folder;
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    const std::string stale = folder.File("settings.ini.tmp" + std::to_string(gone) + "-1");
    // A copy still running: its file is a save in progress.
    const pid_t copy = ::fork();
    if (copy == 0) {
        ::pause();
        ::_exit(0);
    }
    const std::string running = folder.File("settings.ini.tmp" + std::to_string(copy) + "-1");
    const std::string other = folder.File("other.ini.tmp" + std::to_string(gone) + "-1");
    for (const std::string& file : {stale, running, other})
        WriteWholeFile(file, "[Settings]\n");
    ASSERT_TRUE(AppDurableFile(folder.File("settings.ini")).Replace("[S]\nA=1\n"));
    ::kill(copy, SIGKILL);
    ::waitpid(copy, nullptr, 0);
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_TRUE(std::filesystem::exists(running));
    EXPECT_TRUE(std::filesystem::exists(other));
}

TEST(AppDurableFile, SavesAndLoadsTheSameBytes) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    WriteWholeFile(path, "; kept\r\n[Settings]\r\nA=1\r\n");
    ::chmod(path.c_str(), 0640);
    AppDurableFile file(path);
    std::string text;
    ASSERT_EQ(file.Read(text), AppDurableFile::ReadResult::Read);
    EXPECT_EQ(text, "; kept\r\n[Settings]\r\nA=1\r\n");
    ASSERT_TRUE(file.Replace("; kept\r\n[Settings]\r\nA=2\r\n"));
    EXPECT_EQ(ReadWholeFile(path), "; kept\r\n[Settings]\r\nA=2\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(AppDurableFile, SavingThroughASymbolicLinkReplacesTheFileItPointsTo) {
    TempFolder folder;
    WriteWholeFile(folder.File("real.ini"), "[S]\nA=1\n");
    ASSERT_EQ(::symlink(folder.File("real.ini").c_str(), folder.File("link.ini").c_str()), 0);
    AppDurableFile file(folder.File("link.ini"));
    std::string text;
    ASSERT_EQ(file.Read(text), AppDurableFile::ReadResult::Read);
    EXPECT_EQ(text, "[S]\nA=1\n");
    ASSERT_TRUE(file.Replace("[S]\nA=2\n"));
    EXPECT_EQ(ReadWholeFile(folder.File("real.ini")), "[S]\nA=2\n");
    struct stat info {};
    ASSERT_EQ(::lstat(folder.File("link.ini").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
}

TEST(AppDurableFile, FailedSaveReportsFalseAndLeavesNothingBehind) {
    TempFolder folder;
    WriteWholeFile(folder.File("plain"), "not a folder");
    EXPECT_FALSE(AppDurableFile(folder.File("plain") + "/settings.ini").Replace("[S]\nA=1\n"));
    EXPECT_FALSE(AppDurableFile(folder.File("missing/settings.ini")).Replace("[S]\nA=1\n"));
    EXPECT_FALSE(AppDurableFile("").Replace("[S]\nA=1\n"));
    EXPECT_EQ(ReadWholeFile(folder.File("plain")), "not a folder");
}

TEST(AppDurableFile, FailedRenameKeepsTheOldTargetWholeAndRemovesTheNewFile) {
    TempFolder folder;
    // A non-empty folder in the target's place makes the final rename fail
    // after the new text has been written out.
    const std::string target = folder.File("settings.ini");
    ASSERT_EQ(::mkdir(target.c_str(), 0755), 0);
    WriteWholeFile(target + "/inside", "old");
    EXPECT_FALSE(AppDurableFile(target).Replace("[S]\nA=1\n"));
    EXPECT_EQ(ReadWholeFile(target + "/inside"), "old");
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 1) << "the new file was not removed";
}

} // namespace
