#include "edits/vexocustomcombobox.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>

#include "edits/flatborder.h"
#include "edits/lightlabellink_p.h"
#include "edits/vexocustomlabel.h"
#include "platform/gui/application.h"

namespace vexo {

// Owner-drawn items: each item is drawn by OnDrawItem on a bitmap of its size, which is
// then shown in the list.
class TOwnerDrawDelegate : public QStyledItemDelegate {
public:
    explicit TOwnerDrawDelegate(TvexoCustomComboBox* box) : QStyledItemDelegate(box), box_(box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (!box_->OnDrawItem) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        TBitmap bitmap(option.rect.width(), option.rect.height(), 24);
        TCanvas& canvas = box_->itemCanvas_;
        canvas.SetBitmap(&bitmap);
        TOwnerDrawState state;
        if (option.state & QStyle::State_Selected)
            state |= odSelected;
        if (option.state & QStyle::State_HasFocus)
            state |= odFocused;
        if (!(option.state & QStyle::State_Enabled))
            state |= odDisabled;
        canvas.Font.Assign(*box_->Font());
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = state & odSelected ? clHighlight : box_->Color();
        canvas.Font.SetColor(state & odSelected ? clHighlightText : box_->Font()->Color());
        canvas.FillRect(canvas.ClipRect());
        RunEventHandler([&] { box_->OnDrawItem(box_, index.row(), canvas.ClipRect(), state); });
        canvas.SetBitmap(nullptr);
        painter->drawImage(option.rect.topLeft(), BitmapToQImage(bitmap));
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        int height = box_->itemHeight_;
        if (box_->style_ == csOwnerDrawVariable && box_->OnMeasureItem)
            box_->OnMeasureItem(box_, index.row(), height);
        size.setHeight(qMax(1, height));
        return size;
    }

private:
    TvexoCustomComboBox* box_;
};

// The border lies over the whole box, above the edit field a drop-down box holds, and lets
// the mouse through.
class TFlatBorderOverlay : public QWidget {
public:
    explicit TFlatBorderOverlay(TvexoCustomComboBox* box) : QWidget(box), box_(box) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        box_->PaintBorder(p);
    }

private:
    TvexoCustomComboBox* box_;
};

TvexoCustomComboBox::TvexoCustomComboBox(TComponent* owner) : TvexoCustomComboBox(owner, nullptr) {}

TvexoCustomComboBox::TvexoCustomComboBox(TComponent* owner, QWidget* parent)
    : QComboBox(VisualParent(owner, parent)),
      TWinControl(this, clWindow, QPalette::Base, QPalette::Text, false), TComponent(this, owner),
      lightLabel_(std::make_unique<TLightLabelLink>(this)) {
    SetTabStop(true);
    setFrame(false);
    setMaxVisibleItems(8);
    overlay_ = new TFlatBorderOverlay(this);
    overlay_->show();
    ApplyStyle();
    connect(this, &QComboBox::activated, this, [this] {
        if (OnChange)
            RunEventHandler([this] { OnChange(this); });
    });
    SetBounds(Left(), Top(), 145, Height());
}

TvexoCustomComboBox::~TvexoCustomComboBox() = default;

void TvexoCustomComboBox::ApplyStyle() {
    const bool editable = style_ == csDropDown || style_ == csSimple;
    if (editable != isEditable()) {
        setEditable(editable);
        if (editable) {
            lineEdit()->setFrame(false);
            lineEdit()->setMaxLength(maxLength_ == 0 ? 32767 : maxLength_);
            AddInputWidget(lineEdit());
            connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
                if (OnChange)
                    RunEventHandler([this] { OnChange(this); });
            });
        }
    }
    const bool ownerDraw = style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable;
    if (ownerDraw)
        setItemDelegate(new TOwnerDrawDelegate(this));
    else if (dynamic_cast<TOwnerDrawDelegate*>(itemDelegate()) != nullptr)
        setItemDelegate(new QStyledItemDelegate(this));
    RedrawBorder();
}

void TvexoCustomComboBox::SetStyle(TComboBoxStyle style) {
    if (style == style_)
        return;
    style_ = style;
    ApplyStyle();
}

void TvexoCustomComboBox::SetSorted(bool sorted) {
    if (sorted == sorted_)
        return;
    sorted_ = sorted;
    Resort();
}

void TvexoCustomComboBox::SetItemHeight(int height) {
    itemHeight_ = qMax(1, height);
    update();
}

void TvexoCustomComboBox::SetMaxLength(int length) {
    maxLength_ = qMax(0, length);
    if (lineEdit() != nullptr)
        lineEdit()->setMaxLength(maxLength_ == 0 ? 32767 : maxLength_);
}

