// Formatted text on the canvas: each DrawText flag observed in the pixels it produces.

#include <QFontMetrics>
#include <gtest/gtest.h>

#include "platform/image/canvas.h"

using namespace vexo;

namespace {

constexpr TColor Ink = clWhite;
constexpr TColor Cell = clRed;

// A black 24-bit picture whose canvas writes white text, with a red brush when opaque.
struct Page {
    explicit Page(int w = 160, int h = 60, bool opaque = false)
        : bitmap(w, h, 24), canvas(&bitmap) {
        canvas.Font.SetColor(Ink);
        canvas.Brush.Color = Cell;
        canvas.Brush.Style = opaque ? bsSolid : bsClear;
    }
    int Draw(const QString& text, TRect r, unsigned flags) {
        return canvas.DrawText(text, r, flags);
    }
    // The smallest rectangle holding every pixel of `color` (empty when there is none).
    TRect Box(TColor color) const {
        TRect box{bitmap.Width(), bitmap.Height(), 0, 0};
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x)
                if (canvas.Pixel(x, y) == color)
                    box = Rect(std::min(box.Left, x), std::min(box.Top, y),
                               std::max(box.Right, x + 1), std::max(box.Bottom, y + 1));
        return box.Right > box.Left ? box : TRect{};
    }
    int LineHeight() const { return canvas.TextHeight(QStringLiteral("W")); }

    TBitmap bitmap;
    TCanvas canvas;
};

} // namespace

// --- Placement of the line's cell: the opaque brush shows it exactly ------------------------

struct CellCase {
    const char* name;
    unsigned flags;
    // Expected cell left and top for a text of width w and line height h in the rectangle.
    int (*left)(const TRect& r, int w);
    int (*top)(const TRect& r, int h);
};

class CanvasTextPlacement : public ::testing::TestWithParam<CellCase> {};

