#include "edits/vexocustomlabel.h"

#include "edits/bevelframe_p.h"
#include "edits/draw3dtext.h"
#include "edits/vexoflatedit.h"
#include "platform/gui/wincontrol.h"

namespace vexo {

TvexoCustomLabel::TvexoCustomLabel(TComponent* owner) : TvexoCustomLabel(owner, nullptr) {}

TvexoCustomLabel::TvexoCustomLabel(TComponent* owner, QWidget* parent)
    : TCustomLabel(owner, parent), fontActive_(std::make_unique<TFont>()) {
    SetAutoSize(false);
    SetWordWrap(true);
    SetTransparent(true);
    SetLayout(tlCenter);
    SetHeight(21);
    colorActive_ = Color();
    fontActive_->Assign(*Font());
    QObject::connect(fontActive_.get(), &TFont::Changed, this, [this] { Invalidate(); });
}

TvexoCustomLabel::~TvexoCustomLabel() = default;

void TvexoCustomLabel::Repaint3D() {
    AdjustBounds();
    Repaint();
}

void TvexoCustomLabel::SetAlive(bool alive) {
    if (alive == alive_)
        return;
    alive_ = alive;
    if (!alive)
        lit_ = false;
    Invalidate();
}

void TvexoCustomLabel::SetFocusOffset(int offset) {
    focusOffset_ = offset;
    MoveFocusControl(Left(), Top(), Width(), Height());
}

void TvexoCustomLabel::SetPosition(TvexoLabelPosition position) {
    position_ = position;
    MoveFocusControl(Left(), Top(), Width(), Height());
}

void TvexoCustomLabel::SetFocusControl(QWidget* control) {
    TCustomLabel::SetFocusControl(control);
    MoveFocusControl(Left(), Top(), Width(), Height());
}

void TvexoCustomLabel::SetLight(TLightPos light) {
    if (light == light_)
        return;
    light_ = light;
    Invalidate();
}

void TvexoCustomLabel::SetHeight3D(int height) {
    if (height < 0 || height == height3D_)
        return;
    height3D_ = height;
    Repaint3D();
}

void TvexoCustomLabel::SetLightColor(TColor color) {
    if (color == lightColor_)
        return;
    lightColor_ = color;
    Repaint();
}

void TvexoCustomLabel::SetShadowColor(TColor color) {
    if (color == shadowColor_)
        return;
    shadowColor_ = color;
    Invalidate();
}

void TvexoCustomLabel::SetBevelInner(TBevelCut cut) {
    if (cut == bevelInner_)
        return;
    bevelInner_ = cut;
    Repaint3D();
}

void TvexoCustomLabel::SetBevelOuter(TBevelCut cut) {
    if (cut == bevelOuter_)
        return;
    bevelOuter_ = cut;
    Repaint3D();
}

void TvexoCustomLabel::SetBevelWidth(int width) {
    width = qMax(0, width);
    if (width == bevelWidth_)
        return;
    bevelWidth_ = width;
    Repaint3D();
}

void TvexoCustomLabel::SetBorderWidth(int width) {
    width = qMax(0, width);
    if (width == borderWidth_)
        return;
    borderWidth_ = width;
    Repaint3D();
}

void TvexoCustomLabel::SetBevel(bool bevel) {
    if (bevel == bevel_)
        return;
    bevel_ = bevel;
    Repaint3D();
}

void TvexoCustomLabel::SetFontActive(const TFont* font) {
    if (font != nullptr)
        fontActive_->Assign(*font);
    if (!ComponentState().testFlag(csLoading))
        SetParentFont(false);
    AdjustBounds();
}

void TvexoCustomLabel::SetColorActive(TColor color) {
    colorActive_ = color;
    if (!ComponentState().testFlag(csLoading))
        SetParentColor(false);
    Invalidate();
}

void TvexoCustomLabel::SetLit(bool lit) {
    lit = lit && alive_;
    if (lit == lit_)
        return;
    lit_ = lit;
    Invalidate();
}

void TvexoCustomLabel::MoveFocusControl(int left, int top, int width, int height) {
    QWidget* c = FocusControl();
    if (c == nullptr || position_ == wlpUnLinked || c->parentWidget() != parentWidget())
        return;
    TControl* control = TControl::FromWidget(c);
    QRect r = c->geometry();
    const int o = focusOffset_;
    int besideWidth = width;
    if (auto* edit = qobject_cast<TvexoFlatEdit*>(c); edit && edit->ButtonWidth() > 0)
        besideWidth -= edit->ButtonWidth() + 2;
    switch (position_) {
    case wlpTop:
        r = QRect(left, top + height + o, besideWidth, r.height());
        break;
    case wlpLeft:
        r = QRect(left + width + o, top, r.width(), height);
        break;
    case wlpRight:
        r = QRect(left - r.width() - o, top, r.width(), height);
        break;
    case wlpBottom:
        r = QRect(left, top - r.height() - o, besideWidth, r.height());
        break;
    case wlpUnLinked:
        return;
    }
    if (control != nullptr)
        control->SetBounds(r.x(), r.y(), r.width(), r.height());
    else
        c->setGeometry(r);
}

void TvexoCustomLabel::SetBounds(int left, int top, int width, int height) {
    const TRect before = BoundsRect();
    TCustomLabel::SetBounds(left, top, width, height);
    if (BoundsRect() != before)
        MoveFocusControl(Left(), Top(), Width(), Height());
}

void TvexoCustomLabel::BeforePaint(TCanvas* canvas, TRect& rect) {
    if (OnBeforePaint)
        OnBeforePaint(this, canvas, rect);
}

void TvexoCustomLabel::AfterPaint(TCanvas* canvas, TRect& rect) {
    if (OnAfterPaint)
        OnAfterPaint(this, canvas, rect);
}

void TvexoCustomLabel::Paint() {
    TCanvas& canvas = Canvas();
    TRect r = ClientRect();
    if (OnBeforePaint) {
        BeforePaint(&canvas, r);
    } else {
        if (bevel_)
            PaintBevelFrame(canvas, r, bevelOuter_, bevelInner_, bevelWidth_, borderWidth_,
                            Color());
        if (!Transparent()) {
            canvas.Brush.Color = lit_ ? colorActive_ : Color();
            canvas.Brush.Style = bsSolid;
            canvas.FillRect(r);
        }
        canvas.Brush.Style = bsClear;
        canvas.Font.Assign(lit_ ? *fontActive_ : *Font());
        const TColor front = Enabled() ? canvas.Font.Color() : clGrayText;
        Draw3DText(Caption(), r, canvas, light_, front, lightColor_, shadowColor_, height3D_,
                   Alignment(), Layout(), WordWrap(), !ShowAccelChar(), false);
    }
    AfterPaint(&canvas, r);
}

void TvexoCustomLabel::AdjustBounds() {
    if (!AutoSize() || autoSizing_ || ComponentState().testFlag(csLoading))
        return;
    // Measured in the room the painting leaves the text (so wrapped lines break alike), in
    // the larger of the two fonts, and given back the insets on both sides: the caption is
    // never cut, lit or not.
    const int frame =
        bevel_ ? BevelFrameWidth(bevelOuter_, bevelInner_, bevelWidth_, borderWidth_) : 0;
    TRect room = Rect(0, 0, WordWrap() ? Width() - 2 * frame : 0x3FFF, 0x3FFF);
    int w = 0, h = 0;
    for (const TFont* font : {Font(), fontActive_.get()}) {
        TCanvas measure;
        measure.Font.Assign(*font);
        TRect r = room;
        Draw3DText(Caption(), r, measure, light_, clBlack, lightColor_, shadowColor_, height3D_,
                   Alignment(), tlTop, WordWrap(), !ShowAccelChar(), true);
        w = qMax(w, r.Width());
        h = qMax(h, r.Height());
    }
    const int depth = height3D_;
    w += 2 * (depth + 2) + 2 * frame;
    h += 2 * (depth + 1) + 2 * frame;
    autoSizing_ = true;
    SetBounds(Left(), Top(), w, h);
    autoSizing_ = false;
}

void TvexoCustomLabel::Loaded() {
    TCustomLabel::Loaded();
    MoveFocusControl(Left(), Top(), Width(), Height());
}

void TvexoCustomLabel::MouseEnter() {
    if (alive_)
        lit_ = true;
    TCustomLabel::MouseEnter();
    if (alive_)
        Invalidate();
}

void TvexoCustomLabel::MouseLeave() {
    lit_ = false;
    TCustomLabel::MouseLeave();
    if (alive_)
        Invalidate();
}

void TvexoCustomLabel::ParentColorChanged() {
    TCustomLabel::ParentColorChanged();
    if (ParentColor())
        colorActive_ = Color();
}

void TvexoCustomLabel::ParentFontChanged() {
    TCustomLabel::ParentFontChanged();
    if (ParentFont())
        fontActive_->Assign(*Font());
}

void TvexoCustomLabel::Click() {
    QWidget* c = FocusControl();
    if (!OnClick && c != nullptr && alive_ && c->isEnabled() && c->isVisible()) {
        if (TWinControl* control = TWinControl::FromWidget(c))
            control->SetFocus();
        else
            c->setFocus(Qt::MouseFocusReason);
        return;
    }
    TCustomLabel::Click();
}

} // namespace vexo
