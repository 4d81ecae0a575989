#pragma once
// Deterministic settings for the date tests: the process-wide format settings replaced for the
// lifetime of the object, and the clock fixed.

#include "platform/text/formatsettings.h"
#include "support/fixedclock.h"

class SettingsScope {
public:
    explicit SettingsScope(const vexo::TFormatSettings& s) : saved_(vexo::FormatSettings()) {
        vexo::FormatSettings() = s;
    }
    ~SettingsScope() { vexo::FormatSettings() = saved_; }
    SettingsScope(const SettingsScope&) = delete;
    SettingsScope& operator=(const SettingsScope&) = delete;

private:
    vexo::TFormatSettings saved_;
};

// English names; the caller picks separator and formats.
inline vexo::TFormatSettings EnglishSettings(QChar separator, const QString& shortDate) {
    vexo::TFormatSettings s = vexo::TFormatSettings::Defaults();
    s.DateSeparator = separator;
    s.ShortDateFormat = shortDate;
    s.LongTimeFormat = "hh:nn:ss";
    s.TimeSeparator = ':';
    return s;
}
