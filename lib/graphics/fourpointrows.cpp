// The four-point blend's row kernels one pixel at a time, and the choice between them and the
// vector kernels.

#include "graphics/fourpoint_p.h"

#include <atomic>

#include "graphics/imageops.h"

namespace vexo::fourpoint {

// Columns [from, plan's width) of a planned row.
void PlannedColumns(const ColumnPlan& plan, std::size_t from, const TArrayElement* low,
                    const TArrayElement* high, double dy, TArrayElement* out) {
    for (std::size_t i = from; i < plan.index.size(); ++i) {
        const std::int32_t x = plan.index[i];
        const std::int32_t r = plan.right[i];
        out[i] = x < 0 ? 0 : Blend(low[x], high[x], low[r], high[r], plan.fraction[i], dy);
    }
}

void RotatedRowScalar(const TvexoBitmapArray& s, const double* columnX, const double* columnY,
                      double rowX, double rowY, std::size_t count, TArrayElement* out) {
    for (std::size_t i = 0; i < count; ++i)
        out[i] = FourPoint(s, columnX[i] + rowX, columnY[i] + rowY);
}

namespace {

void PlannedRowScalar(const ColumnPlan& plan, const TArrayElement* low, const TArrayElement* high,
                      double dy, TArrayElement* out) {
    PlannedColumns(plan, 0, low, high, dy, out);
}

#ifdef VEXO_VECTOR_KERNELS
TVectorUnits Detect() {
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
        __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512dq"))
        return TVectorUnits::vuAVX512;
    return __builtin_cpu_supports("avx2") ? TVectorUnits::vuAVX2 : TVectorUnits::vuNone;
}
#endif

std::atomic<TVectorUnits> vectorUnitsCap{TVectorUnits::vuAVX512};

template <typename Kernel> Kernel Choose(Kernel scalar, Kernel avx2, Kernel avx512) {
    switch (ImageOpsVectorUnits()) {
    case TVectorUnits::vuAVX512:
        return avx512;
    case TVectorUnits::vuAVX2:
        return avx2;
    case TVectorUnits::vuNone:
        break;
    }
    return scalar;
}

} // namespace

PlannedRowKernel PlannedRow() {
#ifdef VEXO_VECTOR_KERNELS
    return Choose<PlannedRowKernel>(&PlannedRowScalar, &PlannedRowAvx2, &PlannedRowAvx512);
#else
    return &PlannedRowScalar;
#endif
}

RotatedRowKernel RotatedRow() {
#ifdef VEXO_VECTOR_KERNELS
    return Choose<RotatedRowKernel>(&RotatedRowScalar, &RotatedRowAvx2, &RotatedRowAvx512);
#else
    return &RotatedRowScalar;
#endif
}

} // namespace vexo::fourpoint

namespace vexo {

TVectorUnits AvailableVectorUnits() {
#ifdef VEXO_VECTOR_KERNELS
    static const TVectorUnits available = fourpoint::Detect();
    return available;
#else
    return TVectorUnits::vuNone;
#endif
}

void SetImageOpsVectorUnits(TVectorUnits units) {
    fourpoint::vectorUnitsCap.store(units, std::memory_order_relaxed);
}

TVectorUnits ImageOpsVectorUnits() {
    return std::min(fourpoint::vectorUnitsCap.load(std::memory_order_relaxed),
                    AvailableVectorUnits());
}

} // namespace vexo
