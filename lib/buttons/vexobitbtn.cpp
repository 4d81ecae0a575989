#include "buttons/vexobitbtn.h"

#include <QMouseEvent>
#include <array>
#include <optional>

#include "buttons/buttonface_p.h"
#include "buttons/buttonstrings.h"
#include "buttons/dropdownmenu.h"
#include "buttons/ellipseface.h"
#include "buttons/imageglyph.h"
#include "graphics/gui/componentutils.h"
#include "graphics/gui/resourceutils.h"
#include "platform/gui/application.h"
#include "platform/gui/form.h"
#include "platform/image/pixelformat.h"

namespace vexo {

namespace {

struct TBitKind {
    const char* glyph;
    const QString* caption;
    int modalResult;
};

// Indexed by TBitBtnKind; bkCustom has none of these.
const TBitKind bitKinds[] = {{nullptr, nullptr, mrNone},
                             {"sbBOK", &SOKButton, mrOk},
                             {"sbBCANCEL", &SCancelButton, mrCancel},
                             {"sbBHELP", &SHelpButton, mrNone},
                             {"sbBYES", &SYesButton, mrYes},
                             {"sbBNO", &SNoButton, mrNo},
                             {"sbBCLOSE", &SCloseButton, mrNone},
                             {"sbBABORT", &SAbortButton, mrAbort},
                             {"sbBRETRY", &SRetryButton, mrRetry},
                             {"sbBIGNORE", &SIgnoreButton, mrIgnore},
                             {"sbBALL", &SAllButton, mrAll}};

bool KindDefault(TBitBtnKind kind) {
    return kind == bkOK || kind == bkYes;
}

bool KindCancel(TBitBtnKind kind) {
    return kind == bkCancel || kind == bkNo;
}

// The kinds' glyphs, loaded on first use and shared by all buttons; a missing resource is an
// empty glyph.
const TBitmap& KindGlyph(TBitBtnKind kind) {
    static std::array<std::optional<TBitmap>, 11> glyphs;
    std::optional<TBitmap>& glyph = glyphs[kind];
    if (!glyph)
        glyph = ResBitmap(QString::fromLatin1(bitKinds[kind].glyph));
    return *glyph;
}

} // namespace

TvexoBitBtn::TvexoBitBtn(TComponent* owner) : TvexoBitBtn(owner, nullptr) {}

TvexoBitBtn::TvexoBitBtn(TComponent* owner, QWidget* parent) : TvexoCustomButton(owner, parent) {
    glyph_.OnGlyphChange = [this](QObject*) { Invalidate(); };
}

TvexoBitBtn::~TvexoBitBtn() = default;

TBitBtnKind TvexoBitBtn::Kind() const {
    if (kind_ == bkCustom)
        return bkCustom;
    const bool matches = Default() == KindDefault(kind_) && Cancel() == KindCancel(kind_) &&
                         ModalResult() == bitKinds[kind_].modalResult && !customGlyph_;
    return matches ? kind_ : bkCustom;
}

void TvexoBitBtn::SetKind(TBitBtnKind kind) {
    if (kind == kind_)
        return;
    if (kind != bkCustom) {
        SetDefault(KindDefault(kind));
        SetCancel(KindCancel(kind));
        if (!(ComponentState().testFlag(csLoading) && !Caption().isEmpty()))
            SetCaption(*bitKinds[kind].caption);
        SetModalResult(bitKinds[kind].modalResult);
        glyph_.SetGlyph(&KindGlyph(kind));
        glyph_.SetNumGlyphs(2);
        customGlyph_ = false;
    }
    kind_ = kind;
    Invalidate();
}

bool TvexoBitBtn::IsCustomCaption() const {
    const TBitBtnKind kind = Kind();
    return kind == bkCustom || Caption() != *bitKinds[kind].caption;
}

void TvexoBitBtn::SetGlyph(const TBitmap* glyph) {
    glyph_.SetGlyph(glyph);
    customGlyph_ = true;
    Invalidate();
}

void TvexoBitBtn::SetNumGlyphs(int value) {
    value = std::min(value, 4);
    if (value == glyph_.NumGlyphs())
        return;
    glyph_.SetNumGlyphs(value);
    Invalidate();
}

void TvexoBitBtn::SetLayout(TButtonLayout layout) {
    if (layout == layout_)
        return;
    layout_ = layout;
    Invalidate();
}

void TvexoBitBtn::SetMargin(int margin) {
    if (margin == margin_ || margin < -1)
        return;
    margin_ = margin;
    Invalidate();
}

void TvexoBitBtn::SetSpacing(int spacing) {
    if (spacing == spacing_ || spacing < -1)
        return;
    spacing_ = spacing;
    Invalidate();
}

void TvexoBitBtn::SetStyle(TButtonStyle style) {
    if (style == style_)
        return;
    style_ = style;
    Invalidate();
}

void TvexoBitBtn::SetType(TvexoButtonType type) {
    if (type == btnType_)
        return;
    btnType_ = type;
    Invalidate();
}

void TvexoBitBtn::SetBackColor(TColor color) {
    if (color == backColor_)
        return;
    if (!(ComponentState() & (TComponentState(csLoading) | csReading)))
        SetParentColor(false);
    backColor_ = color;
    Repaint();
}

void TvexoBitBtn::SetDown(bool down) {
    if (down == down_)
        return;
    down_ = down;
    Invalidate();
}

void TvexoBitBtn::SetDropDownMenu(TPopupMenu* menu) {
    AssignDropDownMenu(*this, dropDownMenu_, menu);
    if (markDropDown_)
        Invalidate();
}

void TvexoBitBtn::SetMenuPosition(TvexoDropDownMenuPos position) {
    if (position == menuPosition_)
        return;
    menuPosition_ = position;
    Invalidate();
}

void TvexoBitBtn::SetMarkDropDown(bool mark) {
    if (mark == markDropDown_)
        return;
    markDropDown_ = mark;
    Invalidate();
}

QPoint TvexoBitBtn::GetDropDownMenuPos() const {
    return DropDownMenuPos(dropDownMenu_, menuPosition_, Width(), Height());
}

bool TvexoBitBtn::CheckMenuDropDown(QPoint pos, bool manual) {
    return PopupDropDownMenu(*this, dropDownMenu_, pos, manual);
}

bool TvexoBitBtn::CheckBtnMenuDropDown() {
    return CheckMenuDropDown(GetDropDownMenuPos(), true);
}

void TvexoBitBtn::DrawPopupMark(TCanvas& canvas, int x, int y) const {
    auto triangle = [&](int x0, int y0, TColor c) {
        const TColor rgb = ColorToRGB(c);
        for (int i = 0; i < 4; ++i)
            for (int px = x0 + i; px <= x0 + 6 - i; ++px)
                canvas.SetPixel(px, y0 - 1 + i, rgb);
    };
    if (isEnabled()) {
        triangle(x, y, clBtnText);
    } else {
        triangle(x + 1, y + 1, clBtnHighlight);
        triangle(x, y, clBtnShadow);
    }
}

void TvexoBitBtn::Click() {
    if (Kind() == bkHelp) {
        for (const TControl* c = this; c != nullptr; c = c->ParentControl())
            if (c->HelpContext() != 0) {
                Application()->HelpContext(c->HelpContext());
                return;
            }
    } else if (Kind() == bkClose) {
        if (QWidget* form = GetOwnerFormWidget(this)) {
            form->close();
            return;
        }
    }
    TvexoCustomButton::Click();
}

bool TvexoBitBtn::ControlEvent(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            // A press that closed the drop-down menu over the button does not open it again.
            if (menuShowing_)
                return true;
            const QPoint p = mouse->position().toPoint();
            if (btnType_ == btEllipse && !EllipseHit(Width(), Height(), p.x(), p.y()))
                return true;
        }
    }
    return TvexoCustomButton::ControlEvent(event);
}

