#pragma once
// The drop-down menus of the bitmap and speed buttons: where the menu opens, and showing it.

#include <QPoint>

#include "buttons/buttontypes.h"
#include "vexo/buttons_export.h"

namespace vexo {

class TComponent;
class TControl;
class TPopupMenu;

// Points `field` at `menu`, moving `owner`'s free notification from the old menu to the new
// one (so `field` is cleared when the menu goes).
VEXO_BUTTONS_EXPORT void AssignDropDownMenu(TComponent& owner, TPopupMenu*& field,
                                            TPopupMenu* menu);

// In the button's client coordinates; (0, 0) without a menu. Under the button (dmpBottom):
// x -1 for a left-aligned menu, width + 1 for a right-aligned one, width / 2 for a centred
// one. Beside it (dmpRight): (width, -1) left-aligned, (-1, -1) right-aligned, (width / 2,
// height) centred.
VEXO_BUTTONS_EXPORT QPoint DropDownMenuPos(const TPopupMenu* menu, TvexoDropDownMenuPos position,
                                           int width, int height);

// Shows `menu` for `control` at `pos` (client coordinates) and returns when it closes: true.
// False, showing nothing, at design time, without a menu, or when not `manual` and the menu
// does not pop up by itself (AutoPopup off).
VEXO_BUTTONS_EXPORT bool PopupDropDownMenu(TControl& control, TPopupMenu* menu, QPoint pos,
                                           bool manual);

} // namespace vexo
