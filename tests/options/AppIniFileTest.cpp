// Reading, editing and saving INI text: lenient reading, every other line kept on writing.
#include "AppIniFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

namespace {

struct ReadCase {
    std::string text;
    std::string section;
    std::string key;
    std::string value;
};

std::ostream& operator<<(std::ostream& out, const ReadCase& c) {
    return out << c.section << '/' << c.key;
}

class IniReading : public testing::TestWithParam<ReadCase> {};

TEST_P(IniReading, FindsTheValueByItsSectionAndKey) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(AppIniFile::FromText(c.text).ReadString(c.section, c.key), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Lookup, IniReading,
    testing::Values(ReadCase{"[Settings]\nA=1\n", "Settings", "A", "1"},
                    ReadCase{"[settings]\na=1\n", "SETTINGS", "A", "1"},
                    ReadCase{"[Settings]\nA=1\n", " Settings ", " A ", "1"},
                    ReadCase{"  [ Settings ]  ; note\n  A  =  1 2  \n", "Settings", "A", "1 2"},
                    ReadCase{"[Settings]\nA=1\n", "Other", "A", ""},
                    ReadCase{"[Settings]\nA=1\n", "Settings", "B", ""},
                    ReadCase{"", "Settings", "A", ""},
                    ReadCase{"[Other]\nA=1\n[Settings]\nB=2\n", "Settings", "A", ""},
                    ReadCase{"A=1\n[Settings]\n", "Settings", "A", ""},
                    ReadCase{"[Settings]\nA=x=y\n", "Settings", "A", "x=y"},
                    ReadCase{"[Settings]\nA\n", "Settings", "A", ""},
                    ReadCase{"[Settings]\nA=\n", "Settings", "A", ""},
                    ReadCase{"[Settings]\nA=1\nA=2\n", "Settings", "A", "1"},
                    ReadCase{"[Settings]\nA=1\n[Settings]\nB=2\n", "Settings", "B", ""},
                    ReadCase{"[Settings]\n;A=1\n", "Settings", "A", ""},
                    ReadCase{"[Settings]\r\nA=1\r\n", "Settings", "A", "1"},
                    ReadCase{"[Settings]\nA=1", "Settings", "A", "1"},
                    ReadCase{"\xEF\xBB\xBF[Settings]\nA=1\n", "Settings", "A", "1"},
                    ReadCase{"[Settings]\nA=1\n", "", "A", ""},
                    ReadCase{"[Settings]\n=1\n", "Settings", "", ""},
                    ReadCase{"[Settings\nA=1\n", "Settings", "A", ""},
                    ReadCase{"[Set]tings]\nA=1\n", "Set]tings", "A", "1"},
                    ReadCase{"[Settings]\rA=1\rB=2", "Settings", "A", "1"},
                    ReadCase{"[Settings]\rA=1\rB=2", "Settings", "B", "2"},
                    ReadCase{"\x1a[Settings]\x1a\n\x1a A\x1a=\x1a"
                             "1\x1a\n",
                             "Settings", "A", "1"},
                    ReadCase{"[Settings]\n;k=1\n", "Settings", ";k", "1"},
                    ReadCase{"[Settings]\n;A\nA=1\n", "Settings", "A", "1"}));

INSTANTIATE_TEST_SUITE_P(Quotes, IniReading,
                         testing::Values(ReadCase{"[S]\nA=\"1,2\"\n", "S", "A", "1,2"},
                                         ReadCase{"[S]\nA='x'\n", "S", "A", "x"},
                                         ReadCase{"[S]\nA=\"x'\n", "S", "A", "\"x'"},
                                         ReadCase{"[S]\nA=\"\n", "S", "A", "\""},
                                         ReadCase{"[S]\nA=\"\"\"\"\n", "S", "A", "\"\""}));

struct WriteCase {
    std::string before;
    std::string key;
    std::string after; // once the key's value in section "Settings" is written as "3,4"
};

std::ostream& operator<<(std::ostream& out, const WriteCase& c) {
    return out << c.key << " in " << testing::PrintToString(c.before);
}

class IniWriting : public testing::TestWithParam<WriteCase> {};

TEST_P(IniWriting, ChangesOnlyTheValueOrAddsTheKeyAtTheSectionsEnd) {
    const WriteCase& c = GetParam();
    AppIniFile ini = AppIniFile::FromText(c.before);
    ASSERT_TRUE(ini.WriteString("Settings", c.key, "3,4"));
    EXPECT_EQ(ini.Text(), c.after);
    EXPECT_EQ(ini.ReadString("Settings", c.key), "3,4");
}

INSTANTIATE_TEST_SUITE_P(
    Edits, IniWriting,
    testing::Values(
        // The name keeps its spelling and place; only the value changes.
        WriteCase{"; my notes\r\n[Other]\r\nPlayOptions=keep\r\n\r\n"
                  "[SETTINGS]\r\n  playoptions = 1,2  \r\nX=y\r\n[Last]\r\nZ=1",
                  "PlayOptions",
                  "; my notes\r\n[Other]\r\nPlayOptions=keep\r\n\r\n"
                  "[SETTINGS]\r\n  playoptions = 3,4\r\nX=y\r\n[Last]\r\nZ=1"},
        WriteCase{"[Settings]\n A \nA=1\n", "a", "[Settings]\n A=3,4\nA=1\n"},
        WriteCase{"[Settings]\nA=\n", "A", "[Settings]\nA=3,4\n"},
        // A ';' line is an ordinary key line: new keys go after it.
        WriteCase{"[Settings]\nA=1\n; trailing note\n\n[Next]\nB=2\n", "C",
                  "[Settings]\nA=1\n; trailing note\nC=3,4\n\n[Next]\nB=2\n"},
        WriteCase{"[Settings]\n;k=1\n", ";K", "[Settings]\n;k=3,4\n"},
        WriteCase{"[Settings]\r\n\r\n[Next]\r\n", "A", "[Settings]\r\nA=3,4\r\n\r\n[Next]\r\n"},
        WriteCase{"[Settings]\nA=1", "B", "[Settings]\nA=1\nB=3,4\n"},
        WriteCase{"[Other]\r\nA=1", "B", "[Other]\r\nA=1\r\n\r\n[Settings]\r\nB=3,4\r\n"},
        WriteCase{"", "B", "[Settings]\nB=3,4\n"},
        WriteCase{"\xEF\xBB\xBF", "B", "\xEF\xBB\xBF[Settings]\nB=3,4\n"},
        WriteCase{"\xEF\xBB\xBF[Settings]\nA=1\n", "A", "\xEF\xBB\xBF[Settings]\nA=3,4\n"},
        // A lone CR ends a line and is the ending new lines take.
        WriteCase{"[Settings]\rA=1\rB=2\r", "A", "[Settings]\rA=3,4\rB=2\r"},
        WriteCase{"[Settings]\rA=1\r[Next]\r", "B", "[Settings]\rA=1\rB=3,4\r[Next]\r"},
        // 0x1A is a blank: a file ending in it keeps it after the new key.
        WriteCase{"[Settings]\x1a\nA=1\n\x1a", "B", "[Settings]\x1a\nA=1\nB=3,4\n\x1a"}));

TEST(AppIniFile, RefusesNamesAndValuesThatWouldNotReadBack) {
    AppIniFile ini = AppIniFile::FromText("[S]\nA=1\n");
    for (const auto& [section, key, value] :
         {std::tuple<std::string, std::string, std::string>{"S", "A", "1\n[T]"},
          {"S", "A", "1\r2"},
          {"S", "A", std::string("1\0", 2)},
          {"S", "", "1"},
          {"  ", "A", "1"},
          {"S", "A=B", "1"},
          {"S", "[A", "1"},
          {"S\nT", "A", "1"}}) {
        EXPECT_FALSE(ini.WriteString(section, key, value)) << section << '/' << key;
    }
    EXPECT_EQ(ini.Text(), "[S]\nA=1\n");
}

TEST(AppIniFile, LargeFileIsReadWholeAndRewrittenKeepingEveryOtherLine) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    std::string notes;
    while (notes.size() < std::size_t{64} * 1024 * 1024)
        notes += "note=kept as it is, line " + std::to_string(notes.size()) + "\n";
    WriteWholeFile(path, "[Settings]\nA=1\n[Notes]\n" + notes + "[Last]\nB=2\n");
    AppIniFile ini = AppIniFile::Load(path);
    EXPECT_EQ(ini.ReadString("Last", "B"), "2");
    ASSERT_TRUE(ini.WriteString("Settings", "A", "2"));
    ASSERT_TRUE(ini.Save());
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

TEST(AppIniFile, FilesNotReadWholeOrNotOursToReplaceAreLeftAsTheyAre) {
    const std::string tooLarge = std::to_string(AppIniFile::MaxFileSize + 1);
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
        AppIniFile ini = AppIniFile::Load(path);
        EXPECT_EQ(ini.ReadString("Settings", "A"), what == std::string("read-only") ? "1" : "")
            << what;
        ASSERT_TRUE(ini.WriteString("Settings", "A", "2"));
        EXPECT_FALSE(ini.Save()) << what;
        EXPECT_EQ(Describe(path), before) << what;
    }
}

