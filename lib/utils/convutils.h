#pragma once
// Values to and from the text forms the library stores: booleans, alignments, numbers with
// widths, the SQL float form, and tolerant integer and float reading that reports errors
// through a flag instead of an exception.

#include <QString>

#include "platform/text/alignment.h"
#include "vexo/utils_export.h"

namespace vexo {

// Width and decimals of FloatToSQLFloat; process-wide, changeable by a program.
VEXO_UTILS_EXPORT extern int DefSQLFloatWidth;    // 15
VEXO_UTILS_EXPORT extern int DefSQLFloatDecimals; // 3

// "1" / "0".
VEXO_UTILS_EXPORT QString BoolToStr(bool value);
// True for TRUE, T, 1, YES and Y in any case; false for everything else.
VEXO_UTILS_EXPORT bool StrToBool(const QString& text);
VEXO_UTILS_EXPORT QString AlignmentToStr(TAlignment alignment);
// taLeftJustify / taRightJustify by name (any case); everything else is taCenter.
VEXO_UTILS_EXPORT TAlignment StrToAlignment(const QString& text);
// "alNone" ... "alClient"; empty for a value outside the six.
VEXO_UTILS_EXPORT QString AlignToStr(TAlign align);
// alClient, alRight, alNone, alTop, alBottom by name (any case); everything else is alLeft.
VEXO_UTILS_EXPORT TAlign StrToAlign(const QString& text);

// Decimal, right-aligned with leading blanks to at least `width` characters.
VEXO_UTILS_EXPORT QString IntToStrF(int value, int width);
// Fixed-point with `decimals` digits after a "." (negative decimals count as 0) and no
// blanks; the point becomes the system decimal separator unless `keepPoint`. The width only
// pads with blanks, which are then removed, so it does not change the result.
VEXO_UTILS_EXPORT QString FloatToStrF(double value, int width, int decimals, bool keepPoint);
// FloatToStrF(value, DefSQLFloatWidth, DefSQLFloatDecimals, true): 3.14159 gives 3.142.
VEXO_UTILS_EXPORT QString FloatToSQLFloat(double value);

// The text read as hexadecimal ("$" put in front when it holds none); 0 when it does not
// convert.
VEXO_UTILS_EXPORT int HexToInt(const QString& text);
// Blanks dropped and "." read as the decimal separator: digits, "-" anywhere, at most one
// separator and one exponent letter (E/e, not last, no separator after it). "+" is refused.
VEXO_UTILS_EXPORT bool IsFloat(const QString& text);
// Blanks, "-" and digits: optional blanks, an optional "-", optional blanks, digits, optional
// blanks. The empty text counts as an integer (WStrToInt still reports it as an error).
VEXO_UTILS_EXPORT bool IsInteger(const QString& text);
// Value 0 and error set for text that is no integer or does not fit 32 bits.
VEXO_UTILS_EXPORT int WStrToInt(const QString& text, bool& error);
// Blanks dropped, "." read as the decimal separator; value 0 and error set for text that is no
// float.
VEXO_UTILS_EXPORT double WStrToFloat(const QString& text, bool& error);

} // namespace vexo
