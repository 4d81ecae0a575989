#pragma once
// A bitmap that keeps, beside its pixels, a plain 32-bit buffer over a chosen area so that
// code can read and write pixels directly (quick pixels) or run the image operations on it,
// and then write the buffer back in one transfer.
//
// The area's Top counts buffer rows from the bottom row of the bitmap; quick-pixel
// coordinates are top-down and relative to the area's corner.

#include <memory>

#include "graphics/dibits.h"
#include "graphics/vexobitmaparray.h"
#include "platform/image/bitmap.h"
#include "platform/runtime/types.h"
#include "vexo/graphics_export.h"

namespace vexo {

class VEXO_GRAPHICS_EXPORT TvexoBitmapGraphic : public TBitmap {
    Q_GADGET
public:
    TvexoBitmapGraphic();
    ~TvexoBitmapGraphic() override;
    TvexoBitmapGraphic(const TvexoBitmapGraphic&) = delete;
    TvexoBitmapGraphic& operator=(const TvexoBitmapGraphic&) = delete;

    // The current area and its buffer (Bits null while there is none). The pixels may be
    // written through Bits; the record itself changes only through SetCurrentArea and Assign.
    const TvexoBitmapArray& Area() const { return FArea; }
    bool Updating() const { return FUpdating; }
    // Header of the last whole-bitmap read, reused for writes.
    const TBitmapInfo& BitmapInfo() const { return FBitmapInfo; }

    // Chooses the area (X, Y as column and bottom-up buffer row) and loads it from the
    // bitmap. Returns false, changing nothing, for an empty bitmap and for an area that does
    // not lie inside the bitmap or whose byte size does not fit 32 bits. An area of zero
    // width or height replaces the old one but keeps no buffer and returns false, as does a
    // failed allocation.
    bool SetCurrentArea(int X, int Y, int W, int H);
    // Bitmap -> buffer. Does nothing without a buffer, for an empty bitmap, or when the
    // bitmap was resized so that the area no longer lies inside it.
    void UpdateArea();
    // Buffer -> bitmap, under the same conditions.
    void UpdateBitmap();

    // Batch mode: quick-pixel writes stay in the buffer until EndUpdate writes it back once.
    // Calls are not counted; the first EndUpdate ends the batch.
    void BeginUpdate();
    void EndUpdate();

    // The raw buffer value (0x00RRGGBB) at X, Y, top-down from the area's top-left corner;
    // 0 outside the area, outside the bitmap or without a buffer.
    TColor GetQuickPixel(int X, int Y) const;
    // Stores Value unchanged at X, Y (ignored where GetQuickPixel gives 0 for lack of a
    // place); outside batch mode the buffer is written back at once.
    void SetQuickPixel(int X, int Y, TColor Value);

    const QMetaObject* ClassType() const override { return &staticMetaObject; }

    // Copies the picture of any graphic first, as TBitmap::Assign does (EConvertError for one
    // that cannot be converted, changing nothing); then raises vexo::Exception "Source is not
    // TvexoBitmapGraphic!" when Source is another kind of graphic (the picture is copied, the
    // buffer unchanged). From a TvexoBitmapGraphic the area record and a copy of its buffer
    // come along.
    void Assign(const TGraphic& Source) override;

private:
    bool AreaInsideBitmap() const;
    bool IsWholeBitmap() const;
    void FreeBuffer();

    bool FUpdating = false;
    TvexoBitmapArray FArea;
    TBitmapInfo FBitmapInfo;
    std::unique_ptr<TArrayElement[]> buffer_; // owns FArea.Bits
};

// Registers TvexoBitmapGraphic with the class registry (found and created by its name) and
// the ".qbmp" picture format ("Quick Bitmap"; BMP data opened as a TvexoBitmapGraphic). Runs
// by itself when the application object starts in any program that uses TvexoBitmapGraphic;
// a program that only loads pictures calls it once. Repeated calls are harmless and failures
// are swallowed. Unregistering removes the file format; the class stays registered.
VEXO_GRAPHICS_EXPORT void RegisterGraphicsFormats();
VEXO_GRAPHICS_EXPORT void UnregisterGraphicsFormats();

} // namespace vexo
