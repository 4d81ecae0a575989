#include "edits/vexoflatedit.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>

#include "edits/flatborder.h"
#include "edits/lightlabellink_p.h"
#include "edits/vexocustomlabel.h"
#include "platform/gui/application.h"
#include "platform/gui/form.h"
#include "platform/text/editmask.h"

namespace vexo {

TvexoFlatEdit::TvexoFlatEdit(TComponent* owner) : TvexoFlatEdit(owner, nullptr) {}

TvexoFlatEdit::TvexoFlatEdit(TComponent* owner, QWidget* parent)
    : QLineEdit(VisualParent(owner, parent)),
      TWinControl(this, clWindow, QPalette::Base, QPalette::Text, false), TComponent(this, owner),
      lightLabel_(std::make_unique<TLightLabelLink>(this)) {
    SetTabStop(true);
    setFrame(false);
    // The border is painted in the margins, as the classic edit painted its non-client area.
    setTextMargins(FlatBorderX, FlatBorderY, FlatBorderX, FlatBorderY);
    ApplyAlignment();
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (OnChange)
            RunEventHandler([this] { OnChange(this); });
    });
    SetBounds(Left(), Top(), 121, qMax(Height(), GetMinHeight()));
}

TvexoFlatEdit::~TvexoFlatEdit() = default;

void TvexoFlatEdit::SetMaxLength(int length) {
    maxLength_ = qMax(0, length);
    setMaxLength(maxLength_ == 0 ? 32767 : maxLength_);
}

void TvexoFlatEdit::SetPasswordChar(QChar ch) {
    if (ch == passwordChar_)
        return;
    passwordChar_ = ch;
    setEchoMode(ch.isNull() ? QLineEdit::Normal : QLineEdit::Password);
    ApplyAlignment();
}

void TvexoFlatEdit::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    ApplyAlignment();
}

void TvexoFlatEdit::ApplyAlignment() {
    // With a password character the alignment has no effect, as the classic edit then was
    // created without it.
    const TAlignment a = passwordChar_.isNull() ? alignment_ : taLeftJustify;
    const Qt::Alignment h = a == taRightJustify ? Qt::AlignRight
                            : a == taCenter     ? Qt::AlignHCenter
                                                : Qt::AlignLeft;
    // From the top, as the text is painted while not edited.
    setAlignment(h | Qt::AlignTop);
    update();
}

void TvexoFlatEdit::SetMultiLine(bool multiLine) {
    multiLine_ = multiLine;
}

void TvexoFlatEdit::SetDisplayFormat(const QString& format) {
    if (format == displayFormat_)
        return;
    (void)TEditMask(format); // refuses a mask that cannot be read
    displayFormat_ = format;
    update();
}

void TvexoFlatEdit::SetHeightAuto(bool heightAuto) {
    if (heightAuto == heightAuto_)
        return;
    heightAuto_ = heightAuto;
    Resize();
}

TvexoCustomLabel* TvexoFlatEdit::LightLabel() const {
    return lightLabel_->Get();
}

void TvexoFlatEdit::SetLightLabel(TvexoCustomLabel* label) {
    lightLabel_->Set(label);
}

int TvexoFlatEdit::GetMinHeight() {
    TCanvas measure;
    measure.Font.Assign(*Font());
    return 4 * 1 + measure.TextHeight(text().isEmpty() ? QStringLiteral("W") : text()) + 1;
}

QString TvexoFlatEdit::GetDisplayText() {
    if (QApplication::focusWidget() == this)
        return text();
    QString shown = text();
    try {
        shown = FormatMaskText(displayFormat_, shown);
    } catch (const EEditMaskError&) {
        // Cannot happen through SetDisplayFormat; the plain text then.
    }
    DoGetDisplayText(shown);
    return shown;
}

void TvexoFlatEdit::DoGetDisplayText(QString& text) {
    if (OnGetDisplayText)
        OnGetDisplayText(this, text);
}

void TvexoFlatEdit::Undo() {
    undo();
    DoUndo();
}

void TvexoFlatEdit::DoUndo() {
    if (OnUndo)
        OnUndo(this);
}

