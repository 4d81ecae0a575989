#include "platform/text/floatformat.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "platform/runtime/exception.h"
#include "platform/text/formatsettings.h"

using namespace vexo;

namespace {

// Pins the separators for a test and restores the process settings afterwards.
class FloatFormatTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = FormatSettings();
        FormatSettings().DecimalSeparator = QLatin1Char('.');
        FormatSettings().ThousandSeparator = QLatin1Char(',');
        FormatSettings().CurrencyString = QStringLiteral("$");
    }
    void TearDown() override { FormatSettings() = saved_; }
    static void UseComma() {
        FormatSettings().DecimalSeparator = QLatin1Char(',');
        FormatSettings().ThousandSeparator = QLatin1Char(' ');
    }

private:
    TFormatSettings saved_;
};

struct FloatCase {
    double value;
    TFloatFormat format;
    int precision;
    int digits;
    const char* expected;
};

class FloatToStrFTable : public FloatFormatTest, public ::testing::WithParamInterface<FloatCase> {};

TEST_P(FloatToStrFTable, ProducesTheClassicText) {
    const FloatCase& c = GetParam();
    EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits), QString(c.expected))
        << c.value << " format " << c.format << " precision " << c.precision << " digits "
        << c.digits;
}

INSTANTIATE_TEST_SUITE_P(
    General, FloatToStrFTable,
    ::testing::Values(
        FloatCase{0, ffGeneral, 15, 0, "0"}, FloatCase{1.5, ffGeneral, 15, 0, "1.5"},
        FloatCase{-1.5, ffGeneral, 15, 0, "-1.5"}, FloatCase{0.1 + 0.2, ffGeneral, 15, 0, "0.3"},
        FloatCase{999999999999999.0, ffGeneral, 15, 0, "999999999999999"},
        FloatCase{1e15, ffGeneral, 15, 0, "1E15"}, FloatCase{1e20, ffGeneral, 15, 0, "1E20"},
        FloatCase{0.0001, ffGeneral, 15, 0, "0.0001"}, FloatCase{0.00001, ffGeneral, 15, 0, "1E-5"},
        FloatCase{-1.5e-10, ffGeneral, 15, 0, "-1.5E-10"},
        FloatCase{123456789012345678.0, ffGeneral, 15, 0, "1.23456789012346E17"},
        FloatCase{123.456, ffGeneral, 4, 0, "123.5"},
        FloatCase{12345.0, ffGeneral, 4, 0, "1.235E4"}, FloatCase{1234.0, ffGeneral, 4, 0, "1234"},
        FloatCase{9.99999, ffGeneral, 3, 0, "10"},
        // precision is capped at 18 and raised to 2
        FloatCase{0.1, ffGeneral, 40, 0, "0.100000000000000006"},
        FloatCase{1.26, ffGeneral, 0, 0, "1.3"},
        // digits: the least number of exponent digits (0..4) of the scientific form
        FloatCase{1e20, ffGeneral, 15, 4, "1E0020"}, FloatCase{1e20, ffGeneral, 15, 9, "1E0020"},
        FloatCase{1e20, ffGeneral, 15, -1, "1E20"},
        FloatCase{-1.5e-10, ffGeneral, 15, 3, "-1.5E-010"},
        FloatCase{1e100, ffGeneral, 15, 2, "1E100"}, FloatCase{123.5, ffGeneral, 15, 4, "123.5"}));

INSTANTIATE_TEST_SUITE_P(Exponent, FloatToStrFTable,
                         ::testing::Values(FloatCase{1234.5, ffExponent, 4, 2, "1.235E+03"},
                                           FloatCase{-1234.5, ffExponent, 4, 2, "-1.235E+03"},
                                           FloatCase{0.00012, ffExponent, 3, 0, "1.20E-4"},
                                           FloatCase{0, ffExponent, 4, 2, "0.000E+00"},
                                           FloatCase{1e100, ffExponent, 2, 9, "1.0E+0100"}));

