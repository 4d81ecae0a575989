#pragma once
// The locale's day names reordered to start on Monday: element 1 is Monday, ..., element 7
// Sunday. The tables are built from FormatSettings() the first time either is used (the
// library's start-up); vexoInitDayNames rebuilds them after a program changes the settings.

#include <QString>
#include <array>

#include "vexo/dates_export.h"

namespace vexo {

class VEXO_DATES_EXPORT TvexoDayNames {
public:
    // Element `day` (1 = Monday ... 7 = Sunday); an empty text outside 1..7.
    const QString& operator[](int day) const;
    std::array<QString, 7> Names;
};

VEXO_DATES_EXPORT const TvexoDayNames& vexoShortDayNames();
VEXO_DATES_EXPORT const TvexoDayNames& vexoLongDayNames();
VEXO_DATES_EXPORT void vexoInitDayNames();

} // namespace vexo
