// Awkward settings files of the kind the fuzzer produces, each with its defined outcome.
#include "AppCommaList.h"
#include "AppIniFile.h"
#include "AppSettingsValues.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

TEST(SettingsFindings, CharacterZeroInsideAValueEndsTheList) {
    AppSettingsValues read;
    ReadSettingsValues(AppIniFile::FromText("[Settings]\nViewOptions=20,21\0,x\nOthers=1,2,3,4\n"s),
                       read);
    EXPECT_TRUE(read.view == AppViewOptions(20, 21));
    EXPECT_EQ(read.recordScore, 1) << "the bad item after the zero was never read";
}

TEST(SettingsFindings, EmptySectionHeaderEndsTheSectionBeforeIt) {
    const AppIniFile ini = AppIniFile::FromText("[Settings]\n[]\nViewOptions=20,21\n");
    EXPECT_EQ(ini.ReadString("Settings", "ViewOptions"), "");
}

TEST(SettingsFindings, UnclosedHeaderKeepsTheSectionBeforeIt) {
    AppIniFile ini = AppIniFile::FromText("[Settings]\n[Other\nViewOptions=20,21\n");
    EXPECT_EQ(ini.ReadString("Settings", "ViewOptions"), "20,21");
    ASSERT_TRUE(ini.WriteString("Other", "A", "1"));
    EXPECT_EQ(ini.Text(), "[Settings]\n[Other\nViewOptions=20,21\n\n[Other]\nA=1\n");
}

TEST(SettingsFindings, BareKeyLineIsReplacedInPlace) {
    AppIniFile ini = AppIniFile::FromText("[Settings]\nPlayOptions\nPlayOptions=1\n");
    EXPECT_EQ(ini.ReadString("Settings", "PlayOptions"), "");
    ASSERT_TRUE(ini.WriteString("Settings", "PlayOptions", "2"));
    EXPECT_EQ(ini.Text(), "[Settings]\nPlayOptions=2\nPlayOptions=1\n");
}

TEST(SettingsFindings, LoneCarriageReturnAtTheEndEndsTheLastLine) {
    AppIniFile ini = AppIniFile::FromText("[S]\nA=1\r");
    EXPECT_EQ(ini.ReadString("S", "A"), "1");
    ASSERT_TRUE(ini.WriteString("T", "B", "2"));
    // The blank line joins the CR into one CR LF ending.
    EXPECT_EQ(ini.Text(), "[S]\nA=1\r\n[T]\nB=2\n");
    EXPECT_EQ(ini.ReadString("S", "A"), "1");
}

TEST(SettingsFindings, PartialByteOrderMarkIsOrdinaryText) {
    AppIniFile ini = AppIniFile::FromText("\xEF\xBB[Settings]\nA=1\n");
    EXPECT_EQ(ini.ReadString("Settings", "A"), "");
}

TEST(SettingsFindings, WrittenQuotesReadBackWithOnePairOfEnclosingQuotesRemoved) {
    AppIniFile ini;
    ASSERT_TRUE(ini.WriteString("S", "A", "''"));
    ASSERT_TRUE(ini.WriteString("S", "B", "\""));
    ASSERT_TRUE(ini.WriteString("S", "C", " \"x\" "));
    EXPECT_EQ(ini.ReadString("S", "A"), "");
    EXPECT_EQ(ini.ReadString("S", "B"), "\"");
    EXPECT_EQ(ini.ReadString("S", "C"), "x");
}

TEST(SettingsFindings, VerticalTabAndFormFeedAreBlanksAroundNames) {
    const AppIniFile ini = AppIniFile::FromText("\v[\fSettings\v]\f\n\vViewOptions\f=\v20,21\f\n");
    EXPECT_EQ(ini.ReadString("Settings", "ViewOptions"), "20,21");
}

TEST(SettingsFindings, OnlyCommasAndQuotesGiveEmptyItems) {
    EXPECT_EQ(SplitCommaList(",,\"\","), (std::vector<std::string>{"", "", "", ""}));
    // Six quotes: an opening one, two doubled pairs and a closing one.
    EXPECT_EQ(SplitCommaList("\"\"\"\"\"\","), (std::vector<std::string>{"\"\"", ""}));
    // An unclosed quote keeps everything after it, commas included.
    EXPECT_EQ(SplitCommaList("\"\"\"\"\"\"\","), (std::vector<std::string>{"\"\"\","}));
}

TEST(SettingsFindings, ManyPlayItemsWithAHugeNumberStopReadingThere) {
    AppSettingsValues read;
    ReadSettingsValues(
        AppIniFile::FromText("[Settings]\nPlayOptions=20,21,5,5,50,4294967296,0,,,,\n"
                             "ViewOptions=24,24\n"),
        read);
    EXPECT_TRUE(read.play == AppPlayOptions(20, 21, 5, 5, 50, 160, true));
    EXPECT_TRUE(read.view == AppViewOptions());
}

} // namespace
