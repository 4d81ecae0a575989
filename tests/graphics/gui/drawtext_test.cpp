// Text in rectangles: WriteText's direct and off-screen paths, cell text, shortened, wrapped
// and angled text, and the centring arithmetic.

#include "graphics/drawtext.h"

#include <gtest/gtest.h>

#include "graphics/rectgeometry.h"

using namespace vexo;

namespace {

struct Page {
    explicit Page(int bits = 24) : bitmap(160, 60, bits), canvas(&bitmap) {
        canvas.Font.SetColor(clWhite);
        canvas.Brush.Color = clRed;
    }
    TRect InkBox() const {
        TRect box{bitmap.Width(), bitmap.Height(), 0, 0};
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x)
                if (canvas.Pixel(x, y) == clWhite)
                    box = Rect(std::min(box.Left, x), std::min(box.Top, y),
                               std::max(box.Right, x + 1), std::max(box.Bottom, y + 1));
        return box;
    }
    TBitmap bitmap;
    TCanvas canvas;
};

const TRect Cell = Rect(10, 5, 150, 45);

TSize TextBitmapSize() {
    const TBitmap* b = TextBitmap();
    return b ? TSize{b->Width(), b->Height()} : TSize{};
}

} // namespace

// --- WriteText -------------------------------------------------------------------------------

struct DirectCase {
    TAlignment alignment;
    int (*x)(const TRect& r, int textWidth); // where the text starts, dx being 4
};

class WriteTextDirect : public ::testing::TestWithParam<DirectCase> {};

TEST_P(WriteTextDirect, ASingleLineIsWrittenStraightIntoTheRectangle) {
    const DirectCase& c = GetParam();
    const QString text = QStringLiteral("Direct");
    const TSize before = TextBitmapSize();
    Page written, expected;
    WriteText(written.canvas, Cell, 4, 3, text, c.alignment, false);
    expected.canvas.TextRect(Cell, c.x(Cell, expected.canvas.TextWidth(text)), Cell.Top + 3, text);
    EXPECT_TRUE(written.bitmap == expected.bitmap);
    EXPECT_EQ(TextBitmapSize(), before); // the off-screen bitmap is not involved
}

INSTANTIATE_TEST_SUITE_P(
    Alignments, WriteTextDirect,
    ::testing::Values(DirectCase{taLeftJustify, [](const TRect& r, int) { return r.Left + 4; }},
                      DirectCase{taRightJustify,
                                 [](const TRect& r, int w) { return r.Right - w - 3; }},
                      DirectCase{taCenter, [](const TRect& r, int w) {
                                     return r.Left + r.Width() / 2 - w / 2;
                                 }}));

struct OffscreenCase {
    const char* name;
    int bits; // of the target
    bool wordWrap;
    const char* text;
};

class WriteTextOffscreen : public ::testing::TestWithParam<OffscreenCase> {};

TEST_P(WriteTextOffscreen, GoesThroughTheTextBitmapAndLaysTheTextOut) {
    const OffscreenCase& c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    Page written(c.bits), target(c.bits), expected;
    WriteText(written.canvas, Cell, 4, 3, text, taRightJustify, c.wordWrap);
    // The same as laying the text out in place: brush over the cell, then the flags of the
    // table with the text's origin at (dx, dy) and one pixel less on the right and bottom.
    expected.canvas.FillRect(Cell);
    expected.canvas.Brush.Style = bsClear;
    TRect inner = Rect(Cell.Left + 4, Cell.Top + 3, Cell.Right - 1, Cell.Bottom - 1);
    expected.canvas.DrawText(text, inner,
                             WriteTextFlags[taRightJustify] | (c.wordWrap ? DT_WORDBREAK : 0));
    // Laid out in full colour, then copied onto the target's format.
    target.canvas.CopyRect(Cell, expected.bitmap, Cell);
    EXPECT_TRUE(written.bitmap == target.bitmap) << c.name;
    const TSize size = TextBitmapSize();
    EXPECT_GE(size.cx, Cell.Width());
    EXPECT_GE(size.cy, Cell.Height());
}

INSTANTIATE_TEST_SUITE_P(
    Paths, WriteTextOffscreen,
    ::testing::Values(OffscreenCase{"word wrap", 24, true, "words that wrap onto lines here"},
                      OffscreenCase{"carriage return", 24, false, "two\r\nlines"},
                      OffscreenCase{"dithered brush", 8, false, "grey page, red brush"}));

TEST(WriteText, TheTextBitmapGrowsButNeverShrinks) {
    Page page;
    WriteText(page.canvas, Rect(0, 0, 150, 20), 0, 0, QStringLiteral("a\rb"), taLeftJustify, false);
    const TSize wide = TextBitmapSize();
    WriteText(page.canvas, Rect(0, 0, 30, 58), 0, 0, QStringLiteral("a\rb"), taLeftJustify, false);
    const TSize tall = TextBitmapSize();
    EXPECT_EQ(tall.cx, wide.cx);
    EXPECT_GE(tall.cx, 150);
    EXPECT_GE(tall.cy, 58);
    WriteText(page.canvas, Rect(0, 0, 5, 5), 0, 0, QStringLiteral("a\rb"), taLeftJustify, true);
    EXPECT_EQ(TextBitmapSize(), tall);
}

