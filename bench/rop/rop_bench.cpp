// The raster-operation engine alone: megapixels per second per mode on a 1024 x 768 24-bit
// pair, next to a plain memory copy of the same bytes. A few cross-format transfers follow.

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "platform/image/ropengine.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr double kMegapixels = double(kWidth) * kHeight / 1e6;

vexo::TBitmap RandomBitmap(int bitCount, unsigned seed) {
    vexo::TBitmap b(kWidth, kHeight, bitCount);
    std::mt19937 rng(seed);
    for (int y = 0; y < kHeight; ++y)
        for (int i = 0; i < b.RowBytes(); ++i)
            b.ScanLine(y)[i] = std::uint8_t(rng());
    if (bitCount == 8) {
        QVector<std::uint32_t> palette(256);
        for (auto& e : palette)
            e = rng() & 0xFFFFFF;
        b.SetPalette(palette);
    }
    return b;
}

void SetRate(benchmark::State& state) {
    state.counters["MP/s"] =
        benchmark::Counter(kMegapixels, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_MemoryCopy(benchmark::State& state) {
    const vexo::TBitmap src = RandomBitmap(24, 1);
    vexo::TBitmap dst = RandomBitmap(24, 2);
    const std::size_t bytes = std::size_t(src.RowBytes()) * kHeight;
    for (auto _ : state) {
        std::memcpy(dst.ScanLine(0), src.ScanLine(0), bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
    SetRate(state);
}

void BM_RopBlt(benchmark::State& state, int dstBits, int srcBits, std::uint32_t rop) {
    const vexo::TBitmap src = RandomBitmap(srcBits, 3);
    vexo::TBitmap dst = RandomBitmap(dstBits, 4);
    for (auto _ : state) {
        vexo::RopBlt(dst, src, kWidth, kHeight, rop);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * dst.RowBytes() * kHeight);
    SetRate(state);
}

std::string ShortName(const char* modeName) {
    std::string out;
    for (const char* c = modeName; *c; ++c)
        if (*c != ' ')
            out += *c;
    return out;
}

const bool registered = [] {
    benchmark::RegisterBenchmark("MemoryCopy/24bit", BM_MemoryCopy)->Unit(benchmark::kMicrosecond);
    for (int mode = 0; mode < int(vexo::NamedRops.size()); ++mode)
        benchmark::RegisterBenchmark(("RopBlt24/" + ShortName(vexo::NamedRops[mode].Name)).c_str(),
                                     BM_RopBlt, 24, 24, vexo::NamedRops[mode].Code)
            ->Unit(benchmark::kMicrosecond);
    // A code outside the program's fifteen goes through the generic path.
    benchmark::RegisterBenchmark("RopBlt24/Generic_B8074A", BM_RopBlt, 24, 24, 0x00B8074Au)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("RopBlt/SourceErase_24to8", BM_RopBlt, 8, 24, 0x00440328u)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("RopBlt/SourceErase_8to24", BM_RopBlt, 24, 8, 0x00440328u)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("RopBlt/SourceErase_32to24", BM_RopBlt, 24, 32, 0x00440328u)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("RopBlt/SourceErase_24to16", BM_RopBlt, 16, 24, 0x00440328u)
        ->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace

BENCHMARK_MAIN();
