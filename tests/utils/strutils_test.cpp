#include "utils/strutils.h"

#include <gtest/gtest.h>

using namespace vexo;

TEST(StrUtilsCharacters, NoSpacePercent) {
    EXPECT_EQ(GetNoSpacePercent(""), 0);
    EXPECT_EQ(GetNoSpacePercent("ab c"), 75);
    EXPECT_EQ(GetNoSpacePercent("    "), 0);
    EXPECT_EQ(GetNoSpacePercent("abcd"), 100);
}

TEST(StrUtilsCharacters, CharsAndDeletion) {
    EXPECT_EQ(Chars('*', 3), "***");
    EXPECT_EQ(Chars('*', 0), "");
    EXPECT_EQ(Chars('*', -2), "");
    EXPECT_EQ(ChangeChars("a.b.c", '.', ','), "a,b,c");
    EXPECT_EQ(DeleteChars("a, b; c", SetOfChars{',', ';', ' '}), "abc");
    EXPECT_EQ(DecLength("abc", 5), "ab");
    EXPECT_EQ(DecLength("", 1), "");
}

TEST(StrUtilsSubstrings, ChangeStrReplacesTheFirstIgnoringCase) {
    EXPECT_EQ(ChangeStr("One two ONE", "one", "1"), "1 two ONE");
    EXPECT_EQ(ChangeStr("Привет мир", "МИР", "свет"), "Привет свет");
    EXPECT_EQ(ChangeStr("abc", "x", "y"), "abc");
    EXPECT_EQ(ChangeStr("abc", "", "y"), "abc");
}

TEST(StrUtilsSubstrings, ReplaceStrReplacesAllWithoutOverlap) {
    EXPECT_EQ(ReplaceStr("aaaa", "AA", "b"), "bb");
    EXPECT_EQ(ReplaceStr("aaa", "aa", "a"), "aa");
    EXPECT_EQ(ReplaceStr("x-X-x", "x", "yy"), "yy-yy-yy");
    EXPECT_EQ(ReplaceStr("abc", "", "z"), "abc");
}

TEST(StrUtilsSubstrings, IndexOfStrComparesLatinLettersWithoutCase) {
    const QStringList list{"Alpha", "beta", "ЯБЛОКО"};
    EXPECT_EQ(IndexOfStr("BETA", list), 1);
    EXPECT_EQ(IndexOfStr("alpha", list), 0);
    EXPECT_EQ(IndexOfStr("яблоко", list), -1); // only Latin letters fold
    EXPECT_EQ(IndexOfStr("gamma", list), -1);
    EXPECT_EQ(IndexOfStr("x", {}), -1);
}

TEST(StrUtilsSubstrings, PCopyToStrStopsAtTheTerminatorOrLength) {
    const QString source = QStringLiteral("AbC\u0416d");
    EXPECT_EQ(PCopyToStr(source.constData(), 10, csLower), QStringLiteral("abc\u0416d"));
    EXPECT_EQ(PCopyToStr(source.constData(), 2, csUpper), "AB");
    EXPECT_EQ(PCopyToStr(source.constData(), 3, csNormal), "AbC");
    const QChar cut[] = {QChar('x'), QChar(0), QChar('y')};
    EXPECT_EQ(PCopyToStr(cut, 3, csNormal), "x");
    EXPECT_EQ(PCopyToStr(nullptr, 3, csNormal), "");
}

TEST(StrUtilsQuotes, StripAndAdd) {
    EXPECT_EQ(StripQuote("'abc"), "ab");
    EXPECT_EQ(StripQuote("\"abc\""), "abc");
    EXPECT_EQ(StripQuote("abc'"), "abc'");
    EXPECT_EQ(StripQuote("'"), "");
    EXPECT_EQ(StripQuote(""), "");
    EXPECT_EQ(SingleQuotes("a b"), "'a b'");
    EXPECT_EQ(DoubleQuotes("a b"), "\"a b\"");
}

TEST(StrUtilsSplit, PiecesBetweenSeparatorsAreAppended) {
    QStringList list{"kept"};
    SplitString("a;;b", ";", &list);
    EXPECT_EQ(list, QStringList({"kept", "a", "", "b"}));
    list.clear();
    SplitString(";a", ";", &list);
    EXPECT_EQ(list, QStringList({"", "a"}));
    list.clear();
    SplitString("a;", ";", &list);
    EXPECT_EQ(list, QStringList({"a"}));
    list.clear();
    SplitString("a<>b", "<>", &list);
    EXPECT_EQ(list, QStringList({"a", "b"}));
    list.clear();
    SplitString("a;b", "", &list);
    EXPECT_EQ(list, QStringList({"a;b"}));
    SplitString("a;b", ";", nullptr);
}

struct AlignCase {
    const char* text;
    TAlignment alignment;
    int width;
    const char* expected;
};

void PrintTo(const AlignCase& c, std::ostream* os) {
    *os << c.text << "/" << int(c.alignment) << "/" << c.width;
}

class AlignStrTable : public ::testing::TestWithParam<AlignCase> {};

TEST_P(AlignStrTable, PadsOrCuts) {
    const AlignCase& c = GetParam();
    EXPECT_EQ(AlignStr(c.text, c.alignment, '*', c.width), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, AlignStrTable,
                         ::testing::Values(AlignCase{"ab", taCenter, 5, "*ab**"},
                                           AlignCase{"ab", taCenter, 6, "**ab**"},
                                           AlignCase{"abcdef", taLeftJustify, 4, "abcd"},
                                           AlignCase{"abcdef", taRightJustify, 4, "abcd"},
                                           AlignCase{"ab", taLeftJustify, 4, "ab**"},
                                           AlignCase{"ab", taRightJustify, 4, "**ab"},
                                           AlignCase{"", taCenter, 3, "***"},
                                           AlignCase{"ab", taRightJustify, 0, ""},
                                           AlignCase{"ab", taRightJustify, -3, ""}));

TEST(StrUtilsCase, CyrillicLettersChangeButYoStays) {
    // а..я <-> А..Я, every one of the 32.
    for (char16_t small = u'\u0430'; small <= u'\u044F'; ++small) {
        const QChar capital(char16_t(small - 0x20));
        EXPECT_EQ(UpCase(QChar(small)), capital);
        EXPECT_EQ(LowCase(capital), QChar(small));
    }
    EXPECT_EQ(UpCase(QChar(u'ё')), QChar(u'ё'));
    EXPECT_EQ(LowCase(QChar(u'Ё')), QChar(u'Ё'));
    EXPECT_EQ(StrUpper("съешь ещё ёжик"), "СЪЕШЬ ЕЩё ёЖИК");
    EXPECT_EQ(StrLower("ЁЛКА Ёж"), "Ёлка Ёж");
}

TEST(StrUtilsCase, LatinChangesOthersStay) {
    EXPECT_EQ(StrUpper("abc xyz 1-é"), "ABC XYZ 1-é");
    EXPECT_EQ(StrLower("ABC XYZ 1-É"), "abc xyz 1-É");
    EXPECT_EQ(UpCase('{'), QChar('{'));
    EXPECT_EQ(UpCase(QChar(u'ў')), QChar(u'ў'));
}

TEST(StrUtilsCase, FirstCapital) {
    EXPECT_EQ(FirstCapital("иван"), "Иван");
    EXPECT_EQ(FirstCapital("aBC"), "ABC");
    EXPECT_EQ(FirstCapital(""), "");
}
