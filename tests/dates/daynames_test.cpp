#include "dates/daynames.h"

#include <gtest/gtest.h>

#include "dates/dates_support.h"

using namespace vexo;

TEST(DayNames, MondayFirstFromTheSettings) {
    TFormatSettings s = TFormatSettings::Defaults();
    s.ShortDayNames = QStringList{"Вс", "Пн", "Вт", "Ср", "Чт", "Пт", "Сб"};
    s.LongDayNames = QStringList{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    SettingsScope scope(s);
    vexoInitDayNames();
    EXPECT_EQ(vexoShortDayNames()[1], "Пн");
    EXPECT_EQ(vexoShortDayNames()[6], "Сб");
    EXPECT_EQ(vexoShortDayNames()[7], "Вс");
    EXPECT_EQ(vexoLongDayNames()[1], "Mon");
    EXPECT_EQ(vexoLongDayNames()[7], "Sun");
    EXPECT_EQ(vexoLongDayNames()[0], "");
    EXPECT_EQ(vexoLongDayNames()[8], "");
}

TEST(DayNames, BuiltOnceUntilRebuilt) {
    TFormatSettings s = TFormatSettings::Defaults();
    SettingsScope scope(s);
    vexoInitDayNames();
    EXPECT_EQ(vexoLongDayNames()[1], "Monday");
    FormatSettings().LongDayNames[1] = "Lundi";
    EXPECT_EQ(vexoLongDayNames()[1], "Monday");
    vexoInitDayNames();
    EXPECT_EQ(vexoLongDayNames()[1], "Lundi");
}
