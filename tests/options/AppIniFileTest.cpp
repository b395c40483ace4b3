// Reading and editing INI text: lenient reading, every other line kept on writing.
#include "AppIniFile.h"

#include <gtest/gtest.h>

#include <tuple>

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

} // namespace
