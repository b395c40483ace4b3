// Reading and writing the settings file's keys.
#include "AppSettingsValues.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

namespace {

// Working values as the main window prepares them: defaults and its position.
AppSettingsValues Working() {
    AppSettingsValues working;
    working.left = 300;
    working.top = 200;
    return working;
}

AppSettingsValues Read(const std::string& text) {
    AppSettingsValues working = Working();
    ReadSettingsValues(AppIniFile::FromText(text), working);
    return working;
}

std::string Settings(const std::string& keys) {
    return "[Settings]\n" + keys;
}

const AppPlayOptions defaultPlay;

TEST(ReadSettingsValues, NoFileKeepsTheWorkingValues) {
    const AppSettingsValues read = Read("");
    EXPECT_TRUE(read.play == defaultPlay);
    EXPECT_TRUE(read.view == AppViewOptions());
    EXPECT_TRUE(read.system.PlaySound);
    EXPECT_TRUE(read.system.RestoreRecord);
    EXPECT_TRUE(read.system.RestoreWindowPosition);
    EXPECT_FALSE(read.system.StayOnTop);
    EXPECT_EQ(read.recordScore, 0);
    EXPECT_EQ(read.recordPhase, 0);
    EXPECT_EQ(read.left, 300);
    EXPECT_EQ(read.top, 200);
}

TEST(ReadSettingsValues, ReadsTheExampleFile) {
    const AppSettingsValues read = Read("[Settings]\n"
                                        "PlayOptions=16,17,1,2,32,240,0\n"
                                        "ViewOptions=24,25\n"
                                        "SystemOptions=0,1,0,1\n"
                                        "Others=1234,7,-40,80\n");
    EXPECT_TRUE(read.play == AppPlayOptions(16, 17, 1, 2, 32, 240, false));
    EXPECT_TRUE(read.view == AppViewOptions(24, 25));
    EXPECT_FALSE(read.system.PlaySound);
    EXPECT_TRUE(read.system.StayOnTop);
    EXPECT_FALSE(read.system.RestoreRecord);
    EXPECT_TRUE(read.system.RestoreWindowPosition);
    EXPECT_EQ(read.recordScore, 1234);
    EXPECT_EQ(read.recordPhase, 7);
    EXPECT_EQ(read.left, -40);
    EXPECT_EQ(read.top, 80);
}

TEST(ReadSettingsValues, IgnoresAKeyWithTooFewItemsAndExtraItems) {
    const AppSettingsValues fewer =
        Read(Settings("PlayOptions=20,20,5,5,50\nViewOptions=20\nOthers=5,6\n"
                      "SystemOptions=0,0,0\n"));
    EXPECT_TRUE(fewer.play == defaultPlay);
    EXPECT_TRUE(fewer.view == AppViewOptions());
    EXPECT_TRUE(fewer.system.PlaySound);
    EXPECT_EQ(fewer.recordScore, 0);
    EXPECT_EQ(fewer.left, 300);

    const AppSettingsValues more =
        Read(Settings("PlayOptions=20,21,5,5,50,100,0,x\nViewOptions=20,21,x\n"
                      "SystemOptions=0,0,0,0,x\nOthers=5,6,7,8,x\n"));
    EXPECT_TRUE(more.play == AppPlayOptions(20, 21, 5, 5, 50, 100, false));
    EXPECT_TRUE(more.view == AppViewOptions(20, 21));
    EXPECT_FALSE(more.system.PlaySound);
    EXPECT_EQ(more.top, 8);
}

TEST(ReadSettingsValues, ABadIntegerEndsAllReadingKeepingWhatWasRead) {
    const AppSettingsValues read =
        Read(Settings("Others=5,6,7,8\nPlayOptions=20,x,5,5,50,100,0\nViewOptions=24,24\n"
                      "SystemOptions=0,1,0,0\n"));
    EXPECT_TRUE(read.play == AppPlayOptions(20, 18, 6, 6, 60, 160, true));
    EXPECT_TRUE(read.view == AppViewOptions());
    EXPECT_TRUE(read.system.PlaySound);
    EXPECT_TRUE(read.system.RestoreRecord);
    EXPECT_TRUE(read.system.RestoreWindowPosition);
    EXPECT_EQ(read.recordScore, 0);
    EXPECT_EQ(read.left, 300);
}

TEST(ReadSettingsValues, ABadIntegerLateInALaterKeyKeepsEverythingBefore) {
    const AppSettingsValues read =
        Read(Settings("PlayOptions=20,20,5,5,50,100,0\nViewOptions=24,24\n"
                      "SystemOptions=0,1,0,0\nOthers=5,6,7,\n"));
    EXPECT_TRUE(read.play == AppPlayOptions(20, 20, 5, 5, 50, 100, false));
    EXPECT_TRUE(read.view == AppViewOptions(24, 24));
    EXPECT_TRUE(read.system.StayOnTop);
    EXPECT_EQ(read.recordScore, 5);
    EXPECT_EQ(read.recordPhase, 6);
    EXPECT_EQ(read.left, 7);
    EXPECT_EQ(read.top, 200) << "an empty item is not an integer";
}

struct IntegerCase {
    std::string item;
    bool valid;
    std::int32_t value;
};

std::ostream& operator<<(std::ostream& out, const IntegerCase& c) {
    return out << '[' << c.item << ']';
}

class IntegerItems : public testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerItems, AreSignedDecimalsFittingThirtyTwoBits) {
    const IntegerCase& c = GetParam();
    const AppSettingsValues read = Read(Settings("Others=" + c.item + ",1,2,3\n"));
    EXPECT_EQ(read.recordScore, c.valid ? c.value : 0);
    EXPECT_EQ(read.top, c.valid ? 3 : 200);
}

