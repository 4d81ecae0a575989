#include "platform/gui/control.h"

#include <QEvent>
#include <QVariant>
#include <algorithm>

#include "platform/gui/alignlayout_p.h"
#include "platform/gui/controlfilter_p.h"
#include "platform/gui/cursors.h"
#include "platform/gui/form.h"
#include "platform/gui/streamparent.h"
#include "platform/image/canvas.h"

namespace vexo {

namespace {

constexpr const char* HintProperty = "vexoHint";
constexpr const char* ShowHintProperty = "vexoShowHint";
constexpr const char* ParentShowHintProperty = "vexoParentShowHint";

quint64 NextJoinOrder() {
    static quint64 order = 0;
    return ++order;
}

// A control's own Visible: shown, or not hidden on purpose (a new control shows with its
// parent).
bool OwnVisible(const QWidget* widget) {
    return !(widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide));
}

} // namespace

QWidget* VisualParent(TComponent* owner, QWidget* parent) {
    if (parent != nullptr || owner == nullptr)
        return parent;
    QObject* object = owner->Object();
    return object != nullptr && object->isWidgetType() ? static_cast<QWidget*>(object) : nullptr;
}

TControl::TControl(QWidget* widget, TColor color, QPalette::ColorRole colorRole,
                   QPalette::ColorRole textRole, bool parentColor)
    : widget_(widget), filter_(std::make_unique<TControlEventFilter>(this)), color_(color),
      colorRole_(colorRole), textRole_(textRole), font_(std::make_unique<TFont>()),
      parentColor_(parentColor), constraints_(std::make_unique<TSizeConstraints>()),
      joinOrder_(NextJoinOrder()) {
    // A control may be read from a component stream: it then joins its container there.
    InstallStreamParenting();
    AssignQFont(*font_, widget_->font());
    QObject::connect(font_.get(), &TFont::Changed, font_.get(), [this] {
        if (applying_)
            return;
        if (!takingParent_)
            parentFont_ = false;
        ApplyFont();
        FontChanged();
        NotifyChildren(&TControl::ParentFontChanged);
    });
    constraints_->OnChange = [this](QObject*) { ApplyConstraints(); };
    if (!widget_->isWindow())
        widget_->setAttribute(Qt::WA_NoMousePropagation);
    // Controls keep the bounds they were given: Qt would size a widget never resized to its
    // size hint when it is shown again after a change of parent.
    widget_->setAttribute(Qt::WA_Resized);
    // Controls hear every mouse move, not only those with a button down.
    widget_->setMouseTracking(true);
    widget_->installEventFilter(filter_.get());
    notifiedSize_ = widget_->size();
    TakeParentColor();
    TakeParentFont();
    // A control made on a window already shown appears at once, as the framework's do.
    if (!widget_->isWindow() && widget_->parentWidget() != nullptr &&
        widget_->parentWidget()->isVisible())
        widget_->show();
}

TControl::~TControl() {
    // No events reach a half-destroyed control.
    widget_->removeEventFilter(filter_.get());
}

TControl* TControl::FromWidget(const QWidget* widget) {
    return dynamic_cast<TControl*>(const_cast<QWidget*>(widget));
}

TComponent* TControl::Component() const {
    if (component_ == nullptr)
        component_ = TComponent::FromObject(widget_);
    return component_;
}

