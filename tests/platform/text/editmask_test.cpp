#include "platform/text/editmask.h"

#include <gtest/gtest.h>

#include "platform/text/formatsettings.h"

using namespace vexo;

namespace {

struct TFormatRow {
    const char* mask;
    const char* value;
    const char* shown;
};

void PrintTo(const TFormatRow& c, std::ostream* os) {
    *os << '"' << c.mask << "\" / \"" << c.value << '"';
}

} // namespace

class FormatMaskTextTable : public ::testing::TestWithParam<TFormatRow> {
protected:
    void SetUp() override {
        saved_ = FormatSettings();
        FormatSettings().DateSeparator = QLatin1Char('.');
        FormatSettings().TimeSeparator = QLatin1Char(':');
    }
    void TearDown() override { FormatSettings() = saved_; }

private:
    TFormatSettings saved_;
};

TEST_P(FormatMaskTextTable, ShowsTheValueThroughTheMask) {
    const TFormatRow& c = GetParam();
    EXPECT_EQ(FormatMaskText(QString::fromUtf8(c.mask), QString::fromUtf8(c.value)),
              QString::fromUtf8(c.shown));
}

INSTANTIATE_TEST_SUITE_P(
    Masks, FormatMaskTextTable,
    ::testing::Values(
        // An empty mask leaves the text as it is.
        TFormatRow{"", "abc", "abc"},
        // Literals put in when the text holds only what was typed ...
        TFormatRow{"000-0000;0;_", "5551234", "555-1234"},
        TFormatRow{"(999) 000-0000;0;_", "2125551234", "(212) 555-1234"},
        // ... and taken over, or put in where missing, when it holds them too.
        TFormatRow{"000-0000;1;_", "555-1234", "555-1234"},
        TFormatRow{"000-0000;1;_", "5551234", "555-1234"},
        TFormatRow{"000-0000", "555-1234", "555-1234"},
        // Unfilled positions show the blank character; the default blank is "_".
        TFormatRow{"000-0000;0;*", "55", "55*-****"}, TFormatRow{"000-0000;0", "55", "55_-____"},
        TFormatRow{"000-0000;0;", "55", "55_-____"},
        // "!" fills from the right.
        TFormatRow{"!99999;0; ", "42", "   42"}, TFormatRow{"!999-99;0;_", "123", "__1-23"},
        // Case conversion and its end.
        TFormatRow{">LL<ll;0;_", "abCD", "ABcd"}, TFormatRow{">L<>L;0;_", "ab", "Ab"},
        // Escaped placeholders and ";" are literals; "_" is a blank.
        TFormatRow{"\\0\\;00;0;_", "12", "0;12"}, TFormatRow{"LL_00;0;*", "ab12", "ab 12"},
        // Date and time separators from the format settings.
        TFormatRow{"00/00/0000;0;_", "01022024", "01.02.2024"},
        TFormatRow{"!90:00;0;_", "930", "_9:30"},
        // Characters beyond the mask are not hidden.
        TFormatRow{"00;0;_", "12345", "12345"}, TFormatRow{"00-0;1;_", "12-34", "12-34"},
        // Every class placeholder takes a position (no checking while showing).
        TFormatRow{"LlAaCc09#;0;.", "xy1z?!45-", "xy1z?!45-"}));

TEST(EditMask, FieldsAreRead) {
    const TEditMask mask(QStringLiteral("!>00\\;0;0;*"));
    EXPECT_FALSE(mask.SaveLiterals());
    EXPECT_EQ(mask.BlankChar(), QLatin1Char('*'));
    EXPECT_TRUE(mask.FillFromRight());
    ASSERT_EQ(mask.Positions().size(), 4);
    EXPECT_EQ(mask.Positions()[2].Literal, QLatin1Char(';'));
    EXPECT_EQ(mask.Positions()[0].Case, TMaskCase::Upper);
    EXPECT_TRUE(TEditMask(QStringLiteral("0")).SaveLiterals());
}

struct TAcceptCase {
    char placeholder;
    const char* accepted;
    const char* refused;
    bool required;
};

class MaskCharClasses : public ::testing::TestWithParam<TAcceptCase> {};

TEST_P(MaskCharClasses, AcceptOnlyTheirCharacters) {
    const TAcceptCase& c = GetParam();
    const TEditMask mask{QString(QLatin1Char(c.placeholder))};
    ASSERT_EQ(mask.Positions().size(), 1);
    const TMaskPosition& p = mask.Positions()[0];
    EXPECT_EQ(p.Required, c.required);
    for (const char* ch = c.accepted; *ch; ++ch)
        EXPECT_TRUE(p.Accepts(QLatin1Char(*ch))) << c.placeholder << " refuses " << *ch;
    for (const char* ch = c.refused; *ch; ++ch)
        EXPECT_FALSE(p.Accepts(QLatin1Char(*ch))) << c.placeholder << " accepts " << *ch;
}

INSTANTIATE_TEST_SUITE_P(
    Placeholders, MaskCharClasses,
    ::testing::Values(TAcceptCase{'L', "aZ", "1 -", true}, TAcceptCase{'l', "q", "7", false},
                      TAcceptCase{'A', "a9", " -", true}, TAcceptCase{'a', "Q0", "?", false},
                      TAcceptCase{'C', "a1 ?", "", true}, TAcceptCase{'c', "-", "", false},
                      TAcceptCase{'0', "09", "a+ ", true}, TAcceptCase{'9', "5", "x", false},
                      TAcceptCase{'#', "3+-", "a ", false}, TAcceptCase{'x', "x", "y", false}));

TEST(EditMask, UnreadableMasksAreRefused) {
    for (const char* bad : {"00\\", "00;2;_", "00;0;ab", "00;0;_;x", "00;yes"})
        EXPECT_THROW(FormatMaskText(QString::fromLatin1(bad), QStringLiteral("12")), EEditMaskError)
            << bad;
}
