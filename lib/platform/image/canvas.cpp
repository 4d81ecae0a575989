#include "platform/image/canvas.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "platform/image/canvas_p.h"
#include "platform/image/pixelformat.h"
#include "platform/image/ropengine.h"

namespace vexo {

using namespace canvas_p;

namespace {

// The classic Windows colours, used when no GUI application supplies a palette.
constexpr TColor ClassicSystemColors[] = {
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000, 0x000000,
    0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xFF9933, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080,
    0x000000, 0x000000, 0xFFFFFF, 0x404040, 0xE3E3E3, 0x000000, 0xE1FFFF,
};

QPalette::ColorRole RoleOf(unsigned index, QPalette::ColorGroup& group) {
    group = QPalette::Active;
    switch (index) {
    case 1:
    case 21:
        return QPalette::Shadow;
    case 2:
    case 13:
        return QPalette::Highlight;
    case 3:
    case 12:
        return QPalette::Mid;
    case 4:
    case 5:
        return QPalette::Base;
    case 6:
        return QPalette::Shadow;
    case 7:
    case 8:
    case 19:
        return QPalette::WindowText;
    case 9:
    case 14:
        return QPalette::HighlightedText;
    case 16:
        return QPalette::Dark;
    case 17:
        group = QPalette::Disabled;
        return QPalette::WindowText;
    case 18:
        return QPalette::ButtonText;
    case 20:
        return QPalette::Light;
    case 22:
        return QPalette::Midlight;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    default: // scroll bar, borders, button face
        return QPalette::Button;
    }
}

TBitmap EmptyLike(const TBitmap& b, int w, int h) {
    TBitmap r;
    r.Allocate(w, h, b.BitCount());
    r.SetPalette(b.Palette());
    r.SetBitFields(b.BitFields());
    return r;
}

// Copies the in-bounds rectangle (x, y, w, h) of `b` into a bitmap of the same format.
TBitmap CopyRegion(const TBitmap& b, int x, int y, int w, int h) {
    TBitmap r = EmptyLike(b, w, h);
    if (b.BitCount() >= 8) {
        const int bpp = b.BitCount() / 8;
        for (int row = 0; row < h; ++row)
            std::memcpy(r.ScanLine(row), b.ScanLine(y + row) + std::size_t(x) * bpp,
                        std::size_t(w) * bpp);
    } else {
        for (int row = 0; row < h; ++row)
            for (int col = 0; col < w; ++col)
                r.SetPixelValue(col, row, b.PixelValue(x + col, y + row));
    }
    return r;
}

void PasteRegion(TBitmap& dst, const TBitmap& r, int x, int y) {
    if (dst.BitCount() >= 8) {
        const int bpp = dst.BitCount() / 8;
        for (int row = 0; row < r.Height(); ++row)
            std::memcpy(dst.ScanLine(y + row) + std::size_t(x) * bpp, r.ScanLine(row),
                        std::size_t(r.Width()) * bpp);
    } else {
        for (int row = 0; row < r.Height(); ++row)
            for (int col = 0; col < r.Width(); ++col)
                dst.SetPixelValue(x + col, y + row, r.PixelValue(col, row));
    }
}

} // namespace

TColor ColorToRGB(TColor color) {
    if ((color & clSystemColor) == 0)
        return color & 0xFFFFFF;
    const unsigned index = color & 0xFF;
    if (index >= std::size(ClassicSystemColors))
        return clBlack;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QPalette::ColorGroup group;
        const QPalette::ColorRole role = RoleOf(index, group);
        return FromQColor(QGuiApplication::palette().color(group, role));
    }
    return ClassicSystemColors[index];
}

QColor ToQColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& color) {
    return RGB(std::uint8_t(color.red()), std::uint8_t(color.green()), std::uint8_t(color.blue()));
}

