// Reading, editing and saving INI text: lenient reading, every other line kept on writing.
#include "AppIniFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
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
                    ReadCase{"[Set]tings]\nA=1\n", "Set]tings", "A", "1"}));

INSTANTIATE_TEST_SUITE_P(Quotes, IniReading,
                         testing::Values(ReadCase{"[S]\nA=\"1,2\"\n", "S", "A", "1,2"},
                                         ReadCase{"[S]\nA='x'\n", "S", "A", "x"},
                                         ReadCase{"[S]\nA=\"x'\n", "S", "A", "\"x'"},
                                         ReadCase{"[S]\nA=\"\n", "S", "A", "\""},
                                         ReadCase{"[S]\nA=\"\"\"\"\n", "S", "A", "\"\""}));

TEST(AppIniFile, ReplacesAKeyInPlaceKeepingEveryOtherByte) {
    const std::string before = "; my notes\r\n[Other]\r\nPlayOptions=keep\r\n\r\n"
                               "[SETTINGS]\r\n  playoptions = 1,2  \r\nX=y\r\n[Last]\r\nZ=1";
    AppIniFile ini = AppIniFile::FromText(before);
    ASSERT_TRUE(ini.WriteString("Settings", "PlayOptions", "3,4"));
    EXPECT_EQ(ini.Text(), "; my notes\r\n[Other]\r\nPlayOptions=keep\r\n\r\n"
                          "[SETTINGS]\r\nPlayOptions=3,4\r\nX=y\r\n[Last]\r\nZ=1");
}

TEST(AppIniFile, AddsAMissingKeyAfterTheSectionsLastKey) {
    AppIniFile ini = AppIniFile::FromText("[Settings]\nA=1\n; trailing note\n\n[Next]\nB=2\n");
    ASSERT_TRUE(ini.WriteString("Settings", "C", "3"));
    EXPECT_EQ(ini.Text(), "[Settings]\nA=1\nC=3\n; trailing note\n\n[Next]\nB=2\n");
}

TEST(AppIniFile, AddsAKeyRightAfterTheHeaderOfASectionWithoutKeys) {
    AppIniFile ini = AppIniFile::FromText("[Settings]\r\n\r\n[Next]\r\n");
    ASSERT_TRUE(ini.WriteString("Settings", "A", "1"));
    EXPECT_EQ(ini.Text(), "[Settings]\r\nA=1\r\n\r\n[Next]\r\n");
}

TEST(AppIniFile, AddsAKeyAfterALastLineWithoutEnding) {
    AppIniFile ini = AppIniFile::FromText("[Settings]\nA=1");
    ASSERT_TRUE(ini.WriteString("Settings", "B", "2"));
    EXPECT_EQ(ini.Text(), "[Settings]\nA=1\nB=2\n");
}

TEST(AppIniFile, AppendsAMissingSectionAtTheEnd) {
    AppIniFile crlf = AppIniFile::FromText("[Other]\r\nA=1");
    ASSERT_TRUE(crlf.WriteString("Settings", "B", "2"));
    EXPECT_EQ(crlf.Text(), "[Other]\r\nA=1\r\n\r\n[Settings]\r\nB=2\r\n");

    AppIniFile empty;
    ASSERT_TRUE(empty.WriteString("Settings", "B", "2"));
    EXPECT_EQ(empty.Text(), "[Settings]\nB=2\n");

    AppIniFile markOnly = AppIniFile::FromText("\xEF\xBB\xBF");
    ASSERT_TRUE(markOnly.WriteString("Settings", "B", "2"));
    EXPECT_EQ(markOnly.Text(), "\xEF\xBB\xBF[Settings]\nB=2\n");
}

TEST(AppIniFile, KeepsTheByteOrderMarkWhenReplacingTheFirstLine) {
    AppIniFile ini = AppIniFile::FromText("\xEF\xBB\xBF[S]\nA=1\n");
    ASSERT_TRUE(ini.WriteString("S", "A", "2"));
    EXPECT_EQ(ini.Text(), "\xEF\xBB\xBF[S]\nA=2\n");
}

TEST(AppIniFile, RefusesNamesAndValuesThatWouldNotReadBack) {
    AppIniFile ini = AppIniFile::FromText("[S]\nA=1\n");
    for (const auto& [section, key, value] :
         {std::tuple<std::string, std::string, std::string>{"S", "A", "1\n[T]"},
          {"S", "A", "1\r2"},
          {"S", "A", std::string("1\0", 2)},
          {"S", "", "1"},
          {"  ", "A", "1"},
          {"S", "A=B", "1"},
          {"S", ";A", "1"},
          {"S", "[A", "1"},
          {"S\nT", "A", "1"}}) {
        EXPECT_FALSE(ini.WriteString(section, key, value)) << section << '/' << key;
    }
    EXPECT_EQ(ini.Text(), "[S]\nA=1\n");
}

TEST(AppIniFile, TreatsMissingAndOverlargeFilesAsEmpty) {
    TempFolder folder;
    EXPECT_EQ(AppIniFile::Load(folder.File("missing.ini")).Text(), "");
    EXPECT_EQ(AppIniFile::Load(folder.Path()).Text(), "");

    const std::string large = "[Settings]\nA=1\n" + std::string(AppIniFile::MaxFileSize, ';');
    WriteWholeFile(folder.File("large.ini"), large);
    AppIniFile ini = AppIniFile::Load(folder.File("large.ini"));
    EXPECT_EQ(ini.ReadString("Settings", "A"), "");

    // Saving replaces the oversized file with a valid one of what was written.
    ASSERT_TRUE(ini.WriteString("Settings", "A", "2"));
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(ReadWholeFile(folder.File("large.ini")), "[Settings]\nA=2\n");
}

TEST(AppIniFile, ReadsAFileOfExactlyTheLimit) {
    TempFolder folder;
    std::string text = "[Settings]\nA=1\n";
    text += std::string(AppIniFile::MaxFileSize - text.size(), ';');
    WriteWholeFile(folder.File("limit.ini"), text);
    EXPECT_EQ(AppIniFile::Load(folder.File("limit.ini")).ReadString("Settings", "A"), "1");
}

TEST(AppIniFile, SavesAndLoadsTheSameBytes) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    WriteWholeFile(path, "; kept\r\n[Settings]\r\nA=1\r\n");
    ::chmod(path.c_str(), 0640);
    AppIniFile ini = AppIniFile::Load(path);
    ASSERT_TRUE(ini.WriteString("settings", "a", "2"));
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(ReadWholeFile(path), "; kept\r\n[Settings]\r\na=2\r\n");
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
