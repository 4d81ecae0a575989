#pragma once
// Pieces the canvas's source files share: the paint bracket over the target's buffer, pen
// coverage masks and line walking.

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "platform/image/canvas.h"
#include "platform/image/pixelformat.h"
#include "platform/image/ropengine.h"

namespace vexo {
namespace canvas_p {

inline bool DirectlyPaintable(const TBitmap& b) {
    return b.BitCount() == 24 || (b.BitCount() == 32 && b.BitFields().IsDefault());
}

inline TRect Intersect(const TRect& a, const TRect& b) {
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
    if (r.Right < r.Left)
        r.Right = r.Left;
    if (r.Bottom < r.Top)
        r.Bottom = r.Top;
    return r;
}

// The pen modes as ternary codes whose truth tables read only the pattern (the pen, P) and
// the destination (D): the classic binary raster operations, run by the one raster engine.
inline constexpr std::uint32_t PenModeRops[] = {
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

} // namespace canvas_p

// Runs `paint` with a QPainter over the target's pixels: straight on the buffer for 24- and
// plain 32-bit bitmaps, otherwise on a colour copy whose changed pixels are mapped back.
template <typename Paint> void TCanvas::PaintWith(Paint&& paint) {
    if (!target_ || target_->Width() == 0 || target_->Height() == 0)
        return;
    if (canvas_p::DirectlyPaintable(*target_)) {
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

} // namespace vexo
