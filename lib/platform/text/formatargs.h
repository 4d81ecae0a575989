#pragma once
// The framework's format strings: "%" [index ":"] ["-"] [width] ["." precision] type, where
// index, width and precision may be "*" (taken from the next argument) and type is one of
//   d  integer, precision = least number of digits      u  the same, unsigned
//   e  scientific, precision significant digits (15)    f  fixed, precision decimals (2)
//   g  general, precision significant digits (15)       n  fixed with thousand separators (2)
//   m  money (FloatToStrF's currency form, 2 decimals)  p  pointer, 8 hex digits
//   s  text, precision = most characters taken          x  hex, precision = least digits
// in either letter case; "%%" is a percent sign. The width pads with blanks on the left, or on
// the right after "-". Numbers use FormatSettings() at the moment of the call.

#include <QString>
#include <QVariantList>

#include "vexo/platform_export.h"

namespace vexo {

// Raises EConvertError "Format '<format>' invalid or incompatible with argument" for a broken
// specifier or an argument of the wrong kind, and "No argument for format '<format>'" when
// the arguments run out: never reads past them.
VEXO_PLATFORM_EXPORT QString Format(const QString& format, const QVariantList& args);

} // namespace vexo
