#include "graphics/gui/adjustcolors.h"

#include <utility>

namespace vexo {

void AdjustColors(TBevelCut bevel, TColor& topColor, TColor& bottomColor, TColor highlightColor,
                  TColor shadowColor) {
    topColor = highlightColor;
    bottomColor = shadowColor;
    if (bevel == bvLowered)
        std::swap(topColor, bottomColor);
}

} // namespace vexo
