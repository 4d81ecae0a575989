#include "edits/vexocustomcheckbox.h"

#include <QEvent>

#include "graphics/drawtext.h"
#include "graphics/frames3d.h"
#include "graphics/gui/resourceutils.h"
#include "graphics/rectgeometry.h"
#include "platform/gui/groupbox.h"

namespace vexo {

namespace {

constexpr int CheckGlyph = 11;
constexpr int RadioGlyph = 12;
constexpr int CaptionLeft = 18;

// The shared strips, loaded on first use and kept for the process.
const TBitmap& Checks() {
    static const TBitmap strip = ResBitmap(QStringLiteral("FLATCHECKS"));
    return strip;
}

const TBitmap& Radios() {
    static const TBitmap strip = ResBitmap(QStringLiteral("FLATRADIO"));
    return strip;
}

QString PlainCaption(const QString& caption) {
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        plain += caption[i];
    }
    return plain;
}

} // namespace

TvexoCustomCheckBox::TvexoCustomCheckBox(TComponent* owner) : TvexoCustomCheckBox(owner, nullptr) {}

TvexoCustomCheckBox::TvexoCustomCheckBox(TComponent* owner, QWidget* parent)
    : TCustomControl(owner, parent), fontActive_(std::make_unique<TFont>()) {
    SetControlStyle(TControlStyle(csCaptureMouse) | csClickEvents | csSetCaption | csOpaque |
                    csDoubleClicks);
    SetParentColor(true);
    SetBounds(Left(), Top(), 75, 14);
    SetTabStop(true);
    fontActive_->Assign(*Font());
    QObject::connect(fontActive_.get(), &TFont::Changed, this, [this] { Invalidate(); });
}

TvexoCustomCheckBox::~TvexoCustomCheckBox() = default;

int TvexoCustomCheckBox::GlyphIndex(TCheckBoxState state, bool hot, bool enabled) {
    static constexpr int table[3][4] = {
        // hot enabled, hot disabled, not hot enabled, not hot disabled
        {0, 4, 2, 4}, // unchecked
        {1, 5, 3, 5}, // checked
        {6, 5, 5, 5}, // grayed
    };
    return table[state][(hot ? 0 : 2) + (enabled ? 0 : 1)];
}

void TvexoCustomCheckBox::SetAlive(bool alive) {
    if (alive == alive_)
        return;
    alive_ = alive;
    Invalidate();
}

void TvexoCustomCheckBox::SetStyle(TvexoCheckBoxType style) {
    if (style == style_)
        return;
    style_ = style;
    if (style == btRadioButton && state_ == cbGrayed)
        state_ = cbUnchecked;
    if (style == btRadioButton && state_ == cbChecked)
        UncheckRadioSiblings();
    Invalidate();
}

void TvexoCustomCheckBox::SetWordWrap(bool wordWrap) {
    if (wordWrap == wordWrap_)
        return;
    wordWrap_ = wordWrap;
    Invalidate();
}

void TvexoCustomCheckBox::SetVertAlign(TvexoCheckAlign align) {
    if (align == vertAlign_)
        return;
    vertAlign_ = align;
    Invalidate();
}

void TvexoCustomCheckBox::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    Invalidate();
}

void TvexoCustomCheckBox::SetCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    setAccessibleName(PlainCaption(caption));
    Invalidate();
}

void TvexoCustomCheckBox::SetFontActive(const TFont* font) {
    if (font != nullptr)
        fontActive_->Assign(*font);
}

void TvexoCustomCheckBox::SetState(TCheckBoxState state) {
    if (state == state_ || (style_ == btRadioButton && state == cbGrayed))
        return;
    state_ = state;
    if (style_ == btRadioButton && state == cbChecked)
        UncheckRadioSiblings();
    Changed();
    Invalidate();
}

void TvexoCustomCheckBox::UncheckRadioSiblings() {
    QWidget* parent = parentWidget();
    if (parent == nullptr)
        return;
    for (QObject* child : parent->children()) {
        auto* other = qobject_cast<TvexoCustomCheckBox*>(child);
        if (other != nullptr && other != this && other->style_ == btRadioButton)
            other->SetChecked(false);
    }
}

void TvexoCustomCheckBox::ToggleCheck() {
    if (allowGrayed_) {
        static constexpr TCheckBoxState next[] = {cbGrayed, cbUnchecked, cbChecked};
        SetState(style_ == btRadioButton && state_ == cbUnchecked ? cbChecked : next[state_]);
    } else {
        SetState(state_ == cbUnchecked ? cbChecked : cbUnchecked);
    }
}

void TvexoCustomCheckBox::Activate() {
    if (style_ == btRadioButton) {
        if (!Checked())
            SetChecked(true);
    } else {
        ToggleCheck();
    }
}

void TvexoCustomCheckBox::Undo() {
    const bool previous = Checked();
    SetChecked(undoValue_);
    undoValue_ = previous;
    if (OnUndo)
        OnUndo(this);
}

void TvexoCustomCheckBox::Changed() {
    if (OnChange)
        OnChange(this);
}

