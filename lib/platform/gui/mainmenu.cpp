#include "platform/gui/mainmenu.h"

#include <QAction>
#include <QMenuBar>

namespace vexo {

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

TMainMenu::~TMainMenu() {
    delete bar_;
}

QMenuBar* TMainMenu::MenuBar() const {
    return bar_;
}

QMenuBar* TMainMenu::CreateMenuBar(QWidget* window) {
    if (window == nullptr)
        return nullptr;
    if (bar_ && bar_->parentWidget() == window)
        return bar_;
    delete bar_;
    bar_ = new QMenuBar(window);
    // The platform's menu bar, not a global one: the bar is part of the form.
    bar_->setNativeMenuBar(false);
    rightBar_ = new QMenuBar(bar_);
    rightBar_->setNativeMenuBar(false);
    bar_->setCornerWidget(rightBar_, Qt::TopRightCorner);
    Rebuild();
    return bar_;
}

void TMainMenu::ItemsChanged() {
    Rebuild();
}

void TMainMenu::Rebuild() {
    if (!bar_)
        return;
    bar_->clear();
    rightBar_->clear();
    for (int i = 0; i < Items()->Count(); ++i) {
        TMenuItem* item = Items()->Items(i);
        (item->RightJustify() ? rightBar_ : bar_)->addAction(item->Action());
    }
    rightBar_->setVisible(!rightBar_->actions().isEmpty());
    bar_->resize(bar_->parentWidget()->width(), bar_->sizeHint().height());
}

} // namespace vexo
