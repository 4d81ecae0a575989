// Renders the drawing helpers into one picture for people to look at:
// <test binary folder>/screenshots/drawing.png.

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

#include "graphics/drawbitmap.h"
#include "graphics/drawtext.h"
#include "graphics/frames3d.h"

using namespace vexo;

namespace {

constexpr int CellW = 170, CellH = 56, Left = 10, Top = 10;

// A labelled sample: the label above, the sample's rectangle on the window colour.
TRect Sample(TCanvas& c, int col, int row, const QString& label, TColor fill = clWindow) {
    const int x = Left + col * (CellW + 12), y = Top + row * (CellH + 22);
    c.Brush.Style = bsClear;
    c.Font.SetColor(clBtnText);
    TRect caption = Rect(x, y, x + CellW, y + 16);
    c.DrawText(label, caption, DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
    const TRect box = Rect(x, y + 16, x + CellW, y + 16 + CellH);
    c.Brush.Style = bsSolid;
    c.Brush.Color = fill;
    c.FillRect(box);
    c.Font.SetColor(clWindowText);
    return box;
}

// A 24 x 16 picture: a blue disc on a fuchsia background, which the transparent blits drop.
TBitmap Disc() {
    TBitmap b(24, 16, 24);
    TCanvas c(&b);
    c.Brush.Color = clFuchsia;
    c.FillRect(c.ClipRect());
    c.Brush.Color = clBlue;
    c.Pen.Color = clNavy;
    c.Ellipse(Rect(4, 1, 20, 15));
    return b;
}

void Cells(TCanvas& c) {
    const QString name = QStringLiteral("Cell text");
    struct {
        const char* label;
        TAlignment a;
        TVertAlignment v;
    } cells[] = {{"DrawCellText left, top", taLeftJustify, vaTopJustify},
                 {"right, centre", taRightJustify, vaCenter},
                 {"centre (wraps), bottom", taCenter, vaBottomJustify}};
    for (int i = 0; i < 3; ++i) {
        const TRect r = Sample(c, i, 0, QString::fromUtf8(cells[i].label));
        c.Brush.Color = clInfoBk;
        DrawCellText(c, 0, 0, name, r, cells[i].a, cells[i].v);
    }
    TRect r = Sample(c, 3, 0, QStringLiteral("WriteText off-screen, word wrap"));
    c.Brush.Color = clInfoBk;
    WriteText(c, r, 2, 2, QStringLiteral("Off-screen text bitmap, wrapped between words"),
              taLeftJustify, true);
}

void Texts(TCanvas& c) {
    const QString path = QStringLiteral("A rather long caption to shorten");
    TRect r = Sample(c, 0, 1, QStringLiteral("MinimizeText to 150 / 90 px"));
    c.Brush.Style = bsClear;
    c.TextOut(r.Left + 4, r.Top + 6, MinimizeText(path, c, 150));
    c.TextOut(r.Left + 4, r.Top + 26, MinimizeText(path, c, 90));
    r = Sample(c, 1, 1, QStringLiteral("TextInRect right, &prefix"));
    c.Brush.Style = bsClear;
    TextInRect(c, QStringLiteral("&Right aligned\nsecond line"), r, taRightJustify);
    r = Sample(c, 2, 1, QStringLiteral("WrapTextInRect centre"));
    c.Brush.Style = bsClear;
    WrapTextInRect(c, QStringLiteral("Words wrapped and centred in the rectangle"), r, taCenter);
    r = Sample(c, 3, 1, QStringLiteral("AngleTextInRect 0, 30, 90"));
    c.Brush.Style = bsClear;
    AngleTextInRect(c, QStringLiteral("Level"), r, r.Left + 4, r.Top + 30, 0);
    AngleTextInRect(c, QStringLiteral("Thirty"), r, r.Left + 60, r.Top + 50, 30);
    AngleTextInRect(c, QStringLiteral("Upright"), r, r.Left + 140, r.Bottom - 2, 90);
}

void Bitmaps(TCanvas& c) {
    const TBitmap disc = Disc();
    TRect r = Sample(c, 0, 2, QStringLiteral("Transparent: none, fuchsia, x2"));
    DrawBitmapTransparent(c, r.Left + 4, r.Top + 20, disc, clNone);
    DrawBitmapTransparent(c, r.Left + 40, r.Top + 20, disc, clFuchsia);
    TransparentStretchBitmap(c, disc, clFuchsia, r.Left + 80, r.Top + 12, 48, 32, 0, 0, 0, 0);
    TBitmap mono(16, 16, 1);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            mono.SetPixelValue(x, y, (x / 4 + y / 4) % 2);
    r = Sample(c, 1, 2, QStringLiteral("Monochrome on white, x1, x2"));
    DrawBitmapTransparent(c, r.Left + 10, r.Top + 20, mono, clRed);
    TransparentStretchBitmap(c, mono, clRed, r.Left + 50, r.Top + 12, 32, 32, 0, 0, 0, 0);
    r = Sample(c, 2, 2, QStringLiteral("DrawBitmapInRect, black = brush"));
    TBitmap glyph(24, 16, 24);
    TCanvas g(&glyph);
    g.Brush.Color = clWhite;
    g.FillRect(Rect(4, 4, 20, 12));
    c.Brush.Color = clTeal;
    DrawBitmapInRect(c, r, glyph);
    r = Sample(c, 3, 2, QStringLiteral("DrawResBitmapInRect RedBar"));
    c.Brush.Color = clYellow;
    DrawResBitmapInRect(c, r, QStringLiteral("RedBar"));
}

void Frames(TCanvas& c) {
    for (int w = 1; w <= 3; ++w) {
        TRect r =
            Sample(c, w - 1, 3, QStringLiteral("DCFrame3D %1: raised, lowered").arg(w), clBtnFace);
        r = Rect(r.Left + 10, r.Top + 8, r.Left + 70, r.Bottom - 8);
        DCFrame3D(c, r, clBtnHighlight, clBtnShadow, w);
        r = Rect(r.Left + 80, r.Top - w, r.Left + 140, r.Bottom + w);
        DCFrame3D(c, r, clBtnShadow, clBtnHighlight, w);
    }
    const TRect r = Sample(c, 3, 3, QStringLiteral("DoHorRect / DoVertRect true, false"));
    const TColor light = clRed, dark = clBlue;
    for (int i = 0; i < 4; ++i) {
        const TRect box =
            Rect(r.Left + 8 + i * 40, r.Top + 12, r.Left + 38 + i * 40, r.Bottom - 12);
        (i < 2 ? DoHorRect : DoVertRect)(c, i % 2 == 0, box, light, dark);
    }
}

} // namespace

TEST(DrawingGallery, HelpersRenderToAPicture) {
    TBitmap b(4 * (CellW + 12) + 10, 4 * (CellH + 22) + 14, 24);
    TCanvas c(&b);
    c.Brush.Color = clBtnFace;
    c.FillRect(c.ClipRect());
    Cells(c);
    Texts(c);
    Bitmaps(c);
    Frames(c);
    const QImage image = BitmapToQImage(b);
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
    ASSERT_TRUE(QDir().mkpath(dir));
    ASSERT_TRUE(image.save(dir + QStringLiteral("/drawing.png")));
    EXPECT_EQ(QImage(dir + QStringLiteral("/drawing.png")).size(), image.size());
}
