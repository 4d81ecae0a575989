#pragma once
// A combo box with the flat, hot-tracking border of the flat edit, a linked label lit while
// it has the focus, owner-drawn items on request, and type-ahead in sorted lists: the typed
// characters gather into a search text and the item equal to it (in any letter case) is
// chosen.
//
// The platform's combo box has no always-open list: csSimple is an editable box whose list
// opens on demand.

#include <QComboBox>
#include <QPainter>
#include <QPointer>
#include <QStringList>
#include <memory>

#include "edits/edittypes.h"
#include "platform/gui/wincontrol.h"
#include "platform/image/canvas.h"
#include "vexo/edits_export.h"

namespace vexo {

class TvexoCustomLabel;
class TLightLabelLink;

using TDrawItemEvent =
    TEvent<QObject* /*Control*/, int /*Index*/, TRect /*Rect*/, TOwnerDrawState /*State*/>;
using TMeasureItemEvent = TEvent<QObject* /*Control*/, int /*Index*/, int& /*Height*/>;

class VEXO_EDITS_EXPORT TvexoCustomComboBox : public QComboBox,
                                              public TWinControl,
                                              public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    VEXO_CONTROL

public:
    // Colour clWindow, a tab stop, csDropDown, eight items dropped down, unsorted.
    Q_INVOKABLE explicit TvexoCustomComboBox(vexo::TComponent* owner = nullptr);
    TvexoCustomComboBox(TComponent* owner, QWidget* parent);
    ~TvexoCustomComboBox() override;

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    bool Sorted() const { return sorted_; }
    // Switching it on sorts the items (letter case ignored); later items are put in order.
    void SetSorted(bool sorted);
    int DropDownCount() const { return maxVisibleItems(); }
    void SetDropDownCount(int count) { setMaxVisibleItems(qMax(1, count)); }
    // Height of owner-drawn items of csOwnerDrawFixed (and the default of csOwnerDrawVariable).
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);
    // 0 means no limit; for the kinds with an edit field.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);

    QStringList Items() const;
    void SetItems(const QStringList& items);
    // Adds an item (in order when sorted) and returns its index.
    int AddItem(const QString& item);
    // The index of the item equal to `text` in any letter case, -1 when none is.
    int IndexOf(const QString& text) const;
    int ItemIndex() const { return currentIndex(); }
    void SetItemIndex(int index) { setCurrentIndex(index); }
    QString Text() const { return currentText(); }
    void SetText(const QString& text);

    TvexoCustomLabel* LightLabel() const;
    void SetLightLabel(TvexoCustomLabel* label);
    // The typed search text of csDropDownList (cleared when the focus leaves).
    QString SearchText() const { return search_; }
    // Chooses the item equal to the search text in a sorted list; an empty search text
    // chooses none.
    virtual void Lookup();
    // Hot: the mouse is over the box or it has the focus (enabled, in design mode).
    bool Hot() const;
    // The canvas owner-drawn items are drawn on (valid inside OnDrawItem).
    TCanvas& Canvas() { return itemCanvas_; }
    void showPopup() override;

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void DoEnter() override;
    void DoExit() override;
    void KeyPress(QChar& key) override;
    void EnabledChanged() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TOwnerDrawDelegate;
    friend class TFlatBorderOverlay;
    void ApplyStyle();
    void PaintBorder(QPainter& painter);
    // Repaints the border (over the edit field too).
    void RedrawBorder();
    void Resort();

    TComboBoxStyle style_ = csDropDown;
    bool sorted_ = false;
    int itemHeight_ = 16;
    int maxLength_ = 0;
    QString search_;
    std::unique_ptr<TLightLabelLink> lightLabel_;
    TCanvas itemCanvas_;
    QWidget* overlay_ = nullptr;
};

} // namespace vexo
