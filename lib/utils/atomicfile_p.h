#pragma once
// The one way the utilities replace a file: written under a temporary name, synced and renamed,
// so that a failure leaves the former file as it was.

#include <QByteArray>
#include <QString>

#include "vexo/utils_export.h"

namespace vexo {

// False when the file cannot be written; `reason` (when given) then receives the system's
// explanation. The folder must exist.
VEXO_UTILS_EXPORT bool SaveFileAtomically(const QString& fileName, const QByteArray& data,
                                          QString* reason = nullptr);

} // namespace vexo
