#include "platform/text/font.h"

#include "platform/text/muldiv.h"

#include <algorithm>
#include <cmath>

namespace vexo {

TFont::TFont(QObject* parent) : QObject(parent) {
    height_ = -MulDiv(8, pixelsPerInch_, 72);
}

int TFont::Size() const {
    return -MulDiv(height_, 72, pixelsPerInch_);
}

void TFont::SetCharset(int charset) {
    if (charset == charset_)
        return;
    charset_ = charset;
    NotifyChanged();
}

void TFont::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    NotifyChanged();
}

void TFont::SetHeight(int height) {
    if (height == height_)
        return;
    height_ = height;
    NotifyChanged();
}

void TFont::SetName(const QString& name) {
    if (name == name_)
        return;
    name_ = name;
    NotifyChanged();
}

void TFont::SetPitch(TFontPitch pitch) {
    if (pitch == pitch_)
        return;
    pitch_ = pitch;
    NotifyChanged();
}

void TFont::SetSize(int size) {
    SetHeight(-MulDiv(size, pixelsPerInch_, 72));
}

void TFont::SetStyle(TFontStyles style) {
    if (style == style_)
        return;
    style_ = style;
    NotifyChanged();
}

void TFont::SetPixelsPerInch(int pixelsPerInch) {
    pixelsPerInch_ = std::max(pixelsPerInch, 1);
}

void TFont::Assign(const TFont& source) {
    if (&source == this)
        return;
    const bool same = charset_ == source.charset_ && color_ == source.color_ &&
                      height_ == source.height_ && name_ == source.name_ &&
                      pitch_ == source.pitch_ && style_ == source.style_;
    if (same)
        return;
    charset_ = source.charset_;
    color_ = source.color_;
    height_ = source.height_;
    name_ = source.name_;
    pitch_ = source.pitch_;
    style_ = source.style_;
    NotifyChanged();
}

void TFont::NotifyChanged() {
    if (OnChange)
        OnChange(this);
    Q_EMIT Changed();
}

} // namespace vexo
