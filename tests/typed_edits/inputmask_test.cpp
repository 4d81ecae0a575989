// The input mask apart from the edit: empty texts, AM/PM modes, dividers and the field rules.
#include "typed_edits/inputmask.h"

#include <gtest/gtest.h>

using vexo::TInputMask;

namespace {

TInputMask Masked(const QString& mask) {
    TInputMask m;
    m.SetMask(mask);
    return m;
}

} // namespace

TEST(InputMask, EmptyTextAndAmPmMode) {
    struct Case {
        const char* mask;
        const char* empty;
        int mode;
    };
    // The C locale's AM string has two characters.
    const Case cases[] = {
        {"hh:mm", "__:__", 0},          {"dd.MM.yyyy", "__.__.____", 0},
        {"hh:mm am/pm", "__:__ __", 1}, {"hh:mm a/p", "__:__ _", 2},
        {"hh:mm ampm", "__:__ __", 3},  {"(000) 00-00", "(___) __-__", 0},
    };
    for (const Case& c : cases) {
        const TInputMask m = Masked(c.mask);
        EXPECT_EQ(m.EmptyText(QLatin1Char('_')), QString(c.empty)) << c.mask;
        EXPECT_EQ(m.AmPmMode(), c.mode) << c.mask;
    }
    EXPECT_EQ(Masked("hh:mm").EmptyText(QLatin1Char('*')), "**:**");
}

TEST(InputMask, DividersAreTheMaskCharactersThatStandForNothing) {
    const TInputMask date = Masked("dd.MM.yyyy");
    EXPECT_TRUE(date.IsDivider(QLatin1Char('.')));
    EXPECT_FALSE(date.IsDivider(QLatin1Char('d')));
    EXPECT_TRUE(date.IsDividerAt(2));
    EXPECT_FALSE(date.IsDividerAt(3));
    // With an AM/PM suffix "p" stands for input and the slash of the suffix is a divider.
    const TInputMask ampm = Masked("hh:mm am/pm");
    EXPECT_FALSE(ampm.IsDivider(QLatin1Char('p')));
    EXPECT_TRUE(ampm.IsDivider(QLatin1Char('/')));
    EXPECT_TRUE(Masked("hh:mm").IsDivider(QLatin1Char(':')));
}

TEST(InputMask, FieldRulesOfEachPosition) {
    struct Case {
        const char* mask;
        const char* text;
        int pos;
        char key;
        bool accepted;
    };
    const Case cases[] = {
        // Hours: 0-2 first, after a 2 only 0-3; with AM/PM 0-1 first, after a 1 only 0-2.
        {"hh:mm", "__:__", 0, '2', true},
        {"hh:mm", "__:__", 0, '3', false},
        {"hh:mm", "2_:__", 1, '3', true},
        {"hh:mm", "2_:__", 1, '5', false},
        {"hh:mm", "1_:__", 1, '9', true},
        {"hh:mm am/pm", "__:__ __", 0, '2', false},
        {"hh:mm am/pm", "1_:__ __", 1, '3', false},
        {"hh:mm am/pm", "1_:__ __", 1, '2', true},
        // Minutes and seconds: first digit 0-5.
        {"hh:mm", "12:__", 3, '6', false},
        {"hh:mm", "12:__", 3, '5', true},
        {"hh:mm:ss", "12:30:__", 6, '6', false},
        // Days 0-3, then 0-1 after a 3; months 0-1, then 0-2 after a 1.
        {"dd.MM.yyyy", "__.__.____", 0, '4', false},
        {"dd.MM.yyyy", "3_.__.____", 1, '2', false},
        {"dd.MM.yyyy", "3_.__.____", 1, '1', true},
        {"dd.MM.yyyy", "12.__.____", 3, '2', false},
        {"dd.MM.yyyy", "12.1_.____", 4, '3', false},
        {"dd.MM.yyyy", "12.1_.____", 4, '2', true},
        {"dd.MM.yyyy", "12.12.____", 6, '9', true},
        // Letters never go into digit positions, dividers take nothing, blank always fits.
        {"dd.MM.yyyy", "__.__.____", 0, 'x', false},
        {"dd.MM.yyyy", "__.__.____", 2, '1', false},
        {"dd.MM.yyyy", "1_.__.____", 1, '_', true},
        {"(000)", "(___)", 1, 'a', false},
        {"aaa", "___", 0, 'Q', true},
        // The AM/PM suffix: A or P, then M.
        {"hh:mm am/pm", "11:30 __", 6, 'p', true},
        {"hh:mm am/pm", "11:30 __", 6, 'x', false},
        {"hh:mm am/pm", "11:30 p_", 7, 'M', true},
        {"hh:mm am/pm", "11:30 p_", 7, 'A', false},
        {"hh:mm a/p", "11:30 _", 6, 'A', true},
        {"hh:mm ampm", "11:30 __", 7, 'M', true},
        {"hh:mm ampm", "11:30 __", 6, 'Q', false},
        {"hh:mm", "12:30", 5, '1', false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Masked(c.mask).Accepts(QLatin1Char(c.key), c.pos, c.text, QLatin1Char('_')),
                  c.accepted)
            << c.mask << " " << c.text << " @" << c.pos << " " << c.key;
}