void TvexoBitBtn::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (menuShowing_)
        return;
    TvexoCustomButton::MouseDown(button, shift, x, y);
    if (button != mbLeft || !isEnabled())
        return;
    if (dropDownMenu_ != nullptr) {
        down_ = !down_;
        if (down_)
            Repaint();
    }
    pressed_ = true;
    menuShowing_ = true;
    struct TCleanup {
        TvexoBitBtn* button;
        ~TCleanup() {
            button->menuShowing_ = false;
            button->down_ = false;
        }
    } cleanup{this};
    if (CheckMenuDropDown(GetDropDownMenuPos(), false)) {
        DoMouseUp(button, shift, x, y);
        menuTookPress_ = true;
    }
}

void TvexoBitBtn::mousePressEvent(QMouseEvent* event) {
    if (menuTookPress_) {
        menuTookPress_ = false;
        event->accept();
        return;
    }
    TvexoCustomButton::mousePressEvent(event);
}

void TvexoBitBtn::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TvexoCustomButton::MouseUp(button, shift, x, y);
    DoMouseUp(button, shift, x, y);
}

void TvexoBitBtn::DoMouseUp(TMouseButton button, TShiftState, int x, int y) {
    if (button != mbLeft || !pressed_)
        return;
    pressed_ = false;
    if (x < 0 || x >= ClientWidth() || y < 0 || y > ClientHeight()) {
        down_ = false;
        Invalidate();
    } else if (dropDownMenu_ != nullptr) {
        down_ = !down_;
        Invalidate();
    }
}

