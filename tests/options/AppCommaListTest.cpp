// Splitting settings values into comma-list items.
#include "AppCommaList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct SplitCase {
    std::string value;
    std::vector<std::string> items;
};

std::ostream& operator<<(std::ostream& out, const SplitCase& c) {
    return out << '[' << c.value << ']';
}

class SplitCommaListRules : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommaListRules, GivesTheItemsAHandEditedValueMeans) {
    EXPECT_EQ(SplitCommaList(GetParam().value), GetParam().items);
}

using Items = std::vector<std::string>;

INSTANTIATE_TEST_SUITE_P(
    Plain, SplitCommaListRules,
    testing::Values(SplitCase{"", {}}, SplitCase{"  \t ", {}},
                    SplitCase{"24,18,6,6,60,160,1", {"24", "18", "6", "6", "60", "160", "1"}},
                    SplitCase{"20, 18", {"20", "18"}}, SplitCase{"2 0", {"2", "0"}},
                    SplitCase{"a ,b", {"a", "b"}}, SplitCase{"  a  ,  b  ", {"a", "b"}},
                    SplitCase{"a\tb\x01"
                              "c",
                              {"a", "b", "c"}},
                    SplitCase{"a\"b,c", {"a\"b", "c"}}));

INSTANTIATE_TEST_SUITE_P(EmptyItems, SplitCommaListRules,
                         testing::Values(SplitCase{"a,,b", {"a", "", "b"}},
                                         SplitCase{"a,", {"a", ""}}, SplitCase{",", {"", ""}},
                                         SplitCase{",a", {"", "a"}},
                                         SplitCase{"a, ,b", {"a", "", "b"}},
                                         SplitCase{"a,,", {"a", "", ""}},
                                         // A comma followed only by blanks is not at the very end.
                                         SplitCase{"a, ", {"a"}}, SplitCase{"a ,", {"a", ""}}));

INSTANTIATE_TEST_SUITE_P(
    Quoted, SplitCommaListRules,
    testing::Values(SplitCase{"\"a b,c\",d", {"a b,c", "d"}},
                    SplitCase{"\"say \"\"hi\"\"\"", {"say \"hi\""}}, SplitCase{"\"\"", {""}},
                    SplitCase{"\"\"\"\"", {"\""}}, SplitCase{"\"\",\"\"", {"", ""}},
                    SplitCase{"\"a\"b", {"a", "b"}}, SplitCase{"\"a\" , b", {"a", "b"}},
                    SplitCase{"\"unterminated, still", {"unterminated, still"}},
                    SplitCase{"\"", {""}}));

TEST(SplitCommaList, StopsAtACharacterZero) {
    EXPECT_EQ(SplitCommaList(std::string("1,2\0,3", 6)), (Items{"1", "2"}));
    EXPECT_EQ(SplitCommaList(std::string("1,\0", 3)), (Items{"1", ""}));
}

TEST(SplitCommaList, KeepsBytesAboveSevenBitsInsideItems) {
    EXPECT_EQ(SplitCommaList("\xC3\xA9t\xC3\xA9,\xFF"), (Items{"\xC3\xA9t\xC3\xA9", "\xFF"}));
}

} // namespace