INSTANTIATE_TEST_SUITE_P(
    FixedNumberCurrency, FloatToStrFTable,
    ::testing::Values(FloatCase{2.5, ffFixed, 15, 0, "3"}, FloatCase{-2.5, ffFixed, 15, 0, "-3"},
                      FloatCase{0.125, ffFixed, 15, 2, "0.13"},
                      FloatCase{1.005, ffFixed, 15, 2, "1.00"}, // 1.00499999... in binary
                      FloatCase{1.5, ffFixed, 15, 3, "1.500"},
                      FloatCase{-0.0001, ffFixed, 15, 2, "0.00"},
                      FloatCase{0.5, ffFixed, 15, 0, "1"}, FloatCase{0.4, ffFixed, 15, 0, "0"},
                      FloatCase{1.23456789, ffFixed, 4, 6, "1.235000"},
                      FloatCase{123456.0, ffFixed, 5, 2, "1.2346E5"}, // more integer digits
                      FloatCase{1.0, ffFixed, 15, 30, "1.000000000000000000"},
                      FloatCase{1234567.891, ffNumber, 15, 2, "1,234,567.89"},
                      FloatCase{-123.0, ffNumber, 15, 0, "-123"},
                      FloatCase{999.999, ffNumber, 15, 2, "1,000.00"},
                      FloatCase{1234.5, ffCurrency, 15, 2, "$1,234.50"},
                      FloatCase{-1.0, ffCurrency, 15, 2, "($1.00)"}));

