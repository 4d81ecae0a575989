#include "graphics/rectgeometry.h"

namespace vexo {

int WidthOf(const TRect& rect) {
    return rect.Right - rect.Left;
}

int HeightOf(const TRect& rect) {
    return rect.Bottom - rect.Top;
}

int HorCenter(const TRect& rect, int size) {
    return rect.Left + (WidthOf(rect) - size) / 2;
}

int VertCenter(const TRect& rect, int size) {
    return rect.Top + (HeightOf(rect) - size) / 2;
}

} // namespace vexo