TEST_P(CanvasTextPlacement, TheCellLandsWhereTheFlagsPutIt) {
    const CellCase& c = GetParam();
    Page page(160, 60, true);
    const TRect r = Rect(10, 5, 150, 55);
    const QString text = QStringLiteral("Cell");
    const int w = page.canvas.TextWidth(text), h = page.LineHeight();
    page.Draw(text, r, c.flags);
    const int left = c.left(r, w), top = c.top(r, h);
    EXPECT_EQ(page.Box(Cell), Rect(left, top, left + w, top + h)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Flags, CanvasTextPlacement,
    ::testing::Values(CellCase{"left", DT_LEFT, [](const TRect& r, int) { return r.Left; },
                               [](const TRect& r, int) { return r.Top; }},
                      CellCase{"centre", DT_CENTER,
                               [](const TRect& r, int w) { return r.Left + (r.Width() - w) / 2; },
                               [](const TRect& r, int) { return r.Top; }},
                      CellCase{"right", DT_RIGHT, [](const TRect& r, int w) { return r.Right - w; },
                               [](const TRect& r, int) { return r.Top; }},
                      CellCase{"vertical centre", DT_SINGLELINE | DT_VCENTER | DT_CENTER,
                               [](const TRect& r, int w) { return r.Left + (r.Width() - w) / 2; },
                               [](const TRect& r, int h) { return r.Top + (r.Height() - h) / 2; }},
                      CellCase{"bottom", DT_SINGLELINE | DT_BOTTOM | DT_RIGHT,
                               [](const TRect& r, int w) { return r.Right - w; },
                               [](const TRect& r, int h) { return r.Bottom - h; }},
                      CellCase{"vertical centre needs a single line", DT_VCENTER,
                               [](const TRect& r, int) { return r.Left; },
                               [](const TRect& r, int) { return r.Top; }}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(CanvasText, ClearBrushDrawsOnlyTheLetters) {
    Page page;
    page.Draw(QStringLiteral("Letters"), Rect(0, 0, 160, 60), DT_LEFT);
    EXPECT_EQ(page.Box(Cell), TRect{});
    const TRect ink = page.Box(Ink);
    EXPECT_GT(ink.Width(), 20);
    EXPECT_LE(ink.Right, page.canvas.TextWidth(QStringLiteral("Letters")) + 1);
}

TEST(CanvasText, ReturnsTheHeightOrTheDistanceToThePlacedLine) {
    Page page;
    const int h = page.LineHeight();
    EXPECT_EQ(page.Draw(QStringLiteral("a\nb\nc"), Rect(0, 0, 100, 60), DT_LEFT), 3 * h);
    EXPECT_EQ(page.Draw(QStringLiteral("a"), Rect(0, 10, 100, 50), DT_SINGLELINE | DT_BOTTOM), 40);
    EXPECT_EQ(page.Draw(QString(), Rect(0, 0, 100, 60), DT_LEFT), 0);
}

// --- Lines ----------------------------------------------------------------------------------

TEST(CanvasText, LineBreaksMakeLinesUnlessSingleLine) {
    Page page;
    const int h = page.LineHeight();
    TRect r = Rect(0, 0, 100, 0);
    page.canvas.DrawText(QStringLiteral("ab\r\ncd\re\nf"), r, DT_CALCRECT);
    EXPECT_EQ(r.Bottom, 4 * h);
    r = Rect(0, 0, 100, 0);
    page.canvas.DrawText(QStringLiteral("ab\ncd"), r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(r, Rect(0, 0, page.canvas.TextWidth(QStringLiteral("ab cd")), h));
}

TEST(CanvasText, WordBreakFitsWholeWordsAndLetsALongWordStandAlone) {
    Page page;
    const int h = page.LineHeight();
    const int two = page.canvas.TextWidth(QStringLiteral("aaa bbb"));
    TRect r = Rect(5, 5, 5 + two, 0);
    page.canvas.DrawText(QStringLiteral("aaa bbb ccc ddd e"), r, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(r, Rect(5, 5, 5 + two, 5 + 3 * h));
    // A word wider than the rectangle overflows on a line of its own.
    r = Rect(0, 0, page.canvas.TextWidth(QStringLiteral("ab")), 0);
    page.canvas.DrawText(QStringLiteral("ab abcdefgh ab"), r, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(r.Bottom, 3 * h);
    EXPECT_EQ(r.Right, page.canvas.TextWidth(QStringLiteral("abcdefgh")));
    // Drawn, the lines go one under the other, breaking blanks left out.
    Page drawn, expected;
    drawn.Draw(QStringLiteral("aaa bbb   ccc"), Rect(0, 0, two, 60), DT_WORDBREAK);
    expected.Draw(QStringLiteral("aaa bbb\nccc"), Rect(0, 0, two, 60), DT_LEFT);
    EXPECT_TRUE(drawn.bitmap == expected.bitmap);
}

TEST(CanvasText, ExpandTabsMovesTextToTheNextStop) {
    Page page;
    const int stop = 8 * QFontMetrics(ToQFont(page.canvas.Font)).averageCharWidth();
    const int b = page.canvas.TextWidth(QStringLiteral("b"));
    TRect r = Rect(0, 0, 200, 0);
    page.canvas.DrawText(QStringLiteral("a\tb"), r, DT_CALCRECT | DT_EXPANDTABS);
    EXPECT_EQ(r.Right, stop + b);
    r = Rect(0, 0, 200, 0);
    page.canvas.DrawText(QStringLiteral("a\tb"), r, DT_CALCRECT); // a tab is a blank then
    EXPECT_EQ(r.Right, page.canvas.TextWidth(QStringLiteral("a b")));
    Page tabbed, placed;
    tabbed.Draw(QStringLiteral("\tb"), Rect(0, 0, 160, 60), DT_EXPANDTABS);
    placed.Draw(QStringLiteral("b"), Rect(stop, 0, 160, 60), DT_LEFT);
    EXPECT_TRUE(tabbed.bitmap == placed.bitmap);
}

// --- Prefix characters ----------------------------------------------------------------------

TEST(CanvasText, AmpersandUnderlinesTheNextLetterUnlessNoPrefix) {
    Page marked, plain, literal;
    marked.Draw(QStringLiteral("&File"), Rect(0, 0, 160, 60), DT_LEFT);
    plain.Draw(QStringLiteral("File"), Rect(0, 0, 160, 60), DT_NOPREFIX);
    literal.Draw(QStringLiteral("&File"), Rect(0, 0, 160, 60), DT_NOPREFIX);
    // The marked text differs from the plain one by one row of pixels under the "F".
    const int f = plain.canvas.TextWidth(QStringLiteral("F"));
    int changed = 0, row = -1;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 160; ++x)
            if (marked.canvas.Pixel(x, y) != plain.canvas.Pixel(x, y)) {
                ++changed;
                EXPECT_EQ(marked.canvas.Pixel(x, y), Ink);
                EXPECT_LT(x, f);
                EXPECT_TRUE(row < 0 || row == y);
                row = y;
            }
    EXPECT_GT(changed, 1);
    EXPECT_GE(row, QFontMetrics(ToQFont(plain.canvas.Font)).ascent());
    // With DT_NOPREFIX the ampersand is a letter of its own.
    EXPECT_GT(literal.Box(Ink).Right, plain.Box(Ink).Right);
}

TEST(CanvasText, DoubleAmpersandIsOneAmpersand) {
    Page doubled, single;
    doubled.Draw(QStringLiteral("R&&D"), Rect(0, 0, 160, 60), DT_LEFT);
    single.Draw(QStringLiteral("R&D"), Rect(0, 0, 160, 60), DT_NOPREFIX);
    EXPECT_TRUE(doubled.bitmap == single.bitmap);
}

// --- Ellipses and clipping ------------------------------------------------------------------

struct EllipsisCase {
    const char* text;
    unsigned flags;
    const char* shown; // what fits a rectangle exactly as wide as this text
};

class CanvasTextEllipsis : public ::testing::TestWithParam<EllipsisCase> {};

TEST_P(CanvasTextEllipsis, ATooLongLineIsShortenedToFit) {
    const EllipsisCase& c = GetParam();
    Page shortened, expected;
    const int w = shortened.canvas.TextWidth(QString::fromUtf8(c.shown));
    TRect r = Rect(4, 0, 4 + w, 0);
    shortened.canvas.DrawText(QString::fromUtf8(c.text), r, DT_CALCRECT | c.flags);
    EXPECT_EQ(r.Right, 4 + w);
    // NOCLIP: the shortening, not the clipping, keeps the text inside.
    shortened.Draw(QString::fromUtf8(c.text), Rect(4, 0, 4 + w, 60), c.flags | DT_NOCLIP);
    expected.Draw(QString::fromUtf8(c.shown), Rect(4, 0, 200, 60), DT_NOPREFIX);
    EXPECT_TRUE(shortened.bitmap == expected.bitmap) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Flags, CanvasTextEllipsis,
                         ::testing::Values(EllipsisCase{"abcdefghij", DT_END_ELLIPSIS, "abcd..."},
                                           EllipsisCase{"/home/user/documents/file.txt",
                                                        DT_PATH_ELLIPSIS, "/ho.../file.txt"},
                                           EllipsisCase{"C:\\Data\\Reports\\may.bmp",
                                                        DT_PATH_ELLIPSIS, "C:\\D...\\may.bmp"},
                                           EllipsisCase{"abcdefgh", DT_PATH_ELLIPSIS, "ab...gh"},
                                           EllipsisCase{"fits", DT_END_ELLIPSIS, "fits"}));

TEST(CanvasText, TextIsClippedToTheRectangleUnlessNoClip) {
    const QString text = QStringLiteral("WWWWWWWWWW");
    Page clipped, free;
    clipped.Draw(text, Rect(10, 10, 30, 30), DT_LEFT);
    free.Draw(text, Rect(10, 10, 30, 30), DT_NOCLIP);
    const TRect inside = clipped.Box(Ink);
    EXPECT_GE(inside.Left, 10);
    EXPECT_LE(inside.Right, 30);
    EXPECT_GT(free.Box(Ink).Right, 30);
}

TEST(CanvasText, CalcRectDrawsNothing) {
    Page page(160, 60, true);
    TRect r = Rect(3, 4, 100, 4);
    const int h = page.canvas.DrawText(QStringLiteral("measure me"), r, DT_CALCRECT | DT_CENTER);
    EXPECT_EQ(h, page.LineHeight());
    EXPECT_EQ(r, Rect(3, 4, 3 + page.canvas.TextWidth(QStringLiteral("measure me")), 4 + h));
    EXPECT_EQ(page.Box(Cell), TRect{});
    EXPECT_EQ(page.Box(Ink), TRect{});
}

TEST(CanvasText, ExtentIsWidthAndCellHeight) {
    TCanvas c;
    const TSize size = c.TextExtent(QStringLiteral("Extent"));
    EXPECT_EQ(size.cx, c.TextWidth(QStringLiteral("Extent")));
    EXPECT_EQ(size.cy, QFontMetrics(ToQFont(c.Font)).height());
    EXPECT_EQ(c.TextExtent(QString()).cx, 0);
}
