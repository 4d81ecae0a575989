#include "graphics/imageops.h"

#include <QThread>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <memory>
#include <system_error>
#include <thread>
#include <vector>

#include "graphics/fourpoint_p.h"

namespace vexo {

namespace {

using fourpoint::FourPoint;

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

// The threads a call may use for `pixels` destination pixels in `rows` rows: the setting,
// but never so many that a thread gets less work than it costs to start one.
int ThreadsFor(std::int64_t rows, std::int64_t pixels) {
    constexpr std::int64_t kMinPixelsPerThread = 1 << 15;
    const int setting = ImageOpsThreads();
    const std::int64_t wanted = setting > 0 ? setting : QThread::idealThreadCount();
    return int(std::max<std::int64_t>(1, std::min({wanted, rows, pixels / kMinPixelsPerThread})));
}

// Runs body(first, last) over [0, rows) in contiguous shares, one per thread; the calling
// thread takes the last share. A thread that cannot be started leaves its share to the
// calling thread.
template <typename Body> void ParallelRows(std::int64_t rows, std::int64_t pixels, Body body) {
    const int n = ThreadsFor(rows, pixels);
    std::vector<std::jthread> helpers;
    helpers.reserve(std::size_t(n - 1));
    std::int64_t first = 0;
    for (int k = 0; k < n; ++k) {
        const std::int64_t last = rows * (k + 1) / n;
        if (k + 1 < n) {
            try {
                helpers.emplace_back(body, first, last);
            } catch (const std::system_error&) {
                body(first, last);
            }
        } else {
            body(first, last);
        }
        first = last;
    }
}

TInterpolateFunction Resolve(TInterpolateFunction Interpolate) {
    TInterpolateFunction f = Interpolate != nullptr ? Interpolate : DefaultInterpolator;
    return f != nullptr ? f : &FourPointInterpolate;
}

// Runs a geometric operation. Through a caller's interpolator, `map` turns each destination
// position into the source position; with the standard one, `standard(src)` fills the
// destination from a source that has pixels and shares no memory with it.
template <typename Map, typename Standard>
void Geometric(const TvexoBitmapArray& Source, const TvexoBitmapArray& Dest,
               TInterpolateFunction Interpolate, Map map, Standard standard) {
    const TInterpolateFunction f = Resolve(Interpolate);
    if (UsablePixels(Dest) == 0)
        return;
    const SourceView view(Source, Dest, false);
    const TvexoBitmapArray& src = view.Record();
    if (f != &FourPointInterpolate) {
        ForEachDestPixel(Dest, [&](std::int64_t x, std::int64_t y) {
            double sx, sy;
            map(x, y, sx, sy);
            return f(src, sx, sy);
        });
    } else if (UsablePixels(src) == 0) {
        std::fill_n(Dest.Bits, std::int64_t(Dest.Width) * Dest.Height, 0u);
    } else {
        standard(src);
    }
}

// The standard blend for an operation whose source X depends on the destination column only
// and source Y on the row only (shift, resize): the column and row halves of the blend are
// worked out once each, and the rows run in parallel (the order of writes cannot be observed).
template <typename MapX, typename MapY>
void Separable(const TvexoBitmapArray& Source, const TvexoBitmapArray& Dest,
               TInterpolateFunction Interpolate, MapX mapX, MapY mapY) {
    const auto map = [&](std::int64_t x, std::int64_t y, double& sx, double& sy) {
        sx = mapX(x);
        sy = mapY(y);
    };
    Geometric(Source, Dest, Interpolate, map, [&](const TvexoBitmapArray& src) {
        const std::int64_t w = Dest.Width;
        fourpoint::ColumnPlan plan{std::size_t(w)};
        for (std::int64_t i = 0; i < w; ++i)
            fourpoint::PlanColumn(plan, std::size_t(i), mapX(Dest.Left + i), src);
        fourpoint::PlanWindows(plan, src.Width);
        const fourpoint::PlannedRowKernel kernel = fourpoint::PlannedRow();
        ParallelRows(Dest.Height, w * Dest.Height, [&](std::int64_t first, std::int64_t last) {
            for (std::int64_t j = first; j < last; ++j) {
                TArrayElement* out = Dest.Bits + j * w;
                const fourpoint::AxisSample ay =
                    fourpoint::SampleAxis(mapY(Dest.Top + j), src.Top, src.Height);
                if (!ay.inside) {
                    std::fill_n(out, w, 0u);
                    continue;
                }
                const TArrayElement* low = src.Bits + ay.offset * src.Width;
                kernel(plan, low, low + ay.next * src.Width, ay.fraction, out);
            }
        });
    });
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

// The per-call factors (exponential, sine, cosine) are computed in extended precision and
// rounded to double once; per-pixel positions and blends use double arithmetic. Extended
// arithmetic per pixel would run on the x87 unit at several times the cost, for differences
// in the last bit of a position only.

TInterpolateFunction DefaultInterpolator = &FourPointInterpolate;

namespace {

std::atomic<int> imageOpsThreads{0};

} // namespace

void SetImageOpsThreads(int count) {
    imageOpsThreads.store(std::max(count, 0), std::memory_order_relaxed);
}

int ImageOpsThreads() {
    return imageOpsThreads.load(std::memory_order_relaxed);
}

std::uint32_t FourPointInterpolate(const TvexoBitmapArray& Source, double X, double Y) {
    return FourPoint(Source, X, Y);
}

void ShiftImage(const TvexoBitmapArray& Source, const TvexoBitmapArray& Dest, double DX, double DY,
                TInterpolateFunction Interpolate) {
    Separable(
        Source, Dest, Interpolate, [=](std::int64_t x) { return double(x) - DX; },
        [=](std::int64_t y) { return double(y) - DY; });
}

void ResizeImage(const TvexoBitmapArray& Source, const TvexoBitmapArray& Dest, double KX, double KY,
                 TInterpolateFunction Interpolate) {
    const double fx = double(std::exp(-(long double)KX / 100));
    const double fy = double(std::exp(-(long double)KY / 100));
    Separable(
        Source, Dest, Interpolate, [=](std::int64_t x) { return double(x) * fx; },
        [=](std::int64_t y) { return double(y) * fy; });
}

void RotateImage(const TvexoBitmapArray& Source, const TvexoBitmapArray& Dest, double CX, double CY,
                 double Angle, TInterpolateFunction Interpolate) {
    const double s = double(std::sin(-(long double)Angle));
    const double c = double(std::cos(-(long double)Angle));
    const auto map = [=](std::int64_t x, std::int64_t y, double& sx, double& sy) {
        const double ex = double(x) - CX;
        const double ey = double(y) - CY;
        sx = CX + ex * c + ey * s;
        sy = CY - ex * s + ey * c;
    };
    Geometric(Source, Dest, Interpolate, map, [&](const TvexoBitmapArray& src) {
        // X' = (CX + ex c) + ey s and Y' = (CY - ex s) + ey c: the bracketed halves depend on
        // the column only, the others on the row only, and are added in the same order as in
        // `map`.
        const std::int64_t w = Dest.Width;
        std::vector<double> columnX(static_cast<std::size_t>(w));
        std::vector<double> columnY(static_cast<std::size_t>(w));
        for (std::int64_t i = 0; i < w; ++i) {
            const double ex = double(Dest.Left + i) - CX;
            columnX[std::size_t(i)] = CX + ex * c;
            columnY[std::size_t(i)] = CY - ex * s;
        }
        const fourpoint::RotatedRowKernel kernel = fourpoint::RotatedRow();
        ParallelRows(Dest.Height, w * Dest.Height, [&](std::int64_t first, std::int64_t last) {
            for (std::int64_t j = first; j < last; ++j) {
                const double ey = double(Dest.Top + j) - CY;
                kernel(src, columnX.data(), columnY.data(), ey * s, ey * c, std::size_t(w),
                       Dest.Bits + j * w);
            }
        });
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
