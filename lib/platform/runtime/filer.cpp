#include "platform/runtime/filer.h"

namespace vexo {

EReadError::EReadError(int line, const QString& message)
    : EFilerError(QStringLiteral("Line %1: %2").arg(line).arg(message)), line_(line),
      reason_(message) {}

TFiler::~TFiler() = default;

} // namespace vexo