TEST_F(FloatFormatTest, NotANumberAndInfinities) {
    EXPECT_EQ(FloatToStr(std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(FloatToStr(std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(FloatToStrF(-std::numeric_limits<double>::infinity(), ffFixed, 15, 2), "-INF");
    EXPECT_EQ(FormatFloat("0.00", std::numeric_limits<double>::infinity()), "INF");
}

TEST_F(FloatFormatTest, SeparatorsAreReadAtCallTime) {
    EXPECT_EQ(FloatToStr(2.5), "2.5");
    UseComma();
    EXPECT_EQ(FloatToStr(2.5), "2,5");
    EXPECT_EQ(FloatToStrF(1234567.5, ffNumber, 15, 1), "1 234 567,5");
    EXPECT_EQ(FloatToStrF(1.5e-7, ffGeneral, 15, 0), "1,5E-7");
    EXPECT_EQ(FormatFloat("#,##0.00", 1234.5), "1 234,50");
}

TEST_F(FloatFormatTest, SmallestAndLargestDoubles) {
    EXPECT_EQ(FloatToStr(std::numeric_limits<double>::max()), "1.79769313486232E308");
    EXPECT_EQ(FloatToStr(std::numeric_limits<double>::denorm_min()), "4.94065645841247E-324");
    EXPECT_EQ(FloatToStrF(std::numeric_limits<double>::denorm_min(), ffFixed, 15, 2), "0.00");
}

struct PatternCase {
    const char* pattern;
    double value;
    const char* expected;
};

class FormatFloatTable : public FloatFormatTest,
                         public ::testing::WithParamInterface<PatternCase> {};

TEST_P(FormatFloatTable, FollowsThePattern) {
    const PatternCase& c = GetParam();
    EXPECT_EQ(FormatFloat(QString::fromUtf8(c.pattern), c.value), QString(c.expected))
        << "pattern " << c.pattern << " value " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Placeholders, FormatFloatTable,
    ::testing::Values(PatternCase{"", 1234.5, "1234.5"}, PatternCase{"0", 1234.5, "1235"},
                      PatternCase{"0", 2.5, "3"}, PatternCase{"0.00", 1234.5, "1234.50"},
                      PatternCase{"#.##", 0.5, ".5"}, PatternCase{"0.##", 1.0, "1"},
                      PatternCase{"0.##", 1.256, "1.26"},
                      PatternCase{"#,##0.00", 1234567.891, "1,234,567.89"},
                      PatternCase{"#,##0", 999.6, "1,000"}, PatternCase{"000", 7, "007"},
                      PatternCase{"00.0#", 3.1, "03.1"}, PatternCase{"#", 123, "123"},
                      PatternCase{"0.00", -0.001, "0.00"}, PatternCase{"0", -7.0, "-7"},
                      PatternCase{"#-##", 1234, "12-34"}));

INSTANTIATE_TEST_SUITE_P(Scientific, FormatFloatTable,
                         ::testing::Values(PatternCase{"0.00E+00", 1234.5, "1.23E+03"},
                                           PatternCase{"0.00E+00", 0.00012345, "1.23E-04"},
                                           PatternCase{"0.00E-00", 1234.5, "1.23E03"},
                                           PatternCase{"0.00e-0", 0.00012345, "1.23e-4"},
                                           PatternCase{"00.0E+0", 1234.5, "12.3E+2"},
                                           PatternCase{"0.0E+0", 0.0, "0.0E+0"},
                                           PatternCase{"0.0E+0000000", 5e100, "5.0E+0100"}));

INSTANTIATE_TEST_SUITE_P(SectionsAndLiterals, FormatFloatTable,
                         ::testing::Values(PatternCase{"0.0;(0.0)", -2.25, "(2.3)"},
                                           PatternCase{"0.0;(0.0)", 2.25, "2.3"},
                                           PatternCase{"0.0;;'zero'", -2.25, "-2.3"},
                                           PatternCase{"0.0;(0.0);'zero'", 0.0, "zero"},
                                           PatternCase{"0.0;(0.0);'zero'", 0.01, "zero"},
                                           PatternCase{"0.0;(0.0);'zero'", -0.01, "zero"},
                                           PatternCase{"'#';0", 5, "#"},
                                           PatternCase{"\"a;b\" 0", 5, "a;b 5"},
                                           PatternCase{"$#,##0.00", -5, "-$5.00"},
                                           PatternCase{"0 'kg'", 12.4, "12 kg"}));

TEST_F(FloatFormatTest, StrToFloatAcceptsTheClassicForms) {
    EXPECT_DOUBLE_EQ(StrToFloat("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(StrToFloat("  -1.5  "), -1.5);
    EXPECT_DOUBLE_EQ(StrToFloat("+2"), 2.0);
    EXPECT_DOUBLE_EQ(StrToFloat(".5"), 0.5);
    EXPECT_DOUBLE_EQ(StrToFloat("5."), 5.0);
    EXPECT_DOUBLE_EQ(StrToFloat("1.5e3"), 1500.0);
    EXPECT_DOUBLE_EQ(StrToFloat("1.5E-3"), 0.0015);
    EXPECT_DOUBLE_EQ(StrToFloat("1e-400"), 0.0);
}

TEST_F(FloatFormatTest, StrToFloatRejectsWithTheConvertMessage) {
    for (const char* bad : {"", " ", "abc", "1.2.3", "1,5", "1e", "1e+", "--1", "1 2", "inf", "nan",
                            "1e400", "0x10"}) {
        double value = 42;
        EXPECT_FALSE(TryStrToFloat(QString::fromLatin1(bad), value)) << bad;
        EXPECT_EQ(value, 42) << "value changed by a failed conversion of " << bad;
    }
    try {
        StrToFloat("1.2.3");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'1.2.3' is not a valid floating point value");
    }
}

TEST_F(FloatFormatTest, StrToFloatUsesTheCurrentDecimalSeparator) {
    UseComma();
    EXPECT_DOUBLE_EQ(StrToFloat("2,5"), 2.5);
    double value = 0;
    EXPECT_FALSE(TryStrToFloat("2.5", value));
    EXPECT_EQ(StrToFloat(FloatToStr(-1.25e-7)), -1.25e-7);
}

TEST_F(FloatFormatTest, StrToIntReadsDecimalAndHexadecimal) {
    EXPECT_EQ(StrToInt("123"), 123);
    EXPECT_EQ(StrToInt("  -45"), -45);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("$ff"), 255);
    EXPECT_EQ(StrToInt("0x1F"), 31);
    EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
}

TEST_F(FloatFormatTest, StrToIntRejectsWithTheConvertMessage) {
    for (const char* bad : {"", "-", "$", "12 ", "1.0", "2147483648", "-2147483649", "$100000000",
                            "ff", "1e3", "99999999999999999999"}) {
        int value = 42;
        EXPECT_FALSE(TryStrToInt(QString::fromLatin1(bad), value)) << bad;
        EXPECT_EQ(value, 42) << bad;
        EXPECT_EQ(StrToIntDef(QString::fromLatin1(bad), -3), -3) << bad;
    }
    try {
        StrToInt("12a");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'12a' is not a valid integer value");
    }
}

TEST_F(FloatFormatTest, IntToStrWritesDecimal) {
    EXPECT_EQ(IntToStr(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(IntToStr(qint64(1) << 40), "1099511627776");
}

} // namespace