INSTANTIATE_TEST_SUITE_P(
    Notations, IntegerItems,
    testing::Values(
        IntegerCase{"0", true, 0}, IntegerCase{"-0", true, 0}, IntegerCase{"+17", true, 17},
        IntegerCase{"007", true, 7}, IntegerCase{"2147483647", true, 2147483647},
        IntegerCase{"-2147483648", true, -2147483647 - 1}, IntegerCase{"2147483648", false, 0},
        IntegerCase{"-2147483649", false, 0}, IntegerCase{"99999999999999999999", false, 0},
        IntegerCase{"0x10", false, 0}, IntegerCase{"$10", false, 0}, IntegerCase{"1e3", false, 0},
        IntegerCase{"1.0", false, 0}, IntegerCase{"-", false, 0}, IntegerCase{"+", false, 0},
        IntegerCase{"+-1", false, 0}, IntegerCase{"--1", false, 0}, IntegerCase{"\"\"", false, 0},
        IntegerCase{"\"12\"", true, 12}, IntegerCase{"\" 12\"", false, 0}));

TEST(ReadSettingsValues, BooleansAreFalseOnlyForExactlyZero) {
    const AppSettingsValues yes = Read(Settings("SystemOptions=yes,0,0,0\n"));
    EXPECT_TRUE(yes.system.PlaySound);
    EXPECT_FALSE(yes.system.StayOnTop);
    EXPECT_FALSE(yes.system.RestoreRecord);
    EXPECT_FALSE(yes.system.RestoreWindowPosition);

    const AppSettingsValues others = Read(Settings("SystemOptions=\"0\",2,,00\n"));
    EXPECT_FALSE(others.system.PlaySound) << "a quoted 0 is the text 0";
    EXPECT_TRUE(others.system.StayOnTop);
    EXPECT_TRUE(others.system.RestoreRecord) << "an empty item is true";
    EXPECT_TRUE(others.system.RestoreWindowPosition);
}

TEST(ReadSettingsValues, PauseWhenInactiveIsABooleanOfItsOwnThatTheListsLeaveAlone) {
    const std::pair<std::string, bool> cases[] = {
        {"", false},
        {"PauseWhenInactive=\n", false},
        {"PauseWhenInactive=0\n", false},
        {"pausewheninactive=1\n", true},
        {"PauseWhenInactive=yes\n", true},
        {"PauseWhenInactive=0,1\n", false},
        // A bad integer earlier ends all reading, this key included.
        {"Others=x,0,0,0\nPauseWhenInactive=1\n", false}};
    for (const auto& [keys, pause] : cases) {
        const AppSettingsValues read = Read(Settings("SystemOptions=0,1,0,1\n" + keys));
        EXPECT_EQ(read.system.PauseWhenInactive, pause) << keys;
        EXPECT_FALSE(read.system.PlaySound) << keys;
        EXPECT_TRUE(read.system.RestoreWindowPosition) << keys;
    }
}