QStringList TvexoCustomComboBox::Items() const {
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items.append(itemText(i));
    return items;
}

void TvexoCustomComboBox::SetItems(const QStringList& items) {
    const QString current = currentText();
    clear();
    addItems(items);
    Resort();
    setCurrentIndex(isEditable() ? -1 : findText(current));
    if (isEditable())
        setEditText(current);
}

void TvexoCustomComboBox::Resort() {
    if (!sorted_ || count() < 2)
        return;
    const QString current = currentIndex() >= 0 ? currentText() : QString();
    const bool chosen = currentIndex() >= 0;
    QStringList items = Items();
    std::stable_sort(items.begin(), items.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    const QSignalBlocker block(this);
    clear();
    addItems(items);
    setCurrentIndex(chosen ? findText(current) : -1);
}

int TvexoCustomComboBox::AddItem(const QString& item) {
    int index = count();
    if (sorted_) {
        index = 0;
        while (index < count() && itemText(index).compare(item, Qt::CaseInsensitive) <= 0)
            ++index;
    }
    insertItem(index, item);
    return index;
}

int TvexoCustomComboBox::IndexOf(const QString& text) const {
    for (int i = 0; i < count(); ++i)
        if (itemText(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TvexoCustomComboBox::SetText(const QString& text) {
    if (isEditable())
        setEditText(text);
    else
        setCurrentIndex(findText(text));
}

TvexoCustomLabel* TvexoCustomComboBox::LightLabel() const {
    return lightLabel_->Get();
}

void TvexoCustomComboBox::SetLightLabel(TvexoCustomLabel* label) {
    lightLabel_->Set(label);
}

void TvexoCustomComboBox::Lookup() {
    if (!sorted_)
        return;
    if (search_.isEmpty()) {
        setCurrentIndex(-1);
        return;
    }
    const int index = IndexOf(search_);
    if (index >= 0 && index != currentIndex()) {
        setCurrentIndex(index);
        if (OnChange)
            RunEventHandler([this] { OnChange(this); });
    }
}

void TvexoCustomComboBox::KeyPress(QChar& key) {
    TWinControl::KeyPress(key);
    if (style_ != csDropDownList || key.isNull())
        return;
    // Every key counts: the search text gathers all of them.
    if (key == QChar(8))
        search_.chop(1);
    else if (key.isPrint())
        search_ += key;
    else
        return;
    Lookup();
    // The list's own prefix search would choose items the search text does not equal.
    key = QChar();
}

bool TvexoCustomComboBox::Hot() const {
    if (ComponentState().testFlag(csDesigning))
        return isEnabled();
    return hasFocus() || (lineEdit() != nullptr && lineEdit()->hasFocus()) || MouseInControl();
}

void TvexoCustomComboBox::PaintBorder(QPainter& painter) {
    const bool hot = Hot();
    // A box neither hot nor enabled keeps the platform's look.
    if (!hot && !isEnabled())
        return;
    TBitmap border(width(), height(), 24);
    TCanvas canvas(&border);
    DrawFlatBorder(canvas, ClientRect(), hot, clWindow);
    const QRect inner = rect().adjusted(FlatBorderX, FlatBorderY, -FlatBorderX, -FlatBorderY);
    painter.setClipRegion(QRegion(rect()).subtracted(inner));
    painter.drawImage(0, 0, BitmapToQImage(border));
}

void TvexoCustomComboBox::RedrawBorder() {
    overlay_->setGeometry(rect());
    overlay_->raise();
    overlay_->update();
}

void TvexoCustomComboBox::resizeEvent(QResizeEvent* event) {
    QComboBox::resizeEvent(event);
    RedrawBorder();
}

void TvexoCustomComboBox::MouseEnter() {
    TWinControl::MouseEnter();
    RedrawBorder();
}

void TvexoCustomComboBox::MouseLeave() {
    TWinControl::MouseLeave();
    RedrawBorder();
}

void TvexoCustomComboBox::EnabledChanged() {
    TWinControl::EnabledChanged();
    RedrawBorder();
}

void TvexoCustomComboBox::DoEnter() {
    TWinControl::DoEnter();
    RedrawBorder();
    lightLabel_->Enter();
}

void TvexoCustomComboBox::DoExit() {
    TWinControl::DoExit();
    RedrawBorder();
    search_.clear();
    lightLabel_->Exit();
}

void TvexoCustomComboBox::showPopup() {
    if (OnDropDown)
        RunEventHandler([this] { OnDropDown(this); });
    QComboBox::showPopup();
}

void TvexoCustomComboBox::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && lightLabel_)
        lightLabel_->Removed(component);
}

} // namespace vexo
