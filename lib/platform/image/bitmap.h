#pragma once
// A device-independent bitmap that keeps its pixel format: 1, 4, 8, 16, 24 or 32 bits per
// pixel, its palette and its bit-field masks, from load to save.
//
// Pixels are stored top-down, each row padded to a multiple of 4 bytes: exactly the row
// layout of a BMP file, so encoding and decoding are row copies.

#include <QByteArray>
#include <QVector>
#include <cstdint>

#include "platform/image/graphic.h"

namespace vexo {

// Channel masks of a 16- or 32-bit pixel. All zero means the default layout of the depth
// (5-5-5 for 16 bits, 8-8-8 with a spare byte for 32 bits).
struct TBitFields {
    std::uint32_t Red = 0;
    std::uint32_t Green = 0;
    std::uint32_t Blue = 0;
    std::uint32_t Alpha = 0;
    bool IsDefault() const { return Red == 0 && Green == 0 && Blue == 0 && Alpha == 0; }
    friend bool operator==(const TBitFields&, const TBitFields&) = default;
};

enum TTransparentMode { tmAuto, tmFixed };

class VEXO_PLATFORM_EXPORT TBitmap : public TGraphic {
    Q_GADGET
public:
    // Sanity limits that keep every size computation far away from overflow.
    static constexpr int MaxDimension = 1 << 16;
    static constexpr std::int64_t MaxPixelBytes = std::int64_t(1) << 30;

    TBitmap() = default;
    // A zero-filled bitmap; paletted depths get a grey-scale palette of 2^bitCount entries.
    TBitmap(int width, int height, int bitCount);

    const QMetaObject* ClassType() const override { return &staticMetaObject; }

    // Takes over the picture of any graphic: a bitmap's geometry, format and pixels, or
    // what another class converts itself to (a JPEG image becomes 24 bits per pixel).
    // Raises EConvertError "Cannot assign a <class> to a <class>" for a graphic that cannot
    // be converted, and leaves this bitmap unchanged then.
    virtual void Assign(const TGraphic& source);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    int BitCount() const { return bitCount_; }
    bool IsPaletted() const { return bitCount_ <= 8; }

    // Palette entries as 0x00RRGGBB; may be shorter than 2^BitCount.
    const QVector<std::uint32_t>& Palette() const { return palette_; }
    void SetPalette(const QVector<std::uint32_t>& palette) { palette_ = palette; }

    // Masks as read; IsDefault() for plain BI_RGB 16/32-bit pixels.
    const TBitFields& BitFields() const { return bitFields_; }
    void SetBitFields(const TBitFields& fields) { bitFields_ = fields; }
    // The masks in force: the explicit ones, or the default of the depth.
    TBitFields EffectiveBitFields() const;

    // Reallocates to the given geometry and depth; pixels become zero. Raises EOutOfResources
    // when the size exceeds the sanity limits.
    void Allocate(int width, int height, int bitCount);
    // As Allocate, but the pixel bytes are left undefined: for decoders that then write every
    // byte of every row, padding included.
    void AllocateUninitialized(int width, int height, int bitCount);

    static int RowBytesFor(int width, int bitCount) { return ((width * bitCount + 31) / 32) * 4; }
    int RowBytes() const { return RowBytesFor(width_, bitCount_); }
    // Row y counted from the top.
    std::uint8_t* ScanLine(int y) {
        return reinterpret_cast<std::uint8_t*>(pixels_.data()) + std::int64_t(y) * RowBytes();
    }
    const std::uint8_t* ScanLine(int y) const {
        return reinterpret_cast<const std::uint8_t*>(pixels_.constData()) +
               std::int64_t(y) * RowBytes();
    }
    const QByteArray& Pixels() const { return pixels_; }

    // Raw pixel value (palette index or packed bits) at x, y from the top-left.
    std::uint32_t PixelValue(int x, int y) const;
    void SetPixelValue(int x, int y, std::uint32_t value);
    // The colour of a pixel as 0x00RRGGBB (palette looked up, bit fields expanded to 8 bits).
    std::uint32_t PixelRgb(int x, int y) const;

    // The colour a transparent drawing leaves out: with tmAuto that of the bottom-left pixel
    // (white for a 1-bit bitmap, clNone for an empty one), with tmFixed the colour set.
    TColor TransparentColor() const;
    // Stores the colour and switches to tmFixed; clDefault switches back to tmAuto.
    void SetTransparentColor(TColor color);
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode mode) { transparentMode_ = mode; }

    // In the canvas's CopyMode, or when Transparent without the transparent colour's pixels.
    void Draw(TCanvas& canvas, const TRect& rect) const override;

    void LoadFromBytes(const QByteArray& data) override; // BMP
    QByteArray SaveToBytes() const override;             // BMP, same format as read

    // Same geometry, depth, palette, masks and pixel bytes (padding included); the
    // transparency settings are how the bitmap is drawn, not part of the picture.
    friend bool operator==(const TBitmap& a, const TBitmap& b) {
        return a.width_ == b.width_ && a.height_ == b.height_ && a.bitCount_ == b.bitCount_ &&
               a.palette_ == b.palette_ && a.bitFields_ == b.bitFields_ && a.pixels_ == b.pixels_;
    }

private:
    void Reserve(int width, int height, int bitCount, bool zeroFill);

    int width_ = 0;
    int height_ = 0;
    int bitCount_ = 24;
    QVector<std::uint32_t> palette_;
    TBitFields bitFields_;
    QByteArray pixels_;
    TTransparentMode transparentMode_ = tmAuto;
    TColor transparentColor_ = clDefault;
};

} // namespace vexo
