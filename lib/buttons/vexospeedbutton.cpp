#include "buttons/vexospeedbutton.h"

#include <QApplication>
#include <QCursor>

#include "buttons/buttonface_p.h"
#include "buttons/dropdownmenu.h"
#include "buttons/imageglyph.h"
#include "platform/image/pixelformat.h"

namespace vexo {

TvexoSpeedButton::TvexoSpeedButton(TComponent* owner) : TvexoSpeedButton(owner, nullptr) {}

TvexoSpeedButton::TvexoSpeedButton(TComponent* owner, QWidget* parent)
    : TGraphicControl(owner, parent) {
    SetBounds(0, 0, 23, 22);
    // The button fires its clicks itself (on release inside, not while a menu shows).
    SetControlStyle((ControlStyle() | csCaptureMouse | csDoubleClicks) &
                    ~TControlStyle(csClickEvents));
    SetParentFont(true);
    SetColor(clBtnFace);
    glyph_.OnGlyphChange = [this](QObject*) { Invalidate(); };
}

TvexoSpeedButton::~TvexoSpeedButton() = default;

void TvexoSpeedButton::SetCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    Invalidate();
}

void TvexoSpeedButton::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    Invalidate();
}

void TvexoSpeedButton::SetAllowAllUp(bool allowAllUp) {
    if (allowAllUp == allowAllUp_)
        return;
    allowAllUp_ = allowAllUp;
    UpdateExclusive();
}

void TvexoSpeedButton::SetImages(TImageList* images) {
    if (images_ != nullptr)
        images_->RemoveFreeNotification(this);
    images_ = images;
    if (images != nullptr)
        images->FreeNotification(this);
    Repaint();
}

void TvexoSpeedButton::SetImageIndex(int index) {
    if (index == imageIndex_)
        return;
    imageIndex_ = index;
    Repaint();
}

void TvexoSpeedButton::SetGroupIndex(int index) {
    if (index == groupIndex_)
        return;
    groupIndex_ = index;
    UpdateExclusive();
}

void TvexoSpeedButton::SetDown(bool down) {
    if (groupIndex_ == 0)
        down = false;
    if (down == down_ || (down_ && !allowAllUp_))
        return;
    down_ = down;
    if (down) {
        if (state_ == bsUp)
            Invalidate();
        state_ = bsExclusive;
        UpdateExclusive();
    } else {
        state_ = bsUp;
        Repaint();
    }
}

void TvexoSpeedButton::SetDropDownMenu(TPopupMenu* menu) {
    AssignDropDownMenu(*this, dropDownMenu_, menu);
}

void TvexoSpeedButton::SetMenuPosition(TvexoDropDownMenuPos position) {
    menuPosition_ = position;
}

void TvexoSpeedButton::SetFlat(bool flat) {
    if (flat == flat_)
        return;
    flat_ = flat;
    Invalidate();
}

void TvexoSpeedButton::SetGlyph(const TBitmap* glyph) {
    glyph_.SetGlyph(glyph);
    Invalidate();
}

void TvexoSpeedButton::SetLayout(TButtonLayout layout) {
    if (layout == layout_)
        return;
    layout_ = layout;
    Invalidate();
}

void TvexoSpeedButton::SetMargin(int margin) {
    if (margin == margin_ || margin < -1)
        return;
    margin_ = margin;
    Invalidate();
}

void TvexoSpeedButton::SetNumGlyphs(int value) {
    value = std::min(value, 4);
    if (value <= 0 || value == glyph_.NumGlyphs())
        return;
    glyph_.SetNumGlyphs(value);
    Invalidate();
}

void TvexoSpeedButton::SetSpacing(int spacing) {
    if (spacing == spacing_)
        return;
    spacing_ = spacing;
    Invalidate();
}

void TvexoSpeedButton::SetTransparent(bool transparent) {
    transparent_ = transparent;
    const TControlStyle style = ControlStyle();
    SetControlStyle(transparent ? style & ~TControlStyle(csOpaque) : style | csOpaque);
    Invalidate();
}

void TvexoSpeedButton::UpdateExclusive() {
    if (groupIndex_ == 0 || parentWidget() == nullptr)
        return;
    for (QObject* child : parentWidget()->children())
        if (auto* button = dynamic_cast<TvexoSpeedButton*>(child))
            button->ButtonPressed(groupIndex_, this);
}

void TvexoSpeedButton::ButtonPressed(int groupIndex, TvexoSpeedButton* sender) {
    if (groupIndex != groupIndex_ || sender == this)
        return;
    if (sender->down_ && down_) {
        down_ = false;
        state_ = bsUp;
        Invalidate();
    }
    allowAllUp_ = sender->allowAllUp_;
}

void TvexoSpeedButton::UpdateTracking() {
    if (!flat_ || !isEnabled())
        return;
    const QWidget* under = QApplication::widgetAt(QCursor::pos());
    const bool inside = under == this;
    if (inside == mouseInside_)
        return;
    // Through the button's own enter and leave handling, which repaints.
    mouseInside_ = !inside;
    if (inside)
        MouseEnter();
    else
        MouseLeave();
}

QPoint TvexoSpeedButton::GetDropDownMenuPos() const {
    return DropDownMenuPos(dropDownMenu_, menuPosition_, Width(), Height());
}

bool TvexoSpeedButton::CheckMenuDropDown(QPoint pos, bool manual) {
    return PopupDropDownMenu(*this, dropDownMenu_, pos, manual);
}

bool TvexoSpeedButton::Inside(int x, int y) const {
    return x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
}

