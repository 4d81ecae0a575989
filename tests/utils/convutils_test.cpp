#include "utils/convutils.h"

#include <gtest/gtest.h>

#include "platform/text/formatsettings.h"

using namespace vexo;

namespace {

// Sets the system decimal separator for one test.
class DecimalSeparator {
public:
    explicit DecimalSeparator(QChar c) : saved_(FormatSettings().DecimalSeparator) {
        FormatSettings().DecimalSeparator = c;
    }
    ~DecimalSeparator() { FormatSettings().DecimalSeparator = saved_; }

private:
    QChar saved_;
};

} // namespace

TEST(ConvBooleans, TextForms) {
    EXPECT_EQ(BoolToStr(true), "1");
    EXPECT_EQ(BoolToStr(false), "0");
    for (const char* yes : {"yes", "YES", "Y", "y", "t", "True", "1"})
        EXPECT_TRUE(StrToBool(yes)) << yes;
    for (const char* no : {"on", "", "0", "no", "false", "yess", " 1"})
        EXPECT_FALSE(StrToBool(no)) << no;
}

TEST(ConvAlignments, AlignmentByName) {
    for (TAlignment a : {taLeftJustify, taRightJustify, taCenter})
        EXPECT_EQ(StrToAlignment(AlignmentToStr(a)), a);
    EXPECT_EQ(AlignmentToStr(taRightJustify), "taRightJustify");
    EXPECT_EQ(StrToAlignment("taleftjustify"), taLeftJustify);
    EXPECT_EQ(StrToAlignment("whatever"), taCenter);
}

TEST(ConvAlignments, AlignByName) {
    for (TAlign a : {alNone, alTop, alBottom, alLeft, alRight, alClient})
        EXPECT_EQ(StrToAlign(AlignToStr(a)), a);
    EXPECT_EQ(AlignToStr(alBottom), "alBottom");
    EXPECT_EQ(AlignToStr(static_cast<TAlign>(6)), "");
    EXPECT_EQ(StrToAlign("alclient"), alClient);
    EXPECT_EQ(StrToAlign("ALLEFT"), alLeft);
    EXPECT_EQ(StrToAlign("nonsense"), alLeft);
}

TEST(ConvNumbersToText, IntegersWithWidth) {
    EXPECT_EQ(IntToStrF(42, 5), "   42");
    EXPECT_EQ(IntToStrF(-42, 2), "-42");
    EXPECT_EQ(IntToStrF(7, 0), "7");
    EXPECT_EQ(IntToStrF(7, -3), "7");
}

TEST(ConvNumbersToText, FloatsWithDecimals) {
    DecimalSeparator comma(',');
    EXPECT_EQ(FloatToStrF(3.14159, 12, 2, true), "3.14");
    EXPECT_EQ(FloatToStrF(3.14159, 12, 2, false), "3,14");
    EXPECT_EQ(FloatToStrF(-0.5, 1, 0, true), "-1");
    EXPECT_EQ(FloatToStrF(2.5, 1, 0, true), "3");
    EXPECT_EQ(FloatToStrF(1e6, 3, 1, true), "1000000.0");
}

TEST(ConvNumbersToText, SqlFloatAlwaysUsesAPoint) {
    DecimalSeparator comma(',');
    EXPECT_EQ(FloatToSQLFloat(3.14159), "3.142");
    EXPECT_EQ(FloatToSQLFloat(-2), "-2.000");
    EXPECT_EQ(DefSQLFloatWidth, 15);
    EXPECT_EQ(DefSQLFloatDecimals, 3);
    DefSQLFloatDecimals = 1;
    EXPECT_EQ(FloatToSQLFloat(3.14159), "3.1");
    DefSQLFloatDecimals = 3;
}

TEST(ConvTextToNumbers, HexToInt) {
    EXPECT_EQ(HexToInt("ff"), 255);
    EXPECT_EQ(HexToInt("$1A"), 26);
    EXPECT_EQ(HexToInt("zz"), 0);
    EXPECT_EQ(HexToInt(""), 0);
    EXPECT_EQ(HexToInt("1$2"), 0);
}

struct FloatText {
    const char* text;
    bool isFloat;
};