QString MapFontFamily(const QString& name) {
    static const QStringList sans = {
        QStringLiteral("MS Sans Serif"),  QStringLiteral("MS Shell Dlg"),
        QStringLiteral("MS Shell Dlg 2"), QStringLiteral("Tahoma"),
        QStringLiteral("Arial"),          QStringLiteral("Verdana")};
    if (sans.contains(name, Qt::CaseInsensitive))
        return QStringLiteral("Liberation Sans");
    if (name.compare(QStringLiteral("Courier New"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Mono");
    if (name.compare(QStringLiteral("Times New Roman"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Serif");
    return name;
}

QFont ToQFont(const TFont& font) {
    QFont f(MapFontFamily(font.Name()));
    const int h = font.Height();
    f.setPixelSize(h < 0 ? -h : (h > 0 ? h : 11));
    f.setBold(font.Style().testFlag(fsBold));
    f.setItalic(font.Style().testFlag(fsItalic));
    f.setUnderline(font.Style().testFlag(fsUnderline));
    f.setStrikeOut(font.Style().testFlag(fsStrikeOut));
    // Classic output is aliased; it also keeps inverted (exclusive-or) text crisp.
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

void AssignQFont(TFont& font, const QFont& qfont) {
    font.SetName(qfont.family());
    font.SetHeight(qfont.pixelSize() > 0 ? -qfont.pixelSize()
                                         : -int(std::lround(qfont.pointSizeF() * 96.0 / 72.0)));
    TFontStyles style;
    if (qfont.bold())
        style |= fsBold;
    if (qfont.italic())
        style |= fsItalic;
    if (qfont.underline())
        style |= fsUnderline;
    if (qfont.strikeOut())
        style |= fsStrikeOut;
    font.SetStyle(style);
}

std::uint32_t RgbToPixelValue(const TBitmap& bitmap, TColor rgb) {
    if (bitmap.BitCount() == 32 && bitmap.BitFields().IsDefault())
        // QPainter writes an opaque spare byte; plain fills do the same for consistency.
        return 0xFF000000u | ColorToRgb(rgb);
    return PixelValueOf(TPixelFormat::Of(bitmap), ColorToRgb(rgb));
}

QImage BitmapToQImage(const TBitmap& bitmap) {
    const int w = bitmap.Width(), h = bitmap.Height();
    if (w == 0 || h == 0)
        return QImage();
    if (bitmap.BitCount() == 24)
        return QImage(bitmap.ScanLine(0), w, h, bitmap.RowBytes(), QImage::Format_BGR888)
            .convertToFormat(QImage::Format_RGB32);
    if (bitmap.BitCount() == 32 && bitmap.BitFields().IsDefault())
        return QImage(bitmap.ScanLine(0), w, h, bitmap.RowBytes(), QImage::Format_RGB32).copy();
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = 0xFF000000u | bitmap.PixelRgb(x, y);
    }
    return image;
}

TBitmap BitmapFromQImage(const QImage& image, TColor background) {
    TBitmap bitmap(image.width(), image.height(), 24);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(ToQColor(background));
    {
        QPainter p(&flat);
        p.drawImage(0, 0, image);
    }
    for (int y = 0; y < flat.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(flat.constScanLine(y));
        for (int x = 0; x < flat.width(); ++x)
            bitmap.SetPixelValue(x, y, line[x] & 0xFFFFFFu);
    }
    return bitmap;
}

TCanvas::TCanvas(TBitmap* target) : target_(target) {}

TRect TCanvas::ClipRect() const {
    return target_ ? Rect(0, 0, target_->Width(), target_->Height()) : TRect{};
}

template <typename Trace> void TCanvas::PaintShape(Trace&& draw) {
    if (Pen.Mode == pmCopy) {
        PaintWith([&](QPainter& p) {
            p.setPen(QPen(ToQColor(Pen.Color), 0));
            p.setBrush(Brush.Style == bsSolid ? QBrush(ToQColor(Brush.Color)) : QBrush());
            draw(p);
        });
        return;
    }
    // The interior as before, with the brush; then the outline's coverage, drawn by the same
    // rasteriser into a mask, combined with the pen's raster operation.
    if (Brush.Style == bsSolid)
        PaintWith([&](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QBrush(ToQColor(Brush.Color)));
            draw(p);
        });
    if (!target_ || target_->Width() == 0 || target_->Height() == 0 || Pen.Mode == pmNop)
        return;
    TPenCoverage outline(*target_);
    {
        QPainter p(&outline.Mask());
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::white, 0));
        p.setBrush(Qt::NoBrush);
        draw(p);
    }
    outline.Apply(*target_, ColorToRGB(Pen.Color), Pen.Mode);
}

void TCanvas::FillRect(const TRect& rect) {
    if (!target_)
        return;
    const TRect r = Intersect(rect, ClipRect());
    const std::uint32_t v = RgbToPixelValue(*target_, ColorToRGB(Brush.Color));
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            target_->SetPixelValue(x, y, v);
}

void TCanvas::FrameRect(const TRect& rect) {
    if (rect.Right <= rect.Left || rect.Bottom <= rect.Top)
        return;
    FillRect(Rect(rect.Left, rect.Top, rect.Right, rect.Top + 1));
    FillRect(Rect(rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom));
    FillRect(Rect(rect.Left, rect.Top, rect.Left + 1, rect.Bottom));
    FillRect(Rect(rect.Right - 1, rect.Top, rect.Right, rect.Bottom));
}

void TCanvas::Rectangle(const TRect& rect) {
    if (rect.Right <= rect.Left || rect.Bottom <= rect.Top)
        return;
    const TBrush saved = Brush;
    if (Brush.Style == bsSolid)
        FillRect(Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1));
    if (Pen.Mode != pmCopy) {
        if (target_ && Pen.Mode != pmNop) {
            TPenCoverage outline(*target_);
            outline.SetRect(Rect(rect.Left, rect.Top, rect.Right, rect.Top + 1));
            outline.SetRect(Rect(rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom));
            outline.SetRect(Rect(rect.Left, rect.Top, rect.Left + 1, rect.Bottom));
            outline.SetRect(Rect(rect.Right - 1, rect.Top, rect.Right, rect.Bottom));
            outline.Apply(*target_, ColorToRGB(Pen.Color), Pen.Mode);
        }
        return;
    }
    Brush.Color = Pen.Color;
    FrameRect(rect);
    Brush = saved;
}

void TCanvas::MoveTo(int x, int y) {
    penPos_ = TPoint{x, y};
}

void TCanvas::LineTo(int x, int y) {
    Polyline({penPos_, TPoint{x, y}});
    penPos_ = TPoint{x, y};
}

void TCanvas::Ellipse(const TRect& rect) {
    if (rect.Right - rect.Left < 2 || rect.Bottom - rect.Top < 2)
        return;
    const QRect box(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1);
    PaintShape([&](QPainter& p) { p.drawEllipse(box); });
}

void TCanvas::Pie(const TRect& rect, TPoint start, TPoint end) {
    if (rect.Right - rect.Left < 2 || rect.Bottom - rect.Top < 2)
        return;
    const double cx = (rect.Left + rect.Right) / 2.0, cy = (rect.Top + rect.Bottom) / 2.0;
    // Degrees counter-clockwise from three o'clock, y growing downward on screen.
    auto angleOf = [&](TPoint p) {
        return std::atan2(-(p.Y - cy), p.X - cx) * 180.0 / std::numbers::pi;
    };
    const double a0 = angleOf(start);
    double span = angleOf(end) - a0;
    while (span <= 0)
        span += 360.0;
    const QRect box(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1);
    const int startAngle = int(std::lround(a0 * 16)), spanAngle = int(std::lround(span * 16));
    PaintShape([&](QPainter& p) { p.drawPie(box, startAngle, spanAngle); });
}

void TCanvas::Polyline(const QList<TPoint>& points) {
    if (!target_ || points.size() < 2 || Pen.Mode == pmNop)
        return;
    if (Pen.Mode == pmCopy) {
        const std::uint32_t v = RgbToPixelValue(*target_, ColorToRGB(Pen.Color));
        for (qsizetype i = 1; i < points.size(); ++i)
            WalkLine(points[i - 1], points[i], [&](int px, int py) {
                if (px >= 0 && py >= 0 && px < target_->Width() && py < target_->Height())
                    target_->SetPixelValue(px, py, v);
            });
        return;
    }
    TPenCoverage line(*target_);
    for (qsizetype i = 1; i < points.size(); ++i)
        WalkLine(points[i - 1], points[i], [&](int px, int py) { line.Set(px, py); });
    line.Apply(*target_, ColorToRGB(Pen.Color), Pen.Mode);
}

void TCanvas::Polygon(const QList<TPoint>& points) {
    if (points.size() < 2)
        return;
    QPolygon polygon;
    for (const TPoint& p : points)
        polygon << QPoint(p.X, p.Y);
    PaintShape([&](QPainter& p) { p.drawPolygon(polygon, Qt::OddEvenFill); });
}

void TCanvas::TextOut(int x, int y, const QString& text) {
    const TRect all = target_ ? ClipRect() : TRect{};
    TextRectRotated(all, x, y, text, 0);
}

void TCanvas::TextRect(const TRect& clip, int x, int y, const QString& text) {
    // The brush fills the whole rectangle, not only the text's cell, as an opaque clipped
    // text output does.
    if (Brush.Style == bsSolid)
        FillRect(clip);
    const TBrushStyle style = Brush.Style;
    Brush.Style = bsClear;
    TextRectRotated(clip, x, y, text, 0);
    Brush.Style = style;
}

void TCanvas::TextRectRotated(const TRect& clip, int x, int y, const QString& text,
                              int escapement) {
    if (text.isEmpty())
        return;
    PaintWith([&](QPainter& p) {
        const QFont f = ToQFont(Font);
        const QFontMetrics fm(f);
        p.setClipRect(QRect(clip.Left, clip.Top, clip.Width(), clip.Height()));
        p.translate(x, y);
        if (escapement != 0)
            p.rotate(-escapement / 10.0);
        if (Brush.Style == bsSolid)
            p.fillRect(QRect(0, 0, fm.horizontalAdvance(text), fm.height()), ToQColor(Brush.Color));
        p.setFont(f);
        p.setPen(ToQColor(Font.Color()));
        p.drawText(0, fm.ascent(), text);
    });
}

int TCanvas::TextWidth(const QString& text) const {
    return TextExtent(text).cx;
}

int TCanvas::TextHeight(const QString& text) const {
    return TextExtent(text).cy;
}

// The height is the font's cell height; like GDI it does not depend on the letters.
TSize TCanvas::TextExtent(const QString& text) const {
    const QFontMetrics fm(ToQFont(Font));
    return TSize{fm.horizontalAdvance(text), fm.height()};
}

TColor TCanvas::Pixel(int x, int y) const {
    if (!target_ || x < 0 || y < 0 || x >= target_->Width() || y >= target_->Height())
        return clNone;
    const std::uint32_t rgb = target_->PixelRgb(x, y);
    return RGB(std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    if (!target_ || x < 0 || y < 0 || x >= target_->Width() || y >= target_->Height())
        return;
    target_->SetPixelValue(x, y, RgbToPixelValue(*target_, ColorToRGB(color)));
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect) {
    if (!source.target_)
        return;
    if (source.target_ == target_) {
        // Source and destination may overlap: read from a snapshot.
        const TBitmap snapshot = *source.target_;
        Transfer(dest, snapshot, sourceRect, CopyMode);
    } else {
        Transfer(dest, *source.target_, sourceRect, CopyMode);
    }
}

void TCanvas::CopyRect(const TRect& dest, const TBitmap& source, const TRect& sourceRect) {
    if (&source == target_) {
        const TBitmap snapshot = source;
        Transfer(dest, snapshot, sourceRect, CopyMode);
    } else {
        Transfer(dest, source, sourceRect, CopyMode);
    }
}

void TCanvas::TransparentCopy(const TRect& dest, const TBitmap& source, const TRect& sourceRect,
                              TColor transparentColor) {
    const TKeyFill fill = transparentColor == clNone ? TKeyFill::None : TKeyFill::Destination;
    if (&source == target_) {
        const TBitmap snapshot = source;
        Transfer(dest, snapshot, sourceRect, cmSrcCopy, fill, transparentColor);
    } else {
        Transfer(dest, source, sourceRect, cmSrcCopy, fill, transparentColor);
    }
}

void TCanvas::BrushCopy(const TRect& dest, const TBitmap& source, const TRect& sourceRect,
                        TColor color) {
    if (&source == target_) {
        const TBitmap snapshot = source;
        Transfer(dest, snapshot, sourceRect, cmSrcCopy, TKeyFill::Brush, color);
    } else {
        Transfer(dest, source, sourceRect, cmSrcCopy, TKeyFill::Brush, color);
    }
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic) {
    graphic.Draw(*this, Bounds(x, y, graphic.Width(), graphic.Height()));
}

void TCanvas::StretchDraw(const TRect& dest, const TGraphic& graphic) {
    graphic.Draw(*this, dest);
}

void TCanvas::DrawFocusRect(const TRect& rect) {
    if (!target_ || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    TPenCoverage dots(*target_);
    auto dot = [&](int x, int y) {
        if ((x - rect.Left + y - rect.Top) % 2 == 0)
            dots.Set(x, y);
    };
    for (int x = rect.Left; x < rect.Right; ++x) {
        dot(x, rect.Top);
        dot(x, rect.Bottom - 1);
    }
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        dot(rect.Left, y);
        dot(rect.Right - 1, y);
    }
    dots.Apply(*target_, clBlack, pmNot);
}

void TCanvas::Transfer(const TRect& dest, const TBitmap& source, const TRect& sourceRect,
                       std::uint32_t rop, TKeyFill keyFill, TColor key) {
    if (!target_ || dest.Width() <= 0 || dest.Height() <= 0 || sourceRect.Width() <= 0 ||
        sourceRect.Height() <= 0 || source.Width() == 0 || source.Height() == 0)
        return;
    const TColor pattern = ColorToRGB(Brush.Color);
    const TRect srcBounds = Rect(0, 0, source.Width(), source.Height());
    TRect d;
    TBitmap spart;
    if (dest.Width() == sourceRect.Width() && dest.Height() == sourceRect.Height()) {
        // Same size: clip both rectangles together against their bitmaps.
        d = Intersect(dest, ClipRect());
        TRect s =
            Rect(sourceRect.Left + (d.Left - dest.Left), sourceRect.Top + (d.Top - dest.Top),
                 sourceRect.Left + (d.Right - dest.Left), sourceRect.Top + (d.Bottom - dest.Top));
        const TRect sc = Intersect(s, srcBounds);
        d = Rect(d.Left + (sc.Left - s.Left), d.Top + (sc.Top - s.Top),
                 d.Right - (s.Right - sc.Right), d.Bottom - (s.Bottom - sc.Bottom));
        if (d.Width() <= 0 || d.Height() <= 0)
            return;
        if (keyFill == TKeyFill::None && d.Left == 0 && d.Top == 0 && sc.Left == 0 && sc.Top == 0) {
            RopBlt(*target_, source, d.Width(), d.Height(), rop, pattern);
            return;
        }
        spart = CopyRegion(source, sc.Left, sc.Top, sc.Width(), sc.Height());
    } else {
        // Stretching: sample the source (nearest pixel) into a bitmap of the destination size.
        d = Intersect(dest, ClipRect());
        if (d.Width() <= 0 || d.Height() <= 0)
            return;
        spart = EmptyLike(source, d.Width(), d.Height());
        for (int y = 0; y < d.Height(); ++y) {
            const int sy = sourceRect.Top + int(std::int64_t(y + d.Top - dest.Top) *
                                                sourceRect.Height() / dest.Height());
            for (int x = 0; x < d.Width(); ++x) {
                const int sx = sourceRect.Left + int(std::int64_t(x + d.Left - dest.Left) *
                                                     sourceRect.Width() / dest.Width());
                if (sx >= 0 && sy >= 0 && sx < source.Width() && sy < source.Height())
                    spart.SetPixelValue(x, y, source.PixelValue(sx, sy));
            }
        }
    }
    TBitmap dpart = CopyRegion(*target_, d.Left, d.Top, d.Width(), d.Height());
    const TBitmap before = keyFill == TKeyFill::Destination ? dpart : TBitmap();
    RopBlt(dpart, spart, d.Width(), d.Height(), rop, pattern);
    if (keyFill != TKeyFill::None) {
        // The key is compared as a colour, so equal palette entries count alike.
        const std::uint32_t keyRgb = ColorToRgb(ColorToRGB(key));
        const std::uint32_t brush = RgbToPixelValue(dpart, ColorToRGB(Brush.Color));
        for (int y = 0; y < d.Height(); ++y)
            for (int x = 0; x < d.Width(); ++x)
                if (spart.PixelRgb(x, y) == keyRgb)
                    dpart.SetPixelValue(
                        x, y, keyFill == TKeyFill::Brush ? brush : before.PixelValue(x, y));
    }
    PasteRegion(*target_, dpart, d.Left, d.Top);
}

} // namespace vexo
