#include "graphics/drawtext.h"

#include <algorithm>
#include <memory>

namespace vexo {

namespace {

std::unique_ptr<TBitmap>& TextBitmapSlot() {
    static std::unique_ptr<TBitmap> bitmap; // freed with the library at exit
    return bitmap;
}

// Whether the canvas shows `color` exactly: a paletted or 16-bit target may only come near
// it, and the classic routine then leaves the dithering to its off-screen bitmap.
bool ShownUndithered(const TCanvas& canvas, TColor color) {
    const TBitmap* target = canvas.Bitmap();
    if (target == nullptr || target->BitCount() == 24)
        return true;
    TBitmap probe(1, 1, target->BitCount());
    probe.SetPalette(target->Palette());
    probe.SetBitFields(target->BitFields());
    probe.SetPixelValue(0, 0, RgbToPixelValue(*target, color));
    const std::uint32_t rgb = probe.PixelRgb(0, 0);
    return RGB(std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb)) == color;
}

int AlignmentIndex(TAlignment alignment) {
    return std::clamp(int(alignment), 0, 2);
}

} // namespace

const TBitmap* TextBitmap() {
    return TextBitmapSlot().get();
}

void WriteText(TCanvas& canvas, const TRect& rect, int dx, int dy, const QString& text,
               TAlignment alignment, bool wordWrap, bool rightToLeft) {
    const TColor brush = ColorToRGB(canvas.Brush.Color);
    if (!wordWrap && !text.contains(QLatin1Char('\r')) && ShownUndithered(canvas, brush)) {
        int x = rect.Left + dx;
        if (alignment == taRightJustify)
            x = rect.Right - canvas.TextWidth(text) - 3;
        else if (alignment == taCenter)
            x = rect.Left + rect.Width() / 2 - canvas.TextWidth(text) / 2;
        canvas.TextRect(rect, x, rect.Top + dy, text);
        return;
    }
    std::unique_ptr<TBitmap>& bitmap = TextBitmapSlot();
    if (!bitmap)
        bitmap = std::make_unique<TBitmap>(0, 0, 24);
    const int w = rect.Width(), h = rect.Height();
    if (w > bitmap->Width() || h > bitmap->Height())
        bitmap->Allocate(std::max(w, bitmap->Width()), std::max(h, bitmap->Height()), 24);
    TCanvas off(bitmap.get());
    off.Font.Assign(canvas.Font);
    off.Brush = canvas.Brush;
    off.Brush.Style = bsSolid;
    off.FillRect(Rect(0, 0, w, h));
    off.Brush.Style = bsClear;
    unsigned flags = WriteTextFlags[AlignmentIndex(alignment)];
    if (wordWrap)
        flags |= DT_WORDBREAK;
    if (rightToLeft)
        flags |= DT_RTLREADING;
    TRect inner = Rect(dx, dy, w - 1, h - 1);
    off.DrawText(text, inner, flags);
    canvas.CopyRect(rect, off, Rect(0, 0, w, h));
}

void DrawCellTextEx(TCanvas& canvas, int, int, const QString& text, const TRect& rect,
                    TAlignment alignment, TVertAlignment vertAlignment, bool wordWrap) {
    const int lineHeight = canvas.TextHeight(QStringLiteral("W"));
    int dy = 2;
    if (vertAlignment == vaCenter)
        dy = std::max(1, (rect.Height() - lineHeight) / 2);
    else if (vertAlignment == vaBottomJustify)
        dy = std::max(2, rect.Height() - lineHeight);
    WriteText(canvas, rect, 2, dy, text, alignment, wordWrap, false);
}

void DrawCellText(TCanvas& canvas, int col, int row, const QString& text, const TRect& rect,
                  TAlignment alignment, TVertAlignment vertAlignment) {
    DrawCellTextEx(canvas, col, row, text, rect, alignment, vertAlignment, alignment == taCenter);
}

void DrawCellBitmap(TCanvas& canvas, int, int, const TGraphic& graphic, const TRect& rect) {
    canvas.Draw((rect.Left + rect.Right - graphic.Width()) / 2,
                (rect.Top + rect.Bottom - graphic.Height()) / 2, graphic);
}

QString MinimizeText(const QString& text, const TCanvas& canvas, int maxWidth) {
    QString result = text;
    for (qsizetype i = 1; i <= text.size() && canvas.TextWidth(result) > maxWidth;) {
        ++i;
        result = text.left(std::max<qsizetype>(0, text.size() - i)) + QStringLiteral("...");
    }
    return result;
}

void TextInRect(TCanvas& canvas, const QString& text, const TRect& rect, TAlignment alignment) {
    TRect r = rect;
    canvas.DrawText(text, r, TextInRectFlags[AlignmentIndex(alignment)]);
}

void WrapTextInRect(TCanvas& canvas, const QString& text, const TRect& rect, TAlignment alignment) {
    TRect r = rect;
    canvas.DrawText(text, r, TextInRectFlags[AlignmentIndex(alignment)] | DT_WORDBREAK);
}

void AngleTextInRect(TCanvas& canvas, const QString& text, const TRect& rect, int x, int y,
                     int angle) {
    // The turned font exists only for this output; the canvas font is not touched.
    canvas.TextRectRotated(rect, x, y, text, angle * 10);
}

int GetStrWidth(const TCanvas& canvas, const QString& text) {
    return canvas.TextExtent(text).cx;
}

int GetStrHeight(const TCanvas& canvas, const QString& text) {
    return canvas.TextExtent(text).cy;
}

} // namespace vexo
