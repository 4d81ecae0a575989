#pragma once
// A bitmap that can take another bitmap's size, used for a control's off-screen images.

#include "platform/image/bitmap.h"
#include "vexo/gauge_dialogs_export.h"

namespace vexo {

class VEXO_GAUGE_DIALOGS_EXPORT TBltBitmap : public TBitmap {
public:
    // A 24-bit bitmap; its pixels are cleared (black) by every size change.
    TBltBitmap();
    // Raise EOutOfResources when the size is beyond the bitmap limits.
    void SetWidth(int width);
    void SetHeight(int height);
    // Sets the width, then the height, to the template's.
    void MakeLike(const TBitmap& templ);
};

} // namespace vexo