TEST(AppIniFile, SavingRemovesTheTemporaryFilesOfKilledSaves) {
    TempFolder folder;
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    const std::string stale = folder.File("settings.ini.tmp" + std::to_string(gone) + "-1");
    // Process 1 always runs: its file is a save in progress.
    const std::string running = folder.File("settings.ini.tmp1-1");
    const std::string other = folder.File("other.ini.tmp" + std::to_string(gone) + "-1");
    for (const std::string& file : {stale, running, other})
        WriteWholeFile(file, "[Settings]\n");
    ASSERT_TRUE(AppIniFile::FromText("[S]\nA=1\n").SaveAs(folder.File("settings.ini")));
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_TRUE(std::filesystem::exists(running));
    EXPECT_TRUE(std::filesystem::exists(other));
}

TEST(AppIniFile, SavesAndLoadsTheSameBytes) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    WriteWholeFile(path, "; kept\r\n[Settings]\r\nA=1\r\n");
    ::chmod(path.c_str(), 0640);
    AppIniFile ini = AppIniFile::Load(path);
    ASSERT_TRUE(ini.WriteString("settings", "a", "2"));
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(ReadWholeFile(path), "; kept\r\n[Settings]\r\nA=2\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(AppIniFile, SavingThroughASymbolicLinkReplacesTheFileItPointsTo) {
    TempFolder folder;
    WriteWholeFile(folder.File("real.ini"), "[S]\nA=1\n");
    ASSERT_EQ(::symlink(folder.File("real.ini").c_str(), folder.File("link.ini").c_str()), 0);
    AppIniFile ini = AppIniFile::Load(folder.File("link.ini"));
    ASSERT_TRUE(ini.WriteString("S", "A", "2"));
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(ReadWholeFile(folder.File("real.ini")), "[S]\nA=2\n");
    struct stat info {};
    ASSERT_EQ(::lstat(folder.File("link.ini").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
}

TEST(AppIniFile, FailedSaveReportsFalseAndLeavesNothingBehind) {
    TempFolder folder;
    WriteWholeFile(folder.File("plain"), "not a folder");
    AppIniFile ini = AppIniFile::FromText("[S]\nA=1\n");
    EXPECT_FALSE(ini.SaveAs(folder.File("plain") + "/settings.ini"));
    EXPECT_FALSE(ini.SaveAs(folder.File("missing/settings.ini")));
    EXPECT_FALSE(ini.Save()) << "text made in memory has no file to go to";
    EXPECT_EQ(ReadWholeFile(folder.File("plain")), "not a folder");
}

TEST(AppIniFile, FailedRenameKeepsTheOldTargetWholeAndRemovesTheNewFile) {
    TempFolder folder;
    // A non-empty folder in the target's place makes the final rename fail
    // after the new text has been written out.
    const std::string target = folder.File("settings.ini");
    ASSERT_EQ(::mkdir(target.c_str(), 0755), 0);
    WriteWholeFile(target + "/inside", "old");
    AppIniFile ini = AppIniFile::FromText("[S]\nA=1\n");
    EXPECT_FALSE(ini.SaveAs(target));
    EXPECT_EQ(ReadWholeFile(target + "/inside"), "old");
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 1) << "the new file was not removed";
}

} // namespace
