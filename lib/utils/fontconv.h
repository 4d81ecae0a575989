#pragma once
// Fonts and font styles as the library stores them in text:
// name,colour,style,size — "MS Sans Serif,clWindowText,N,8".

#include <QString>

#include "platform/text/font.h"
#include "vexo/utils_export.h"

namespace vexo {

// "N" for no style, else B, I, U, S for the members present, in this order.
VEXO_UTILS_EXPORT QString FontStyleToStr(TFontStyles style);
// The styles whose capital letter B, I, U or S occurs anywhere; other characters are ignored.
VEXO_UTILS_EXPORT TFontStyles StrToFontStyle(const QString& text);
// Empty for a null font.
VEXO_UTILS_EXPORT QString FontToStr(const TFont* font);
// Nothing for a null font. Sets the word dividers to the comma alone and reads name, colour,
// style and size (0 when it is no integer). A colour that does not convert raises
// EConvertError before the font is touched.
VEXO_UTILS_EXPORT void StrToFont(const QString& text, TFont* font);

} // namespace vexo