void TvexoCustomCheckBox::Paint() {
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    const bool hot = MouseInControl();
    const int index = GlyphIndex(state_, hot, Enabled());
    canvas.Font.Assign(*Font());
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(client);

    // The check box's glyph stands in a 13-pixel frame: placed by the frame, so that a box at
    // the bottom keeps its frame inside the control.
    const int glyph = style_ == btRadioButton ? RadioGlyph : CheckGlyph;
    const int box = style_ == btRadioButton ? RadioGlyph : CheckGlyph + 2;
    const int y = vertAlign_ == baTop      ? 1
                  : vertAlign_ == baCenter ? VertCenter(client, box)
                                           : client.Bottom - box - 1;
    if (style_ == btRadioButton) {
        const TBitmap& strip = Radios();
        canvas.TransparentCopy(Bounds(0, y, glyph, glyph), strip,
                               Bounds(index * glyph, 0, glyph, glyph),
                               TColor(strip.PixelRgb(0, glyph - 1)));
    } else {
        TRect frame = Bounds(0, y, box, box);
        DCFrame3D(canvas, frame, clBtnShadow, clBtnHighlight, 1);
        canvas.CopyRect(Bounds(1, y + 1, glyph, glyph), Checks(),
                        Bounds(index * glyph, 0, glyph, glyph));
    }

    canvas.Font.Assign(hot && alive_ ? *fontActive_ : *Font());
    TRect r = client;
    r.Left = CaptionLeft;
    if (wordWrap_) {
        r.Top = 1;
        r.Bottom -= 1;
        r.Right -= 2;
    } else {
        const int th = canvas.TextHeight(caption_);
        r.Top = vertAlign_ == baTop      ? 1
                : vertAlign_ == baCenter ? VertCenter(client, th)
                                         : client.Bottom - th - 1;
        r.Bottom = r.Top + th;
        r.Right = CaptionLeft + canvas.TextWidth(caption_);
    }
    canvas.Brush.Style = bsClear;
    if (Enabled()) {
        if (wordWrap_)
            WrapTextInRect(canvas, caption_, r, alignment_);
        else
            TextInRect(canvas, caption_, r, alignment_);
    } else {
        // Embossed: a light copy one pixel down and right, the shadow in place.
        const unsigned flags =
            TextInRectFlags[alignment_] | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0u);
        TRect lit = Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
        canvas.Font.SetColor(clBtnHighlight);
        canvas.DrawText(caption_, lit, flags);
        TRect face = r;
        canvas.Font.SetColor(clBtnShadow);
        canvas.DrawText(caption_, face, flags);
    }
    if (hasFocus()) {
        r.Left -= 4;
        r.Right = qMin(r.Right + 2, client.Right);
        canvas.DrawFocusRect(r);
    }
}

void TvexoCustomCheckBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    // A double click's second press has toggled already; its double-click report does not.
    if (button == mbLeft && Enabled() && !shift.testFlag(ssDouble)) {
        if (TabStop() && CanFocus())
            SetFocus();
        Activate();
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TvexoCustomCheckBox::KeyDown(int& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == Qt::Key_Space && shift == TShiftState() && Enabled()) {
        Activate();
        key = 0;
    } else if ((key == Qt::Key_Z && shift == TShiftState(ssCtrl)) ||
               (key == Qt::Key_Backspace && shift == TShiftState(ssAlt))) {
        Undo();
        key = 0;
    }
}

bool TvexoCustomCheckBox::DialogChar(QChar ch) {
    if (Enabled() && IsAccel(ch, caption_)) {
        if (CanFocus())
            SetFocus();
        Activate();
        return true;
    }
    return TCustomControl::DialogChar(ch);
}

void TvexoCustomCheckBox::MouseEnter() {
    TCustomControl::MouseEnter();
    Invalidate();
}

void TvexoCustomCheckBox::MouseLeave() {
    TCustomControl::MouseLeave();
    Invalidate();
}

void TvexoCustomCheckBox::DoEnter() {
    TCustomControl::DoEnter();
    Invalidate();
}

void TvexoCustomCheckBox::DoExit() {
    TCustomControl::DoExit();
    Invalidate();
}

void TvexoCustomCheckBox::FontChanged() {
    TCustomControl::FontChanged();
    Invalidate();
}

void TvexoCustomCheckBox::EnabledChanged() {
    TCustomControl::EnabledChanged();
    Invalidate();
}

void TvexoCustomCheckBox::ParentFontChanged() {
    TCustomControl::ParentFontChanged();
    if (ParentFont())
        fontActive_->Assign(*Font());
}

bool TvexoCustomCheckBox::ControlEvent(QEvent* event) {
    // A checked radio button moved to another parent keeps that group to one checked button.
    if (event->type() == QEvent::ParentChange && style_ == btRadioButton && Checked())
        UncheckRadioSiblings();
    return TCustomControl::ControlEvent(event);
}

int GetGroupIndex(TGroupBox* box) {
    if (box == nullptr)
        return 0;
    const QList<TControl*> controls = box->ControlList();
    for (int i = 0; i < controls.size(); ++i) {
        auto* check = qobject_cast<TvexoCustomCheckBox*>(controls[i]->Widget());
        if (check != nullptr && check->Checked())
            return i;
    }
    return 0;
}

void SetGroupIndex(TGroupBox* box, int index) {
    if (box == nullptr || index < 0 || index >= box->ControlCount())
        return;
    if (auto* check = qobject_cast<TvexoCustomCheckBox*>(box->Controls(index)->Widget()))
        check->SetChecked(true);
}

} // namespace vexo
