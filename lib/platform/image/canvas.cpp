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

#include "platform/image/pixelformat.h"
#include "platform/image/ropengine.h"

namespace vexo {

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

bool DirectlyPaintable(const TBitmap& b) {
    return b.BitCount() == 24 || (b.BitCount() == 32 && b.BitFields().IsDefault());
}

TRect Intersect(const TRect& a, const TRect& b) {
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
    if (r.Right < r.Left)
        r.Right = r.Left;
    if (r.Bottom < r.Top)
        r.Bottom = r.Top;
    return r;
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

// The pen modes as ternary codes whose truth tables read only the pattern (the pen, P) and
// the destination (D): the classic binary raster operations, run by the one raster engine.
constexpr std::uint32_t PenModeRops[] = {
    0x00000042, // pmBlack: 0
    0x00FF0062, // pmWhite: 1
    0x00AA0029, // pmNop: D
    0x00550009, // pmNot: ~D
    0x00F00021, // pmCopy: P
    0x000F0001, // pmNotCopy: ~P
    0x005A0049, // pmXor: P ^ D
};

// The pixels a pen stroke covers, gathered before any is changed: a pixel covered twice
// (where a frame's sides meet, or a curve doubles back) is still combined once, so that
// drawing twice with pmXor or pmNot restores the picture exactly.
class TPenCoverage {
public:
    explicit TPenCoverage(const TBitmap& target)
        : mask_(target.Width(), target.Height(), QImage::Format_Grayscale8) {
        mask_.fill(0);
    }

    void Set(int x, int y) {
        if (x >= 0 && y >= 0 && x < mask_.width() && y < mask_.height())
            mask_.scanLine(y)[x] = 0xFF;
    }
    void SetRect(const TRect& r) {
        for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, mask_.height()); ++y)
            for (int x = std::max(r.Left, 0); x < std::min(r.Right, mask_.width()); ++x)
                mask_.scanLine(y)[x] = 0xFF;
    }
    // For QPainter: draw in white, aliased, to cover.
    QImage& Mask() { return mask_; }

    // Every covered pixel := mode(pen, pixel), bitwise on the raw pixel values of the
    // target's format (palette indices for paletted targets).
    void Apply(TBitmap& target, TColor pen, TPenMode mode) const {
        if (unsigned(mode) >= std::size(PenModeRops)) // not a mode: nothing is drawn
            return;
        const TPixelFormat format = TPixelFormat::Of(target);
        TRopRowCombiner rop(format, format, PenModeRops[mode], pen);
        const int bits = target.BitCount();
        for (int y = 0; y < mask_.height(); ++y) {
            const std::uint8_t* m = mask_.constScanLine(y);
            for (int x = 0; x < mask_.width();) {
                if (m[x] == 0) {
                    ++x;
                    continue;
                }
                const int start = x;
                while (x < mask_.width() && m[x] != 0)
                    ++x;
                if (bits >= 8) {
                    rop.CombineRow(target.ScanLine(y) + std::size_t(start) * std::size_t(bits / 8),
                                   nullptr, 0, x - start);
                    continue;
                }
                // Pixels smaller than a byte: one at a time, in the high bits of a byte as a
                // row of one pixel holds it.
                for (int px = start; px < x; ++px) {
                    std::uint8_t cell = std::uint8_t(target.PixelValue(px, y) << (8 - bits));
                    rop.CombineRow(&cell, nullptr, 0, 1);
                    target.SetPixelValue(px, y, std::uint32_t(cell) >> (8 - bits));
                }
            }
        }
    }

private:
    QImage mask_;
};

