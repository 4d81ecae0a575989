#include "buttons/vexotransbutton.h"

#include <QImage>

#include "buttons/buttonface_p.h"
#include "buttons/buttonstrings.h"
#include "graphics/gui/resourceutils.h"
#include "platform/gui/graphiccontrol.h"
#include "platform/gui/messagebox.h"

namespace vexo {

namespace {

struct TTransKind {
    const char* glyph;
    const QString* caption;
    int modalResult;
};

const TTransKind transKinds[] = {{"sbOK", &wtb_CaptionOk, mrOk},
                                 {"sbCANCEL", &wtb_CaptionCancel, mrCancel},
                                 {"sbYES", &wtb_CaptionYes, mrYes},
                                 {"sbNO", &wtb_CaptionNo, mrNo},
                                 {"sbCLOSE", &wtb_CaptionClose, mrNone}};

} // namespace

TvexoTransButton::TvexoTransButton(TComponent* owner) : TvexoTransButton(owner, nullptr) {}

TvexoTransButton::TvexoTransButton(TComponent* owner, QWidget* parent)
    : TvexoCustomButton(owner, parent) {}

TvexoTransButton::~TvexoTransButton() = default;

void TvexoTransButton::SetKind(TvexoButtonKind kind) {
    if (kind == kind_)
        return;
    kind_ = kind;
    if (kind == sbCustom) {
        SetModalResult(mrNone);
    } else {
        const TTransKind& k = transKinds[kind];
        // A missing resource leaves the glyph empty.
        const TBitmap glyph = ResBitmap(QString::fromLatin1(k.glyph));
        SetGlyph(&glyph);
        SetDefault(kind == sbOk || kind == sbYes);
        SetCancel(kind == sbCancel || kind == sbNo);
        if (!(ComponentState().testFlag(csLoading) && !Caption().isEmpty()))
            SetCaption(*k.caption);
        SetModalResult(k.modalResult);
    }
    Invalidate();
}

void TvexoTransButton::Click() {
    TvexoCustomButton::Click();
    Invalidate();
}

void TvexoTransButton::SetBounds(int left, int top, int width, int height) {
    TvexoCustomButton::SetBounds(left, top, width, height);
    // The background is captured anew at the next paint.
    Invalidate();
}

void TvexoTransButton::DoEnter() {
    Invalidate();
    TvexoCustomButton::DoEnter();
}

void TvexoTransButton::DoExit() {
    Invalidate();
    TvexoCustomButton::DoExit();
}

void TvexoTransButton::CaptureParentImage() {
    const int w = std::max(width(), 1), h = std::max(height(), 1);
    QImage under(w, h, QImage::Format_RGB32);
    QWidget* parent = parentWidget();
    if (parent == nullptr) {
        under.fill(ToQColor(Color()));
        background_ = BitmapFromQImage(under);
        return;
    }
    under.fill(parent->palette().color(QPalette::Window));
    parent->render(&under, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
    // Window-less controls before the button in the parent's order lie under it.
    for (QObject* child : parent->children()) {
        if (child == this)
            break;
        auto* control = dynamic_cast<TGraphicControl*>(child);
        if (control == nullptr || !control->isVisible() ||
            !control->geometry().intersects(geometry()))
            continue;
        control->render(&under, control->pos() - pos(), QRegion(), QWidget::DrawWindowBackground);
    }
    background_ = BitmapFromQImage(under);
}

void TvexoTransButton::DrawItem(TCanvas& canvas) {
    if (!IsDesigning())
        CaptureParentImage();
    TvexoCustomButton::DrawItem(canvas);
}

void TvexoTransButton::DrawButton(TCanvas& canvas, TButtonState state, const TRect& rect,
                                  bool isDown, bool isFocused) {
    if (IsDesigning()) {
        TvexoCustomButton::DrawButton(canvas, state, rect, isDown, isFocused);
        return;
    }
    canvas.Font.Assign(*Font());
    TRect inner = Shrunk(rect, BevelWidth());
    if (OnPaint) {
        DoButtonPaint(canvas, rect, isDown, isFocused);
        return;
    }
    canvas.CopyMode = cmSrcCopy;
    canvas.CopyRect(Rect(0, 0, background_.Width(), background_.Height()), background_,
                    Rect(0, 0, background_.Width(), background_.Height()));
    if (isDown) {
        TRect frame = inner;
        canvas.Frame3D(frame, BottomColor(), HighlightColor(), BevelWidth());
        inner = Moved(inner, 1, 1);
    } else if (!Flat() || MouseUnderButton()) {
        inner =
            DrawFace(canvas, rect, Color(), BevelWidth(), bsNew, false, false, hasFocus(), true);
    }
    canvas.Brush.Style = bsClear;
    DrawGlyphAndCaption(canvas, inner);
    DoButtonAfterPaint(canvas, rect, isDown, isFocused);
    if (isFocused) {
        canvas.Pen.Color = clBlack;
        if (DrawFocus())
            canvas.DrawFocusRect(Shrunk(rect, BevelWidth() + 2));
    }
}

} // namespace vexo
