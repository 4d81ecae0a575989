#include "buttons/vexocustombutton.h"

#include <QApplication>
#include <QPainter>

#include "buttons/buttonface_p.h"
#include "buttons/glyphtext.h"
#include "graphics/drawtext.h"
#include "graphics/gui/componentutils.h"

namespace vexo {

TvexoCustomButton::TvexoCustomButton(TComponent* owner) : TvexoCustomButton(owner, nullptr) {}

TvexoCustomButton::TvexoCustomButton(TComponent* owner, QWidget* parent) : TButton(owner, parent) {
    SetCursor(crHandPoint);
    SetBounds(Left(), Top(), 75, 24);
    if (IsForm(owner))
        SetSound(FindSound(owner));
    // The platform's default-button styling: the default button looks active while the focus
    // is on a control that is no button.
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                          [this](QWidget*, QWidget* now) { FocusMoved(now); });
}

TvexoCustomButton::~TvexoCustomButton() {
    // The widget's own destruction moves the focus; this part is gone by then.
    disconnect(focusWatch_);
}

void TvexoCustomButton::SetDrawFocus(bool drawFocus) {
    if (drawFocus == drawFocus_)
        return;
    drawFocus_ = drawFocus;
    Invalidate();
}

void TvexoCustomButton::SetImages(TImageList* images) {
    if (images_ != nullptr)
        images_->RemoveFreeNotification(this);
    images_ = images;
    if (images != nullptr)
        images->FreeNotification(this);
    Invalidate();
}

void TvexoCustomButton::SetImageIndex(int index) {
    imageIndex_ = index;
    Invalidate();
}

void TvexoCustomButton::SetFlat(bool flat) {
    if (flat == flat_)
        return;
    flat_ = flat;
    if (!flat)
        mouseUnder_ = false;
    Invalidate();
}

void TvexoCustomButton::SetGlyph(const TBitmap* glyph) {
    glyph_ = glyph ? *glyph : TBitmap();
    Invalidate();
}

void TvexoCustomButton::SetLayout(TButtonLayout layout) {
    if (layout == layout_)
        return;
    layout_ = layout;
    Invalidate();
}

void TvexoCustomButton::SetSound(TvexoSound* sound) {
    if (sound_ != nullptr)
        sound_->RemoveFreeNotification(this);
    sound_ = sound;
    if (sound != nullptr)
        sound->FreeNotification(this);
}

void TvexoCustomButton::SetBottomColor(TColor color) {
    if (color == bottomColor_)
        return;
    bottomColor_ = color;
    Invalidate();
}

void TvexoCustomButton::SetHighlightColor(TColor color) {
    if (color == highlightColor_)
        return;
    highlightColor_ = color;
    Invalidate();
}

void TvexoCustomButton::SetBevelWidth(int width) {
    if (width == bevelWidth_)
        return;
    bevelWidth_ = width;
    Invalidate();
}

bool TvexoCustomButton::GetFocused() const {
    return focused_ || hasFocus();
}

void TvexoCustomButton::SetButtonStyle(bool isDefault) {
    if (isDefault == focused_)
        return;
    focused_ = isDefault;
    Invalidate();
}

void TvexoCustomButton::FocusMoved(QWidget* now) {
    if (now == nullptr || now->window() != window())
        return;
    SetButtonStyle(now == this || (Default() && dynamic_cast<TButton*>(now) == nullptr));
}

void TvexoCustomButton::Click() {
    if (sound_ != nullptr && !clickSound_.isEmpty())
        sound_->PlayNamedWave(clickSound_);
    TButton::Click();
}

void TvexoCustomButton::DrawItem(TCanvas& canvas) {
    const bool down = isDown();
    const bool focused = hasFocus();
    const TButtonState state = !isEnabled() ? bsDisabled : down ? bsDown : bsUp;
    DrawButton(canvas, state, ClientRect(), down, focused);
}