void TvexoSpeedButton::BuildGlyphImage() {
    glyph_.CreateButtonGlyph(isEnabled() ? bsUp : bsDisabled);
}

void TvexoSpeedButton::Paint() {
    if (isEnabled()) {
        if (state_ == bsDisabled)
            state_ = (down_ && groupIndex_ != 0) ? bsExclusive : bsUp;
    } else {
        state_ = bsDisabled;
        tracking_ = false;
    }
    TCanvas& canvas = Canvas();
    canvas.Font.Assign(*Font());
    TRect r = ClientRect();
    const bool pressed = state_ == bsDown || state_ == bsExclusive;
    const bool designing = ComponentState().testFlag(csDesigning);
    if (flat_) {
        if (pressed || (mouseInside_ && state_ != bsDisabled) || designing) {
            TRect edge = r;
            canvas.DrawEdge(edge, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
                            BF_RECT | (transparent_ ? 0 : BF_MIDDLE));
        } else if (!transparent_) {
            canvas.Brush.Color = Color();
            canvas.Brush.Style = bsSolid;
            canvas.FillRect(r);
        }
        r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    } else if (transparent_) {
        canvas.Frame3D(r, pressed ? clBtnShadow : clBtnHighlight,
                       pressed ? clBtnHighlight : clBtnShadow, 1);
    } else {
        canvas.DrawFrameControl(r, DFC_BUTTON,
                                DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0));
    }
    if (pressed)
        r = Moved(r, 1, 1);

    if (images_ != nullptr && imageIndex_ >= 0 && imageIndex_ < images_->Count()) {
        DrawImageListGlyph(canvas, *images_, imageIndex_, NumGlyphs(), isEnabled(), r, caption_,
                           layout_, margin_, spacing_, state_);
    } else {
        glyph_.SetFaceColor(Color());
        const TBitmap& g = glyph_.Glyph();
        if (!g.Empty())
            glyph_.SetMaskColor(RgbToColor(g.PixelRgb(0, g.Height() - 1)));
        glyph_.Draw(canvas, r, caption_, layout_, margin_, spacing_, state_, transparent_);
    }
}

void TvexoSpeedButton::Loaded() {
    TGraphicControl::Loaded();
    BuildGlyphImage();
}

void TvexoSpeedButton::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (dropDownMenu_ != nullptr && component == static_cast<TComponent*>(dropDownMenu_))
        dropDownMenu_ = nullptr;
    if (images_ != nullptr && component == static_cast<TComponent*>(images_)) {
        images_ = nullptr;
        Invalidate();
    }
}

void TvexoSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (menuShowing_)
        return;
    // The double click counts only on a down button.
    if (button == mbLeft && shift.testFlag(ssDouble) && down_)
        DblClick();
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !isEnabled())
        return;
    down_ = !down_;
    state_ = down_ ? bsDown : bsUp;
    Repaint();
    tracking_ = true;
    menuShowing_ = true;
    struct TCleanup {
        TvexoSpeedButton* button;
        ~TCleanup() {
            button->menuShowing_ = false;
            button->down_ = false;
        }
    } cleanup{this};
    if (CheckMenuDropDown(GetDropDownMenuPos(), false))
        MouseUp(button, shift, x, y);
}

void TvexoSpeedButton::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    if (!tracking_)
        return;
    const TButtonState state = down_ ? bsExclusive : Inside(x, y) ? bsDown : bsUp;
    if (state != state_) {
        state_ = state;
        Invalidate();
    }
}

void TvexoSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!tracking_)
        return;
    tracking_ = false;
    const bool inside = Inside(x, y);
    if (groupIndex_ == 0) {
        state_ = bsUp;
        mouseInside_ = false;
        if (inside)
            Invalidate();
    } else if (inside) {
        SetDown(!down_);
        if (down_)
            Invalidate();
    } else {
        if (down_)
            state_ = bsExclusive;
        Invalidate();
    }
    if (inside && !menuShowing_)
        Click();
    UpdateTracking();
}

void TvexoSpeedButton::DoMouseUp(TMouseButton button, TShiftState, int x, int y) {
    if (button != mbLeft || !tracking_)
        return;
    tracking_ = false;
    if (!Inside(x, y)) {
        down_ = false;
        Invalidate();
    } else if (dropDownMenu_ != nullptr) {
        down_ = !down_;
        state_ = bsUp;
        Invalidate();
    }
}

void TvexoSpeedButton::MouseEnter() {
    TGraphicControl::MouseEnter();
    if (flat_ && isEnabled() && DragMode() != dmAutomatic && !MouseCapture() && !mouseInside_) {
        mouseInside_ = true;
        Repaint();
    }
}

void TvexoSpeedButton::MouseLeave() {
    TGraphicControl::MouseLeave();
    if (flat_ && isEnabled() && !tracking_ && mouseInside_) {
        mouseInside_ = false;
        Invalidate();
    }
}

void TvexoSpeedButton::EnabledChanged() {
    TGraphicControl::EnabledChanged();
    BuildGlyphImage();
    UpdateTracking();
    Repaint();
}

void TvexoSpeedButton::FontChanged() {
    TGraphicControl::FontChanged();
    Invalidate();
}

bool TvexoSpeedButton::DialogChar(QChar ch) {
    if (IsAccel(ch, caption_) && isEnabled() && isVisible() && parentWidget() != nullptr &&
        parentWidget()->isVisible()) {
        if (groupIndex_ != 0)
            SetDown(!down_);
        Click();
        return true;
    }
    return TGraphicControl::DialogChar(ch);
}

} // namespace vexo
