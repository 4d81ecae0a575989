#include "platform/gui/popupmenu.h"

#include <QMenu>

#include "platform/gui/application.h"

namespace vexo {

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

TPopupMenu::~TPopupMenu() = default;

QMenu* TPopupMenu::Menu() const {
    return Items()->SubMenu();
}

void TPopupMenu::Popup(int x, int y) {
    popupPoint_ = QPoint(x, y);
    if (OnPopup && !RunEventHandler([this] { OnPopup(this); }))
        return;
    QMenu* menu = Menu();
    QPoint at(x, y);
    const int width = menu->sizeHint().width();
    if (alignment_ == paRight)
        at.rx() -= width;
    else if (alignment_ == paCenter)
        at.rx() -= width / 2;
    menu->exec(at);
}

} // namespace vexo
