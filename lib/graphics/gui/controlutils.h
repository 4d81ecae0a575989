#pragma once
// Placing the caret in a memo by row and column, and the active page of a page control.

#include "vexo/graphics_gui_export.h"

namespace vexo {

class TMemo;
class TPageControl;

// Puts the caret (an empty selection) at column `col` of line `row`, both from 1, and focuses
// the memo; nothing unless 1 <= col <= 300, row >= 1 and the memo has at least `row` lines.
// The position counts two characters per line break, as the memo's SelStart does.
VEXO_GRAPHICS_GUI_EXPORT void SetCursorPos(TMemo* memo, int col, int row);

// Makes the page at `index` the active one, then raises the control's OnChange.
VEXO_GRAPHICS_GUI_EXPORT void SetPageIndex(TPageControl* pageControl, int index);
// The index of the active page, -1 when there is none (or no control).
VEXO_GRAPHICS_GUI_EXPORT int GetPageIndex(const TPageControl* pageControl);

} // namespace vexo