TEST(ReadSettingsValues, ZoomFullScreenAndLookTakeTheirDefaultsForAnythingButTheirOwnValues) {
    // Keys, then the zoom, full screen and look read.
    const std::tuple<std::string, std::int32_t, bool, std::int32_t> cases[] = {
        {"", 0, false, 0},
        {"Zoom=3\nFullScreen=1\nLook=2\n", 3, true, 2},
        {"Zoom=1\n", 1, false, 0},
        {"zoom=4\nfullscreen=yes\nLOOK=3\n", 4, true, 3},
        {"Zoom=\nFullScreen=\nLook=\n", 0, false, 0},
        // Junk and values out of range give the default and the later keys are still read.
        {"Zoom=x\nFullScreen=0\nLook=1\n", 0, false, 1},
        {"Zoom=-1\nLook=4\nFullScreen=1\n", 0, true, 0},
        {"Zoom=5\nLook=-1\n", 0, false, 0},
        {"Zoom=2.0\nLook=0x1\n", 0, false, 0},
        {"Zoom=2147483648\nLook=99999999999\n", 0, false, 0},
        // An item list takes its first item, as the other keys of their own do.
        {"Zoom=2,3\nLook=1 2\n", 2, false, 1},
        // A bad integer in the keys before them ends all reading, these keys included.
        {"Others=x,0,0,0\nZoom=2\nFullScreen=1\nLook=1\n", 0, false, 0}};
    for (const auto& [keys, zoom, fullScreen, look] : cases) {
        const AppSettingsValues read = Read(Settings("ViewOptions=20,21\n" + keys));
        EXPECT_EQ(read.display.Zoom, zoom) << keys;
        EXPECT_EQ(read.display.FullScreen, fullScreen) << keys;
        EXPECT_EQ(read.display.Look, look) << keys;
        EXPECT_TRUE(read.view == AppViewOptions(20, 21)) << keys;
    }
}

TEST(ReadSettingsValues, TheWindowsSizeAndStateTakeNoneForAnythingButTheirOwnValues) {
    // Keys, then the width, height and maximised state read.
    const std::tuple<std::string, std::int32_t, std::int32_t, std::int32_t> cases[] = {
        {"", 0, 0, 0},
        {"WindowWidth=900\nWindowHeight=700\nWindowMaximized=1\n", 900, 700, 1},
        {"WindowWidth=32767\nWindowHeight=0\nWindowMaximized=0\n", 32767, 0, 0},
        {"WindowWidth=32768\nWindowHeight=-1\nWindowMaximized=2\n", 0, 0, 0},
        {"WindowWidth=wide\nWindowHeight=7e2\nWindowMaximized=yes\n", 0, 0, 0},
        {"WindowWidth=\nWindowHeight=600,1\nWindowMaximized=-0\n", 0, 600, 0},
        {"Others=0,0,x,0\nWindowWidth=900\nWindowMaximized=1\n", 0, 0, 0}};
    for (const auto& [keys, width, height, maximized] : cases) {
        const AppSettingsValues read = Read(Settings(keys));
        EXPECT_EQ(read.width, width) << keys;
        EXPECT_EQ(read.height, height) << keys;
        EXPECT_EQ(read.maximized, maximized) << keys;
    }
}

TEST(ReadSettingsValues, KeysAreEightDistinctKeyCodesOrAllTheDefaults) {
    const AppKeyOptions defaults;
    AppKeyOptions rebound;
    rebound.Codes = {24, 27, 39, 41, 30, 32, 44, 8};
    const std::pair<std::string, AppKeyOptions> cases[] = {
        {"", defaults},
        {"Keys=24,27,39,41,30,32,44,8\n", rebound},
        {"Keys=24, 27 ,39,41,30,32,44,8\n", rebound},
        {"Keys=24,27,39,41,30,32,44\n", defaults},
        {"Keys=24,27,39,41,30,32,44,8,9\n", defaults},
        {"Keys=24,27,39,41,30,32,44,x\n", defaults},
        {"Keys=24,27,39,41,30,32,44,7\n", defaults},
        {"Keys=24,27,39,41,30,32,44,256\n", defaults},
        {"Keys=24,27,39,41,30,32,44,-8\n", defaults},
        // Space belongs to the keyboard cursor, P's place to the pause, 1's to the replay.
        {"Keys=24,27,39,41,30,32,44,65\n", defaults},
        {"Keys=24,27,39,41,30,32,44,33\n", defaults},
        {"Keys=24,27,39,41,30,32,44,10\n", defaults},
        // One key for two positions is a conflict.
        {"Keys=24,27,39,41,30,32,44,24\n", defaults},
        {"Keys=\n", defaults}};
    for (const auto& [keys, expected] : cases)
        EXPECT_TRUE(Read(Settings(keys)).keys == expected) << keys;
}