TControl* TControl::ParentControl() const {
    if (widget_->isWindow())
        return nullptr;
    for (QWidget* w = widget_->parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (TControl* control = FromWidget(w))
            return control;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

TForm* TControl::ParentForm() const {
    return dynamic_cast<TForm*>(widget_->window());
}

void TControl::SetBounds(int left, int top, int width, int height) {
    widget_->setGeometry(left, top, std::max(width, 0), std::max(height, 0));
    if (!placing_) {
        NoteAnchorOrigin();
        if (align_ != alNone)
            RequestParentAlign();
    }
    SizeMaybeChanged();
}

void TControl::SizeMaybeChanged() {
    const QSize size = widget_->size();
    if (size == notifiedSize_)
        return;
    notifiedSize_ = size;
    Realign();
    Resize();
}

void TControl::Realign() {
    if (TAlignLayout* layout = TAlignLayout::Of(widget_, false))
        layout->Realign();
}

void TControl::RequestParentAlign() {
    QWidget* parent = widget_->parentWidget();
    if (parent == nullptr || widget_->isWindow())
        return;
    const bool needed = align_ != alNone || anchors_ != (TAnchors(akLeft) | akTop);
    if (TAlignLayout* layout = TAlignLayout::Of(parent, needed))
        layout->Realign();
}

void TControl::SetAlign(TAlign align) {
    if (align == align_)
        return;
    align_ = align;
    RequestParentAlign();
}

void TControl::SetAnchors(TAnchors anchors) {
    if (anchors == anchors_)
        return;
    anchors_ = anchors;
    NoteAnchorOrigin();
    if (QWidget* parent = widget_->parentWidget(); parent && !widget_->isWindow())
        TAlignLayout::Of(parent, true);
}

void TControl::NoteAnchorOrigin() {
    QWidget* parent = widget_->parentWidget();
    anchorOrigin_ = widget_->geometry();
    anchorApplied_ = anchorOrigin_;
    anchorParentSize_ = parent != nullptr ? parent->size() : QSize();
    anchorKnown_ = true;
}

void TControl::ApplyAnchors(QSize parentSize, QSize previousSize) {
    const QRect current = widget_->geometry();
    if (!anchorKnown_ || current != anchorApplied_) {
        // Moved by other means since the last layout: measure from where it is now.
        anchorOrigin_ = current;
        anchorParentSize_ = previousSize;
        anchorKnown_ = true;
    }
    if (anchors_ == (TAnchors(akLeft) | akTop)) {
        anchorApplied_ = current;
        return;
    }
    const int dx = parentSize.width() - anchorParentSize_.width();
    const int dy = parentSize.height() - anchorParentSize_.height();
    auto follow = [](int pos, int size, int delta, bool nearSide, bool farSide, int& outPos,
                     int& outSize) {
        outPos = pos;
        outSize = size;
        if (farSide) {
            if (nearSide)
                outSize = size + delta;
            else
                outPos = pos + delta;
        } else if (!nearSide) {
            outPos = pos + delta / 2;
        }
    };
    int left, width, top, height;
    follow(anchorOrigin_.x(), anchorOrigin_.width(), dx, anchors_.testFlag(akLeft),
           anchors_.testFlag(akRight), left, width);
    follow(anchorOrigin_.y(), anchorOrigin_.height(), dy, anchors_.testFlag(akTop),
           anchors_.testFlag(akBottom), top, height);
    placing_ = true;
    SetBounds(left, top, width, height);
    placing_ = false;
    anchorApplied_ = widget_->geometry();
}

void TControl::SetConstraints(const TSizeConstraints* constraints) {
    if (constraints != nullptr)
        constraints_->Assign(*constraints);
}

void TControl::ApplyConstraints() {
    const TSizeConstraints& c = *constraints_;
    widget_->setMinimumSize(c.MinWidth(), c.MinHeight());
    widget_->setMaximumSize(c.MaxWidth() > 0 ? c.MaxWidth() : QWIDGETSIZE_MAX,
                            c.MaxHeight() > 0 ? c.MaxHeight() : QWIDGETSIZE_MAX);
    SizeMaybeChanged();
    if (align_ != alNone)
        RequestParentAlign();
}

void TControl::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    parentColor_ = false;
    ApplyColorRole(true);
    ColorChanged();
    NotifyChildren(&TControl::ParentColorChanged);
}

void TControl::ApplyColor() {
    ApplyColorRole(true);
}

void TControl::ApplyColorRole(bool fill) {
    QPalette pal = widget_->palette();
    pal.setColor(colorRole_, ToQColor(color_));
    widget_->setPalette(pal);
    if (fill && colorRole_ == QPalette::Window)
        widget_->setAutoFillBackground(true);
}

void TControl::SetParentColor(bool parentColor) {
    if (parentColor == parentColor_)
        return;
    parentColor_ = parentColor;
    if (parentColor_)
        TakeParentColor();
}

void TControl::TakeParentColor() {
    const TControl* parent = ParentControl();
    if (!parentColor_ || parent == nullptr || parent->color_ == color_)
        return;
    color_ = parent->color_;
    // The parent's colour lies under the control already: no background of its own.
    ApplyColorRole(false);
    ColorChanged();
    NotifyChildren(&TControl::ParentColorChanged);
}

void TControl::ParentColorChanged() {
    TakeParentColor();
}

void TControl::SetFont(const TFont* font) {
    if (font != nullptr)
        font_->Assign(*font);
}

void TControl::ApplyFont() {
    applying_ = true;
    // Controls draw their text smoothed, as every other window does: aliased letters at the
    // classic small sizes are hard to tell apart. Only canvas output stays aliased.
    QFont font = ToQFont(*font_);
    font.setStyleStrategy(QFont::PreferAntialias);
    widget_->setFont(font);
    QPalette pal = widget_->palette();
    pal.setColor(textRole_, ToQColor(font_->Color()));
    widget_->setPalette(pal);
    applying_ = false;
}

void TControl::SetParentFont(bool parentFont) {
    if (parentFont == parentFont_)
        return;
    parentFont_ = parentFont;
    if (parentFont_)
        TakeParentFont();
}

void TControl::TakeParentFont() {
    const TControl* parent = ParentControl();
    if (!parentFont_ || parent == nullptr)
        return;
    takingParent_ = true;
    font_->Assign(*parent->font_);
    takingParent_ = false;
}

void TControl::ParentFontChanged() {
    TakeParentFont();
}

QList<TControl*> TControl::ChildControls() const {
    QList<TControl*> list;
    QList<QWidget*> pending;
    for (QObject* child : widget_->children())
        if (child->isWidgetType())
            pending.append(static_cast<QWidget*>(child));
    while (!pending.isEmpty()) {
        QWidget* w = pending.takeFirst();
        if (w->isWindow())
            continue;
        if (TControl* control = FromWidget(w)) {
            list.append(control);
            continue;
        }
        for (QObject* child : w->children())
            if (child->isWidgetType())
                pending.append(static_cast<QWidget*>(child));
    }
    std::stable_sort(list.begin(), list.end(), [](const TControl* a, const TControl* b) {
        return a->joinOrder_ < b->joinOrder_;
    });
    return list;
}

void TControl::NotifyChildren(void (TControl::*notify)()) {
    for (TControl* control : ChildControls())
        (control->*notify)();
}

void TControl::ControlChanged(const QEvent* event) {
    if (event->type() != QEvent::FontChange || applying_)
        return;
    // A font set on the widget from outside (Qt's inheritance, or Qt code).
    applying_ = true;
    AssignQFont(*font_, widget_->font());
    applying_ = false;
    FontChanged();
}

bool TControl::Enabled() const {
    return !widget_->testAttribute(Qt::WA_ForceDisabled);
}

void TControl::SetEnabled(bool enabled) {
    widget_->setEnabled(enabled);
}

bool TControl::Visible() const {
    return OwnVisible(widget_);
}

void TControl::SetVisible(bool visible) {
    widget_->setVisible(visible);
}

QString TControl::Hint() const {
    return vexo::Hint(widget_);
}

void TControl::SetHint(const QString& hint) {
    vexo::SetHint(widget_, hint);
}

bool TControl::ShowHint() const {
    return vexo::ShowHint(widget_);
}

// An unchanged value changes nothing, so a stream that repeats the inherited value keeps
// ParentShowHint (likewise BiDiMode and Ctl3D).
void TControl::SetShowHint(bool show) {
    if (show == ShowHint())
        return;
    vexo::SetShowHint(widget_, show);
}

bool TControl::ParentShowHint() const {
    return vexo::ParentShowHint(widget_);
}

void TControl::SetParentShowHint(bool parentShowHint) {
    vexo::SetParentShowHint(widget_, parentShowHint);
}

void TControl::SetCursor(TCursor cursor) {
    if (cursor == cursor_)
        return;
    cursor_ = cursor;
    if (cursor == crDefault)
        widget_->unsetCursor();
    else
        widget_->setCursor(ScreenCursor(cursor));
}

TBiDiMode TControl::BiDiMode() const {
    if (parentBiDiMode_)
        if (const TControl* parent = ParentControl())
            return parent->BiDiMode();
    return biDiMode_;
}

void TControl::SetBiDiMode(TBiDiMode mode) {
    if (mode == BiDiMode())
        return;
    parentBiDiMode_ = false;
    if (mode == biDiMode_ && widget_->testAttribute(Qt::WA_SetLayoutDirection))
        return;
    biDiMode_ = mode;
    ApplyBiDiMode();
}

void TControl::SetParentBiDiMode(bool parentBiDiMode) {
    if (parentBiDiMode == parentBiDiMode_)
        return;
    parentBiDiMode_ = parentBiDiMode;
    ApplyBiDiMode();
}

void TControl::ApplyBiDiMode() {
    if (parentBiDiMode_) {
        // Qt's layout direction follows the parent by itself.
        widget_->unsetLayoutDirection();
        return;
    }
    widget_->setLayoutDirection(biDiMode_ == bdLeftToRight ? Qt::LeftToRight : Qt::RightToLeft);
}

TPopupMenu* TControl::PopupMenu() const {
    return popupMenu_;
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    popupMenu_ = menu;
}

void TControl::SetControlStyle(TControlStyle style) {
    controlStyle_ = style;
    widget_->setAttribute(Qt::WA_OpaquePaintEvent, style.testFlag(csOpaque));
}

bool TControl::MouseCapture() const {
    return captured_ || QWidget::mouseGrabber() == widget_;
}

void TControl::SetMouseCapture(bool capture) {
    if (capture) {
        widget_->grabMouse();
    } else {
        captured_ = false;
        if (QWidget::mouseGrabber() == widget_)
            widget_->releaseMouse();
    }
}

void TControl::Invalidate() {
    widget_->update();
}

void TControl::Repaint() {
    widget_->repaint();
}

void TControl::BringToFront() {
    widget_->raise();
}

void TControl::SendToBack() {
    widget_->lower();
}

void TControl::AdjustClientRect(TRect& rect) const {
    const QMargins m = widget_->contentsMargins();
    rect = Rect(rect.Left + m.left(), rect.Top + m.top(), rect.Right - m.right(),
                rect.Bottom - m.bottom());
}

bool TControl::DialogKey(int key, TShiftState shift) {
    for (TControl* control : ChildControls())
        if (control->DialogKey(key, shift))
            return true;
    return false;
}

bool TControl::DialogChar(QChar ch) {
    for (TControl* control : ChildControls())
        if (control->DialogChar(ch))
            return true;
    return false;
}

bool TControl::ControlEvent(QEvent*) {
    return false;
}

void TControl::AddInputWidget(QWidget* widget) {
    widget->installEventFilter(filter_.get());
    widget->setAttribute(Qt::WA_NoMousePropagation);
}

void TControl::ParentChanged() {
    joinOrder_ = NextJoinOrder();
    anchorKnown_ = false;
    TakeParentColor();
    TakeParentFont();
    ApplyBiDiMode();
    RequestParentAlign();
}

void SetHint(QWidget* control, const QString& hint) {
    control->setProperty(HintProperty, hint);
}

QString Hint(const QWidget* control) {
    return control->property(HintProperty).toString();
}

void SetShowHint(QWidget* control, bool show) {
    control->setProperty(ShowHintProperty, show);
    control->setProperty(ParentShowHintProperty, false);
}

void SetParentShowHint(QWidget* control, bool parentShowHint) {
    control->setProperty(ParentShowHintProperty, parentShowHint);
}

bool ParentShowHint(const QWidget* control) {
    const QVariant v = control->property(ParentShowHintProperty);
    return v.isValid() ? v.toBool() : !control->isWindow();
}

bool ShowHint(const QWidget* control) {
    for (const QWidget* w = control; w; w = w->parentWidget()) {
        if (!ParentShowHint(w) || w->isWindow())
            return w->property(ShowHintProperty).toBool();
    }
    return false;
}

bool IsAccel(QChar ch, const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&'))
            continue;
        if (caption.at(i + 1) != QLatin1Char('&'))
            return caption.at(i + 1).toUpper() == ch.toUpper();
        ++i; // "&&" stands for "&"
    }
    return false;
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    TShiftState shift;
    shift.setFlag(ssShift, modifiers.testFlag(Qt::ShiftModifier));
    shift.setFlag(ssCtrl, modifiers.testFlag(Qt::ControlModifier));
    shift.setFlag(ssAlt, modifiers.testFlag(Qt::AltModifier));
    shift.setFlag(ssLeft, buttons.testFlag(Qt::LeftButton));
    shift.setFlag(ssRight, buttons.testFlag(Qt::RightButton));
    shift.setFlag(ssMiddle, buttons.testFlag(Qt::MiddleButton));
    return shift;
}

} // namespace vexo
