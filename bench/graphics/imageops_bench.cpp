// Throughput of the image operations on a 2048 x 2048 area, in megapixels per second
// (the "MP/s" counter). Run with --benchmark_repetitions=5 for medians.
#include <benchmark/benchmark.h>

#include <vector>

#include "graphics/imageops.h"

using namespace vexo;

namespace {

constexpr int kSide = 2048;

struct Buffers {
    Buffers() : src(std::size_t(kSide) * kSide), dst(src.size()) {
        std::uint32_t seed = 12345;
        for (auto& p : src) {
            seed = seed * 1664525u + 1013904223u;
            p = seed >> 8;
        }
        for (TvexoBitmapArray* a : {&srcRec, &dstRec}) {
            a->Width = kSide;
            a->Height = kSide;
            a->Size = kSide * kSide * 4;
        }
        srcRec.Bits = src.data();
        dstRec.Bits = dst.data();
    }
    std::vector<std::uint32_t> src, dst;
    TvexoBitmapArray srcRec, dstRec;
};

Buffers& Shared() {
    static Buffers b;
    return b;
}

template <typename Op> void Run(benchmark::State& state, Op op) {
    Buffers& b = Shared();
    for (auto _ : state) {
        op(b.srcRec, b.dstRec);
        benchmark::DoNotOptimize(b.dst.data());
        benchmark::ClobberMemory();
    }
    state.counters["MP/s"] = benchmark::Counter(double(kSide) * kSide / 1e6 * state.iterations(),
                                                benchmark::Counter::kIsRate);
}

std::uint32_t Nearest(const TvexoBitmapArray& s, double x, double y) {
    const int ix = int(x), iy = int(y);
    if (x < 0 || y < 0 || ix >= s.Width || iy >= s.Height)
        return 0;
    return s.Bits[ix + std::int64_t(iy) * s.Width];
}

} // namespace

static void BM_ShiftImage(benchmark::State& state) {
    Run(state, [](auto& s, auto& d) { ShiftImage(s, d, 10.3, -7.6); });
}
static void BM_ShiftImageCustomInterpolator(benchmark::State& state) {
    Run(state, [](auto& s, auto& d) { ShiftImage(s, d, 10.3, -7.6, &Nearest); });
}
static void BM_ResizeImage(benchmark::State& state) {
    Run(state, [](auto& s, auto& d) { ResizeImage(s, d, 30, 30); });
}
static void BM_RotateImage(benchmark::State& state) {
    Run(state, [](auto& s, auto& d) { RotateImage(s, d, 1024, 1024, 0.5); });
}
static void BM_ConvertToGrayScale(benchmark::State& state) {
    Run(state, [](auto& s, auto& d) { ConvertToGrayScale(s, d); });
}
static void BM_ChangeRGB(benchmark::State& state) {
    Run(state, [](auto& s, auto& d) { ChangeRGB(s, d, 20, -30, 40); });
}
static void BM_ShiftImageInPlace(benchmark::State& state) {
    Run(state, [](auto& s, auto&) { ShiftImage(s, s, 0.5, 0.5); });
}

BENCHMARK(BM_ShiftImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShiftImageCustomInterpolator)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResizeImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RotateImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertToGrayScale)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeRGB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShiftImageInPlace)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
