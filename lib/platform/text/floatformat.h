#pragma once
// The classic number/text conversions: float to text in the float formats, format-by-pattern,
// and the strict text-to-number conversions that raise EConvertError. The decimal and thousand
// separators (and the currency string) come from FormatSettings() at the moment of each call.

#include <QString>

#include "vexo/platform_export.h"

namespace vexo {

enum TFloatFormat { ffGeneral = 0, ffExponent = 1, ffFixed = 2, ffNumber = 3, ffCurrency = 4 };

// Largest number of significant digits the conversions produce.
inline constexpr int MaxFloatPrecision = 18;

// `value` as text in `format`:
// - ffGeneral: the shortest form with at most `precision` significant digits, in scientific
//   form ("1.5E-10", "1E20") when the decimal exponent is >= precision or < -4, whose exponent
//   has at least `digits` (0..4) digits (1E20 with digits 4: "1E0020").
// - ffExponent: "-d.dddE+dd" with `precision` significant digits and at least `digits` (0..4)
//   exponent digits.
// - ffFixed: "-ddd.ddd" with `digits` (0..18) decimals; ffNumber adds thousand separators;
//   ffCurrency is ffNumber with the currency string in front ("$1,234.50", negative "($1.00)").
//   These fall back to ffGeneral (exponent digits 0) when the value has more than `precision`
//   integer digits.
// `precision` is clamped to 2..18. NaN gives "NAN", infinities "INF" and "-INF".
VEXO_PLATFORM_EXPORT QString FloatToStrF(double value, TFloatFormat format, int precision,
                                         int digits);
// FloatToStrF(value, ffGeneral, 15, 0).
VEXO_PLATFORM_EXPORT QString FloatToStr(double value);

// `value` formatted by a classic pattern: "0" digit (always shown), "#" digit (shown when
// significant), "." the decimal separator, "," thousand grouping anywhere in the integer part,
// "E+" "E-" "e+" "e-" followed by up to four "0" a scientific form, '...' and "..." literal
// text, any other character literal. Up to three sections separated by ";": positive,
// negative (empty: the positive one with a leading "-"), zero. An empty pattern gives
// FloatToStr(value).
VEXO_PLATFORM_EXPORT QString FormatFloat(const QString& pattern, double value);

// Strict conversions: optional blanks around, optional sign, digits with at most one
// FormatSettings().DecimalSeparator, optional exponent ("E", "e", optional sign, digits).
// StrToFloat raises EConvertError "'<text>' is not a valid floating point value".
VEXO_PLATFORM_EXPORT bool TryStrToFloat(const QString& text, double& value);
VEXO_PLATFORM_EXPORT double StrToFloat(const QString& text);

// 32-bit integers: optional leading blanks, optional sign, decimal digits or hexadecimal after
// "$" / "0x" (hexadecimal up to FFFFFFFF, read as the 32-bit pattern). StrToInt raises
// EConvertError "'<text>' is not a valid integer value".
VEXO_PLATFORM_EXPORT bool TryStrToInt(const QString& text, int& value);
VEXO_PLATFORM_EXPORT int StrToInt(const QString& text);
VEXO_PLATFORM_EXPORT int StrToIntDef(const QString& text, int defaultValue);

VEXO_PLATFORM_EXPORT QString IntToStr(int value);
VEXO_PLATFORM_EXPORT QString IntToStr(qint64 value);

} // namespace vexo
