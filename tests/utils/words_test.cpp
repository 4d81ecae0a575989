#include "utils/words.h"

#include <gtest/gtest.h>

using namespace vexo;

namespace {

// Sets the divider set for one test and empties it afterwards.
class Dividers {
public:
    explicit Dividers(QStringView chars) { SetDivisers(SetOfChars(chars)); }
    ~Dividers() { SetDivisers(SetOfChars()); }
};

} // namespace

TEST(WordsDividers, ReplacedAsAWhole) {
    SetDivisers(SetOfChars(u" ,"));
    SetDivisers(SetOfChars(u";"));
    EXPECT_TRUE(Divisers().Contains(';'));
    EXPECT_FALSE(Divisers().Contains(' '));
    SetDivisers(SetOfChars());
    EXPECT_TRUE(Divisers().IsEmpty());
}

TEST(WordsScanning, EmptySetMakesTheWholeTextOneWord) {
    Dividers d(u"");
    EXPECT_EQ(WordsInstring("a b, c"), 1);
    EXPECT_EQ(GetWordInfo("a b, c", 1), (TWordInfo{1, 6, 6, "a b, c"}));
    EXPECT_EQ(WordsInstring(""), 0);
}

TEST(WordsScanning, RunsOfDividersSeparateWords) {
    Dividers d(u" ,");
    const QString text = "  alpha,  beta ,gamma  ";
    EXPECT_EQ(WordsInstring(text), 3);
    EXPECT_EQ(GetWordInfo(text, 1), (TWordInfo{3, 7, 5, "alpha"}));
    EXPECT_EQ(GetWordInfo(text, 2), (TWordInfo{11, 14, 4, "beta"}));
    EXPECT_EQ(GetWordInfo(text, 3), (TWordInfo{17, 21, 5, "gamma"}));
    EXPECT_EQ(GetWordInfo(text, 4), TWordInfo{});
    EXPECT_EQ(GetWordInfo(text, 0), TWordInfo{});
    EXPECT_EQ(GetWordInfo(text, -1), TWordInfo{});
    EXPECT_EQ(PointStartWord(text, 2), 11);
    EXPECT_EQ(PointEndWord(text, 2), 14);
    EXPECT_EQ(PointEndWord(text, 9), 0);
}

TEST(WordsScanning, DifferentSetsGiveDifferentWords) {
    const QString text = "[Font] Name=Arial,Size";
    {
        Dividers d(u" ");
        EXPECT_EQ(WordsInstring(text), 2);
    }
    {
        Dividers d(u" ,[]");
        EXPECT_EQ(WordsInstring(text), 3);
        EXPECT_EQ(GetWordInfo(text, 1).Text, "Font");
    }
    {
        Dividers d(u"=");
        EXPECT_EQ(GetWordInfo(text, 2).Text, "Arial,Size");
    }
    {
        Dividers d(u"ab");
        EXPECT_EQ(WordsInstring("aaa"), 0);
    }
}

TEST(WordsSelection, SomeWordsJoinedByOneBlank) {
    Dividers d(u" ,");
    const QString text = "alpha ,  beta,,   gamma";
    EXPECT_EQ(GetSomeWords(text, 2, 3), "beta gamma");
    EXPECT_EQ(GetSomeWords(text, 1, 1), "alpha");
    EXPECT_EQ(GetSomeWords(text, 2, 4), "");
    EXPECT_EQ(GetSomeWords(text, 0, 2), "");
    EXPECT_EQ(GetSomeWords(text, 3, 2), "");
}

TEST(WordsSelection, WordPositionIsCaseSensitive) {
    Dividers d(u" ");
    EXPECT_EQ(WordPosition("a bc bc", "bc"), 2);
    EXPECT_EQ(WordPosition("a bc", "BC"), 0);
    EXPECT_EQ(WordPosition("a bcd", "bc"), 0);
}

TEST(WordsEditing, ChangeWordKeepsTheDividers) {
    Dividers d(u" ,");
    QString text = "one, two,two";
    ChangeWord(text, "two", "2");
    EXPECT_EQ(text, "one, 2,two");
    ChangeWord(text, "zzz", "x");
    EXPECT_EQ(text, "one, 2,two");
}

TEST(WordsEditing, DeleteWordLeavesBothDividers) {
    Dividers d(u" ");
    QString text = "a b c";
    DeleteWord(text, 2);
    EXPECT_EQ(text, "a  c");
    DeleteWord(text, 5);
    EXPECT_EQ(text, "a  c");
    DeleteWord(text, 0);
    EXPECT_EQ(text, "a  c");
}

TEST(WordsCutting, WholeWordsPerLine) {
    Dividers d(u" ");
    EXPECT_EQ(CutStringOnLines("one two three four", 10), "one two|three four|");
    EXPECT_EQ(CutStringOnLines("", 10), "");
    EXPECT_EQ(CutStringOnLines("short", 10), "short|");
}

TEST(WordsCutting, LongWordStandsAlone) {
    Dividers d(u" ");
    EXPECT_EQ(CutStringOnLines("extraordinary a b", 5), "extraordinary|a b|");
    EXPECT_EQ(CutStringOnLines("a extraordinary", 5), "a|extraordinary|");
}

TEST(WordsCutting, DividersAfterACutAreDroppedInsideKept) {
    Dividers d(u" ,");
    EXPECT_EQ(CutStringOnLines("ab, cd,  ef gh", 6), "ab, cd|ef gh|");
    EXPECT_EQ(CutStringOnLines("a b c", 0), "a|b|c|");
}
