#pragma once
// Bitmaps drawn transparently through masks, centred in rectangles with a colour replaced by
// the brush, and bitmaps made from icons. The classic routines drew on device contexts; ours
// take the canvas, the one drawing path, and build their masks with its raster operations.

#include <QImage>
#include <QString>
#include <memory>

#include "platform/image/canvas.h"
#include "vexo/graphics_export.h"

namespace vexo {

// The source rectangle of `bitmap` stretched onto the destination rectangle, the canvas left
// visible where the source has `transparentColor` (white for a 1-bit bitmap, whatever is
// given). A destination width or height below 1 becomes the bitmap's; a source width or
// height below 1 makes the whole bitmap the source. clNone copies unmasked in the canvas's
// CopyMode. An empty bitmap draws nothing.
VEXO_GRAPHICS_EXPORT void TransparentStretchBitmap(TCanvas& canvas, const TBitmap& bitmap,
                                                   TColor transparentColor, int dstX, int dstY,
                                                   int dstW, int dstH, int srcX, int srcY, int srcW,
                                                   int srcH);
// The whole bitmap at (x, y), unstretched, through TransparentStretchBitmap.
VEXO_GRAPHICS_EXPORT void DrawBitmapTransparent(TCanvas& canvas, int x, int y,
                                                const TBitmap& bitmap, TColor transparentColor);

// The bitmap centred in the rectangle by the canvas's brush copy, black replaced by the brush.
VEXO_GRAPHICS_EXPORT void DrawBitmapInRect(TCanvas& canvas, const TRect& rect,
                                           const TBitmap& bitmap);
// The same for the bitmap resource `resName`, the colour of its bottom-left pixel replaced.
// Raises EResNotFound for an unknown name (and the loader's errors for a broken file).
VEXO_GRAPHICS_EXPORT void DrawResBitmapInRect(TCanvas& canvas, const TRect& rect,
                                              const QString& resName);

// A new 24-bit bitmap of the icon's size filled with backColor, the icon drawn on it. Icons
// are images with an alpha channel here; their transparent parts show backColor.
VEXO_GRAPHICS_EXPORT std::unique_ptr<TBitmap> CreateBitmapFromIcon(const QImage& icon,
                                                                   TColor backColor);

} // namespace vexo
