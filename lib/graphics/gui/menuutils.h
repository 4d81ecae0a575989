#pragma once
// Copying menu items and placing an item of the menu bar at its right end.

#include "vexo/graphics_gui_export.h"

namespace vexo {

class TComponent;
class TMainMenu;
class TMenuItem;

// A new item owned by `owner` with item's Break, Caption, Checked, Default, menu index,
// RadioItem, Enabled, GroupIndex, HelpContext, Hint, ShortCut, Visible, ImageIndex, OnClick
// and Tag (in that order), then a copy of each sub-item, added in order. The copy has no
// parent item, so the menu index, which only means something among siblings, takes effect
// once it is inserted; an item without a name leaves the copy unnamed as well (names must be
// unique among the owner's components, so the copy never takes the original's). None for no
// item.
VEXO_GRAPHICS_GUI_EXPORT TMenuItem* CopyMenuItem(TComponent* owner, const TMenuItem* item);

// Puts `item`, an entry of `menu`'s bar, at the right end of the bar. False (nothing changed)
// when either is missing or the item is not one of the bar's entries.
VEXO_GRAPHICS_GUI_EXPORT bool MenuItemRightAlign(TMainMenu* menu, TMenuItem* item);

} // namespace vexo
