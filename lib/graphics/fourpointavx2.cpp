// The four-point blend's row kernels on AVX2: eight pixels per step as two vectors of four
// doubles, with the same operations in the same order as the one-pixel blend (no fused
// multiply-add, which would round differently), so both give identical pixels.

#include "graphics/fourpoint_p.h"

#ifdef VEXO_VECTOR_KERNELS

#include <immintrin.h>

namespace vexo::fourpoint {

namespace {

#define VEXO_AVX2 __attribute__((target("avx2")))

// The four weights of four lanes.
struct Weights {
    __m256d w00, w01, w10, w11;
};

VEXO_AVX2 inline Weights WeightsOf(__m256d dx, __m256d dy) {
    const __m256d one = _mm256_set1_pd(1);
    const __m256d two = _mm256_set1_pd(2);
    return {_mm256_sub_pd(_mm256_sub_pd(two, dx), dy), _mm256_add_pd(_mm256_sub_pd(one, dx), dy),
            _mm256_sub_pd(_mm256_add_pd(one, dx), dy), _mm256_add_pd(dx, dy)};
}

// Channel `shift` of eight pixels as two halves of four doubles.
struct Halves {
    __m256d low, high;
};

VEXO_AVX2 inline Halves ChannelOf(__m256i pixels, int shift) {
    const __m256i c = _mm256_and_si256(_mm256_srl_epi32(pixels, _mm_cvtsi32_si128(shift)),
                                       _mm256_set1_epi32(0xFF));
    return {_mm256_cvtepi32_pd(_mm256_castsi256_si128(c)),
            _mm256_cvtepi32_pd(_mm256_extracti128_si256(c, 1))};
}

// RoundChannel(v / 4) of four lanes; lanes where `keep` is clear give 0. v / 4 and v * 0.25
// are the same correctly rounded quotient; max(q, 0) makes every q not above 0 round to 0
// as RoundChannel does.
VEXO_AVX2 inline __m128i RoundLanes(__m256d v, __m256d keep) {
    const __m256d q = _mm256_and_pd(_mm256_mul_pd(v, _mm256_set1_pd(0.25)), keep);
    const __m256d clamped =
        _mm256_min_pd(_mm256_max_pd(q, _mm256_setzero_pd()), _mm256_set1_pd(255));
    return _mm256_cvttpd_epi32(_mm256_add_pd(clamped, _mm256_set1_pd(0.5)));
}

VEXO_AVX2 inline __m128i BlendLanes(const Weights& w, __m256d c00, __m256d c01, __m256d c10,
                                    __m256d c11, __m256d keep) {
    const __m256d v = _mm256_add_pd(
        _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(w.w00, c00), _mm256_mul_pd(w.w01, c01)),
                      _mm256_mul_pd(w.w10, c10)),
        _mm256_mul_pd(w.w11, c11));
    return RoundLanes(v, keep);
}

// Blends eight pixels from their gathered neighbours; lanes whose `keep` half is clear are 0.
VEXO_AVX2 inline __m256i BlendEight(__m256i p00, __m256i p01, __m256i p10, __m256i p11,
                                    const Weights& low, const Weights& high, __m256d keepLow,
                                    __m256d keepHigh) {
    __m256i result = _mm256_setzero_si256();
    for (int shift : {16, 8, 0}) {
        const Halves c00 = ChannelOf(p00, shift);
        const Halves c01 = ChannelOf(p01, shift);
        const Halves c10 = ChannelOf(p10, shift);
        const Halves c11 = ChannelOf(p11, shift);
        const __m128i a = BlendLanes(low, c00.low, c01.low, c10.low, c11.low, keepLow);
        const __m128i b = BlendLanes(high, c00.high, c01.high, c10.high, c11.high, keepHigh);
        result = _mm256_or_si256(
            result, _mm256_sll_epi32(_mm256_set_m128i(b, a), _mm_cvtsi32_si128(shift)));
    }
    return result;
}

} // namespace

VEXO_AVX2 void PlannedRowAvx2(const ColumnPlan& plan, const TArrayElement* low,
                              const TArrayElement* high, double dy, TArrayElement* out) {
    const auto* lowInts = reinterpret_cast<const int*>(low);
    const auto* highInts = reinterpret_cast<const int*>(high);
    const __m256d vdy = _mm256_set1_pd(dy);
    const __m256d all = _mm256_castsi256_pd(_mm256_set1_epi32(-1));
    std::size_t i = 0;
    for (; i + 8 <= plan.index.size(); i += 8) {
        const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(&plan.index[i]));
        const __m256i r = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(&plan.right[i]));
        // Columns outside the source (index -1) are neither read nor kept.
        const __m256i inside = _mm256_cmpgt_epi32(x, _mm256_set1_epi32(-1));
        const __m256i zero = _mm256_setzero_si256();
        const __m256i p00 = _mm256_mask_i32gather_epi32(zero, lowInts, x, inside, 4);
        const __m256i p01 = _mm256_mask_i32gather_epi32(zero, highInts, x, inside, 4);
        const __m256i p10 = _mm256_mask_i32gather_epi32(zero, lowInts, r, inside, 4);
        const __m256i p11 = _mm256_mask_i32gather_epi32(zero, highInts, r, inside, 4);
        const Weights wl = WeightsOf(_mm256_loadu_pd(&plan.fraction[i]), vdy);
        const Weights wh = WeightsOf(_mm256_loadu_pd(&plan.fraction[i + 4]), vdy);
        const __m256i blended = BlendEight(p00, p01, p10, p11, wl, wh, all, all);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), _mm256_and_si256(blended, inside));
    }
    PlannedColumns(plan, i, low, high, dy, out);
}

