#pragma once
// The parts of the system version that tests feed with text of their own.

#include <QByteArray>
#include <QString>

#include "vexo/utils_export.h"

namespace vexo {

// The display name of an os-release file's contents (shell-style KEY=value lines, values
// optionally quoted); "Linux" when it names nothing.
VEXO_UTILS_EXPORT QString OsReleaseName(const QByteArray& osRelease);
// "6.1.0-18-amd64" gives 6 and 1; a release without numbers gives 0 and 0.
VEXO_UTILS_EXPORT void KernelVersion(const QString& release, int& major, int& minor);
// "<os name> (kernel <release>)", or the name alone when the release is empty.
VEXO_UTILS_EXPORT QString SystemVersionText(const QString& osName, const QString& release);

} // namespace vexo
