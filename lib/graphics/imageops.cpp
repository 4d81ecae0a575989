#include "graphics/imageops.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace vexo {

namespace {

// Precision: the per-call factors (exponential, sine, cosine) are computed in extended precision
// and rounded to double once; per-pixel positions and blends use double arithmetic. Extended
// arithmetic per pixel would run on the x87 unit at several times the cost, for differences
// in the last bit of a position only.

// Rounds halves away from zero and keeps the result a channel value. The additive weights
// turn negative for positions in (-1, 0), where the blend can leave 0..255; clamping keeps a
// dark neighbourhood dark instead of wrapping it round to a bright byte.
inline std::uint32_t RoundChannel(double v) {
    // For v > 0 rounding half away from zero is truncating v + 0.5; anything not above 0
    // rounds to 0 or below and clamps to 0.
    return v > 0 ? std::uint32_t(std::min(v, 255.0) + 0.5) : 0u;
}

inline std::uint32_t FourPoint(const TvexoBitmapArray& s, double X, double Y) {
    if (UsablePixels(s) == 0)
        return 0;
    const double tx = std::trunc(X);
    const double ty = std::trunc(Y);
    const double lastX = double(s.Left) + s.Width - 1;
    const double lastY = double(s.Top) + s.Height - 1;
    // Written so that NaN and huge positions fall outside before any integer conversion.
    if (!(tx >= s.Left && tx <= lastX && ty >= s.Top && ty <= lastY))
        return 0;
    const std::int64_t ix = std::int64_t(tx);
    const std::int64_t iy = std::int64_t(ty);
    const double dx = X - double(ix);
    const double dy = Y - double(iy);

    // Neighbours past the last column or row are clamped to the edge, so only the area's own
    // pixels are ever read.
    const std::int64_t base = PixelIndex(s, ix, iy);
    const std::int64_t right = ix < lastX ? 1 : 0;
    const std::int64_t up = iy < lastY ? s.Width : 0;
    const std::uint32_t p00 = s.Bits[base];
    const std::uint32_t p01 = s.Bits[base + up];
    const std::uint32_t p10 = s.Bits[base + right];
    const std::uint32_t p11 = s.Bits[base + right + up];

    const double w00 = 2 - dx - dy;
    const double w01 = 1 - dx + dy;
    const double w10 = 1 + dx - dy;
    const double w11 = dx + dy;
    auto channel = [&](int shift) {
        const double v = w00 * ((p00 >> shift) & 0xFF) + w01 * ((p01 >> shift) & 0xFF) +
                         w10 * ((p10 >> shift) & 0xFF) + w11 * ((p11 >> shift) & 0xFF);
        return RoundChannel(v / 4) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

bool Overlap(const TvexoBitmapArray& a, std::int64_t aPixels, const TvexoBitmapArray& b,
             std::int64_t bPixels) {
    const auto a0 = reinterpret_cast<std::uintptr_t>(a.Bits);
    const auto b0 = reinterpret_cast<std::uintptr_t>(b.Bits);
    return a0 < b0 + std::uintptr_t(bPixels) * 4 && b0 < a0 + std::uintptr_t(aPixels) * 4;
}

// The source as the routines read it: the caller's record, or a private copy of its pixels
// when they share memory with the destination, so that every read sees the unmodified source.
class SourceView {
public:
    SourceView(const TvexoBitmapArray& source, const TvexoBitmapArray& dest, bool sameLayoutIsSafe)
        : record_(source) {
        const std::int64_t n = UsablePixels(source);
        const std::int64_t m = UsablePixels(dest);
        if (n == 0 || m == 0 || !Overlap(source, n, dest, m))
            return;
        // A colour operation over one record reads each element just before writing it.
        if (sameLayoutIsSafe && source.Bits == dest.Bits && source.Left == dest.Left &&
            source.Top == dest.Top && source.Width == dest.Width)
            return;
        copy_ = std::make_unique<TArrayElement[]>(std::size_t(n));
        std::memcpy(copy_.get(), source.Bits, std::size_t(n) * 4);
        record_.Bits = copy_.get();
    }
    const TvexoBitmapArray& Record() const { return record_; }

private:
    TvexoBitmapArray record_;
    std::unique_ptr<TArrayElement[]> copy_;
};

// Writes every destination pixel once from sample(x, y) with absolute coordinates, columns
// outer and rows inner: a caller's interpolator sees exactly this order.
template <typename Sample> void ForEachDestPixel(const TvexoBitmapArray& dest, Sample&& sample) {
    const std::int64_t left = dest.Left;
    const std::int64_t top = dest.Top;
    const std::int64_t w = dest.Width;
    const std::int64_t h = dest.Height;
    for (std::int64_t i = 0; i < w; ++i) {
        TArrayElement* column = dest.Bits + i;
        for (std::int64_t j = 0; j < h; ++j)
            column[j * w] = sample(left + i, top + j);
    }
}

// The same writes in memory order. Used only where the order cannot be observed (pure
// sampling from a source that does not share memory with the destination): walking a
// column of a large picture touches a new page at every pixel.
template <typename Sample>
void ForEachDestPixelByRow(const TvexoBitmapArray& dest, Sample&& sample) {
    const std::int64_t left = dest.Left;
    const std::int64_t top = dest.Top;
    const std::int64_t w = dest.Width;
    const std::int64_t h = dest.Height;
    for (std::int64_t j = 0; j < h; ++j) {
        TArrayElement* row = dest.Bits + j * w;
        for (std::int64_t i = 0; i < w; ++i)
            row[i] = sample(left + i, top + j);
    }
}

// Runs a geometric operation: `map` turns a destination position into the source position.
// The standard interpolator is called directly so it inlines; any other through its pointer.
template <typename Map>
void Geometric(const TvexoBitmapArray& Source, const TvexoBitmapArray& Dest,
               TInterpolateFunction Interpolate, Map map) {
    TInterpolateFunction f = Interpolate != nullptr ? Interpolate : DefaultInterpolator;
    if (f == nullptr)
        f = &FourPointInterpolate;
    if (UsablePixels(Dest) == 0)
        return;
    const SourceView view(Source, Dest, false);
    const TvexoBitmapArray& src = view.Record();
    if (f == &FourPointInterpolate) {
        ForEachDestPixelByRow(Dest, [&](std::int64_t x, std::int64_t y) {
            double sx, sy;
            map(x, y, sx, sy);
            return FourPoint(src, sx, sy);
        });
    } else {
        ForEachDestPixel(Dest, [&](std::int64_t x, std::int64_t y) {
            double sx, sy;
            map(x, y, sx, sy);
            return f(src, sx, sy);
        });
    }
}

// Runs a colour operation over the source area, skipping positions outside the destination.
template <typename Op>
void PerPixel(const TvexoBitmapArray& Source, const TvexoBitmapArray& Dest, Op op) {
    if (UsablePixels(Source) == 0 || UsablePixels(Dest) == 0)
        return;
    const SourceView view(Source, Dest, true);
    const TvexoBitmapArray& src = view.Record();
    const std::int64_t x0 = std::max<std::int64_t>(src.Left, Dest.Left);
    const std::int64_t x1 = std::min<std::int64_t>(std::int64_t(src.Left) + src.Width,
                                                   std::int64_t(Dest.Left) + Dest.Width);
    const std::int64_t y0 = std::max<std::int64_t>(src.Top, Dest.Top);
    const std::int64_t y1 = std::min<std::int64_t>(std::int64_t(src.Top) + src.Height,
                                                   std::int64_t(Dest.Top) + Dest.Height);
    // Each element is read before the one written at its place, so the visiting order cannot
    // show; rows go in memory order.
    for (std::int64_t y = y0; y < y1; ++y) {
        const TArrayElement* in = src.Bits + PixelIndex(src, x0, y);
        TArrayElement* out = Dest.Bits + PixelIndex(Dest, x0, y);
        for (std::int64_t i = 0; i < x1 - x0; ++i)
            out[i] = op(in[i]);
    }
}

} // namespace

TInterpolateFunction DefaultInterpolator = &FourPointInterpolate;

std::uint32_t FourPointInterpolate(const TvexoBitmapArray& Source, double X, double Y) {
    return FourPoint(Source, X, Y);
}

void ShiftImage(const TvexoBitmapArray& Source, const TvexoBitmapArray& Dest, double DX, double DY,
                TInterpolateFunction Interpolate) {
    const double dx = DX;
    const double dy = DY;
    Geometric(Source, Dest, Interpolate,
              [=](std::int64_t x, std::int64_t y, double& sx, double& sy) {
                  sx = double(x) - dx;
                  sy = double(y) - dy;
              });
}

void ResizeImage(const TvexoBitmapArray& Source, const TvexoBitmapArray& Dest, double KX, double KY,
                 TInterpolateFunction Interpolate) {
    const double fx = double(std::exp(-(long double)KX / 100));
    const double fy = double(std::exp(-(long double)KY / 100));
    Geometric(Source, Dest, Interpolate,
              [=](std::int64_t x, std::int64_t y, double& sx, double& sy) {
                  sx = double(x) * fx;
                  sy = double(y) * fy;
              });
}

void RotateImage(const TvexoBitmapArray& Source, const TvexoBitmapArray& Dest, double CX, double CY,
                 double Angle, TInterpolateFunction Interpolate) {
    const double s = double(std::sin(-(long double)Angle));
    const double c = double(std::cos(-(long double)Angle));
    const double cx = CX;
    const double cy = CY;
    Geometric(Source, Dest, Interpolate,
              [=](std::int64_t x, std::int64_t y, double& sx, double& sy) {
                  const double ex = double(x) - cx;
                  const double ey = double(y) - cy;
                  sx = cx + ex * c + ey * s;
                  sy = cy - ex * s + ey * c;
              });
}

void ConvertToGrayScale(const TvexoBitmapArray& Source, const TvexoBitmapArray& Dest) {
    PerPixel(Source, Dest, [](std::uint32_t p) {
        const std::uint32_t g = (RedOf(p) + GreenOf(p) + BlueOf(p)) / 3;
        return MakePixel(g, g, g);
    });
}

void ChangeRGB(const TvexoBitmapArray& Source, const TvexoBitmapArray& Dest, int DR, int DG,
               int DB) {
    // Offsets beyond +-255 saturate every channel anyway; bounding them keeps the sums small.
    const int dr = std::clamp(DR, -256, 256);
    const int dg = std::clamp(DG, -256, 256);
    const int db = std::clamp(DB, -256, 256);
    PerPixel(Source, Dest, [=](std::uint32_t p) {
        const auto add = [](std::uint32_t v, int d) {
            return std::uint32_t(std::clamp(int(v) + d, 0, 255));
        };
        return MakePixel(add(RedOf(p), dr), add(GreenOf(p), dg), add(BlueOf(p), db));
    });
}

} // namespace vexo
