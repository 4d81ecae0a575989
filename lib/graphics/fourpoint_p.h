#pragma once
// The standard four-point blend and the row kernels that apply it to whole destination rows.
// Every path here does the same double operations in the same order as FourPoint, so each
// pixel comes out bit for bit as the one-call-per-pixel blend gives it.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "graphics/vexobitmaparray.h"

namespace vexo::fourpoint {

// Rounds halves away from zero and keeps the result a channel value. The additive weights
// turn negative for positions in (-1, 0), where the blend can leave 0..255; clamping keeps a
// dark neighbourhood dark instead of wrapping it round to a bright byte.
inline std::uint32_t RoundChannel(double v) {
    // For v > 0 rounding half away from zero is truncating v + 0.5; anything not above 0
    // rounds to 0 or below and clamps to 0.
    return v > 0 ? std::uint32_t(std::min(v, 255.0) + 0.5) : 0u;
}

// The additive blend of the four neighbours at fractions dx, dy.
inline std::uint32_t Blend(std::uint32_t p00, std::uint32_t p01, std::uint32_t p10,
                           std::uint32_t p11, double dx, double dy) {
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

// One source axis: where a position falls (truncated toward zero), whether that is inside
// the area, the fraction, and the step to the next pixel (0 on the last column or row).
struct AxisSample {
    bool inside = false;
    std::int64_t offset = 0; // truncated position minus the area's first column or row
    std::int64_t next = 0;   // 1 (column) or 1 row; 0 at the area's end
    double fraction = 0;
};

inline AxisSample SampleAxis(double position, std::int32_t first, std::int32_t extent) {
    AxisSample a;
    const double t = std::trunc(position);
    const double last = double(first) + extent - 1;
    // Written so that NaN and huge positions fall outside before any integer conversion.
    if (!(t >= first && t <= last))
        return a;
    a.inside = true;
    a.offset = std::int64_t(t) - first;
    a.next = t < last ? 1 : 0;
    a.fraction = position - t;
    return a;
}

// The standard interpolation at (X, Y): black outside the source area, neighbours past its
// last column or row clamped to the edge.
inline std::uint32_t FourPoint(const TvexoBitmapArray& s, double X, double Y) {
    if (UsablePixels(s) == 0)
        return 0;
    const AxisSample ax = SampleAxis(X, s.Left, s.Width);
    const AxisSample ay = SampleAxis(Y, s.Top, s.Height);
    if (!ax.inside || !ay.inside)
        return 0;
    const TArrayElement* p = s.Bits + ax.offset + ay.offset * s.Width;
    const std::int64_t up = ay.next * s.Width;
    return Blend(p[0], p[up], p[ax.next], p[ax.next + up], ax.fraction, ay.fraction);
}

// Source columns of an operation whose source X depends on the destination column only
// (shift, resize), worked out once per call.
struct ColumnPlan {
    // Columns per block of the window: a block of eight destination columns whose pixels and
    // right neighbours all lie within sixteen consecutive source columns reads them with one
    // load per source row instead of one access per pixel.
    static constexpr std::size_t kBlock = 8;
    static constexpr std::int32_t kWindow = 16;

    ColumnPlan(std::size_t width)
        : index(width), right(width), fraction(width), window((width + kBlock - 1) / kBlock) {}
    // Column of the pixel within a source row, or -1 where X falls outside the area.
    std::vector<std::int32_t> index;
    // Column of its right neighbour (index on the last column; 0 outside).
    std::vector<std::int32_t> right;
    std::vector<double> fraction;
    // Per block: the first source column of its window, or -1 when it has none.
    std::vector<std::int32_t> window;
    // Some column inside the source has a negative fraction (X in (-1, 0)).
    bool negative = false;
};

// Fills one column of the plan from the source X of that destination column.
inline void PlanColumn(ColumnPlan& plan, std::size_t i, double X, const TvexoBitmapArray& s) {
    const AxisSample a = SampleAxis(X, s.Left, s.Width);
    plan.index[i] = a.inside ? std::int32_t(a.offset) : -1;
    plan.right[i] = a.inside ? std::int32_t(a.offset + a.next) : 0;
    plan.fraction[i] = a.fraction;
    plan.negative = plan.negative || a.fraction < 0;
}

// Finds the blocks' windows once every column is planned.
inline void PlanWindows(ColumnPlan& plan, std::int32_t sourceWidth) {
    const std::size_t n = plan.index.size();
    for (std::size_t b = 0; b < plan.window.size(); ++b) {
        const std::size_t first = b * ColumnPlan::kBlock;
        const std::size_t last = std::min(first + ColumnPlan::kBlock, n);
        const std::int32_t start = std::min(plan.index[first], sourceWidth - ColumnPlan::kWindow);
        bool fits = start >= 0;
        for (std::size_t i = first; fits && i < last; ++i)
            fits = plan.index[i] >= start && plan.index[i] - start < ColumnPlan::kWindow &&
                   plan.right[i] >= start && plan.right[i] - start < ColumnPlan::kWindow;
        plan.window[b] = fits ? start : -1;
    }
}

// A destination row of a column-planned operation whose source row is inside the area:
// `low` is the source row at the truncated Y, `high` the row above it (or `low` again on
// the last row), dy the fraction of Y. Writes the plan's columns to `out`.
using PlannedRowKernel = void (*)(const ColumnPlan& plan, const TArrayElement* low,
                                  const TArrayElement* high, double dy, TArrayElement* out);

// A destination row of a rotation: the source position of column i is
// (columnX[i] + rowX, columnY[i] + rowY).
using RotatedRowKernel = void (*)(const TvexoBitmapArray& s, const double* columnX,
                                  const double* columnY, double rowX, double rowY,
                                  std::size_t count, TArrayElement* out);

// The kernels of the vector units in use (see ImageOpsVectorUnits).
PlannedRowKernel PlannedRow();
RotatedRowKernel RotatedRow();

// One pixel at a time: columns [from, width) of a planned row, and a rotated row. The AVX2
// kernels hand the last few pixels of a row to them.
void PlannedColumns(const ColumnPlan& plan, std::size_t from, const TArrayElement* low,
                    const TArrayElement* high, double dy, TArrayElement* out);
void RotatedRowScalar(const TvexoBitmapArray& s, const double* columnX, const double* columnY,
                      double rowX, double rowY, std::size_t count, TArrayElement* out);

#if defined(__x86_64__) && defined(__GNUC__)
#define VEXO_VECTOR_KERNELS 1
void PlannedRowAvx2(const ColumnPlan& plan, const TArrayElement* low, const TArrayElement* high,
                    double dy, TArrayElement* out);
void RotatedRowAvx2(const TvexoBitmapArray& s, const double* columnX, const double* columnY,
                    double rowX, double rowY, std::size_t count, TArrayElement* out);
void PlannedRowAvx512(const ColumnPlan& plan, const TArrayElement* low, const TArrayElement* high,
                      double dy, TArrayElement* out);
void RotatedRowAvx512(const TvexoBitmapArray& s, const double* columnX, const double* columnY,
                      double rowX, double rowY, std::size_t count, TArrayElement* out);
#endif

} // namespace vexo::fourpoint
