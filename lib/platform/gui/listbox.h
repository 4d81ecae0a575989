#pragma once
// A list of texts; when sorted it keeps them in alphabetical order ignoring case.

#include <QListWidget>
#include <QStringList>

#include "platform/gui/wincontrol.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TListBox : public QListWidget,
                                          public TWinControl,
                                          public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    VEXO_CONTROL
    VEXO_CONTROL_COLOR
    VEXO_CONTROL_FONT
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_CLASSINFO("Default.Sorted", "False")
    Q_PROPERTY(bool Sorted READ Sorted WRITE SetSorted)
    VEXO_CONTROL_STATE
    VEXO_PUBLISH_PARENTCOLOR
    VEXO_PUBLISH_WINDOW_COMMON
    VEXO_PUBLISH_ONCLICK
    VEXO_PUBLISH_ONDBLCLICK

public:
    // Colour clWindow (not the parent's), a tab stop.
    Q_INVOKABLE explicit TListBox(vexo::TComponent* owner = nullptr);
    TListBox(TComponent* owner, QWidget* parent);

    bool Sorted() const { return sorted_; }
    // Takes effect for texts added afterwards.
    void SetSorted(bool sorted) { sorted_ = sorted; }
    // Adds a text at its sorted place (or at the end) and returns its index.
    int Add(const QString& text);
    void Clear() { clear(); }
    int Count() const { return count(); }
    QString Item(int index) const;
    QStringList Items() const;
    // The selected row, -1 for none; an index outside the list selects none.
    int ItemIndex() const { return currentRow(); }
    void SetItemIndex(int index) { setCurrentRow(index >= 0 && index < count() ? index : -1); }

private:
    bool sorted_ = false;
};

} // namespace vexo