QRect TvexoFlatEdit::TextArea() const {
    return rect().adjusted(FlatBorderX, FlatBorderY, -FlatBorderX, -FlatBorderY);
}

bool TvexoFlatEdit::Hot() const {
    if (ComponentState().testFlag(csDesigning))
        return isEnabled();
    return hasFocus() || MouseInControl();
}

bool TvexoFlatEdit::DrawAnotherStyle(TCanvas&, const TRect&) {
    return false;
}

void TvexoFlatEdit::RedrawBorder(TCanvas& canvas, const TRect& rect) {
    if (DrawAnotherStyle(canvas, rect))
        return;
    DrawFlatBorder(canvas, rect, Hot(), isEnabled() ? clWindow : clBtnFace);
}

void TvexoFlatEdit::paintEvent(QPaintEvent* event) {
    TForm* form = ParentForm();
    const bool active = form != nullptr && form->ActiveControl() == this;
    if (surface_.Width() != width() || surface_.Height() != height())
        surface_ = TBitmap(width(), height(), 24);
    TCanvas canvas(&surface_);
    canvas.Brush.Color = Color();
    canvas.FillRect(ClientRect());
    if (!active) {
        // Where the platform's edit puts its text: 2 pixels in, 1 down.
        const QRect c = TextArea();
        PaintEdit(canvas, alignment_, Color(), *Font(),
                  Rect(c.left() + 2, c.top() + 1, c.right() + 1, c.bottom() + 1), GetDisplayText(),
                  isEnabled());
    }
    RedrawBorder(canvas, ClientRect());
    const QImage image = BitmapToQImage(surface_);
    if (active) {
        QLineEdit::paintEvent(event);
        QPainter p(this);
        p.setClipRegion(QRegion(rect()).subtracted(TextArea()));
        p.drawImage(0, 0, image);
    } else {
        QPainter p(this);
        p.drawImage(0, 0, image);
    }
}

void TvexoFlatEdit::MouseEnter() {
    TWinControl::MouseEnter();
    update();
}

void TvexoFlatEdit::MouseLeave() {
    TWinControl::MouseLeave();
    update();
}

void TvexoFlatEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    update();
}

void TvexoFlatEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    update();
}

void TvexoFlatEdit::EnabledChanged() {
    TWinControl::EnabledChanged();
    update();
}

void TvexoFlatEdit::Resize() {
    TWinControl::Resize();
    if (heightAuto_) {
        const int minHeight = GetMinHeight();
        if (Height() < minHeight)
            SetHeight(minHeight);
    }
}

void TvexoFlatEdit::DoEnter() {
    lightLabel_->Enter();
    if (multiLine_)
        update();
    else
        selectAll();
    TWinControl::DoEnter();
}

void TvexoFlatEdit::DoExit() {
    lightLabel_->Exit();
    TWinControl::DoExit();
    update();
}

bool TvexoFlatEdit::WantsKey(int key, TShiftState shift) const {
    if (multiLine_ && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape))
        return true;
    return TWinControl::WantsKey(key, shift);
}

void TvexoFlatEdit::KeyDown(int& key, TShiftState shift) {
    if (key == Qt::Key_Z && shift == TShiftState(ssCtrl))
        DoUndo(); // the platform's edit undoes by itself
    else if (key == Qt::Key_Backspace && shift == TShiftState(ssAlt)) {
        Undo();
        key = 0;
    } else if (key == Qt::Key_Escape && !multiLine_ && shift == TShiftState())
        // Esc undoes; the form then gets it as a dialog key (its cancel button).
        Undo();
    TWinControl::KeyDown(key, shift);
}

void TvexoFlatEdit::KeyPress(QChar& key) {
    // Enter and Esc that no default or cancel button took are not typed.
    if (!multiLine_ && (key == QChar(13) || key == QChar(27))) {
        TWinControl::KeyPress(key);
        key = QChar();
        return;
    }
    TWinControl::KeyPress(key);
}

void TvexoFlatEdit::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && lightLabel_)
        lightLabel_->Removed(component);
}

} // namespace vexo
