#include <gtest/gtest.h>

#include "buttons/buttonglyph.h"
#include "buttons/glyphlist.h"
#include "platform/image/canvas.h"

using namespace vexo;

namespace {

TBitmap Solid(int w, int h, TColor color) {
    TBitmap bitmap(w, h, 24);
    TCanvas canvas(&bitmap);
    canvas.Brush.Color = color;
    canvas.FillRect(canvas.ClipRect());
    return bitmap;
}

} // namespace

TEST(GlyphList, FreedSlotIsReusedAndTheListNeverShrinks) {
    TGlyphList list(16, 16);
    const TBitmap image = Solid(16, 16, clRed);
    EXPECT_EQ(list.AddMasked(image, clOlive), 0);
    EXPECT_EQ(list.Add(image, nullptr), 1);
    EXPECT_EQ(list.AddMasked(image, clOlive), 2);
    EXPECT_EQ(list.UsedCount(), 3);

    list.Delete(1);
    EXPECT_EQ(list.UsedCount(), 2);
    EXPECT_EQ(list.Count(), 3);
    // Deleting it again, or a slot that never was, changes nothing.
    list.Delete(1);
    list.Delete(7);
    list.Delete(-1);
    EXPECT_EQ(list.UsedCount(), 2);

    EXPECT_EQ(list.AllocateIndex(), 1);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.AllocateIndex(), 3);
    EXPECT_EQ(list.Count(), 4);
}

TEST(GlyphList, AddMaskedMakesTheMaskColourTransparent) {
    TGlyphList list(2, 1);
    TBitmap image = Solid(2, 1, clOlive);
    TCanvas(&image).SetPixel(1, 0, clBlue);
    const int index = list.AddMasked(image, clOlive);
    TBitmap target = Solid(2, 1, clWhite);
    TCanvas canvas(&target);
    list.DrawWith(canvas, 0, 0, index, clNone, clNone, TImageList::dsTransparent,
                  TImageList::itImage);
    EXPECT_EQ(canvas.Pixel(0, 0), clWhite);
    EXPECT_EQ(canvas.Pixel(1, 0), clBlue);
}

TEST(GlyphCache, OneListPerCellSizeFreedWithTheLastGlyph) {
    ASSERT_EQ(GlyphCache(), nullptr);
    {
        TButtonGlyph a, b, c;
        ASSERT_NE(GlyphCache(), nullptr);
        const TBitmap glyph16 = Solid(16, 16, clRed), glyph18 = Solid(36, 18, clRed);
        a.SetGlyph(&glyph16);
        b.SetGlyph(&glyph16);
        c.SetGlyph(&glyph18);
        EXPECT_GE(a.CreateButtonGlyph(bsUp), 0);
        EXPECT_GE(b.CreateButtonGlyph(bsDisabled), 0);
        EXPECT_GE(c.CreateButtonGlyph(bsUp), 0);
        EXPECT_EQ(a.SharedList(), b.SharedList());
        EXPECT_NE(a.SharedList(), c.SharedList());
        EXPECT_EQ(c.SharedList()->Width(), 18);
        EXPECT_EQ(a.SharedList()->UsedCount(), 2);
        EXPECT_EQ(GlyphCache()->Count(), 2);

        // A new glyph gives the old slots back; the 18-pixel list loses its last slot.
        c.SetGlyph(nullptr);
        EXPECT_EQ(c.SharedList(), nullptr);
        EXPECT_EQ(GlyphCache()->Count(), 1);
        EXPECT_EQ(a.SharedList()->UsedCount(), 2);
    }
    EXPECT_EQ(GlyphCache(), nullptr);
}

TEST(GlyphCache, ReturnListFreesOnlyAnUnusedList) {
    TGlyphCache cache;
    TGlyphList* list = cache.GetList(8, 8);
    EXPECT_EQ(cache.GetList(8, 8), list);
    EXPECT_NE(cache.GetList(8, 9), list);
    const int index = list->Add(Solid(8, 8, clRed), nullptr);
    cache.ReturnList(list);
    EXPECT_EQ(cache.Count(), 2);
    list->Delete(index);
    cache.ReturnList(list);
    EXPECT_EQ(cache.Count(), 1);
    cache.ReturnList(nullptr);
    EXPECT_EQ(cache.Count(), 1);
}
