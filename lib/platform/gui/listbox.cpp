#include "platform/gui/listbox.h"

namespace vexo {

TListBox::TListBox(TComponent* owner) : TListBox(owner, nullptr) {}

TListBox::TListBox(TComponent* owner, QWidget* parent)
    : QListWidget(VisualParent(owner, parent)),
      TWinControl(this, clWindow, QPalette::Base, QPalette::Text, false), TComponent(this, owner) {
    SetTabStop(true);
    // The rows are drawn on the viewport, which gets the mouse.
    AddInputWidget(viewport());
}

int TListBox::Add(const QString& text) {
    int at = count();
    if (sorted_) {
        // Insert after equal texts, so equal names keep their order of arrival.
        int lo = 0, hi = count();
        while (lo < hi) {
            const int mid = (lo + hi) / 2;
            if (QString::compare(item(mid)->text(), text, Qt::CaseInsensitive) <= 0)
                lo = mid + 1;
            else
                hi = mid;
        }
        at = lo;
    }
    insertItem(at, text);
    return at;
}

QString TListBox::Item(int index) const {
    const QListWidgetItem* it = item(index);
    return it ? it->text() : QString();
}

QStringList TListBox::Items() const {
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items << item(i)->text();
    return items;
}

} // namespace vexo
