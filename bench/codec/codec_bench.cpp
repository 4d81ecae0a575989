// BMP reading and writing of a 1024 x 768 24-bit picture, next to plain copies of the same
// bytes in the same run. Run with --benchmark_repetitions=10 and compare the medians.

#include <benchmark/benchmark.h>
#include <cstring>

#include "platform/image/bmpcodec.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

const vexo::TBitmap& Picture() {
    static const vexo::TBitmap picture = [] {
        vexo::TBitmap b(kWidth, kHeight, 24);
        std::uint32_t s = 12345;
        for (int y = 0; y < kHeight; ++y) {
            std::uint8_t* row = b.ScanLine(y);
            for (int i = 0; i < b.RowBytes(); ++i) {
                s = s * 1664525u + 1013904223u;
                row[i] = std::uint8_t(s >> 24);
            }
        }
        return b;
    }();
    return picture;
}

const QByteArray& File() {
    static const QByteArray file = vexo::WriteBmp(Picture());
    return file;
}

const std::uint8_t* Data(const QByteArray& b) {
    return reinterpret_cast<const std::uint8_t*>(b.constData());
}

// The reference: the file's bytes copied into a buffer that already exists.
void BM_CopyIntoBuffer(benchmark::State& state) {
    const QByteArray& file = File();
    QByteArray target(file.size(), '\0');
    for (auto _ : state) {
        std::memcpy(target.data(), file.constData(), std::size_t(file.size()));
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_CopyIntoBuffer);

// The file's bytes copied into a fresh allocation, as a decoder that returns a new picture
// must do at the least.
void BM_CopyIntoNewBuffer(benchmark::State& state) {
    const QByteArray& file = File();
    for (auto _ : state) {
        QByteArray target(file.size(), Qt::Uninitialized);
        std::memcpy(target.data(), file.constData(), std::size_t(file.size()));
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_CopyIntoNewBuffer);

void BM_ReadBmp(benchmark::State& state) {
    const QByteArray& file = File();
    for (auto _ : state) {
        vexo::TBitmap b = vexo::ReadBmp(Data(file), std::size_t(file.size()));
        benchmark::DoNotOptimize(b.ScanLine(0));
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_ReadBmp);

void BM_WriteBmp(benchmark::State& state) {
    const vexo::TBitmap& picture = Picture();
    for (auto _ : state) {
        QByteArray out = vexo::WriteBmp(picture);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * File().size());
}
BENCHMARK(BM_WriteBmp);

// The streaming path: parse the header and copy every row (zero-copy row access) into a
// buffer that exists, as a batch writing into a reused picture does.
void BM_StreamRows(benchmark::State& state) {
    const QByteArray& file = File();
    vexo::TBitmap target(kWidth, kHeight, 24);
    for (auto _ : state) {
        const vexo::TBmpLayout layout = vexo::ParseBmpHeader(Data(file), std::size_t(file.size()));
        for (int y = 0; y < layout.Height; ++y)
            std::memcpy(target.ScanLine(y), vexo::BmpRow(Data(file), layout, y), layout.Stride);
        benchmark::DoNotOptimize(target.ScanLine(0));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_StreamRows);

} // namespace

BENCHMARK_MAIN();
