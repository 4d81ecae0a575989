// The four-point blend's row kernels on AVX2: eight pixels per step as two vectors of four
// doubles, with the same operations in the same order as the one-pixel blend (no fused
// multiply-add, which would round differently), so both give identical pixels.

#include "graphics/fourpoint_p.h"

#ifdef VEXO_VECTOR_KERNELS

#include <immintrin.h>

#include <cstring>

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

// Eight pixels of one source row from the sixteen starting at `row`: lanes pick by column.
VEXO_AVX2 inline __m256i FromWindow(const TArrayElement* row, __m256i columns) {
    const __m256i first = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row));
    const __m256i second = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row + 8));
    const __m256i inSecond = _mm256_cmpgt_epi32(columns, _mm256_set1_epi32(7));
    return _mm256_blendv_epi8(_mm256_permutevar8x32_epi32(first, columns),
                              _mm256_permutevar8x32_epi32(second, columns), inSecond);
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
        if (_mm256_testz_si256(inside, inside)) { // all black: beside the source
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), zero);
            continue;
        }
        __m256i p00, p01, p10, p11;
        const std::int32_t start = plan.window[i / ColumnPlan::kBlock];
        if (start >= 0) {
            const __m256i s = _mm256_set1_epi32(start);
            const __m256i xs = _mm256_sub_epi32(x, s);
            const __m256i rs = _mm256_sub_epi32(r, s);
            p00 = FromWindow(low + start, xs);
            p01 = FromWindow(high + start, xs);
            p10 = FromWindow(low + start, rs);
            p11 = FromWindow(high + start, rs);
        } else {
            p00 = _mm256_mask_i32gather_epi32(zero, lowInts, x, inside, 4);
            p01 = _mm256_mask_i32gather_epi32(zero, highInts, x, inside, 4);
            p10 = _mm256_mask_i32gather_epi32(zero, lowInts, r, inside, 4);
            p11 = _mm256_mask_i32gather_epi32(zero, highInts, r, inside, 4);
        }
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
    __m256d lastColumn; // inside lanes on the source's last column (no right neighbour)
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
    const __m256d hasRight = _mm256_and_pd(_mm256_cmp_pd(tx, lastX, _CMP_LT_OQ), inside);
    const __m256d right = _mm256_and_pd(hasRight, _mm256_set1_pd(1));
    const __m256d up =
        _mm256_and_pd(_mm256_and_pd(_mm256_cmp_pd(ty, lastY, _CMP_LT_OQ), inside), width);
    const __m256d upper = _mm256_add_pd(base, up);
    return {_mm256_sub_pd(X, tx),
            _mm256_sub_pd(Y, ty),
            inside,
            _mm256_andnot_pd(hasRight, inside),
            _mm256_cvttpd_epi32(base),
            _mm256_cvttpd_epi32(upper),
            _mm256_cvttpd_epi32(_mm256_add_pd(base, right)),
            _mm256_cvttpd_epi32(_mm256_add_pd(upper, right))};
}

inline long long PairAt(const int* bits, std::int32_t k) {
    std::uint64_t v;
    std::memcpy(&v, bits + k, sizeof v);
    return static_cast<long long>(v);
}

// Each pixel of four lanes with its right neighbour, as one 64-bit load per lane: scattered
// pairs load faster this way than through gathers.
VEXO_AVX2 inline __m256i PairsAt(const int* bits, __m128i at) {
    alignas(16) std::int32_t k[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(k), at);
    return _mm256_set_epi64x(PairAt(bits, k[3]), PairAt(bits, k[2]), PairAt(bits, k[1]),
                             PairAt(bits, k[0]));
}

// The pixels (Odd = 0) or their right neighbours (Odd = 1) of the pairs of lanes 0-3 and 4-7.
template <int Odd> VEXO_AVX2 inline __m256i FromPairs(__m256i lanes03, __m256i lanes47) {
    constexpr int kPick = Odd ? _MM_SHUFFLE(3, 1, 3, 1) : _MM_SHUFFLE(2, 0, 2, 0);
    const __m256 picked =
        _mm256_shuffle_ps(_mm256_castsi256_ps(lanes03), _mm256_castsi256_ps(lanes47), kPick);
    return _mm256_permute4x64_epi64(_mm256_castps_si256(picked), _MM_SHUFFLE(3, 1, 2, 0));
}

} // namespace

VEXO_AVX2 void RotatedRowAvx2(const TvexoBitmapArray& s, const double* columnX,
                              const double* columnY, double rowX, double rowY, std::size_t count,
                              TArrayElement* out) {
    const auto* bits = reinterpret_cast<const int*>(s.Bits);
    const __m256d vx = _mm256_set1_pd(rowX);
    const __m256d vy = _mm256_set1_pd(rowY);
    const bool pairs = s.Width >= 2;
    std::size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const RotatedLanes a = LocateLanes(s, _mm256_add_pd(_mm256_loadu_pd(columnX + i), vx),
                                           _mm256_add_pd(_mm256_loadu_pd(columnY + i), vy));
        const RotatedLanes b = LocateLanes(s, _mm256_add_pd(_mm256_loadu_pd(columnX + i + 4), vx),
                                           _mm256_add_pd(_mm256_loadu_pd(columnY + i + 4), vy));
        if (_mm256_testz_pd(a.inside, a.inside) && _mm256_testz_pd(b.inside, b.inside)) {
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), _mm256_setzero_si256());
            continue;
        }
        __m256i p00, p01, p10, p11;
        // Lanes outside read the pair at element 0.
        if (pairs && _mm256_testz_pd(a.lastColumn, a.lastColumn) &&
            _mm256_testz_pd(b.lastColumn, b.lastColumn)) {
            const __m256i low03 = PairsAt(bits, a.i00), low47 = PairsAt(bits, b.i00);
            const __m256i high03 = PairsAt(bits, a.i01), high47 = PairsAt(bits, b.i01);
            p00 = FromPairs<0>(low03, low47);
            p10 = FromPairs<1>(low03, low47);
            p01 = FromPairs<0>(high03, high47);
            p11 = FromPairs<1>(high03, high47);
        } else {
            p00 = _mm256_i32gather_epi32(bits, _mm256_set_m128i(b.i00, a.i00), 4);
            p01 = _mm256_i32gather_epi32(bits, _mm256_set_m128i(b.i01, a.i01), 4);
            p10 = _mm256_i32gather_epi32(bits, _mm256_set_m128i(b.i10, a.i10), 4);
            p11 = _mm256_i32gather_epi32(bits, _mm256_set_m128i(b.i11, a.i11), 4);
        }
        const __m256i blended = BlendEight(p00, p01, p10, p11, WeightsOf(a.dx, a.dy),
                                           WeightsOf(b.dx, b.dy), a.inside, b.inside);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), blended);
    }
    RotatedRowScalar(s, columnX + i, columnY + i, rowX, rowY, count - i, out + i);
}

} // namespace vexo::fourpoint

#endif
