#pragma once
// Colours as text: the identifier of a named colour ("clBtnFace") where one exists, else "$"
// and eight hexadecimal digits.

#include <QString>

#include "platform/runtime/types.h"
#include "vexo/platform_export.h"

namespace vexo {

// The identifier of a named colour; false when the colour has none.
VEXO_PLATFORM_EXPORT bool ColorToIdent(TColor color, QString& ident);
// The colour of an identifier, compared without regard to case; false when unknown.
VEXO_PLATFORM_EXPORT bool IdentToColor(const QString& ident, TColor& color);
VEXO_PLATFORM_EXPORT QString ColorToString(TColor color);
// An identifier or an integer text (decimal or "$" hexadecimal); anything else raises
// EConvertError "'<text>' is not a valid integer value".
VEXO_PLATFORM_EXPORT TColor StringToColor(const QString& text);

} // namespace vexo
