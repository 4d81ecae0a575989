#include "dates/daynames.h"

#include "platform/text/formatsettings.h"

namespace vexo {

namespace {

struct DayNameTables {
    TvexoDayNames shortNames, longNames;
    DayNameTables() { Fill(); }

    // The settings list Sunday first; Monday-first element d is settings index d mod 7.
    void Fill() {
        const TFormatSettings& s = FormatSettings();
        for (int day = 1; day <= 7; ++day) {
            const int index = day % 7;
            shortNames.Names[day - 1] = s.ShortDayNames.value(index);
            longNames.Names[day - 1] = s.LongDayNames.value(index);
        }
    }
};

DayNameTables& Tables() {
    static DayNameTables tables;
    return tables;
}

} // namespace

const QString& TvexoDayNames::operator[](int day) const {
    static const QString none;
    return day >= 1 && day <= 7 ? Names[day - 1] : none;
}

const TvexoDayNames& vexoShortDayNames() {
    return Tables().shortNames;
}

const TvexoDayNames& vexoLongDayNames() {
    return Tables().longNames;
}

void vexoInitDayNames() {
    Tables().Fill();
}

} // namespace vexo