TEST(ReadSettingsValues, PointScoredIsOneOrZeroElseWhetherARecordIsHeld) {
    const std::pair<std::string, bool> cases[] = {{"PointScored=0\nOthers=5,1,0,0\n", false},
                                                  {"PointScored=yes\n", false},
                                                  {"PointScored=2\nOthers=5,1,0,0\n", true}};
    for (const auto& [keys, scored] : cases)
        EXPECT_EQ(Read(Settings(keys)).pointScored, scored) << keys;
}

TEST(ReadSettingsValues, NeverReadsClearRecordNow) {
    AppSettingsValues working = Working();
    working.system.ClearRecordNow = true;
    ReadSettingsValues(AppIniFile::FromText(Settings("SystemOptions=1,1,1,1,1\n")), working);
    EXPECT_FALSE(working.system.ClearRecordNow);
}

TEST(ReadSettingsValues, SplitsItemsAtCommasAndBlanksAndKeepsQuotedOnesWhole) {
    const AppSettingsValues spaced = Read(Settings("ViewOptions=20, 18\n"));
    EXPECT_TRUE(spaced.view == AppViewOptions(20, 18));
    // "2 0" is two items, each then bounded into the cell size range.
    const AppSettingsValues split = Read(Settings("ViewOptions=2 0\n"));
    EXPECT_TRUE(split.view == AppViewOptions(18, 18));
    const AppSettingsValues quoted = Read(Settings("ViewOptions=\"20\",21\n"));
    EXPECT_TRUE(quoted.view == AppViewOptions(20, 21));
    // The file layer drops a pair of quotes around the whole value first, which
    // leaves 20","21: the item 20" is no integer and ends the reading.
    const AppSettingsValues outer = Read(Settings("ViewOptions=\"20\",\"21\"\nOthers=1,2,3,4\n"));
    EXPECT_TRUE(outer.view == AppViewOptions());
    EXPECT_EQ(outer.recordScore, 0);
}

TEST(ReadSettingsValues, BoundsPlayAndViewOptionsToTheirRanges) {
    const AppSettingsValues low = Read(Settings("PlayOptions=0,-5,0,-1,0,1,1\nViewOptions=0,-3\n"));
    EXPECT_TRUE(low.play == AppPlayOptions(16, 16, 1, 0, 1, 10, true));
    EXPECT_TRUE(low.view == AppViewOptions(18, 18));

    const AppSettingsValues high =
        Read(Settings("PlayOptions=100000,33,2000,2000,2000,100000,1\nViewOptions=100000,33\n"));
    EXPECT_TRUE(high.play == AppPlayOptions(32, 32, 1024, 1024, 1024, 1000, true));
    EXPECT_TRUE(high.view == AppViewOptions(32, 32));

    // Reading that stops part-way still leaves bounded options.
    const AppSettingsValues stopped = Read(Settings("PlayOptions=0,x,5,5,50,100,1\n"));
    EXPECT_EQ(stopped.play.Width, 16);
    EXPECT_EQ(stopped.play.Height, 18);
}

TEST(WriteSettingsValues, WritesTheDefaultsExactly) {
    AppSettingsValues values;
    values.left = 100;
    values.top = 80;
    AppIniFile ini;
    WriteSettingsValues(ini, values);
    EXPECT_EQ(ini.Text(), "[Settings]\n"
                          "PlayOptions=24,18,6,6,60,160,1\n"
                          "ViewOptions=18,18\n"
                          "SystemOptions=1,0,1,1\n"
                          "Others=0,0,100,80\n"
                          "PauseWhenInactive=0\n"
                          "KeyboardCursor=0\n"
                          "Zoom=0\n"
                          "FullScreen=0\n"
                          "Look=0\n"
                          "ScoreLine=1\n"
                          "Keys=25,27,39,41,30,32,44,46\n"
                          "PointScored=0\n"
                          "BoardAddress=\n"
                          "BoardName=\n"
                          "BoardSend=0\n"
                          "WindowWidth=0\n"
                          "WindowHeight=0\n"
                          "WindowMaximized=0\n");
}

