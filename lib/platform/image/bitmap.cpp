#include "platform/image/bitmap.h"

#include "platform/image/bmpcodec.h"
#include "platform/image/canvas.h"
#include "platform/image/pixelchannel_p.h"
#include "platform/image/pixelformat.h"
#include "platform/runtime/classregistry.h"
#include "platform/runtime/exception.h"

namespace vexo {

namespace {

bool ValidDepth(int bitCount) {
    switch (bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        return true;
    default:
        return false;
    }
}

} // namespace

TBitmap::TBitmap(int width, int height, int bitCount) {
    Allocate(width, height, bitCount);
    if (bitCount <= 8) {
        const int n = 1 << bitCount;
        palette_.resize(n);
        for (int i = 0; i < n; ++i) {
            const std::uint32_t g = std::uint32_t(i * 255 / (n - 1));
            palette_[i] = (g << 16) | (g << 8) | g;
        }
    }
}

void TBitmap::Allocate(int width, int height, int bitCount) {
    Reserve(width, height, bitCount, true);
}

void TBitmap::AllocateUninitialized(int width, int height, int bitCount) {
    Reserve(width, height, bitCount, false);
}

void TBitmap::Reserve(int width, int height, int bitCount, bool zeroFill) {
    if (!ValidDepth(bitCount) || width < 0 || height < 0 || width > MaxDimension ||
        height > MaxDimension)
        throw EOutOfResources(QStringLiteral("Out of system resources"));
    const std::int64_t bytes = std::int64_t(RowBytesFor(width, bitCount)) * height;
    if (bytes > MaxPixelBytes)
        throw EOutOfResources(QStringLiteral("Out of system resources"));
    width_ = width;
    height_ = height;
    bitCount_ = bitCount;
    pixels_ = zeroFill ? QByteArray(qsizetype(bytes), '\0')
                       : QByteArray(qsizetype(bytes), Qt::Uninitialized);
}

TBitFields TBitmap::EffectiveBitFields() const {
    if (!bitFields_.IsDefault())
        return bitFields_;
    if (bitCount_ == 16)
        return TBitFields{0x7C00, 0x03E0, 0x001F, 0};
    if (bitCount_ == 32 || bitCount_ == 24)
        return TBitFields{0x00FF0000, 0x0000FF00, 0x000000FF, 0};
    return {};
}

std::uint32_t TBitmap::PixelValue(int x, int y) const {
    const std::uint8_t* row = ScanLine(y);
    switch (bitCount_) {
    case 1:
        return (row[x >> 3] >> (7 - (x & 7))) & 1u;
    case 4:
        return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xFu;
    case 8:
        return row[x];
    case 16:
        return std::uint32_t(row[2 * x]) | (std::uint32_t(row[2 * x + 1]) << 8);
    case 24:
        return std::uint32_t(row[3 * x]) | (std::uint32_t(row[3 * x + 1]) << 8) |
               (std::uint32_t(row[3 * x + 2]) << 16);
    default:
        return std::uint32_t(row[4 * x]) | (std::uint32_t(row[4 * x + 1]) << 8) |
               (std::uint32_t(row[4 * x + 2]) << 16) | (std::uint32_t(row[4 * x + 3]) << 24);
    }
}

void TBitmap::SetPixelValue(int x, int y, std::uint32_t value) {
    std::uint8_t* row = ScanLine(y);
    switch (bitCount_) {
    case 1: {
        const std::uint8_t bit = std::uint8_t(0x80u >> (x & 7));
        row[x >> 3] = (value & 1u) ? (row[x >> 3] | bit) : (row[x >> 3] & ~bit);
        break;
    }
    case 4: {
        const int shift = (x & 1) ? 0 : 4;
        row[x >> 1] = std::uint8_t((row[x >> 1] & ~(0xF << shift)) | ((value & 0xF) << shift));
        break;
    }
    case 8:
        row[x] = std::uint8_t(value);
        break;
    case 16:
        row[2 * x] = std::uint8_t(value);
        row[2 * x + 1] = std::uint8_t(value >> 8);
        break;
    case 24:
        row[3 * x] = std::uint8_t(value);
        row[3 * x + 1] = std::uint8_t(value >> 8);
        row[3 * x + 2] = std::uint8_t(value >> 16);
        break;
    default:
        for (int i = 0; i < 4; ++i)
            row[4 * x + i] = std::uint8_t(value >> (8 * i));
        break;
    }
}

std::uint32_t TBitmap::PixelRgb(int x, int y) const {
    const std::uint32_t v = PixelValue(x, y);
    if (IsPaletted())
        return v < std::uint32_t(palette_.size()) ? (palette_[int(v)] & 0xFFFFFFu) : 0u;
    if (bitCount_ == 24)
        return v & 0xFFFFFFu;
    const TBitFields f = EffectiveBitFields();
    using namespace pixelchannel;
    return (Expand(Channel::Of(f.Red), v) << 16) | (Expand(Channel::Of(f.Green), v) << 8) |
           Expand(Channel::Of(f.Blue), v);
}

TColor TBitmap::TransparentColor() const {
    if (transparentMode_ == tmFixed)
        return transparentColor_;
    if (width_ == 0 || height_ == 0)
        return clNone;
    if (bitCount_ == 1)
        return clWhite;
    return RgbToColor(PixelRgb(0, height_ - 1));
}

void TBitmap::SetTransparentColor(TColor color) {
    transparentColor_ = color;
    transparentMode_ = color == clDefault ? tmAuto : tmFixed;
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) const {
    const TRect all = Rect(0, 0, width_, height_);
    if (Transparent())
        canvas.TransparentCopy(rect, *this, all, TransparentColor());
    else
        canvas.CopyRect(rect, *this, all);
}

void TBitmap::LoadFromBytes(const QByteArray& data) {
    *this = ReadBmp(data);
}

QByteArray TBitmap::SaveToBytes() const {
    return WriteBmp(*this);
}

void TBitmap::Assign(const TGraphic& source) {
    if (&source == this)
        return;
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(&source)) {
        TBitmap::operator=(*bitmap);
        return;
    }
    if (!source.AssignTo(*this))
        throw EConvertError(QStringLiteral("Cannot assign a %1 to a %2")
                                .arg(ClassNameOf(source.ClassType()), ClassNameOf(ClassType())));
}

} // namespace vexo
