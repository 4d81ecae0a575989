#pragma once
// A classic time format (the letters of FormatDateTime) as a Qt display format for the time
// edits: h hh hours, n nn (or m mm right after an hour) minutes, s ss seconds, z zzz
// milliseconds, am/pm a/p ampm the 12-hour clock with its marker, : the time separator,
// "..." '...' literal text.

#include <QString>

#include "platform/text/formatsettings.h"
#include "vexo/calendar_export.h"

namespace vexo {

// Qt has no one-letter marker, so a/p shows the whole am/pm text like am/pm: "AP" when the
// specifier is written in capitals ("ampm" follows the case of TimeAMString), "ap" otherwise.
// Qt's hours follow the 12-hour clock once a marker stands anywhere in the format. Letters of
// the date (d, y, m not after an hour, c) have no field in a time edit and are left out.
VEXO_CALENDAR_EXPORT QString QtTimeFormat(const QString& format, const TFormatSettings& settings);

} // namespace vexo
