#pragma once
// A list of texts; when sorted it keeps them in alphabetical order ignoring case.

#include <QListWidget>
#include <QStringList>

#include "platform/gui/control.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TListBox : public QListWidget {
    Q_OBJECT

public:
    explicit TListBox(QWidget* parent = nullptr) : QListWidget(parent) {}

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted) { sorted_ = sorted; }
    // Adds a text at its sorted place (or at the end) and returns its index.
    int Add(const QString& text);
    void Clear() { clear(); }
    int Count() const { return count(); }
    QString Item(int index) const;
    QStringList Items() const;

private:
    bool sorted_ = false;
};

} // namespace vexo
