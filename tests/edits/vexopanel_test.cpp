// The tiled panel: the back image over the face, the default pattern, bevels and caption.
#include "edits/vexopanel.h"

#include "edittestkit.h"
#include "platform/image/bitmapresource.h"

using namespace vexo;
using namespace vexo::edittest;

namespace {

// A 3 x 2 image whose pixels are all different.
TBitmap Tile() {
    TBitmap b(3, 2, 24);
    TCanvas c(&b);
    const TColor colors[] = {0x000011, 0x000022, 0x000033, 0x000044, 0x000055, 0x000066};
    for (int i = 0; i < 6; ++i)
        c.SetPixel(i % 3, i / 3, colors[i]);
    return b;
}

} // namespace

TEST(VexoPanel, TilesTheBackImageFromTheFacesCorner) {
    TForm form;
    TvexoPanel panel(&form);
    panel.SetBounds(0, 0, 20, 11);
    panel.SetBevelOuter(bvRaised);
    panel.SetBorderWidth(1);
    const TBitmap tile = Tile();
    panel.SetBackImage(&tile);
    const TBitmap shot = panel.PaintToBitmap();
    // The face starts at (2, 2): bevel 1, band 1; the tiles repeat every 3 x 2 and are cut
    // at the face's right and bottom edges.
    for (int y = 2; y < 9; ++y)
        for (int x = 2; x < 18; ++x)
            ASSERT_EQ(At(shot, x, y), At(tile, (x - 2) % 3, (y - 2) % 2)) << x << "," << y;
    // The band keeps the panel's colour.
    EXPECT_EQ(At(shot, 1, 5), ColorToRGB(clBtnFace));
    EXPECT_EQ(At(shot, 0, 5), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(shot, 19, 5), ColorToRGB(clBtnShadow));
}

TEST(VexoPanel, ClearedBackImageIsTheDefaultPatternAnEmptyOneTheColour) {
    TForm form;
    TvexoPanel panel(&form);
    panel.SetBounds(0, 0, 100, 50);
    const TBitmap pattern = LoadBitmapResource(QStringLiteral("DEFAULTPANEL"));
    EXPECT_EQ(pattern.Width(), 64);
    EXPECT_EQ(pattern.Height(), 32);
    const TBitmap tile = Tile();
    panel.SetBackImage(&tile);
    panel.SetBackImage(nullptr);
    TBitmap shot = panel.PaintToBitmap();
    EXPECT_EQ(At(shot, 1 + 70, 1 + 5), At(pattern, 70 - 64, 5));
    const TBitmap empty;
    panel.SetBackImage(&empty);
    panel.SetColor(clTeal);
    shot = panel.PaintToBitmap();
    EXPECT_EQ(At(shot, 50, 25), clTeal);
}

TEST(VexoPanel, CaptionCentredOnTheFace) {
    TForm form;
    TvexoPanel panel(&form);
    panel.SetBounds(0, 0, 120, 60);
    const TBitmap empty;
    panel.SetBackImage(&empty);
    panel.SetColor(clWhite);
    panel.Font()->SetColor(clBlack);
    panel.SetCaption(QStringLiteral("Panel"));
    const TRect ink = InkBox(panel.PaintToBitmap(), clBlack);
    ASSERT_FALSE(Empty(ink));
    EXPECT_LE(std::abs(ink.Left - (120 - ink.Right)), 2);
    EXPECT_LE(std::abs(ink.Top - (60 - ink.Bottom)), 4);
    panel.SetAlignment(taLeftJustify);
    const TRect left = InkBox(panel.PaintToBitmap(), clBlack);
    EXPECT_LE(left.Left, 4);
    EXPECT_EQ(left.Top, ink.Top);
}
