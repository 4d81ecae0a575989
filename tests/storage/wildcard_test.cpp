#include "storage/wildcard.h"

#include <gtest/gtest.h>

using namespace vexo;

namespace {

struct WildCase {
    const char* text;
    const char* pattern;
    bool ignoreCase;
    bool match;
};

class Wildcards : public ::testing::TestWithParam<WildCase> {};

} // namespace

TEST_P(Wildcards, Match) {
    const WildCase& c = GetParam();
    EXPECT_EQ(WildcardMatch(c.text, c.pattern, c.ignoreCase), c.match)
        << c.text << " ~ " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Wildcards,
    ::testing::Values(
        WildCase{"abc", "abc", false, true}, WildCase{"", "", false, true},
        WildCase{"anything", "*", false, true}, WildCase{"", "*", false, true},
        WildCase{"", "a", false, false}, WildCase{"a", "", false, false},
        WildCase{"S.Edit1_Items", "S.*", false, true}, WildCase{"S\\Sub", "S\\*", false, true},
        WildCase{"S2", "S.*", false, false}, WildCase{"S2", "S\\*", false, false},
        WildCase{"s.x", "S.*", false, false}, WildCase{"s.x", "S.*", true, true},
        WildCase{"abc", "a?c", false, true}, WildCase{"abc", "a?", false, false},
        WildCase{"abcd", "a*d", false, true}, WildCase{"abcd", "a*c", false, false},
        WildCase{"abXcdYef", "a*cd*f", false, true}, WildCase{"abXcdYef", "a**cd*?f", false, true},
        WildCase{"abef", "a*cd*f", false, false}, WildCase{"ab", "ab*", false, true},
        WildCase{"file.txt", "*.txt", false, true}, WildCase{"file.txt", "*.t?t", false, true},
        WildCase{"file.tx", "*.txt", false, false}, WildCase{"aXbXc", "*X?", false, true}));

TEST(SubstringPosWild, QuestionMarkMatchesAnyCharacter) {
    EXPECT_EQ(SubstringPosWild("c?e", "abcdef"), 2);
    EXPECT_EQ(SubstringPosWild("x", "abc"), -1);
    EXPECT_EQ(SubstringPosWild("", "abc"), 0);
    EXPECT_EQ(SubstringPosWild("abcd", "abc"), -1);
}
