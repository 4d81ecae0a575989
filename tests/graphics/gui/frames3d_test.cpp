// Three-dimensional frames and the bevel line pairs, observed pixel by pixel.

#include "graphics/frames3d.h"

#include <gtest/gtest.h>

#include <set>

using namespace vexo;

namespace {

constexpr TColor Top = clRed, Bottom = clBlue;

struct Sheet {
    Sheet() : bitmap(12, 10, 24), canvas(&bitmap) {}
    TBitmap bitmap;
    TCanvas canvas;
};

} // namespace

class DCFrame3DWidths : public ::testing::TestWithParam<int> {};

TEST_P(DCFrame3DWidths, RingsInTopAndBottomColoursShrinkTheRectangle) {
    const int width = GetParam();
    Sheet s;
    s.canvas.Pen.Color = clLime;
    const TRect outer = Rect(1, 1, 10, 8);
    TRect r = outer;
    DCFrame3D(s.canvas, r, Top, Bottom, width);
    EXPECT_EQ(r, Rect(1 + width, 1 + width, 10 - width, 8 - width));
    EXPECT_EQ(s.canvas.Pen.Color, clLime);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x) {
            const int L = outer.Left, T = outer.Top, R = outer.Right - 1, B = outer.Bottom - 1;
            const bool inside = x >= L && x <= R && y >= T && y <= B;
            const int ring = std::min({x - L, y - T, R - x, B - y});
            TColor expected = clBlack;
            if (inside && ring < width)
                // Left column and top row of the ring, less the top-right and bottom-left
                // corners, which the bottom colour takes.
                expected = ((x - L == ring && y != B - ring) || (y - T == ring && x != R - ring))
                               ? Top
                               : Bottom;
            EXPECT_EQ(s.canvas.Pixel(x, y), expected)
                << "width " << width << " at " << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Widths, DCFrame3DWidths, ::testing::Values(0, 1, 2));

// --- DoHorRect / DoVertRect ------------------------------------------------------------------

struct BevelLinesCase {
    bool vertical;
    bool flag;
    // Polylines through these corners of (L, T, R, B) = (2, 2, 8, 6), the last point left out.
    std::vector<TPoint> first, second;
};

class BevelLines : public ::testing::TestWithParam<BevelLinesCase> {};

namespace {

// The pixels an axis-parallel polyline covers, its last point excluded.
std::set<std::pair<int, int>> Covered(const std::vector<TPoint>& points) {
    std::set<std::pair<int, int>> pixels;
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        const TPoint a = points[i], b = points[i + 1];
        const int dx = (b.X > a.X) - (b.X < a.X), dy = (b.Y > a.Y) - (b.Y < a.Y);
        for (TPoint p = a; !(p == b); p = TPoint{p.X + dx, p.Y + dy})
            pixels.insert({p.X, p.Y});
    }
    return pixels;
}

} // namespace

TEST_P(BevelLines, FirstPolylineInColour1ThenSecondInColour2) {
    const BevelLinesCase& c = GetParam();
    Sheet s;
    const TRect r = Rect(2, 2, 8, 6);
    (c.vertical ? DoVertRect : DoHorRect)(s.canvas, c.flag, r, Top, Bottom);
    EXPECT_EQ(s.canvas.Pen.Color, Bottom);
    const auto first = Covered(c.first), second = Covered(c.second);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x) {
            const TColor expected = second.count({x, y})  ? Bottom
                                    : first.count({x, y}) ? Top
                                                          : clBlack;
            EXPECT_EQ(s.canvas.Pixel(x, y), expected) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(
    Table, BevelLines,
    ::testing::Values(BevelLinesCase{false, true, {{2, 6}, {2, 2}, {8, 2}}, {{8, 2}, {8, 6}}},
                      BevelLinesCase{false, false, {{2, 6}, {2, 2}}, {{8, 2}, {8, 6}, {1, 6}}},
                      BevelLinesCase{true, true, {{2, 6}, {2, 2}, {8, 2}}, {{1, 6}, {8, 6}}},
                      BevelLinesCase{true, false, {{2, 2}, {8, 2}}, {{1, 6}, {8, 6}, {8, 2}}}));
