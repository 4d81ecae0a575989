// The image list: cells, masks, and drawing in its styles and in the disabled look.
#include <gtest/gtest.h>

#include "platform/gui/imagelist.h"
#include "platform/image/canvas.h"
#include "platform/runtime/exception.h"

using namespace vexo;

namespace {

// A strip of `cells` cells of 4 x 4: cell i is red with a white (i = 0) or olive border.
TBitmap Strip(int cells) {
    TBitmap strip(4 * cells, 4, 24);
    TCanvas c(&strip);
    for (int i = 0; i < cells; ++i) {
        c.Brush.Color = i == 0 ? clWhite : clOlive;
        c.FillRect(Bounds(4 * i, 0, 4, 4));
        c.Brush.Color = clRed;
        c.FillRect(Bounds(4 * i + 1, 1, 2, 2));
    }
    return strip;
}

TBitmap Page(TColor color) {
    TBitmap page(8, 8, 24);
    TCanvas c(&page);
    c.Brush.Color = color;
    c.FillRect(c.ClipRect());
    return page;
}

TColor At(TBitmap& b, int x, int y) {
    return TCanvas(&b).Pixel(x, y);
}

} // namespace

TEST(ImageList, AddSplitsStripsIntoCellsAndMasksByColour) {
    TImageList list(4, 4);
    int changes = 0;
    list.OnChange = [&](QObject*) { ++changes; };
    EXPECT_EQ(list.AddMasked(Strip(3), clOlive), 0);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Add(nullptr, nullptr), 3); // an empty, transparent cell
    EXPECT_EQ(changes, 2);

    TBitmap page = Page(clBlue);
    TCanvas canvas(&page);
    list.Draw(canvas, 2, 2, 1);
    EXPECT_EQ(At(page, 2, 2), clBlue); // the olive border is transparent
    EXPECT_EQ(At(page, 3, 3), clRed);
    list.Draw(canvas, 2, 2, 3);
    EXPECT_EQ(At(page, 3, 3), clRed);

    // The first cell's border is white, not olive: opaque.
    list.Draw(canvas, 2, 2, 0);
    EXPECT_EQ(At(page, 2, 2), clWhite);

    TBitmap mask;
    ASSERT_TRUE(list.GetMask(1, mask));
    EXPECT_EQ(At(mask, 0, 0), clWhite);
    EXPECT_EQ(At(mask, 1, 1), clBlack);
    EXPECT_FALSE(list.GetMask(9, mask));
}

TEST(ImageList, MaskBitmapsBackgroundsAndUnmaskedLists) {
    TImageList list(4, 4);
    TBitmap mask(4, 4, 24);
    TCanvas maskCanvas(&mask);
    maskCanvas.Brush.Color = clWhite;
    maskCanvas.FillRect(Rect(0, 0, 4, 2)); // top half transparent
    TBitmap cell = Strip(1);
    list.Add(&cell, &mask);

    TBitmap page = Page(clBlue);
    TCanvas canvas(&page);
    list.Draw(canvas, 0, 0, 0);
    EXPECT_EQ(At(page, 1, 1), clBlue);
    EXPECT_EQ(At(page, 1, 2), clRed);
    list.DrawWith(canvas, 0, 0, 0, clLime, clNone, TImageList::dsNormal, TImageList::itImage);
    EXPECT_EQ(At(page, 1, 1), clLime); // the background colour under transparent pixels
    list.SetMasked(false);
    list.Draw(canvas, 0, 0, 0);
    EXPECT_EQ(At(page, 1, 1), clRed);
}

TEST(ImageList, SelectedStyleBlendsWithTheForeground) {
    TImageList list(4, 4);
    list.AddMasked(Strip(2), clOlive);
    TBitmap page = Page(clBlack);
    TCanvas canvas(&page);
    list.DrawWith(canvas, 0, 0, 1, clNone, clBlue, TImageList::dsSelected, TImageList::itImage);
    EXPECT_EQ(At(page, 1, 1), RGB(127, 0, 127)); // red half and half with blue
    EXPECT_EQ(At(page, 0, 0), clBlack);
}

TEST(ImageList, DisabledCellIsTheEmbossedShapeOfItsDrawing) {
    TImageList list(4, 4);
    list.AddMasked(Strip(2), clOlive);
    TBitmap page = Page(clWhite);
    TCanvas canvas(&page);
    list.Draw(canvas, 2, 2, 1, false);
    const TColor shadow = ColorToRGB(clBtnShadow), highlight = ColorToRGB(clBtnHighlight);
    EXPECT_EQ(At(page, 3, 3), shadow);    // the red square, in the shadow colour
    EXPECT_EQ(At(page, 5, 5), highlight); // its highlight, one pixel down and right
    EXPECT_EQ(At(page, 2, 2), clWhite);   // the transparent border stays untouched
    const QImage icon = list.Image(1, false);
    EXPECT_EQ(icon.size(), QSize(4, 4));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(1, 1)), 255);
}

TEST(ImageList, InsertReplaceMoveDeleteKeepOrderAndRefuseBadIndexes) {
    TImageList list(4, 4);
    list.AddMasked(Strip(1), clOlive);          // 0: white border
    list.InsertMasked(0, Page(clBlue), clNone); // two blue cells before it
    EXPECT_EQ(list.Count(), 3);
    list.ReplaceMasked(1, Page(clLime), clNone);
    list.Move(2, 0);
    TBitmap cell;
    ASSERT_TRUE(list.GetBitmap(0, cell));
    EXPECT_EQ(At(cell, 0, 0), clWhite);
    ASSERT_TRUE(list.GetBitmap(2, cell));
    EXPECT_EQ(At(cell, 0, 0), clLime);
    EXPECT_THROW(list.Delete(3), EInvalidOperation);
    EXPECT_THROW(list.Insert(5, nullptr, nullptr), EInvalidOperation);
    list.Delete(0);
    EXPECT_EQ(list.Count(), 2);
    list.SetWidth(8); // a new cell size empties the list
    EXPECT_EQ(list.Count(), 0);
    list.Delete(-1);
}
