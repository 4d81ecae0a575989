#include "platform/gui/combobox.h"

namespace vexo {

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!fromCode_ && OnChange)
            OnChange(this);
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
