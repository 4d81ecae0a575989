#include "app/sourcerows.h"

#include <algorithm>

namespace varnova {

namespace {

// Rows are read in runs of about this size: large enough for few system calls, small enough
// to stay in the processor's cache until they are combined.
constexpr std::size_t RunBytes = 256 * 1024;

} // namespace

void TSourceRows::Open(const QString& path) {
    decoded_ = vexo::TBitmap();
    run_ = nullptr;
    runFirst_ = runRows_ = 0;
    reader_.Open(path);
    reader_.ReadHead();
    // The head holds every byte the header parser reads (all before the pixel offset).
    layout_ = vexo::ParseBmpHeader(reader_.Data(), reader_.FileSize());
    if (!layout_.NeedsDecoding() && !layout_.TopDown && !layout_.NeedsIndexCheck()) {
        mode_ = smStreamed;
        rowsPerRun_ =
            int(std::max<std::size_t>(1, RunBytes / std::max<std::size_t>(1, layout_.Stride)));
        return;
    }
    reader_.ReadOpened();
    mode_ = layout_.NeedsDecoding() ? smDecoded : smInPlace;
    if (mode_ == smInPlace && layout_.NeedsIndexCheck()) {
        for (int y = 0; y < layout_.Height && mode_ == smInPlace; ++y)
            if (!vexo::BmpRowInPalette(layout_, vexo::BmpRow(reader_.Data(), layout_, y)))
                mode_ = smDecoded;
    }
    if (mode_ == smDecoded) // raises for bad data
        decoded_ = vexo::DecodeBmp(reader_.Data(), reader_.Size(), layout_);
}

vexo::TPixelFormat TSourceRows::Format() const {
    if (mode_ == smDecoded)
        return vexo::TPixelFormat::Of(decoded_);
    vexo::TPixelFormat f;
    f.BitCount = layout_.BitCount;
    f.Palette = layout_.Palette;
    f.Masks = layout_.BitFields;
    return f;
}

const std::uint8_t* TSourceRows::Row(int y) {
    switch (mode_) {
    case smDecoded:
        return decoded_.ScanLine(y);
    case smInPlace:
        return vexo::BmpRow(reader_.Data(), layout_, y);
    case smStreamed:
        break;
    }
    const int fileRow = layout_.Height - 1 - y; // rising as y falls
    if (run_ == nullptr || fileRow < runFirst_ || fileRow >= runFirst_ + runRows_) {
        runFirst_ = fileRow;
        runRows_ = std::min(rowsPerRun_, layout_.Height - fileRow);
        run_ = reader_.ReadAt(layout_.PixelOffset + std::size_t(fileRow) * layout_.Stride,
                              std::size_t(runRows_) * layout_.Stride);
    }
    return run_ + std::size_t(fileRow - runFirst_) * layout_.Stride;
}

void TSourceRows::Finish() {
    decoded_ = vexo::TBitmap();
    run_ = nullptr;
    reader_.Trim();
}

} // namespace varnova
