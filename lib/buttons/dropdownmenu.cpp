#include "buttons/dropdownmenu.h"

#include "platform/gui/control.h"
#include "platform/gui/popupmenu.h"

namespace vexo {

void AssignDropDownMenu(TComponent& owner, TPopupMenu*& field, TPopupMenu* menu) {
    if (field != nullptr)
        field->RemoveFreeNotification(&owner);
    field = menu;
    if (menu != nullptr)
        menu->FreeNotification(&owner);
}

QPoint DropDownMenuPos(const TPopupMenu* menu, TvexoDropDownMenuPos position, int width,
                       int height) {
    if (menu == nullptr)
        return QPoint(0, 0);
    switch (menu->Alignment()) {
    case TPopupMenu::paLeft:
        return position == dmpBottom ? QPoint(-1, height) : QPoint(width, -1);
    case TPopupMenu::paRight:
        return position == dmpBottom ? QPoint(width + 1, height) : QPoint(-1, -1);
    case TPopupMenu::paCenter:
        return QPoint(width / 2, height);
    }
    return QPoint(0, 0);
}

bool PopupDropDownMenu(TControl& control, TPopupMenu* menu, QPoint pos, bool manual) {
    TComponent* component = TComponent::FromObject(control.Widget());
    if (component != nullptr && component->ComponentState().testFlag(csDesigning))
        return false;
    if (menu == nullptr || (!manual && !menu->AutoPopup()))
        return false;
    // A menu popping up ends any mouse capture of the form (its "mode").
    control.SetMouseCapture(false);
    menu->SetPopupComponent(control.Widget());
    const QPoint at = control.ClientToScreen(pos);
    menu->Popup(at.x(), at.y());
    return true;
}

} // namespace vexo