void TvexoBitBtn::MouseEnter() {
    TvexoCustomButton::MouseEnter();
    mouseUnder_ = true;
    Invalidate();
}

void TvexoBitBtn::MouseLeave() {
    TvexoCustomButton::MouseLeave();
    mouseUnder_ = false;
    Invalidate();
}

void TvexoBitBtn::ParentColorChanged() {
    TvexoCustomButton::ParentColorChanged();
    if (!ParentColor())
        return;
    const TColor color =
        ParentControl() != nullptr ? ParentControl()->Color() : GetParentColor(this);
    if (color != backColor_) {
        backColor_ = color;
        Invalidate();
    }
}

void TvexoBitBtn::Notification(TComponent* component, TOperation operation) {
    TvexoCustomButton::Notification(component, operation);
    if (operation == opRemove && dropDownMenu_ != nullptr &&
        component == static_cast<TComponent*>(dropDownMenu_)) {
        dropDownMenu_ = nullptr;
        Invalidate();
    }
}

void TvexoBitBtn::DrawEllipseButton(TCanvas& canvas, TButtonState state, bool isDown,
                                    bool isFocused) {
    const TRect client = ClientRect();
    const bool pressed = isDown || down_;
    DrawEllipseFace(canvas, client, Color(), pressed);
    TRect text = client;
    if (isDown)
        text = Moved(text, 1, 1);
    canvas.Brush.Style = bsClear;
    const unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
    if (state == bsDisabled) {
        TRect shifted = Moved(text, 1, 1);
        canvas.Font.SetColor(clBtnHighlight);
        canvas.DrawText(Caption(), shifted, flags);
        canvas.Font.SetColor(clBtnShadow);
    }
    canvas.DrawText(Caption(), text, flags);
    const TRect r = Shrunk(client, 4);
    DoButtonAfterPaint(canvas, client, pressed, isFocused);
    if (isFocused) {
        canvas.Pen.Color = Color();
        canvas.Pen.Mode = pmXor;
        canvas.Brush.Style = bsClear;
        canvas.Ellipse(r);
        canvas.Pen.Mode = pmCopy;
    }
}

void TvexoBitBtn::DrawButton(TCanvas& canvas, TButtonState state, const TRect&, bool isDown,
                             bool isFocused) {
    canvas.Font.Assign(*Font());
    const TRect client = ClientRect();
    const bool pressed = isDown || down_;
    const bool ellipse = btnType_ == btEllipse;
    if (ellipse && OnPaint) {
        DoButtonPaint(canvas, client, pressed, isFocused);
        return;
    }
    TRect r = client;
    if (!Flat() || mouseUnder_ || IsDesigning()) {
        if (ellipse) {
            canvas.Brush.Color = backColor_;
            canvas.Brush.Style = bsSolid;
            canvas.FillRect(r);
        } else {
            r = NewDrawButtonFace(canvas, client, Color(), mouseUnder_, pressed, GetFocused(),
                                  isFocused, DrawFocus());
        }
    } else {
        canvas.Brush.Color = backColor_;
        canvas.Brush.Style = bsSolid;
        canvas.FillRect(r);
    }
    if (ellipse) {
        // Flat or not, the ellipse itself is always drawn; only its surroundings differ.
        DrawEllipseButton(canvas, state, isDown, isFocused);
        return;
    }

    TImageList* images = Images();
    const bool withImages =
        images != nullptr && ImageIndex() >= 0 && ImageIndex() < images->Count();
    if (!withImages) {
        glyph_.SetFaceColor(Color());
        const TBitmap& g = glyph_.Glyph();
        if (!g.Empty())
            glyph_.SetMaskColor(RgbToColor(g.PixelRgb(0, g.Height() - 1)));
    }
    if (OnPaint) {
        DoButtonPaint(canvas, client, pressed, isFocused);
        return;
    }
    const TRect text =
        withImages ? DrawImageListGlyph(canvas, *images, ImageIndex(), NumGlyphs(), isEnabled(), r,
                                        Caption(), layout_, margin_, spacing_, state)
                   : glyph_.Draw(canvas, r, Caption(), layout_, margin_, spacing_, state, false);
    if (markDropDown_ && dropDownMenu_ != nullptr)
        DrawPopupMark(canvas, text.Right + 2, (text.Top + text.Bottom) / 2);
    DoButtonAfterPaint(canvas, client, pressed, isFocused);
}

} // namespace vexo
