// The four-point blend's row kernels on AVX-512: eight pixels per vector of eight doubles,
// tails through masks, with the same operations in the same order as the one-pixel blend (no
// fused multiply-add, which would round differently), so both give identical pixels.

#include "graphics/fourpoint_p.h"

#ifdef VEXO_VECTOR_KERNELS

// GCC 12's AVX-512 intrinsics start some results from deliberately undefined registers,
// which its uninitialised-use analysis reports inside the compiler's own header.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <cstring>
#include <immintrin.h>

namespace vexo::fourpoint {

namespace {

#define VEXO_AVX512 __attribute__((target("avx512f,avx512vl,avx512bw,avx512dq")))

struct Weights8 {
    __m512d w00, w01, w10, w11;
};

VEXO_AVX512 inline Weights8 WeightsOf8(__m512d dx, __m512d dy) {
    const __m512d one = _mm512_set1_pd(1);
    const __m512d two = _mm512_set1_pd(2);
    return {_mm512_sub_pd(_mm512_sub_pd(two, dx), dy), _mm512_add_pd(_mm512_sub_pd(one, dx), dy),
            _mm512_sub_pd(_mm512_add_pd(one, dx), dy), _mm512_add_pd(dx, dy)};
}

// The four neighbours of eight pixels, as four vectors of eight pixels.
struct Quads {
    __m256i p00, p01, p10, p11;
};

// The same as two vectors of eight pairs: each pixel with its right neighbour in the upper
// half of a 64-bit lane, from the pixel's row (`low`) and the row above (`high`).
struct Pairs {
    __m512i low, high;
};

struct Channels8 {
    __m512d c00, c01, c10, c11;
};

template <int Shift> VEXO_AVX512 inline __m512d ChannelOf8(__m256i pixels) {
    return _mm512_cvtepi32_pd(
        _mm256_and_si256(_mm256_srli_epi32(pixels, Shift), _mm256_set1_epi32(0xFF)));
}

template <int Shift> VEXO_AVX512 inline Channels8 ChannelsOf(const Quads& q) {
    return {ChannelOf8<Shift>(q.p00), ChannelOf8<Shift>(q.p01), ChannelOf8<Shift>(q.p10),
            ChannelOf8<Shift>(q.p11)};
}

// Byte `Byte` of each 64-bit lane as a double: one byte shuffle within each 128-bit lane.
template <int Byte> VEXO_AVX512 inline __m512d ByteOfLanes(__m512i pairs) {
    constexpr long long kZeros = static_cast<long long>(0x8080808080808000ull);
    const __m512i pick =
        _mm512_set_epi64(kZeros | (8 + Byte), kZeros | Byte, kZeros | (8 + Byte), kZeros | Byte,
                         kZeros | (8 + Byte), kZeros | Byte, kZeros | (8 + Byte), kZeros | Byte);
    return _mm512_cvtepi64_pd(_mm512_shuffle_epi8(pairs, pick));
}

template <int Shift> VEXO_AVX512 inline Channels8 ChannelsOf(const Pairs& p) {
    return {ByteOfLanes<Shift / 8>(p.low), ByteOfLanes<Shift / 8>(p.high),
            ByteOfLanes<4 + Shift / 8>(p.low), ByteOfLanes<4 + Shift / 8>(p.high)};
}

// Channel `Shift` of eight blended pixels, rounded as RoundChannel does, and put back in
// place: v / 4 and v * 0.25 are the same correctly rounded quotient, and max(q, 0) makes every
// q not above 0 round to 0. With fractions in [0, 1) every weight is at least 0 and the blend
// stays within 0..255 (plus rounding far below one half), so the clamps change nothing then.
template <int Shift, bool Clamp, typename Neighbours>
VEXO_AVX512 inline __m256i BlendChannel8(const Weights8& w, const Neighbours& n) {
    const Channels8 c = ChannelsOf<Shift>(n);
    const __m512d v = _mm512_add_pd(
        _mm512_add_pd(_mm512_add_pd(_mm512_mul_pd(w.w00, c.c00), _mm512_mul_pd(w.w01, c.c01)),
                      _mm512_mul_pd(w.w10, c.c10)),
        _mm512_mul_pd(w.w11, c.c11));
    __m512d q = _mm512_mul_pd(v, _mm512_set1_pd(0.25));
    if (Clamp)
        q = _mm512_min_pd(_mm512_max_pd(q, _mm512_setzero_pd()), _mm512_set1_pd(255));
    return _mm256_slli_epi32(_mm512_cvttpd_epi32(_mm512_add_pd(q, _mm512_set1_pd(0.5))), Shift);
}

template <bool Clamp, typename Neighbours>
VEXO_AVX512 inline __m256i BlendEight8(const Weights8& w, const Neighbours& n) {
    return _mm256_or_si256(
        _mm256_or_si256(BlendChannel8<16, Clamp>(w, n), BlendChannel8<8, Clamp>(w, n)),
        BlendChannel8<0, Clamp>(w, n));
}

// `negative`: some fraction may be below 0, so some weight may be.
template <typename Neighbours>
VEXO_AVX512 inline __m256i BlendEight8(const Weights8& w, const Neighbours& n, bool negative) {
    return negative ? BlendEight8<true>(w, n) : BlendEight8<false>(w, n);
}

VEXO_AVX512 inline __mmask8 TailMask(std::size_t left) {
    return left >= 8 ? __mmask8(0xFF) : __mmask8((1u << left) - 1);
}

// Eight pixels of one source row from the sixteen starting at `row`: lanes pick by column.
VEXO_AVX512 inline __m256i FromWindow(const TArrayElement* row, __m256i columns) {
    return _mm512_castsi512_si256(
        _mm512_permutexvar_epi32(_mm512_castsi256_si512(columns), _mm512_loadu_si512(row)));
}

} // namespace

VEXO_AVX512 void PlannedRowAvx512(const ColumnPlan& plan, const TArrayElement* low,
                                  const TArrayElement* high, double dy, TArrayElement* out) {
    const std::size_t n = plan.index.size();
    const __m512d vdy = _mm512_set1_pd(dy);
    const __m256i none = _mm256_set1_epi32(-1);
    const bool negative = dy < 0 || plan.negative;
    for (std::size_t i = 0; i < n; i += 8) {
        const __mmask8 tail = TailMask(n - i);
        const __m256i x = _mm256_mask_loadu_epi32(none, tail, &plan.index[i]);
        const __m256i r = _mm256_maskz_loadu_epi32(tail, &plan.right[i]);
        // Columns outside the source (index -1) are neither read nor kept.
        const __mmask8 inside = _mm256_cmpgt_epi32_mask(x, none);
        if (inside == 0) { // all black: beside the source
            _mm256_mask_storeu_epi32(out + i, tail, _mm256_setzero_si256());
            continue;
        }
        Quads q;
        const std::int32_t start = plan.window[i / ColumnPlan::kBlock];
        if (start >= 0) {
            const __m256i s = _mm256_set1_epi32(start);
            const __m256i xs = _mm256_sub_epi32(x, s);
            const __m256i rs = _mm256_sub_epi32(r, s);
            q = {FromWindow(low + start, xs), FromWindow(high + start, xs),
                 FromWindow(low + start, rs), FromWindow(high + start, rs)};
        } else {
            const __m256i zero = _mm256_setzero_si256();
            q = {_mm256_mmask_i32gather_epi32(zero, inside, x, low, 4),
                 _mm256_mmask_i32gather_epi32(zero, inside, x, high, 4),
                 _mm256_mmask_i32gather_epi32(zero, inside, r, low, 4),
                 _mm256_mmask_i32gather_epi32(zero, inside, r, high, 4)};
        }
        const Weights8 w = WeightsOf8(_mm512_maskz_loadu_pd(tail, &plan.fraction[i]), vdy);
        const __m256i blended = BlendEight8(w, q, negative);
        _mm256_mask_storeu_epi32(out + i, tail, _mm256_maskz_mov_epi32(inside, blended));
    }
}

namespace {

inline long long PairAt(const TArrayElement* bits, std::int64_t k) {
    std::uint64_t v;
    std::memcpy(&v, bits + k, sizeof v);
    return static_cast<long long>(v);
}

VEXO_AVX512 inline __m512i PairsAt(const TArrayElement* bits, const std::int64_t* k) {
    return _mm512_set_epi64(PairAt(bits, k[7]), PairAt(bits, k[6]), PairAt(bits, k[5]),
                            PairAt(bits, k[4]), PairAt(bits, k[3]), PairAt(bits, k[2]),
                            PairAt(bits, k[1]), PairAt(bits, k[0]));
}

// Each pixel with its right neighbour as one 64-bit load, from the elements `low` and, one
// row up, `low` + `up` (one source row, or 0 on the last row): eight scattered pairs load
// faster this way than through gathers. Every lane's pixel must have a right neighbour.
VEXO_AVX512 inline Pairs PairsAt(const TArrayElement* bits, std::int32_t width, __m512i low,
                                 __m512i up) {
    alignas(64) std::int64_t at[8];
    _mm512_store_si512(at, low);
    // Usually no lane is on the last row, and the upper pairs lie one row further on.
    if (_mm512_cmpneq_epi64_mask(up, _mm512_set1_epi64(width)) == 0)
        return {PairsAt(bits, at), PairsAt(bits + width, at)};
    alignas(64) std::int64_t above[8];
    _mm512_store_si512(above, _mm512_add_epi64(low, up));
    return {PairsAt(bits, at), PairsAt(bits, above)};
}

} // namespace

VEXO_AVX512 void RotatedRowAvx512(const TvexoBitmapArray& s, const double* columnX,
                                  const double* columnY, double rowX, double rowY,
                                  std::size_t count, TArrayElement* out) {
    constexpr int kTrunc = _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC;
    const __m512d left = _mm512_set1_pd(s.Left);
    const __m512d top = _mm512_set1_pd(s.Top);
    const __m512d lastX = _mm512_set1_pd(double(s.Left) + s.Width - 1);
    const __m512d lastY = _mm512_set1_pd(double(s.Top) + s.Height - 1);
    const __m512d width = _mm512_set1_pd(s.Width);
    const __m256i one = _mm256_set1_epi32(1);
    const __m256i row = _mm256_set1_epi32(s.Width);
    const __m256i zero = _mm256_setzero_si256();
    const __m512d vx = _mm512_set1_pd(rowX);
    const __m512d vy = _mm512_set1_pd(rowY);
    // Lanes outside the source read the pairs at elements 0 and Width.
    const bool pairs = s.Width >= 2 && s.Height >= 2;
    for (std::size_t i = 0; i < count; i += 8) {
        const __mmask8 tail = TailMask(count - i);
        const __m512d X = _mm512_add_pd(_mm512_maskz_loadu_pd(tail, columnX + i), vx);
        const __m512d Y = _mm512_add_pd(_mm512_maskz_loadu_pd(tail, columnY + i), vy);
        const __m512d tx = _mm512_roundscale_pd(X, kTrunc);
        const __m512d ty = _mm512_roundscale_pd(Y, kTrunc);
        // Ordered comparisons: NaN and huge positions fall outside.
        __mmask8 inside = _mm512_mask_cmp_pd_mask(tail, tx, left, _CMP_GE_OQ);
        inside = _mm512_mask_cmp_pd_mask(inside, tx, lastX, _CMP_LE_OQ);
        inside = _mm512_mask_cmp_pd_mask(inside, ty, top, _CMP_GE_OQ);
        inside = _mm512_mask_cmp_pd_mask(inside, ty, lastY, _CMP_LE_OQ);
        if (inside == 0) { // all black: beside the source
            _mm256_mask_storeu_epi32(out + i, tail, zero);
            continue;
        }
        // The element index is exact in doubles (areas hold fewer than 2^29 pixels).
        const __m512d index =
            _mm512_add_pd(_mm512_sub_pd(tx, left), _mm512_mul_pd(_mm512_sub_pd(ty, top), width));
        const __mmask8 right = _mm512_mask_cmp_pd_mask(inside, tx, lastX, _CMP_LT_OQ);
        const __mmask8 up = _mm512_mask_cmp_pd_mask(inside, ty, lastY, _CMP_LT_OQ);
        const __m512d dx = _mm512_sub_pd(X, tx);
        const __m512d dy = _mm512_sub_pd(Y, ty);
        const bool negative =
            (_mm512_mask_cmp_pd_mask(inside, dx, _mm512_setzero_pd(), _CMP_LT_OQ) |
             _mm512_mask_cmp_pd_mask(inside, dy, _mm512_setzero_pd(), _CMP_LT_OQ)) != 0;
        const Weights8 w = WeightsOf8(dx, dy);
        __m256i blended;
        if (pairs && right == inside) {
            // The last row is its own upper neighbour; lanes outside read one row up.
            const __m512i upper = _mm512_mask_mov_epi64(
                _mm512_set1_epi64(s.Width), __mmask8(inside ^ up), _mm512_setzero_si512());
            blended = BlendEight8(
                w, PairsAt(s.Bits, s.Width, _mm512_maskz_cvttpd_epi64(inside, index), upper),
                negative);
        } else {
            const __m256i base = _mm512_maskz_cvttpd_epi32(inside, index);
            const __m256i baseRight = _mm256_mask_add_epi32(base, right, base, one);
            const auto* bits = s.Bits;
            const Quads q = {
                _mm256_mmask_i32gather_epi32(zero, inside, base, bits, 4),
                _mm256_mmask_i32gather_epi32(zero, inside,
                                             _mm256_mask_add_epi32(base, up, base, row), bits, 4),
                _mm256_mmask_i32gather_epi32(zero, inside, baseRight, bits, 4),
                _mm256_mmask_i32gather_epi32(
                    zero, inside, _mm256_mask_add_epi32(baseRight, up, baseRight, row), bits, 4)};
            blended = BlendEight8(w, q, negative);
        }
        _mm256_mask_storeu_epi32(out + i, tail, _mm256_maskz_mov_epi32(inside, blended));
    }
}

} // namespace vexo::fourpoint

#endif
