#include "app/filecombiner.h"

#include <algorithm>
#include <cstring>

#include "platform/image/bmpcodec.h"
#include "platform/runtime/exception.h"
#include "utils/paths.h"

namespace varnova {

namespace {

// Rows are gathered up to this size before each write: large enough for few system calls,
// small enough to stay in the processor's cache between combining and writing.
constexpr qsizetype ChunkBytes = 256 * 1024;

vexo::TPixelFormat FormatOf(const vexo::TBmpLayout& layout) {
    vexo::TPixelFormat f;
    f.BitCount = layout.BitCount;
    f.Palette = layout.Palette;
    f.Masks = layout.BitFields;
    return f;
}

} // namespace

TFileCombiner::TFileCombiner(TWorkImageCache& cache) : cache_(cache) {}
TFileCombiner::~TFileCombiner() = default;

vexo::TRopRowCombiner& TFileCombiner::RowCombiner(const vexo::TPixelFormat& target,
                                                  const vexo::TPixelFormat& source,
                                                  std::uint32_t rop) {
    if (!combiner_ || rop != combinerRop_ || !(target == combinerTarget_) ||
        !(source == combinerSource_)) {
        combiner_ = std::make_unique<vexo::TRopRowCombiner>(target, source, rop);
        combinerTarget_ = target;
        combinerSource_ = source;
        combinerRop_ = rop;
    }
    return *combiner_;
}

TResultFile TFileCombiner::Combine(const TBatchSettings& settings, const QString& name) {
    if (settings.ModeIndex < 0 || settings.ModeIndex >= ModeCount)
        throw vexo::Exception(
            QStringLiteral("Invalid raster-operation mode %1").arg(settings.ModeIndex));
    const std::uint32_t rop = RopCodes[std::size_t(settings.ModeIndex)];

    const TWorkImage work = cache_.Get(settings.WorkImagePath);

    // The source, read as the picture loading would: its errors come before the working
    // picture's "not a bitmap". Plain bottom-up rows, the usual case, are then read a run
    // at a time in file order while combining, so they are still in the processor's cache
    // when combined; other layouts are read whole first.
    source_.Open(vexo::NormalDir(settings.SourceDir) + name);
    source_.ReadHead();
    // The head holds every byte the header parser reads (all before the pixel offset).
    const vexo::TBmpLayout layout = vexo::ParseBmpHeader(source_.Data(), source_.FileSize());
    const bool streamRows = !layout.IsCompressed() && !layout.TopDown && !layout.NeedsIndexCheck();
    vexo::TBitmap decoded; // RLE sources, and sources whose short palette needs the decoder
    bool rowsInPlace = !layout.IsCompressed();
    if (!streamRows) {
        source_.ReadOpened();
        if (rowsInPlace && layout.NeedsIndexCheck()) {
            for (int y = 0; y < layout.Height && rowsInPlace; ++y)
                rowsInPlace =
                    vexo::BmpRowInPalette(layout, vexo::BmpRow(source_.Data(), layout, y));
        }
        if (!rowsInPlace) // raises for bad data
            decoded = vexo::DecodeBmp(source_.Data(), source_.Size(), layout);
    }
    if (!work.Bitmap)
        throw vexo::EInvalidGraphicOperation(work.NotBitmapError);

    const vexo::TBitmap& dst = *work.Bitmap;
    if (headerOf_ != work.Bitmap) {
        header_ = vexo::WriteBmpHeader(dst);
        headerOf_ = work.Bitmap;
    }
    vexo::TRopRowCombiner& combiner =
        RowCombiner(vexo::TPixelFormat::Of(dst), FormatOf(layout), rop);

    TResultFile out(vexo::NormalDir(settings.ResultDir) + name);
    out.Write(header_);
    const int width = dst.Width();
    const qsizetype rowBytes = dst.RowBytes();
    const qsizetype rowsPerChunk =
        std::max<qsizetype>(1, ChunkBytes / std::max<qsizetype>(1, rowBytes));
    if (chunk_.size() < rowsPerChunk * rowBytes)
        chunk_.resize(rowsPerChunk * rowBytes);
    auto* buffer = reinterpret_cast<std::uint8_t*>(chunk_.data());
    qsizetype used = 0;
    // Streamed source rows: file rows [runFirst, runFirst + runRows) are in the reader.
    const int sourceRowsPerRun = int(std::max<std::size_t>(
        1, std::size_t(ChunkBytes) / std::max<std::size_t>(1, layout.Stride)));
    int runFirst = 0, runRows = 0;
    const std::uint8_t* run = nullptr;
    // A BMP file holds its rows bottom-up.
    for (int y = dst.Height() - 1; y >= 0; --y) {
        std::uint8_t* row = buffer + used;
        std::memcpy(row, dst.ScanLine(y), std::size_t(rowBytes));
        const std::uint8_t* srcRow = nullptr;
        if (y < layout.Height && streamRows) {
            const int fileRow = layout.Height - 1 - y; // rising as y falls
            if (fileRow >= runFirst + runRows || run == nullptr) {
                runFirst = fileRow;
                runRows = std::min(sourceRowsPerRun, layout.Height - fileRow);
                run = source_.ReadAt(layout.PixelOffset + std::size_t(fileRow) * layout.Stride,
                                     std::size_t(runRows) * layout.Stride);
            }
            srcRow = run + std::size_t(fileRow - runFirst) * layout.Stride;
        } else if (y < layout.Height) {
            srcRow = rowsInPlace ? vexo::BmpRow(source_.Data(), layout, y) : decoded.ScanLine(y);
        }
        combiner.CombineRow(row, srcRow, layout.Width, width);
        used += rowBytes;
        if (used + rowBytes > chunk_.size()) {
            out.Write(buffer, std::size_t(used));
            used = 0;
        }
    }
    if (used > 0)
        out.Write(buffer, std::size_t(used));
    source_.Trim();
    return out;
}

} // namespace varnova
