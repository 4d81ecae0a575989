#pragma once
// The name and version of the operating system.

#include <QString>

#include "vexo/utils_export.h"

namespace vexo {

// The distribution's name and version from os-release (its PRETTY_NAME, else NAME and
// VERSION; "Linux" when there is none) and the kernel release, as in
// "Debian GNU/Linux 12 (bookworm) (kernel 6.1.0-18-amd64)".
VEXO_UTILS_EXPORT QString WindowsVerStr();
// The kernel's major and minor version numbers (6 and 1 for 6.1.0-18-amd64); 0 when unknown.
VEXO_UTILS_EXPORT void WindowsVer(int& major, int& minor);

} // namespace vexo
