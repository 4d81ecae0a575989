// Throughput of the image operations on a 2048 x 2048 area, in megapixels per second of wall
// time (the "MP/s" counter), on one thread and on every core the process may use. Built with
// OpenCV (VARNOVA_BENCH_OPENCV), each geometric operation is followed by its peer: OpenCV's
// warpAffine with bilinear interpolation over the same mapping and thread count. Run with
// --benchmark_repetitions=N --benchmark_enable_random_interleaving=true for medians that see
// the same load, or through run.sh.
#include <benchmark/benchmark.h>

#include <QThread>
#include <cmath>
#include <string>
#include <vector>

#include "graphics/imageops.h"

#ifdef VARNOVA_BENCH_OPENCV
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#endif

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

// The geometric operations and their parameters; the matrices map a destination position to
// the source position exactly as the operations do.
constexpr double kShiftX = 10.3, kShiftY = -7.6;
constexpr double kResize = 30;
constexpr double kCentre = 1024, kAngle = 0.5;

void Shift(const TvexoBitmapArray& s, const TvexoBitmapArray& d) {
    ShiftImage(s, d, kShiftX, kShiftY);
}
void Resize(const TvexoBitmapArray& s, const TvexoBitmapArray& d) {
    ResizeImage(s, d, kResize, kResize);
}
void Rotate(const TvexoBitmapArray& s, const TvexoBitmapArray& d) {
    RotateImage(s, d, kCentre, kCentre, kAngle);
}

struct Operation {
    const char* name;
    void (*ours)(const TvexoBitmapArray&, const TvexoBitmapArray&);
    double matrix[6]; // source x = m0 x + m1 y + m2, source y = m3 x + m4 y + m5
};

std::vector<Operation> Operations() {
    const double f = std::exp(-kResize / 100);
    const double s = std::sin(-kAngle), c = std::cos(-kAngle);
    return {
        {"Shift", &Shift, {1, 0, -kShiftX, 0, 1, -kShiftY}},
        {"Resize", &Resize, {f, 0, 0, 0, f, 0}},
        {"Rotate",
         &Rotate,
         {c, s, kCentre - c * kCentre - s * kCentre, -s, c, kCentre + s * kCentre - c * kCentre}},
    };
}

#ifdef VARNOVA_BENCH_OPENCV
void Peer(benchmark::State& state, const Operation& op) {
    Buffers& b = Shared();
    const cv::Mat src(kSide, kSide, CV_8UC4, b.src.data());
    cv::Mat dst(kSide, kSide, CV_8UC4, b.dst.data());
    const cv::Mat m(2, 3, CV_64F, const_cast<double*>(op.matrix));
    Run(state, [&](auto&, auto&) {
        cv::warpAffine(src, dst, m, dst.size(), cv::INTER_LINEAR | cv::WARP_INVERSE_MAP,
                       cv::BORDER_CONSTANT, cv::Scalar::all(0));
    });
}
#endif

void SetThreads(int threads) {
    SetImageOpsThreads(threads);
#ifdef VARNOVA_BENCH_OPENCV
    cv::setNumThreads(threads);
#endif
}

void RegisterGeometric() {
    const int all = QThread::idealThreadCount();
    std::vector<int> counts{1};
    if (all > 1)
        counts.push_back(all);
    for (const Operation& op : Operations())
        for (int threads : counts) {
            const std::string suffix = "/threads:" + std::to_string(threads);
            benchmark::RegisterBenchmark((std::string("BM_") + op.name + "Image" + suffix).c_str(),
                                         [op, threads](benchmark::State& state) {
                                             SetThreads(threads);
                                             Run(state, op.ours);
                                         })
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
#ifdef VARNOVA_BENCH_OPENCV
            benchmark::RegisterBenchmark((std::string("BM_") + op.name + "OpenCV" + suffix).c_str(),
                                         [op, threads](benchmark::State& state) {
                                             SetThreads(threads);
                                             Peer(state, op);
                                         })
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
#endif
        }
}

} // namespace

static void BM_ShiftImageCustomInterpolator(benchmark::State& state) {
    Run(state, [](auto& s, auto& d) { ShiftImage(s, d, 10.3, -7.6, &Nearest); });
}
static void BM_ConvertToGrayScale(benchmark::State& state) {
    Run(state, [](auto& s, auto& d) { ConvertToGrayScale(s, d); });
}
static void BM_ChangeRGB(benchmark::State& state) {
    Run(state, [](auto& s, auto& d) { ChangeRGB(s, d, 20, -30, 40); });
}
static void BM_ShiftImageInPlace(benchmark::State& state) {
    SetThreads(0);
    Run(state, [](auto& s, auto&) { ShiftImage(s, s, 0.5, 0.5); });
}

BENCHMARK(BM_ShiftImageCustomInterpolator)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ConvertToGrayScale)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ChangeRGB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ShiftImageInPlace)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    RegisterGeometric();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