TEST(WriteSettingsValues, ReadsBackTheSameValuesAndKeepsOtherLines) {
    AppSettingsValues values;
    values.play = AppPlayOptions(16, 32, 1024, 0, 1, 10, false);
    values.view = AppViewOptions(32, 19);
    values.system.PlaySound = false;
    values.system.StayOnTop = true;
    values.system.RestoreRecord = false;
    values.system.RestoreWindowPosition = false;
    values.system.ClearRecordNow = true;
    values.system.PauseWhenInactive = true;
    values.system.KeyboardCursor = true;
    values.display.Zoom = 4;
    values.display.FullScreen = true;
    values.display.Look = AppDisplayOptions::lookAutomatic;
    values.display.ScoreLine = false;
    values.keys.Codes = {24, 27, 39, 41, 30, 32, 44, 255};
    values.pointScored = true;
    values.board.Address = "https://board.example.org/a,b";
    values.board.Name = "Zoë, of \"=\"";
    values.board.Send = true;
    values.recordScore = 2147483647;
    values.recordPhase = 12;
    values.left = -2147483647 - 1;
    values.top = -7;
    values.width = 1296;
    values.height = 1020;
    values.maximized = 1;

    AppIniFile ini = AppIniFile::FromText(
        "; hand-written\r\n[Settings]\r\nOthers=1,2\r\nExtra=keep\r\n[Mine]\r\nA=1\r\n");
    WriteSettingsValues(ini, values);
    EXPECT_EQ(ini.Text(),
              "; hand-written\r\n[Settings]\r\nOthers=2147483647,12,-2147483648,-7\r\n"
              "Extra=keep\r\nPlayOptions=16,32,1024,0,1,10,0\r\n"
              "ViewOptions=32,19\r\nSystemOptions=0,1,0,0\r\nPauseWhenInactive=1\r\n"
              "KeyboardCursor=1\r\nZoom=4\r\nFullScreen=1\r\nLook=3\r\nScoreLine=0\r\n"
              "Keys=24,27,39,41,30,32,44,255\r\nPointScored=1\r\n"
              "BoardAddress=https://board.example.org/a,b\r\n"
              "BoardName=Zoë, of \"=\"\r\nBoardSend=1\r\n"
              "WindowWidth=1296\r\nWindowHeight=1020\r\nWindowMaximized=1\r\n[Mine]\r\nA=1\r\n");

    AppSettingsValues read = Working();
    ReadSettingsValues(ini, read);
    EXPECT_TRUE(read.play == values.play);
    EXPECT_TRUE(read.view == values.view);
    EXPECT_FALSE(read.system.PlaySound);
    EXPECT_TRUE(read.system.StayOnTop);
    EXPECT_FALSE(read.system.RestoreRecord);
    EXPECT_FALSE(read.system.RestoreWindowPosition);
    EXPECT_FALSE(read.system.ClearRecordNow);
    EXPECT_TRUE(read.keys == values.keys);
    EXPECT_TRUE(read.pointScored);
    EXPECT_TRUE(read.system.PauseWhenInactive);
    EXPECT_EQ(read.width, 1296);
    EXPECT_EQ(read.height, 1020);
    EXPECT_EQ(read.maximized, 1);
    EXPECT_TRUE(read.system.KeyboardCursor);
    EXPECT_TRUE(read.display == values.display);
    EXPECT_EQ(read.board.Address, values.board.Address);
    EXPECT_EQ(read.board.Name, values.board.Name);
    EXPECT_TRUE(read.board.Send);
    EXPECT_EQ(read.recordScore, values.recordScore);
    EXPECT_EQ(read.recordPhase, values.recordPhase);
    EXPECT_EQ(read.left, values.left);
    EXPECT_EQ(read.top, values.top);
}

} // namespace
