#include "platform/gui/combobox.h"

#include "platform/gui/application.h"

namespace vexo {

TComboBox::TComboBox(TComponent* owner) : TComboBox(owner, nullptr) {}

TComboBox::TComboBox(TComponent* owner, QWidget* parent)
    : QComboBox(VisualParent(owner, parent)),
      TWinControl(this, clWindow, QPalette::Base, QPalette::Text, false), TComponent(this, owner) {
    setEditable(false);
    SetTabStop(true);
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!fromCode_ && OnChange)
            RunEventHandler([this] { OnChange(this); });
    });
}

void TComboBox::SetItems(const QStringList& items) {
    fromCode_ = true;
    clear();
    addItems(items);
    setCurrentIndex(-1);
    fromCode_ = false;
}

QStringList TComboBox::Items() const {
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items << itemText(i);
    return items;
}

void TComboBox::SetItemIndex(int index) {
    fromCode_ = true;
    setCurrentIndex(index);
    fromCode_ = false;
}

} // namespace vexo
