#include "edits/vexopanel.h"

#include "edits/bevelframe_p.h"
#include "graphics/drawtext.h"
#include "graphics/gui/resourceutils.h"

namespace vexo {

namespace {

// Decoded once; every panel shares the pixels (the bitmap's data is implicitly shared).
const TBitmap& DefaultPattern() {
    static const TBitmap pattern = ResBitmap(QStringLiteral("DEFAULTPANEL"));
    return pattern;
}

} // namespace

TvexoPanel::TvexoPanel(TComponent* owner) : TvexoPanel(owner, nullptr) {}

TvexoPanel::TvexoPanel(TComponent* owner, QWidget* parent)
    : TCustomPanel(owner, parent), backImage_(DefaultPattern()) {}

void TvexoPanel::SetBackImage(const TBitmap* image) {
    backImage_ = image != nullptr ? *image : DefaultPattern();
    Invalidate();
}

void TvexoPanel::Paint() {
    // The control's paint buffer is the off-screen image the panel is composed on.
    TCanvas& canvas = Canvas();
    TRect r = ClientRect();
    if (BorderStyle() == bsSingle)
        canvas.Frame3D(r, clWindowFrame, clWindowFrame, 1);
    // The band between the bevels takes the panel's colour (it would otherwise show
    // whatever the buffer held).
    PaintBevelFrame(canvas, r, BevelOuter(), BevelInner(), BevelWidth(), BorderWidth(), Color());

    const int w = backImage_.Width();
    const int h = backImage_.Height();
    if (w > 0 && h > 0) {
        for (int y = r.Top; y < r.Bottom; y += h)
            for (int x = r.Left; x < r.Right; x += w) {
                const int cw = qMin(w, r.Right - x);
                const int ch = qMin(h, r.Bottom - y);
                canvas.CopyRect(Bounds(x, y, cw, ch), backImage_, Bounds(0, 0, cw, ch));
            }
    } else {
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = Color();
        canvas.FillRect(r);
    }

    if (Caption().isEmpty())
        return;
    canvas.Brush.Style = bsClear;
    canvas.Font.Assign(*Font());
    if (!Enabled())
        canvas.Font.SetColor(clGrayText);
    const int t = canvas.TextHeight(QStringLiteral("W"));
    r.Top = (r.Top + r.Bottom - t) / 2;
    r.Bottom = r.Top + t;
    canvas.DrawText(Caption(), r, TextInRectFlags[Alignment()] | DT_EXPANDTABS | DT_VCENTER);
}

} // namespace vexo
