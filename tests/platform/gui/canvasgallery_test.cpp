// Renders the text flags and the 3-D edges of the canvas into one picture for people to look
// at: <test binary folder>/screenshots/canvas.png.

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

#include "platform/image/canvas.h"

using namespace vexo;

namespace {

constexpr int CellW = 170, CellH = 52;

// A labelled sample box: the label above, the sample's rectangle framed in grey.
TRect SampleBox(TCanvas& c, int col, int row, const QString& label, int left, int top,
                TColor fill = clWindow) {
    const int x = left + col * (CellW + 14), y = top + row * (CellH + 22);
    c.Brush.Style = bsClear;
    c.Font.SetColor(clBtnText);
    TRect caption = Rect(x, y, x + CellW, y + 16);
    c.DrawText(label, caption, DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
    const TRect box = Rect(x, y + 16, x + CellW, y + 16 + CellH);
    c.Brush.Style = bsSolid;
    c.Brush.Color = fill;
    c.FillRect(box);
    c.Brush.Color = clGray;
    c.FrameRect(box);
    return Rect(box.Left + 4, box.Top + 4, box.Right - 4, box.Bottom - 4);
}

void TextSample(TCanvas& c, int col, int row, const QString& label, const QString& text,
                unsigned flags, int left, int top) {
    TRect r = SampleBox(c, col, row, label, left, top);
    c.Brush.Color = clSilver;
    c.FrameRect(r); // the rectangle given to DrawText
    c.Brush.Style = bsClear;
    c.Font.SetColor(clWindowText);
    c.DrawText(text, r, flags);
}

void EdgeSample(TCanvas& c, int col, int row, const QString& label, unsigned edge, unsigned flags,
                int left, int top) {
    TRect r = SampleBox(c, col, row, label, left, top, clBtnFace);
    r = Rect(r.Left + 30, r.Top + 4, r.Right - 30, r.Bottom - 4);
    c.DrawEdge(r, edge, flags);
}

} // namespace

TEST(CanvasGallery, TextFlagsAndEdgesRenderToAPicture) {
    TBitmap b(4 * (CellW + 14) + 10, 8 * (CellH + 22) + 40, 24);
    TCanvas c(&b);
    c.Brush.Color = clBtnFace;
    c.FillRect(c.ClipRect());
    c.Font.SetHeight(-12);
    c.Font.SetStyle(fsBold);
    c.Font.SetColor(clBtnText);
    c.Brush.Style = bsClear;
    TRect title = Rect(10, 8, b.Width() - 10, 28);
    c.DrawText(QStringLiteral("TCanvas::DrawText flags"), title, DT_LEFT);
    title = Rect(10 + 2 * (CellW + 14), 8, b.Width() - 10, 28);
    c.DrawText(QStringLiteral("DrawEdge, Frame3D, frame control, focus"), title, DT_LEFT);
    c.Font.SetStyle({});
    c.Font.SetHeight(-11);

    const int l = 10, t = 32;
    const QString sentence =
        QStringLiteral("Word break puts the words of a long sentence on lines");
    TextSample(c, 0, 0, QStringLiteral("DT_LEFT"), QStringLiteral("Left"), DT_LEFT, l, t);
    TextSample(c, 1, 0, QStringLiteral("DT_CENTER"), QStringLiteral("Centre"), DT_CENTER, l, t);
    TextSample(c, 0, 1, QStringLiteral("DT_RIGHT"), QStringLiteral("Right"), DT_RIGHT, l, t);
    TextSample(c, 1, 1, QStringLiteral("DT_SINGLELINE|DT_VCENTER|DT_CENTER"),
               QStringLiteral("Vertically\ncentred"), DT_SINGLELINE | DT_VCENTER | DT_CENTER, l, t);
    TextSample(c, 0, 2, QStringLiteral("DT_WORDBREAK"), sentence, DT_WORDBREAK, l, t);
    TextSample(c, 1, 2, QStringLiteral("DT_SINGLELINE|DT_BOTTOM|DT_RIGHT"),
               QStringLiteral("Bottom right"), DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, l, t);
    TextSample(c, 0, 3, QStringLiteral("DT_END_ELLIPSIS"),
               QStringLiteral("An end ellipsis shortens a long line to fit"), DT_END_ELLIPSIS, l,
               t);
    TextSample(c, 1, 3, QStringLiteral("DT_PATH_ELLIPSIS"),
               QStringLiteral("/home/user/pictures/holiday/beach.bmp"), DT_PATH_ELLIPSIS, l, t);
    TextSample(c, 0, 4, QStringLiteral("prefix: \"&File  &Edit  R&&D\""),
               QStringLiteral("&File  &Edit  R&&D"), DT_LEFT, l, t);
    TextSample(c, 1, 4, QStringLiteral("DT_NOPREFIX"), QStringLiteral("&File  &Edit  R&&D"),
               DT_NOPREFIX, l, t);
    TextSample(c, 0, 5, QStringLiteral("DT_EXPANDTABS"), QStringLiteral("Name\tValue\nWidth\t170"),
               DT_EXPANDTABS, l, t);
    TextSample(c, 1, 5, QStringLiteral("tabs not expanded"), QStringLiteral("Name\tValue"), DT_LEFT,
               l, t);
    {
        TRect r = SampleBox(c, 0, 6, QStringLiteral("DT_CALCRECT, then drawn opaque"), l, t);
        TRect measured = r;
        c.DrawText(QStringLiteral("Measured\nand filled"), measured, DT_CALCRECT);
        c.Brush.Style = bsSolid;
        c.Brush.Color = clYellow;
        c.Font.SetColor(clNavy);
        c.DrawText(QStringLiteral("Measured\nand filled"), measured, DT_LEFT);
        c.Brush.Color = clRed;
        c.FrameRect(
            Rect(measured.Left - 1, measured.Top - 1, measured.Right + 1, measured.Bottom + 1));
    }
    TextSample(c, 1, 6, QStringLiteral("no DT_NOCLIP: clipped"),
               QStringLiteral("Clipped to the rectangle, far too long"), DT_LEFT, l, t);
    TextSample(c, 0, 7, QStringLiteral("DT_NOCLIP"),
               QStringLiteral("Not clipped: this line spills over the frame"), DT_NOCLIP, l, t);
    TextSample(c, 1, 7, QStringLiteral("DT_RTLREADING|DT_RIGHT"), QStringLiteral("שלום עולם"),
               DT_RTLREADING | DT_RIGHT, l, t);

    const int el = l + 2 * (CellW + 14);
    EdgeSample(c, 0, 0, QStringLiteral("BDR_RAISEDOUTER"), BDR_RAISEDOUTER, BF_RECT, el, t);
    EdgeSample(c, 1, 0, QStringLiteral("BDR_SUNKENOUTER"), BDR_SUNKENOUTER, BF_RECT, el, t);
    EdgeSample(c, 0, 1, QStringLiteral("BDR_RAISEDINNER"), BDR_RAISEDINNER, BF_RECT, el, t);
    EdgeSample(c, 1, 1, QStringLiteral("BDR_SUNKENINNER"), BDR_SUNKENINNER, BF_RECT, el, t);
    EdgeSample(c, 0, 2, QStringLiteral("EDGE_RAISED|BF_MIDDLE"), EDGE_RAISED, BF_RECT | BF_MIDDLE,
               el, t);
    EdgeSample(c, 1, 2, QStringLiteral("EDGE_SUNKEN"), EDGE_SUNKEN, BF_RECT, el, t);
    EdgeSample(c, 0, 3, QStringLiteral("EDGE_ETCHED"), EDGE_ETCHED, BF_RECT, el, t);
    EdgeSample(c, 1, 3, QStringLiteral("EDGE_BUMP"), EDGE_BUMP, BF_RECT, el, t);
    EdgeSample(c, 0, 4, QStringLiteral("EDGE_RAISED|BF_SOFT"), EDGE_RAISED, BF_RECT | BF_SOFT, el,
               t);
    EdgeSample(c, 1, 4, QStringLiteral("BDR_SUNKENINNER, right+bottom"), BDR_SUNKENINNER,
               BF_RIGHT | BF_BOTTOM, el, t);
    {
        TRect r = SampleBox(c, 0, 5, QStringLiteral("Frame3D width 2"), el, t, clBtnFace);
        r = Rect(r.Left + 30, r.Top + 4, r.Right - 30, r.Bottom - 4);
        c.Frame3D(r, clBtnHighlight, clBtnShadow, 2);
        TRect lowered = SampleBox(c, 1, 5, QStringLiteral("Frame3D lowered"), el, t, clBtnFace);
        lowered = Rect(lowered.Left + 30, lowered.Top + 4, lowered.Right - 30, lowered.Bottom - 4);
        c.Frame3D(lowered, clBtnShadow, clBtnHighlight, 1);
    }
    for (int pushed = 0; pushed < 2; ++pushed) {
        TRect r = SampleBox(c, pushed, 6,
                            pushed ? QStringLiteral("push button, DFCS_PUSHED")
                                   : QStringLiteral("push button frame"),
                            el, t, clBtnFace);
        r = Rect(r.Left + 30, r.Top + 8, r.Right - 30, r.Bottom - 8);
        c.DrawFrameControl(r, DFC_BUTTON,
                           DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pushed ? DFCS_PUSHED : 0));
        c.Brush.Style = bsClear;
        c.Font.SetColor(clBtnText);
        if (pushed)
            r = Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
        c.DrawText(QStringLiteral("&OK"), r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
    {
        TRect r = SampleBox(c, 0, 7, QStringLiteral("DrawFocusRect"), el, t);
        r = Rect(r.Left + 30, r.Top + 8, r.Right - 30, r.Bottom - 8);
        c.Brush.Style = bsClear;
        c.Font.SetColor(clWindowText);
        c.DrawText(QStringLiteral("Focused"), r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        c.DrawFocusRect(r);
    }

    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
    ASSERT_TRUE(QDir().mkpath(dir));
    const QImage image = BitmapToQImage(b);
    ASSERT_TRUE(image.save(dir + QStringLiteral("/canvas.png")));
    EXPECT_EQ(QImage(dir + QStringLiteral("/canvas.png")).size(), image.size());
}