void PrintTo(const FloatText& c, std::ostream* os) {
    *os << "'" << c.text << "'";
}

class IsFloatTable : public ::testing::TestWithParam<FloatText> {};

TEST_P(IsFloatTable, UnderPointAndComma) {
    for (QChar separator : {QChar('.'), QChar(',')}) {
        DecimalSeparator s(separator);
        EXPECT_EQ(IsFloat(GetParam().text), GetParam().isFloat)
            << GetParam().text << " with " << separator.toLatin1();
    }
}

INSTANTIATE_TEST_SUITE_P(
    EdgeTexts, IsFloatTable,
    ::testing::Values(FloatText{"1.5", true}, FloatText{"1.5e", false}, FloatText{"1.5e3", true},
                      FloatText{"1.2.3", false}, FloatText{"", false}, FloatText{"   ", false},
                      FloatText{" 2 . 5 ", true}, FloatText{"-1", true}, FloatText{"1-2", true},
                      FloatText{"--", true}, FloatText{"+1", false}, FloatText{"1e5e", false},
                      FloatText{"1e2.5", false}, FloatText{"E", false}, FloatText{"e5", true},
                      FloatText{"1x", false}, FloatText{".", true}, FloatText{"١", false}));

TEST(ConvTextToNumbers, IsFloatTakesTheSystemSeparator) {
    DecimalSeparator comma(',');
    EXPECT_TRUE(IsFloat("1,5"));
    EXPECT_FALSE(IsFloat("1,5.2"));
    DecimalSeparator point('.');
    EXPECT_FALSE(IsFloat("1,5"));
}

struct IntegerText {
    const char* text;
    bool isInteger;
};

void PrintTo(const IntegerText& c, std::ostream* os) {
    *os << "'" << c.text << "'";
}

class IsIntegerTable : public ::testing::TestWithParam<IntegerText> {};

TEST_P(IsIntegerTable, Placements) {
    EXPECT_EQ(IsInteger(GetParam().text), GetParam().isInteger) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(EdgeTexts, IsIntegerTable,
                         ::testing::Values(IntegerText{"", true}, IntegerText{"12", true},
                                           IntegerText{"-12", true}, IntegerText{"  12", true},
                                           IntegerText{"12  ", true}, IntegerText{" - 12 ", true},
                                           IntegerText{"  -12", true}, IntegerText{"1 2", false},
                                           IntegerText{"12-", false}, IntegerText{"--1", false},
                                           IntegerText{"- -1", false}, IntegerText{"+1", false},
                                           IntegerText{"1.0", false}, IntegerText{"12 -", false},
                                           IntegerText{"-", true}));

TEST(ConvTextToNumbers, WStrToIntReportsThroughTheFlag) {
    bool error = true;
    EXPECT_EQ(WStrToInt(" - 12 ", error), -12);
    EXPECT_FALSE(error);
    EXPECT_EQ(WStrToInt("2147483647", error), 2147483647);
    EXPECT_FALSE(error);
    for (const char* bad : {"1 2", "", "-", "2147483648", "abc", "$10"}) {
        error = false;
        EXPECT_EQ(WStrToInt(bad, error), 0) << bad;
        EXPECT_TRUE(error) << bad;
    }
}

TEST(ConvTextToNumbers, WStrToFloatUnderAnySeparator) {
    for (QChar separator : {QChar('.'), QChar(',')}) {
        DecimalSeparator s(separator);
        bool error = true;
        EXPECT_DOUBLE_EQ(WStrToFloat("  2.5  ", error), 2.5);
        EXPECT_FALSE(error);
        EXPECT_DOUBLE_EQ(WStrToFloat("-1.5e3", error), -1500);
        EXPECT_FALSE(error);
        for (const char* bad : {"1-2", "1.5e", "", "--1", "x"}) {
            error = false;
            EXPECT_EQ(WStrToFloat(bad, error), 0) << bad;
            EXPECT_TRUE(error) << bad;
        }
    }
    DecimalSeparator comma(',');
    bool error = true;
    EXPECT_DOUBLE_EQ(WStrToFloat("2,5", error), 2.5);
    EXPECT_FALSE(error);
}
