#pragma once
// A font description: name, colour, style, size (points) or height (pixels), character set and
// pitch, with a change notification. Size and Height are two views of one value:
// Height = -Size * PixelsPerInch / 72, rounded to the nearest pixel.

#include <QObject>
#include <QString>

#include "platform/runtime/notifyevent.h"
#include "platform/runtime/types.h"
#include "vexo/platform_export.h"

namespace vexo {

class VEXO_PLATFORM_EXPORT TFont : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Charset READ Charset WRITE SetCharset)
    Q_PROPERTY(vexo::TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(TFontPitch Pitch READ Pitch WRITE SetPitch)
    Q_PROPERTY(int Size READ Size WRITE SetSize STORED false)
    Q_PROPERTY(TFontStyles Style READ Style WRITE SetStyle)

public:
    enum TFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
    Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
    Q_FLAG(TFontStyles)
    enum TFontPitch { fpDefault = 0, fpVariable = 1, fpFixed = 2 };
    Q_ENUM(TFontPitch)

    static constexpr int DefaultCharset = 1;
    static constexpr int DefaultPixelsPerInch = 96;

    explicit TFont(QObject* parent = nullptr);

    int Charset() const { return charset_; }
    TColor Color() const { return color_; }
    int Height() const { return height_; }
    QString Name() const { return name_; }
    TFontPitch Pitch() const { return pitch_; }
    int Size() const;
    TFontStyles Style() const { return style_; }
    int PixelsPerInch() const { return pixelsPerInch_; }

    // Each setter returns at once when nothing changes; otherwise it stores the value and
    // notifies (OnChange, then the Changed signal).
    void SetCharset(int charset);
    void SetColor(TColor color);
    void SetHeight(int height);
    void SetName(const QString& name);
    void SetPitch(TFontPitch pitch);
    void SetSize(int size);
    void SetStyle(TFontStyles style);
    // Keeps Height; Size reads through the new resolution. Values below 1 are taken as 1.
    void SetPixelsPerInch(int pixelsPerInch);

    // Copies every property of `source` (not the resolution), notifying once when any differs.
    void Assign(const TFont& source);

    TNotifyEvent OnChange;

Q_SIGNALS:
    void Changed();

private:
    void NotifyChanged();

    int charset_ = DefaultCharset;
    TColor color_ = clWindowText;
    int height_ = 0;
    QString name_ = QStringLiteral("MS Sans Serif");
    TFontPitch pitch_ = fpDefault;
    TFontStyles style_;
    int pixelsPerInch_ = DefaultPixelsPerInch;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TFont::TFontStyles)

using TFontStyle = TFont::TFontStyle;
using TFontStyles = TFont::TFontStyles;
using TFontPitch = TFont::TFontPitch;
using enum TFont::TFontStyle;
using enum TFont::TFontPitch;

} // namespace vexo