TEST(DrawCellText, VerticalOffsetsAndWrappingByAlignment) {
    const QString text = QStringLiteral("Cell");
    const TRect low = Rect(0, 0, 100, 6); // lower than the text
    struct {
        TRect rect;
        TAlignment alignment;
        TVertAlignment vert;
        int dy;
        bool wrap;
    } cases[] = {{Cell, taLeftJustify, vaTopJustify, 2, false},
                 {low, taLeftJustify, vaCenter, 1, false},
                 {low, taRightJustify, vaBottomJustify, 2, false},
                 {Cell, taCenter, vaTopJustify, 2, true}};
    for (const auto& c : cases) {
        Page drawn, expected;
        DrawCellText(drawn.canvas, 3, 4, text, c.rect, c.alignment, c.vert);
        WriteText(expected.canvas, c.rect, 2, c.dy, text, c.alignment, c.wrap);
        EXPECT_TRUE(drawn.bitmap == expected.bitmap) << c.dy << " " << int(c.alignment);
    }
    Page centred, expected;
    const int h = centred.canvas.TextHeight(QStringLiteral("W"));
    DrawCellTextEx(centred.canvas, 0, 0, text, Cell, taLeftJustify, vaCenter, false);
    WriteText(expected.canvas, Cell, 2, (Cell.Height() - h) / 2, text, taLeftJustify, false);
    EXPECT_TRUE(centred.bitmap == expected.bitmap);
}

// --- MinimizeText ----------------------------------------------------------------------------

TEST(MinimizeText, DropsCharactersUntilTheTextAndEllipsisFit) {
    Page page;
    const QString text = QStringLiteral("abcdefgh");
    const int full = page.canvas.TextWidth(text);
    for (int max = full - page.canvas.TextWidth(QStringLiteral("abcd")); max <= full + 1; ++max) {
        // The candidates in order: the text, then ever shorter heads with "...", at least two
        // characters shorter than the text.
        QString expected = QStringLiteral("...");
        if (full <= max)
            expected = text;
        else
            for (qsizetype keep = text.size() - 2; keep > 0; --keep)
                if (page.canvas.TextWidth(text.left(keep) + QStringLiteral("...")) <= max) {
                    expected = text.left(keep) + QStringLiteral("...");
                    break;
                }
        EXPECT_EQ(MinimizeText(text, page.canvas, max), expected) << max;
    }
    EXPECT_EQ(MinimizeText(QStringLiteral("W"), page.canvas, 1), QStringLiteral("..."));
    EXPECT_EQ(MinimizeText(text, page.canvas, 0), QStringLiteral("..."));
    EXPECT_EQ(MinimizeText(QString(), page.canvas, 0), QString());
}

// --- Text in rectangles ----------------------------------------------------------------------

TEST(TextInRect, DrawsWithTheAlignmentFlagAndWrapsOnlyWhenAsked) {
    const QString text = QStringLiteral("one two three four five six seven");
    Page plain, wrapped, expected;
    plain.canvas.Brush.Style = wrapped.canvas.Brush.Style = expected.canvas.Brush.Style = bsClear;
    TextInRect(plain.canvas, text, Rect(0, 0, 80, 60), taRightJustify);
    TRect r = Rect(0, 0, 80, 60);
    expected.canvas.DrawText(text, r, DT_RIGHT);
    EXPECT_TRUE(plain.bitmap == expected.bitmap);
    WrapTextInRect(wrapped.canvas, text, Rect(0, 0, 80, 60), taCenter);
    const int line = wrapped.canvas.TextHeight(QStringLiteral("W"));
    EXPECT_GT(wrapped.InkBox().Bottom, 2 * line);
    EXPECT_LE(plain.InkBox().Bottom, line);
}

TEST(AngleTextInRect, TurnsTheTextAndLeavesTheFontAlone) {
    Page page;
    page.canvas.Brush.Style = bsClear;
    page.canvas.Font.SetHeight(-13);
    AngleTextInRect(page.canvas, QStringLiteral("Upwards"), Rect(0, 0, 160, 60), 80, 55, 90);
    const TRect up = page.InkBox();
    EXPECT_GT(up.Height(), 2 * up.Width()); // runs up from (80, 55)
    EXPECT_LE(up.Bottom, 56);
    EXPECT_GE(up.Left, 80);
    EXPECT_EQ(page.canvas.Font.Height(), -13);
    Page clipped;
    clipped.canvas.Brush.Style = bsClear;
    AngleTextInRect(clipped.canvas, QStringLiteral("Upwards"), Rect(0, 30, 160, 60), 80, 55, 90);
    EXPECT_GE(clipped.InkBox().Top, 30);
    EXPECT_EQ(GetStrWidth(page.canvas, QStringLiteral("ab")),
              page.canvas.TextWidth(QStringLiteral("ab")));
    EXPECT_EQ(GetStrHeight(page.canvas, QStringLiteral("ab")),
              page.canvas.TextHeight(QStringLiteral("ab")));
}

TEST(RectGeometry, CentringTruncatesTowardZero) {
    EXPECT_EQ(WidthOf(Rect(3, 4, 10, 20)), 7);
    EXPECT_EQ(HeightOf(Rect(3, 4, 10, 20)), 16);
    EXPECT_EQ(HorCenter(Rect(10, 0, 21, 0), 4), 13); // 10 + 7/2
    EXPECT_EQ(HorCenter(Rect(10, 0, 15, 0), 8), 9);  // 10 + (-3)/2 = 10 - 1
    EXPECT_EQ(VertCenter(Rect(0, -4, 0, 5), 2), -1); // -4 + 7/2
    EXPECT_EQ(VertCenter(Rect(0, 0, 0, 0), 3), -1);  // 0 + (-3)/2
}
