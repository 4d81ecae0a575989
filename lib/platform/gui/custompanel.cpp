#include "platform/gui/custompanel.h"

namespace vexo {

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomPanel(owner, nullptr) {}

TCustomPanel::TCustomPanel(TComponent* owner, QWidget* parent) : TCustomControl(owner, parent) {
    SetControlStyle(ControlStyle() | csAcceptsControls | csOpaque);
    SetColor(clBtnFace);
    SetParentColor(false);
    SetBounds(Left(), Top(), 185, 41);
}

void TCustomPanel::SetCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut cut) {
    if (cut == bevelInner_)
        return;
    bevelInner_ = cut;
    FrameChanged();
}

void TCustomPanel::SetBevelOuter(TBevelCut cut) {
    if (cut == bevelOuter_)
        return;
    bevelOuter_ = cut;
    FrameChanged();
}

void TCustomPanel::SetBevelWidth(int width) {
    width = qMax(1, width);
    if (width == bevelWidth_)
        return;
    bevelWidth_ = width;
    FrameChanged();
}

void TCustomPanel::SetBorderWidth(int width) {
    width = qMax(0, width);
    if (width == borderWidth_)
        return;
    borderWidth_ = width;
    FrameChanged();
}

void TCustomPanel::SetBorderStyle(TBorderStyle style) {
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    FrameChanged();
}

void TCustomPanel::FrameChanged() {
    Realign();
    Invalidate();
}

int TCustomPanel::FrameWidth() const {
    return (borderStyle_ == bsSingle ? 1 : 0) + (bevelOuter_ != bvNone ? bevelWidth_ : 0) +
           borderWidth_ + (bevelInner_ != bvNone ? bevelWidth_ : 0);
}

void TCustomPanel::AdjustClientRect(TRect& rect) const {
    TCustomControl::AdjustClientRect(rect);
    const int w = FrameWidth();
    rect = Rect(rect.Left + w, rect.Top + w, qMax(rect.Left + w, rect.Right - w),
                qMax(rect.Top + w, rect.Bottom - w));
}

void TCustomPanel::PaintFrame(TRect& rect) {
    TCanvas& canvas = Canvas();
    if (borderStyle_ == bsSingle)
        canvas.Frame3D(rect, clWindowFrame, clWindowFrame, 1);
    auto bevel = [&](TBevelCut cut) {
        if (cut == bvNone)
            return;
        if (cut == bvSpace)
            canvas.Frame3D(rect, Color(), Color(), bevelWidth_);
        else if (cut == bvLowered)
            canvas.Frame3D(rect, clBtnShadow, clBtnHighlight, bevelWidth_);
        else
            canvas.Frame3D(rect, clBtnHighlight, clBtnShadow, bevelWidth_);
    };
    bevel(bevelOuter_);
    canvas.Frame3D(rect, Color(), Color(), borderWidth_);
    bevel(bevelInner_);
}

void TCustomPanel::Paint() {
    TCanvas& canvas = Canvas();
    TRect rect = ClientRect();
    PaintFrame(rect);
    canvas.Brush.Color = Color();
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(rect);
    if (caption_.isEmpty())
        return;
    static constexpr unsigned alignmentFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    canvas.Brush.Style = bsClear;
    canvas.Font.Assign(*Font());
    if (!Enabled())
        canvas.Font.SetColor(clGrayText);
    canvas.DrawText(caption_, rect,
                    alignmentFlags[alignment_] | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS);
}

} // namespace vexo
