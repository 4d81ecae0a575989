#include "buttons/brushpattern.h"

#include "platform/image/canvas.h"

namespace vexo {

const TBitmap& CreateBrushPattern() {
    static const TBitmap pattern = [] {
        TBitmap bitmap(8, 8, 24);
        TCanvas canvas(&bitmap);
        canvas.Brush.Color = clBtnFace;
        canvas.FillRect(canvas.ClipRect());
        for (int y = 0; y < 8; ++y)
            for (int x = y % 2; x < 8; x += 2)
                canvas.SetPixel(x, y, clWhite);
        return bitmap;
    }();
    return pattern;
}

} // namespace vexo