namespace {

// Positions, fractions, inside masks and neighbour indices of four rotated lanes.
struct RotatedLanes {
    __m256d dx, dy, inside;
    __m128i i00, i01, i10, i11;
};

VEXO_AVX2 inline RotatedLanes LocateLanes(const TvexoBitmapArray& s, __m256d X, __m256d Y) {
    constexpr int kTrunc = _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC;
    const __m256d left = _mm256_set1_pd(s.Left);
    const __m256d top = _mm256_set1_pd(s.Top);
    const __m256d lastX = _mm256_set1_pd(double(s.Left) + s.Width - 1);
    const __m256d lastY = _mm256_set1_pd(double(s.Top) + s.Height - 1);
    const __m256d width = _mm256_set1_pd(s.Width);
    const __m256d tx = _mm256_round_pd(X, kTrunc);
    const __m256d ty = _mm256_round_pd(Y, kTrunc);
    // Ordered comparisons: NaN and huge positions fall outside.
    const __m256d inside = _mm256_and_pd(
        _mm256_and_pd(_mm256_cmp_pd(tx, left, _CMP_GE_OQ), _mm256_cmp_pd(tx, lastX, _CMP_LE_OQ)),
        _mm256_and_pd(_mm256_cmp_pd(ty, top, _CMP_GE_OQ), _mm256_cmp_pd(ty, lastY, _CMP_LE_OQ)));
    // Indices are exact in doubles (areas hold fewer than 2^29 pixels); outside lanes read
    // element 0 and are dropped.
    const __m256d base = _mm256_and_pd(
        _mm256_add_pd(_mm256_sub_pd(tx, left), _mm256_mul_pd(_mm256_sub_pd(ty, top), width)),
        inside);
    const __m256d right = _mm256_and_pd(_mm256_and_pd(_mm256_cmp_pd(tx, lastX, _CMP_LT_OQ), inside),
                                        _mm256_set1_pd(1));
    const __m256d up =
        _mm256_and_pd(_mm256_and_pd(_mm256_cmp_pd(ty, lastY, _CMP_LT_OQ), inside), width);
    const __m256d upper = _mm256_add_pd(base, up);
    return {_mm256_sub_pd(X, tx),
            _mm256_sub_pd(Y, ty),
            inside,
            _mm256_cvttpd_epi32(base),
            _mm256_cvttpd_epi32(upper),
            _mm256_cvttpd_epi32(_mm256_add_pd(base, right)),
            _mm256_cvttpd_epi32(_mm256_add_pd(upper, right))};
}

} // namespace

VEXO_AVX2 void RotatedRowAvx2(const TvexoBitmapArray& s, const double* columnX,
                              const double* columnY, double rowX, double rowY, std::size_t count,
                              TArrayElement* out) {
    const auto* bits = reinterpret_cast<const int*>(s.Bits);
    const __m256d vx = _mm256_set1_pd(rowX);
    const __m256d vy = _mm256_set1_pd(rowY);
    std::size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const RotatedLanes a = LocateLanes(s, _mm256_add_pd(_mm256_loadu_pd(columnX + i), vx),
                                           _mm256_add_pd(_mm256_loadu_pd(columnY + i), vy));
        const RotatedLanes b = LocateLanes(s, _mm256_add_pd(_mm256_loadu_pd(columnX + i + 4), vx),
                                           _mm256_add_pd(_mm256_loadu_pd(columnY + i + 4), vy));
        const __m256i p00 = _mm256_i32gather_epi32(bits, _mm256_set_m128i(b.i00, a.i00), 4);
        const __m256i p01 = _mm256_i32gather_epi32(bits, _mm256_set_m128i(b.i01, a.i01), 4);
        const __m256i p10 = _mm256_i32gather_epi32(bits, _mm256_set_m128i(b.i10, a.i10), 4);
        const __m256i p11 = _mm256_i32gather_epi32(bits, _mm256_set_m128i(b.i11, a.i11), 4);
        const __m256i blended = BlendEight(p00, p01, p10, p11, WeightsOf(a.dx, a.dy),
                                           WeightsOf(b.dx, b.dy), a.inside, b.inside);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), blended);
    }
    RotatedRowScalar(s, columnX + i, columnY + i, rowX, rowY, count - i, out + i);
}

} // namespace vexo::fourpoint

#endif
