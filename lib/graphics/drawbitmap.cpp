#include "graphics/drawbitmap.h"

#include "platform/image/bitmapresource.h"

namespace vexo {

namespace {

constexpr std::uint32_t cmNotSrcCopy = 0x00330008;

// A 0x00RRGGBB value as the bitmap reports its pixels.
std::uint32_t PixelRgbOf(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return (std::uint32_t(GetRValue(rgb)) << 16) | (std::uint32_t(GetGValue(rgb)) << 8) |
           GetBValue(rgb);
}

// The monochrome mask of a colour-to-monochrome transfer: 1 (white) where the image has the
// key colour, 0 (black) elsewhere.
TBitmap KeyMask(const TBitmap& image, std::uint32_t keyRgb) {
    TBitmap mask(image.Width(), image.Height(), 1);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.PixelRgb(x, y) == keyRgb)
                mask.SetPixelValue(x, y, 1);
    return mask;
}

} // namespace

void TransparentStretchBitmap(TCanvas& canvas, const TBitmap& bitmap, TColor transparentColor,
                              int dstX, int dstY, int dstW, int dstH, int srcX, int srcY, int srcW,
                              int srcH) {
    if (dstW < 1)
        dstW = bitmap.Width();
    if (dstH < 1)
        dstH = bitmap.Height();
    if (srcW < 1 || srcH < 1) {
        srcX = srcY = 0;
        srcW = bitmap.Width();
        srcH = bitmap.Height();
    }
    if (dstW < 1 || dstH < 1 || srcW < 1 || srcH < 1) // an empty bitmap: nothing to draw
        return;
    const TRect dest = Bounds(dstX, dstY, dstW, dstH);
    const TRect source = Bounds(srcX, srcY, srcW, srcH);
    if (transparentColor == clNone) {
        canvas.CopyRect(dest, bitmap, source);
        return;
    }
    const std::uint32_t key = bitmap.BitCount() == 1 ? 0xFFFFFF : PixelRgbOf(transparentColor);
    const TRect srcAll = Rect(0, 0, srcW, srcH), dstAll = Rect(0, 0, dstW, dstH);

    TBitmap image(srcW, srcH, 24);
    TCanvas imageCanvas(&image);
    imageCanvas.CopyRect(srcAll, bitmap, source);
    const TBitmap mask = KeyMask(image, key);
    TBitmap inverse(srcW, srcH, 1);
    TCanvas inverseCanvas(&inverse);
    inverseCanvas.CopyMode = cmNotSrcCopy;
    inverseCanvas.CopyRect(srcAll, mask, srcAll);

    // What lies under the destination, its opaque places blackened, the image's transparent
    // places blackened, then both or-ed together and put back in one copy.
    TBitmap composition(dstW, dstH, 24);
    TCanvas compositionCanvas(&composition);
    compositionCanvas.CopyRect(dstAll, canvas, dest);
    compositionCanvas.CopyMode = cmSrcAnd;
    compositionCanvas.CopyRect(dstAll, mask, srcAll);
    imageCanvas.CopyMode = cmSrcAnd;
    imageCanvas.CopyRect(srcAll, inverse, srcAll);
    compositionCanvas.CopyMode = cmSrcPaint;
    compositionCanvas.CopyRect(dstAll, image, srcAll);

    const std::uint32_t mode = canvas.CopyMode;
    canvas.CopyMode = cmSrcCopy;
    canvas.CopyRect(dest, composition, dstAll);
    canvas.CopyMode = mode;
}

void DrawBitmapTransparent(TCanvas& canvas, int x, int y, const TBitmap& bitmap,
                           TColor transparentColor) {
    TransparentStretchBitmap(canvas, bitmap, transparentColor, x, y, bitmap.Width(),
                             bitmap.Height(), 0, 0, bitmap.Width(), bitmap.Height());
}

namespace {

void BrushCopyCentred(TCanvas& canvas, const TRect& rect, const TBitmap& bitmap, TColor color) {
    const int w = bitmap.Width(), h = bitmap.Height();
    const int left = rect.Left + (rect.Width() - w) / 2;
    const int top = rect.Top + (rect.Height() - h) / 2;
    canvas.BrushCopy(Bounds(left, top, w, h), bitmap, Rect(0, 0, w, h), color);
}

} // namespace

void DrawBitmapInRect(TCanvas& canvas, const TRect& rect, const TBitmap& bitmap) {
    BrushCopyCentred(canvas, rect, bitmap, clBlack);
}

void DrawResBitmapInRect(TCanvas& canvas, const TRect& rect, const QString& resName) {
    const TBitmap bitmap = LoadBitmapResource(resName);
    if (bitmap.Width() < 1 || bitmap.Height() < 1)
        return;
    const std::uint32_t rgb = bitmap.PixelRgb(0, bitmap.Height() - 1);
    BrushCopyCentred(canvas, rect, bitmap,
                     RGB(std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb)));
}

std::unique_ptr<TBitmap> CreateBitmapFromIcon(const QImage& icon, TColor backColor) {
    return std::make_unique<TBitmap>(BitmapFromQImage(icon, ColorToRGB(backColor)));
}

} // namespace vexo
