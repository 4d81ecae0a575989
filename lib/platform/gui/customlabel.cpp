#include "platform/gui/customlabel.h"

#include "platform/gui/wincontrol.h"

namespace vexo {

TCustomLabel::TCustomLabel(TComponent* owner) : TCustomLabel(owner, nullptr) {}

TCustomLabel::TCustomLabel(TComponent* owner, QWidget* parent) : TGraphicControl(owner, parent) {
    SetControlStyle(ControlStyle() | csOpaque);
    SetBounds(Left(), Top(), 65, 17);
}

void TCustomLabel::SetCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout layout) {
    if (layout == layout_)
        return;
    layout_ = layout;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool wordWrap) {
    if (wordWrap == wordWrap_)
        return;
    wordWrap_ = wordWrap;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool autoSize) {
    if (autoSize == autoSize_)
        return;
    autoSize_ = autoSize;
    AdjustBounds();
}

void TCustomLabel::SetShowAccelChar(bool show) {
    if (show == showAccelChar_)
        return;
    showAccelChar_ = show;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool transparent) {
    if (transparent == transparent_)
        return;
    transparent_ = transparent;
    SetControlStyle(transparent ? ControlStyle() & ~TControlStyle(csOpaque)
                                : ControlStyle() | csOpaque);
    Invalidate();
}

void TCustomLabel::SetFocusControl(QWidget* control) {
    if (control == focusControl_)
        return;
    if (TComponent* old = TComponent::FromObject(focusControl_))
        old->RemoveFreeNotification(this);
    focusControl_ = control;
    if (TComponent* now = TComponent::FromObject(control))
        now->FreeNotification(this);
}

unsigned TCustomLabel::DrawTextFlags() const {
    static constexpr unsigned alignmentFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    unsigned flags = DT_EXPANDTABS | alignmentFlags[alignment_];
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    return flags;
}

void TCustomLabel::DoDrawText(TRect& rect, unsigned flags) {
    TCanvas& canvas = Canvas();
    canvas.Font.Assign(*Font());
    if (!Enabled() && !(flags & DT_CALCRECT))
        canvas.Font.SetColor(clGrayText);
    canvas.DrawText(caption_, rect, flags);
}

void TCustomLabel::Paint() {
    TCanvas& canvas = Canvas();
    if (!transparent_) {
        canvas.Brush.Color = Color();
        canvas.Brush.Style = bsSolid;
        canvas.FillRect(ClientRect());
    }
    canvas.Brush.Style = bsClear;
    TRect rect = ClientRect();
    const unsigned flags = DrawTextFlags();
    if (layout_ != tlTop) {
        TRect measured = rect;
        DoDrawText(measured, flags | DT_CALCRECT);
        const int free = rect.Height() - measured.Height();
        rect.Top += layout_ == tlBottom ? free : free / 2;
    }
    DoDrawText(rect, flags);
}

void TCustomLabel::AdjustBounds() {
    if (!autoSize_ || ComponentState().testFlag(csLoading))
        return;
    TRect rect = ClientRect();
    if (!wordWrap_)
        rect.Right = rect.Left + 0x3FFF;
    DoDrawText(rect, DrawTextFlags() | DT_CALCRECT);
    const int width = rect.Width();
    int left = Left();
    if (!wordWrap_ && alignment_ == taRightJustify)
        left += Width() - width;
    else if (!wordWrap_ && alignment_ == taCenter)
        left += (Width() - width) / 2;
    SetBounds(left, Top(), wordWrap_ ? Width() : width, rect.Height());
}

bool TCustomLabel::DialogChar(QChar ch) {
    if (focusControl_ && Enabled() && showAccelChar_ && IsAccel(ch, caption_)) {
        TWinControl* target = TWinControl::FromWidget(focusControl_);
        if (target && target->CanFocus()) {
            target->SetFocus();
            return true;
        }
        if (!target && focusControl_->isEnabled() && focusControl_->isVisible()) {
            focusControl_->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
    }
    return TGraphicControl::DialogChar(ch);
}

void TCustomLabel::FontChanged() {
    TGraphicControl::FontChanged();
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component != nullptr && component->Object() == focusControl_)
        focusControl_ = nullptr;
}

void TCustomLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

} // namespace vexo
