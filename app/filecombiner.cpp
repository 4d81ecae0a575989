#include "app/filecombiner.h"

#include <algorithm>
#include <cstring>

#include "platform/image/bmpcodec.h"
#include "platform/runtime/exception.h"

namespace varnova {

namespace {

// Rows are gathered up to this size before each write: large enough for few system calls,
// small enough to stay in the processor's cache between combining and writing.
constexpr qsizetype ChunkBytes = 256 * 1024;

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
    // The source's errors come before the working picture's "not a bitmap", as a fresh load
    // of both would meet them.
    source_.Open(settings.SourcePath(name));
    if (!work.Bitmap)
        throw vexo::EInvalidGraphicOperation(work.NotBitmapError);

    const vexo::TBitmap& dst = *work.Bitmap;
    if (headerOf_ != work.Bitmap) {
        header_ = vexo::WriteBmpHeader(dst);
        headerOf_ = work.Bitmap;
    }
    vexo::TRopRowCombiner& combiner =
        RowCombiner(vexo::TPixelFormat::Of(dst), source_.Format(), rop);

    TResultFile out(settings.ResultPath(name));
    out.Write(header_);
    const int width = dst.Width();
    const qsizetype rowBytes = dst.RowBytes();
    const qsizetype rowsPerChunk =
        std::max<qsizetype>(1, ChunkBytes / std::max<qsizetype>(1, rowBytes));
    if (chunk_.size() < rowsPerChunk * rowBytes)
        chunk_.resize(rowsPerChunk * rowBytes);
    auto* buffer = reinterpret_cast<std::uint8_t*>(chunk_.data());
    qsizetype used = 0;
    // A BMP file holds its rows bottom-up.
    for (int y = dst.Height() - 1; y >= 0; --y) {
        std::uint8_t* row = buffer + used;
        std::memcpy(row, dst.ScanLine(y), std::size_t(rowBytes));
        const std::uint8_t* srcRow = y < source_.Height() ? source_.Row(y) : nullptr;
        combiner.CombineRow(row, srcRow, source_.Width(), width);
        used += rowBytes;
        if (used + rowBytes > chunk_.size()) {
            out.Write(buffer, std::size_t(used));
            used = 0;
        }
    }
    if (used > 0)
        out.Write(buffer, std::size_t(used));
    source_.Finish();
    return out;
}

} // namespace varnova
