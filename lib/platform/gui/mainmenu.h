#pragma once
// The menu bar of a form (TForm::SetMenu): the menu's items are the bar's entries, their
// sub-items the drop-down menus. An item with RightJustify stands at the right end of the bar.
// The bar lies over the top of the form's client area, which aligned controls leave free.

#include <QPointer>

#include "platform/gui/menu.h"

class QMenuBar;
class QWidget;

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TMainMenu : public TMenu {
    Q_OBJECT

public:
    Q_INVOKABLE explicit TMainMenu(vexo::TComponent* owner = nullptr);
    ~TMainMenu() override;

    // The bar on `window`, made on the first call (a child of the window); none for no window.
    QMenuBar* CreateMenuBar(QWidget* window);
    // The bar last made, or none.
    QMenuBar* MenuBar() const;

    void ItemsChanged() override;

private:
    void Rebuild();

    QPointer<QMenuBar> bar_;
    QPointer<QMenuBar> rightBar_;
};

} // namespace vexo
