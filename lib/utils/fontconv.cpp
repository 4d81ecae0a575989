#include "utils/fontconv.h"

#include "platform/text/colortext.h"
#include "utils/convutils.h"
#include "utils/words.h"

namespace vexo {

QString FontStyleToStr(TFontStyles style) {
    if (!style)
        return QStringLiteral("N");
    QString text;
    if (style & fsBold)
        text += QLatin1Char('B');
    if (style & fsItalic)
        text += QLatin1Char('I');
    if (style & fsUnderline)
        text += QLatin1Char('U');
    if (style & fsStrikeOut)
        text += QLatin1Char('S');
    return text;
}

TFontStyles StrToFontStyle(const QString& text) {
    TFontStyles style;
    if (text.contains(QLatin1Char('B')))
        style |= fsBold;
    if (text.contains(QLatin1Char('I')))
        style |= fsItalic;
    if (text.contains(QLatin1Char('U')))
        style |= fsUnderline;
    if (text.contains(QLatin1Char('S')))
        style |= fsStrikeOut;
    return style;
}

QString FontToStr(const TFont* font) {
    if (font == nullptr)
        return QString();
    return font->Name() + QLatin1Char(',') + ColorToString(font->Color()) + QLatin1Char(',') +
           FontStyleToStr(font->Style()) + QLatin1Char(',') + QString::number(font->Size());
}

void StrToFont(const QString& text, TFont* font) {
    if (font == nullptr)
        return;
    SetDivisers(SetOfChars{QLatin1Char(',')});
    const TColor color = StringToColor(GetWordInfo(text, 2).Text);
    bool error = false;
    const int size = WStrToInt(GetWordInfo(text, 4).Text, error);
    TFont read;
    read.SetPixelsPerInch(font->PixelsPerInch());
    read.SetCharset(font->Charset());
    read.SetPitch(font->Pitch());
    read.SetName(GetWordInfo(text, 1).Text);
    read.SetColor(color);
    read.SetStyle(StrToFontStyle(GetWordInfo(text, 3).Text));
    read.SetSize(size);
    font->Assign(read);
}

} // namespace vexo
