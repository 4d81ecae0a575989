#include <gtest/gtest.h>

#include "buttons/brushpattern.h"
#include "buttons/embossedglyph.h"
#include "platform/image/canvas.h"
#include "platform/image/pixelformat.h"

using namespace vexo;

namespace {

// A 24-bit glyph from rows of characters: '.' olive (the mask colour), 'k' black, 'r' red,
// 'w' white, 'y' yellow.
TBitmap GlyphOf(const std::vector<std::string>& rows) {
    TBitmap glyph(int(rows[0].size()), int(rows.size()), 24);
    TCanvas canvas(&glyph);
    for (int y = 0; y < glyph.Height(); ++y)
        for (int x = 0; x < glyph.Width(); ++x) {
            const char c = rows[y][x];
            canvas.SetPixel(x, y,
                            c == 'k'   ? clBlack
                            : c == 'r' ? clRed
                            : c == 'w' ? clWhite
                            : c == 'y' ? clYellow
                                       : clOlive);
        }
    return glyph;
}

} // namespace

TEST(EmbossedGlyph, DrawingInShadowOverItsWhiteCopyOnTheFace) {
    // Dark pixels (black, red) are drawing; olive (the mask colour, though dark), white and
    // yellow are background. The second cell (columns 4..7) is left out.
    const TBitmap glyph = GlyphOf({"kr..kkkk", //
                                   "w...kkkk", //
                                   "..k.kkkk", //
                                   "..y.kkkk"});
    const TColor face = RGB(0xD4, 0xD0, 0xC8);
    const TBitmap image = CreateEmbossedGlyph(glyph, 4, clOlive, face);
    ASSERT_EQ(image.Width(), 4);
    ASSERT_EQ(image.Height(), 4);
    const TColor S = ColorToRGB(clBtnShadow), W = clWhite, F = face;
    const TColor expected[4][4] = {{S, S, F, F}, //
                                   {F, W, W, F}, //
                                   {F, F, S, F}, //
                                   {F, F, F, W}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(RgbToColor(image.PixelRgb(x, y)), expected[y][x]) << x << "," << y;
}

TEST(EmbossedGlyph, MaskMarksDrawingBlackAndEmptyGlyphGivesEmptyImage) {
    const TBitmap mask = GlyphDrawingMask(GlyphOf({"k.", ".r"}), 2, clOlive);
    EXPECT_EQ(mask.BitCount(), 1);
    EXPECT_EQ(mask.PixelRgb(0, 0), clBlack);
    EXPECT_EQ(mask.PixelRgb(1, 0), clWhite);
    EXPECT_EQ(mask.PixelRgb(1, 1), clBlack);
    // A cell wider than the glyph is cut to the glyph; an empty glyph draws nothing.
    EXPECT_EQ(CreateEmbossedGlyph(GlyphOf({"kk"}), 9, clOlive, clWhite).Width(), 2);
    EXPECT_EQ(CreateEmbossedGlyph(TBitmap(), 4, clOlive, clWhite).Width(), 0);
}

TEST(BrushPattern, CheckerOfWhiteAndButtonFaceMadeOnce) {
    const TBitmap& pattern = CreateBrushPattern();
    ASSERT_EQ(pattern.Width(), 8);
    ASSERT_EQ(pattern.Height(), 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(RgbToColor(pattern.PixelRgb(x, y)),
                      (x % 2 == y % 2) ? clWhite : ColorToRGB(clBtnFace));
    EXPECT_EQ(&CreateBrushPattern(), &pattern);
}
