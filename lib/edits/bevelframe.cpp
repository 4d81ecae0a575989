#include "edits/bevelframe_p.h"

#include "graphics/frames3d.h"
#include "graphics/gui/adjustcolors.h"

namespace vexo {

namespace {

void Bevel(TCanvas& canvas, TRect& rect, TBevelCut cut, int width) {
    if (cut == bvNone)
        return;
    TColor top = clNone, bottom = clNone;
    AdjustColors(cut, top, bottom, clBtnHighlight, clBtnShadow);
    DCFrame3D(canvas, rect, top, bottom, width);
}

} // namespace

void PaintBevelFrame(TCanvas& canvas, TRect& rect, TBevelCut outer, TBevelCut inner, int bevelWidth,
                     int borderWidth, TColor bandColor) {
    Bevel(canvas, rect, outer, bevelWidth);
    if (bandColor == clNone)
        rect = Rect(rect.Left + borderWidth, rect.Top + borderWidth, rect.Right - borderWidth,
                    rect.Bottom - borderWidth);
    else
        DCFrame3D(canvas, rect, bandColor, bandColor, borderWidth);
    Bevel(canvas, rect, inner, bevelWidth);
}

int BevelFrameWidth(TBevelCut outer, TBevelCut inner, int bevelWidth, int borderWidth) {
    return (outer != bvNone ? bevelWidth : 0) + borderWidth + (inner != bvNone ? bevelWidth : 0);
}

} // namespace vexo
