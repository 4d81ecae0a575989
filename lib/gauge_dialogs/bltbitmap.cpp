#include "gauge_dialogs/bltbitmap.h"

namespace vexo {

TBltBitmap::TBltBitmap() : TBitmap(0, 0, 24) {}

void TBltBitmap::SetWidth(int width) {
    if (width != Width())
        Allocate(width, Height(), BitCount());
}

void TBltBitmap::SetHeight(int height) {
    if (height != Height())
        Allocate(Width(), height, BitCount());
}

void TBltBitmap::MakeLike(const TBitmap& templ) {
    SetWidth(templ.Width());
    SetHeight(templ.Height());
}

} // namespace vexo
