#include "platform/text/formatargs.h"

#include <gtest/gtest.h>

#include "platform/runtime/exception.h"
#include "platform/text/muldiv.h"

using namespace vexo;

TEST(Format, SpecifiersAsTheFrameworkWritesThem) {
    const struct {
        const char* format;
        QVariantList args;
        const char* expected;
    } cases[] = {
        {"%d files, %s", {12, QString("done")}, "12 files, done"},
        {"[%5d|%-5d|%.3d]", {-7, 42, 5}, "[   -7|42   |005]"},
        {"%x %.4X %p", {255, 10, 4096}, "FF 000A 00001000"},
        {"%.2f %n %g", {3.14159, 1234567.5, 0.5}, "3.14 1,234,567.50 0.5"},
        {"%e", {1234.5}, "1.23450000000000E+003"},
        {"%1:s %0:s %s", {QString("a"), QString("b")}, "b a b"},
        {"%*d|%.*s", {4, 7, 2, QString("abc")}, "   7|ab"},
        {"100%%", {}, "100%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Format(QString::fromLatin1(c.format), c.args), QString::fromLatin1(c.expected))
            << c.format;
}

TEST(Format, BrokenFormatsAndMissingArgumentsRaiseInsteadOfReadingOn) {
    const struct {
        const char* format;
        QVariantList args;
    } cases[] = {{"%d %d", {1}}, {"%s", {}},  {"%d", {QString("x")}},  {"%s", {3}},
                 {"%q", {1}},    {"%5", {1}}, {"%.2f", {QString("1")}}};
    for (const auto& c : cases)
        EXPECT_THROW(Format(QString::fromLatin1(c.format), c.args), EConvertError) << c.format;
}

TEST(MulDiv, RoundsHalfAwayFromZero) {
    EXPECT_EQ(MulDiv(8, 7, 4), 14);
    EXPECT_EQ(MulDiv(10, 13, 8), 16); // 16.25
    EXPECT_EQ(MulDiv(14, 13, 8), 23); // 22.75
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);  // -2.5
}