// Bresenham from `from` up to, not including, `to`, as GDI draws lines.
template <typename Plot> void WalkLine(TPoint from, TPoint to, Plot&& plot) {
    int x0 = from.X, y0 = from.Y;
    const int x = to.X, y = to.Y;
    const int dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
    const int dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
    int err = dx + dy;
    while (x0 != x || y0 != y) {
        plot(x0, y0);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
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

template <typename Paint> void TCanvas::PaintWith(Paint&& paint) {
    if (!target_ || target_->Width() == 0 || target_->Height() == 0)
        return;
    if (DirectlyPaintable(*target_)) {
        QImage view(target_->ScanLine(0), target_->Width(), target_->Height(), target_->RowBytes(),
                    target_->BitCount() == 24 ? QImage::Format_BGR888 : QImage::Format_RGB32);
        QPainter p(&view);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        paint(p);
        return;
    }
    // Other formats: paint on a colour copy and map the changed pixels back.
    const QImage before = BitmapToQImage(*target_);
    QImage image = before.copy();
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        paint(p);
    }
    for (int y = 0; y < image.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (a[x] != b[x])
                target_->SetPixelValue(x, y, RgbToPixelValue(*target_, FromQColor(QColor(b[x]))));
    }
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
    if (target_ && Pen.Mode == pmCopy) {
        const std::uint32_t v = RgbToPixelValue(*target_, ColorToRGB(Pen.Color));
        WalkLine(penPos_, TPoint{x, y}, [&](int px, int py) {
            if (px >= 0 && py >= 0 && px < target_->Width() && py < target_->Height())
                target_->SetPixelValue(px, py, v);
        });
    } else if (target_ && Pen.Mode != pmNop) {
        TPenCoverage line(*target_);
        WalkLine(penPos_, TPoint{x, y}, [&](int px, int py) { line.Set(px, py); });
        line.Apply(*target_, ColorToRGB(Pen.Color), Pen.Mode);
    }
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

void TCanvas::TextOut(int x, int y, const QString& text) {
    const TRect all = target_ ? ClipRect() : TRect{};
    TextRect(all, x, y, text);
}

void TCanvas::TextRect(const TRect& clip, int x, int y, const QString& text) {
    TextRectRotated(clip, x, y, text, 0);
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
    return QFontMetrics(ToQFont(Font)).horizontalAdvance(text);
}

// The cell height of the font; like GDI it does not depend on the letters.
int TCanvas::TextHeight(const QString&) const {
    return QFontMetrics(ToQFont(Font)).height();
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
        Transfer(dest, snapshot, sourceRect);
    } else {
        Transfer(dest, *source.target_, sourceRect);
    }
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
    Transfer(Bounds(x, y, bitmap.Width(), bitmap.Height()), bitmap,
             Rect(0, 0, bitmap.Width(), bitmap.Height()));
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& bitmap) {
    Transfer(dest, bitmap, Rect(0, 0, bitmap.Width(), bitmap.Height()));
}

void TCanvas::Transfer(const TRect& dest, const TBitmap& source, const TRect& sourceRect) {
    if (!target_ || dest.Width() <= 0 || dest.Height() <= 0 || sourceRect.Width() <= 0 ||
        sourceRect.Height() <= 0)
        return;
    const TColor pattern = ColorToRGB(Brush.Color);
    const TRect srcBounds = Rect(0, 0, source.Width(), source.Height());
    if (dest.Width() == sourceRect.Width() && dest.Height() == sourceRect.Height()) {
        // Same size: clip both rectangles together against their bitmaps.
        TRect d = Intersect(dest, ClipRect());
        TRect s =
            Rect(sourceRect.Left + (d.Left - dest.Left), sourceRect.Top + (d.Top - dest.Top),
                 sourceRect.Left + (d.Right - dest.Left), sourceRect.Top + (d.Bottom - dest.Top));
        const TRect sc = Intersect(s, srcBounds);
        d = Rect(d.Left + (sc.Left - s.Left), d.Top + (sc.Top - s.Top),
                 d.Right - (s.Right - sc.Right), d.Bottom - (s.Bottom - sc.Bottom));
        if (d.Width() <= 0 || d.Height() <= 0)
            return;
        if (d.Left == 0 && d.Top == 0 && sc.Left == 0 && sc.Top == 0) {
            RopBlt(*target_, source, d.Width(), d.Height(), CopyMode, pattern);
            return;
        }
        TBitmap dpart = CopyRegion(*target_, d.Left, d.Top, d.Width(), d.Height());
        const TBitmap spart = CopyRegion(source, sc.Left, sc.Top, sc.Width(), sc.Height());
        RopBlt(dpart, spart, d.Width(), d.Height(), CopyMode, pattern);
        PasteRegion(*target_, dpart, d.Left, d.Top);
        return;
    }
    // Stretching: sample the source (nearest pixel) into a bitmap of the destination size.
    const TRect d = Intersect(dest, ClipRect());
    if (d.Width() <= 0 || d.Height() <= 0 || source.Width() == 0 || source.Height() == 0)
        return;
    TBitmap scaled = EmptyLike(source, d.Width(), d.Height());
    for (int y = 0; y < d.Height(); ++y) {
        const int sy = sourceRect.Top + int(std::int64_t(y + d.Top - dest.Top) *
                                            sourceRect.Height() / dest.Height());
        for (int x = 0; x < d.Width(); ++x) {
            const int sx = sourceRect.Left + int(std::int64_t(x + d.Left - dest.Left) *
                                                 sourceRect.Width() / dest.Width());
            if (sx >= 0 && sy >= 0 && sx < source.Width() && sy < source.Height())
                scaled.SetPixelValue(x, y, source.PixelValue(sx, sy));
        }
    }
    TBitmap dpart = CopyRegion(*target_, d.Left, d.Top, d.Width(), d.Height());
    RopBlt(dpart, scaled, d.Width(), d.Height(), CopyMode, pattern);
    PasteRegion(*target_, dpart, d.Left, d.Top);
}

} // namespace vexo
