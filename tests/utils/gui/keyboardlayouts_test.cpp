#include "utils/gui/keyboardlayouts.h"

#include <gtest/gtest.h>

#include "utils/gui/xkbsymbols_p.h"

using namespace vexo;

TEST(KeyboardLayouts, LayoutsAreReadFromTheSymbolsName) {
    const QList<QPair<QString, QList<TXkbLayout>>> table{
        {"pc+us+ru:2+inet(evdev)", {{0, "us"}, {1, "ru"}}},
        {"pc+gb+ru(phonetic):2+de(nodeadkeys):3+inet(evdev)+group(alt_shift_toggle)",
         {{0, "gb"}, {1, "ru"}, {2, "de"}}},
        {"pc+ru+us:2+level3(ralt_switch)", {{0, "ru"}, {1, "us"}}},
        {"us", {{0, "us"}}},
        {"pc+inet(evdev)", {}},
        {"pc+us+fr:9", {{0, "us"}}}};
    for (const auto& [symbols, layouts] : table)
        EXPECT_EQ(ParseXkbSymbols(symbols), layouts) << symbols.toStdString();

    const auto layouts = ParseXkbSymbols("pc+gb+ru:2");
    EXPECT_EQ(FindXkbGroup(layouts, {"ru"}), 1);
    EXPECT_EQ(FindXkbGroup(layouts, {"us", "gb"}), 0);
    EXPECT_EQ(FindXkbGroup(layouts, {"de"}), -1);
}

TEST(KeyboardLayouts, WithoutXkbNothingSwitchesAndNothingFails) {
    // The tests run on the offscreen platform: no X display offers XKB.
    EXPECT_FALSE(SwitchToRussian());
    EXPECT_FALSE(SwitchToEnglish());
    EXPECT_FALSE(RestoreLayout());
}