TBitmap TvexoCustomButton::PaintToBitmap() {
    buffer_.Allocate(std::max(width(), 1), std::max(height(), 1), 32);
    TCanvas canvas(&buffer_);
    DrawItem(canvas);
    return buffer_;
}

void TvexoCustomButton::paintEvent(QPaintEvent*) {
    PaintToBitmap();
    QPainter painter(this);
    painter.drawImage(0, 0, BitmapToQImage(buffer_));
}

void TvexoCustomButton::DoButtonPaint(TCanvas& canvas, const TRect& rect, bool isDown,
                                      bool isFocused) {
    if (OnPaint)
        OnPaint(this, canvas, rect, isDown, isFocused);
}

void TvexoCustomButton::DoButtonAfterPaint(TCanvas& canvas, const TRect& rect, bool isDown,
                                           bool isFocused) {
    if (OnAfterPaint)
        OnAfterPaint(this, canvas, rect, isDown, isFocused);
}

void TvexoCustomButton::DrawGlyphAndCaption(TCanvas& canvas, const TRect& inner) {
    TBitmap image;
    const TBitmap* glyph = &glyph_;
    // An image of the list is a two-cell glyph too: image left, mask right.
    if (images_ != nullptr && images_->GetBitmap(imageIndex_, image))
        glyph = &image;
    TRect textRect;
    DrawGlyphWithText(glyph, layout_, Caption(), canvas, inner, textRect);
    canvas.CopyMode = cmSrcCopy;
    canvas.Brush.Style = bsClear;
    TextInRect(canvas, Caption(), textRect, taLeftJustify);
    canvas.Brush.Style = bsSolid;
}

void TvexoCustomButton::DrawButton(TCanvas& canvas, TButtonState, const TRect& rect, bool isDown,
                                   bool isFocused) {
    canvas.Font.Assign(*Font());
    if (OnPaint) {
        DoButtonPaint(canvas, rect, isDown, isFocused);
        return;
    }
    const TRect inner =
        DrawFace(canvas, rect, Color(), bevelWidth_, bsNew, false, isDown, false, false);
    DrawGlyphAndCaption(canvas, inner);
    DoButtonAfterPaint(canvas, rect, isDown, isFocused);
    if (isFocused) {
        canvas.Pen.Color = highlightColor_;
        TRect r = Shrunk(rect, bevelWidth_ + 2);
        if (isDown)
            r = Moved(r, -1, -1);
        if (drawFocus_)
            canvas.DrawFocusRect(r);
    }
}

void TvexoCustomButton::MouseEnter() {
    TButton::MouseEnter();
    if (flat_) {
        mouseUnder_ = true;
        Invalidate();
    }
}

void TvexoCustomButton::MouseLeave() {
    TButton::MouseLeave();
    if (flat_) {
        mouseUnder_ = false;
        Invalidate();
    }
}

void TvexoCustomButton::DoEnter() {
    TButton::DoEnter();
    focused_ = true;
    Invalidate();
}

void TvexoCustomButton::DoExit() {
    TButton::DoExit();
    focused_ = false;
    Invalidate();
}

void TvexoCustomButton::ColorChanged() {
    TButton::ColorChanged();
    Invalidate();
}

void TvexoCustomButton::FontChanged() {
    TButton::FontChanged();
    Invalidate();
}

void TvexoCustomButton::EnabledChanged() {
    TButton::EnabledChanged();
    Invalidate();
}

void TvexoCustomButton::Notification(TComponent* component, TOperation operation) {
    TButton::Notification(component, operation);
    if (operation != opRemove)
        return;
    // Only compared: the component is being destroyed.
    if (sound_ != nullptr && component == static_cast<TComponent*>(sound_))
        sound_ = nullptr;
    if (images_ != nullptr && component == static_cast<TComponent*>(images_))
        images_ = nullptr;
}

} // namespace vexo
