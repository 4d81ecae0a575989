#include "graphics/imageops.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <numbers>
#include <vector>

using namespace vexo;

namespace {

// A buffer with its record; pixels addressed by absolute (x, y) as the routines do.
struct Image {
    Image(int left, int top, int width, int height, std::uint32_t fill = 0)
        : pixels(std::size_t(width) * height, fill) {
        rec.Left = left;
        rec.Top = top;
        rec.Width = width;
        rec.Height = height;
        rec.Size = width * height * 4;
        rec.Bits = pixels.data();
    }
    std::uint32_t& At(int x, int y) { return pixels[std::size_t(PixelIndex(rec, x, y))]; }
    std::vector<std::uint32_t> pixels;
    TvexoBitmapArray rec;
};

std::uint32_t Grey(std::uint32_t v) {
    return MakePixel(v, v, v);
}

// Pixel with red = 10 * column and green = 10 * row: blends are easy to predict per channel.
Image Gradient(int w, int h) {
    Image img(0, 0, w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.At(x, y) = MakePixel(10 * x, 10 * y, 0);
    return img;
}

// Round half away from zero of a quarter, as the blend does for non-negative sums.
std::uint32_t Quarter(std::uint32_t sum4) {
    return (sum4 * 2 + 4) / 8;
}

} // namespace

// --- The four-point blend --------------------------------------------------------------------

TEST(FourPointInterpolate, WholePositionBlendsWithRightAndUpperNeighbours) {
    Image img(0, 0, 3, 3);
    img.At(1, 1) = Grey(100);
    img.At(2, 1) = Grey(30); // right
    img.At(1, 2) = Grey(7);  // above (next buffer row)
    img.At(2, 2) = Grey(255);
    // (2 * 100 + 7 + 30) / 4 = 59.25; the diagonal neighbour has weight 0.
    EXPECT_EQ(FourPointInterpolate(img.rec, 1, 1), Grey(59));
}

TEST(FourPointInterpolate, HalvesRoundAwayFromZero) {
    Image img(0, 0, 2, 2);
    img.At(0, 0) = Grey(1);
    img.At(1, 0) = Grey(0);
    img.At(0, 1) = Grey(0);
    // (2 * 1 + 0 + 0) / 4 = 0.5 -> 1
    EXPECT_EQ(FourPointInterpolate(img.rec, 0, 0), Grey(1));
    // At (0.5, 0.5) all weights are 1: (1 + 0 + 0 + 0) / 4 = 0.25 -> 0
    EXPECT_EQ(FourPointInterpolate(img.rec, 0.5, 0.5), Grey(0));
}

TEST(FourPointInterpolate, ChannelsAreBlendedSeparately) {
    Image img(0, 0, 2, 2);
    img.At(0, 0) = MakePixel(200, 0, 40);
    img.At(1, 0) = MakePixel(0, 100, 0);
    img.At(0, 1) = MakePixel(0, 0, 80);
    img.At(1, 1) = MakePixel(255, 255, 255);
    EXPECT_EQ(FourPointInterpolate(img.rec, 0, 0), MakePixel(100, 25, 40));
}

TEST(FourPointInterpolate, OutsideTheAreaIsBlack) {
    Image img(2, 3, 4, 4, Grey(200));
    EXPECT_EQ(FourPointInterpolate(img.rec, 1.99, 4), 0u);
    EXPECT_EQ(FourPointInterpolate(img.rec, 6, 4), 0u);
    EXPECT_EQ(FourPointInterpolate(img.rec, 3, 2.5), 0u);
    EXPECT_EQ(FourPointInterpolate(img.rec, 3, 7), 0u);
    EXPECT_EQ(FourPointInterpolate(img.rec, NAN, 4), 0u);
    EXPECT_EQ(FourPointInterpolate(img.rec, 1e300, 4), 0u);
    EXPECT_EQ(FourPointInterpolate(img.rec, 3, -1e300), 0u);
    EXPECT_EQ(FourPointInterpolate(img.rec, 5.99, 6.99), Grey(200));
}

TEST(FourPointInterpolate, NegativeHalfTruncatesIntoColumnZero) {
    Image img(0, 0, 2, 2, Grey(80));
    // dx = -0.5: weights 2.5, 0.5, 1.5, -0.5 still add up to 4.
    EXPECT_EQ(FourPointInterpolate(img.rec, -0.5, 0), Grey(80));
}

TEST(FourPointInterpolate, NegativeWeightsCannotWrapAChannel) {
    Image img(0, 0, 2, 2);
    img.At(1, 1) = Grey(255); // weight -0.5 at (-0.5, 0)
    EXPECT_EQ(FourPointInterpolate(img.rec, -0.5, 0), 0u);
    img.At(1, 1) = 0;
    img.At(0, 0) = img.At(1, 0) = img.At(0, 1) = Grey(255);
    EXPECT_EQ(FourPointInterpolate(img.rec, -0.5, 0), Grey(255));
}

TEST(FourPointInterpolate, EdgeNeighboursAreClampedToTheArea) {
    Image img(0, 0, 2, 2);
    img.At(0, 0) = Grey(10);
    img.At(1, 0) = Grey(50);
    img.At(0, 1) = Grey(90);
    img.At(1, 1) = Grey(130);
    // Last column: the right neighbours repeat the column.
    EXPECT_EQ(FourPointInterpolate(img.rec, 1, 0), Grey(Quarter(3 * 50 + 130)));
    // Last row: the upper neighbours repeat the row.
    EXPECT_EQ(FourPointInterpolate(img.rec, 0, 1), Grey(Quarter(3 * 90 + 130)));
    // Top-right corner reproduces itself.
    EXPECT_EQ(FourPointInterpolate(img.rec, 1.5, 1.5), Grey(130));
}

TEST(FourPointInterpolate, UnusedByteIsZero) {
    Image img(0, 0, 2, 2, 0xFF000000u | Grey(40));
    EXPECT_EQ(FourPointInterpolate(img.rec, 0.25, 0.75), Grey(40));
}

TEST(FourPointInterpolate, IsTheDefaultInterpolator) {
    EXPECT_EQ(DefaultInterpolator, &FourPointInterpolate);
}

// --- Shift -----------------------------------------------------------------------------------

TEST(ShiftImage, ByZeroBlendsEachPixelWithItsNeighbours) {
    Image src = Gradient(4, 4);
    Image dst(0, 0, 4, 4);
    ShiftImage(src.rec, dst.rec, 0, 0);
    // red: (2 * 10x + 10x + 10(x + 1)) / 4 = 10x + 2.5 -> 10x + 3 (clamped on the last column).
    EXPECT_EQ(dst.At(0, 0), MakePixel(3, 3, 0));
    EXPECT_EQ(dst.At(2, 1), MakePixel(23, 13, 0));
    EXPECT_EQ(dst.At(3, 3), MakePixel(30, 30, 0));
    EXPECT_NE(dst.pixels, src.pixels);
}

TEST(ShiftImage, ByTenColumnsLeavesTenBlackColumns) {
    Image src(0, 0, 16, 4, Grey(200));
    Image dst(0, 0, 16, 4, Grey(1));
    ShiftImage(src.rec, dst.rec, 10, 0);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(dst.At(x, y), 0u) << x << "," << y;
        for (int x = 10; x < 16; ++x)
            ASSERT_EQ(dst.At(x, y), Grey(200)) << x << "," << y;
    }
}

TEST(ShiftImage, DownwardsLeavesTheTopRowsBlack) {
    Image src(0, 0, 4, 6, Grey(90));
    Image dst(0, 0, 4, 6);
    ShiftImage(src.rec, dst.rec, 0, -2); // rows move towards buffer row 0
    EXPECT_EQ(dst.At(0, 0), Grey(90));
    EXPECT_EQ(dst.At(0, 3), Grey(90));
    EXPECT_EQ(dst.At(0, 4), 0u);
    EXPECT_EQ(dst.At(3, 5), 0u);
}

TEST(ShiftImage, HandsAbsolutePositionsToTheInterpolatorInColumnOrder) {
    static std::vector<std::pair<double, double>> calls;
    calls.clear();
    TInterpolateFunction record = [](const TvexoBitmapArray&, double x, double y) {
        calls.emplace_back(x, y);
        return std::uint32_t(calls.size());
    };
    Image src(0, 0, 8, 8);
    Image dst(3, 5, 2, 3);
    ShiftImage(src.rec, dst.rec, 0.5, 1, record);
    const std::vector<std::pair<double, double>> expected = {{2.5, 4}, {2.5, 5}, {2.5, 6},
                                                             {3.5, 4}, {3.5, 5}, {3.5, 6}};
    EXPECT_EQ(calls, expected);
    // Call n wrote element PixelIndex(dst, x, y).
    EXPECT_EQ(dst.At(3, 5), 1u);
    EXPECT_EQ(dst.At(3, 7), 3u);
    EXPECT_EQ(dst.At(4, 5), 4u);
}

TEST(ShiftImage, UsesDefaultInterpolatorWhenGivenNone) {
    const TInterpolateFunction saved = DefaultInterpolator;
    DefaultInterpolator = [](const TvexoBitmapArray&, double, double) { return 0x00C0FFEEu; };
    Image src(0, 0, 2, 2);
    Image dst(0, 0, 2, 2);
    ShiftImage(src.rec, dst.rec, 0, 0);
    DefaultInterpolator = nullptr; // falls back to the standard blend
    Image dst2(0, 0, 2, 2, 5);
    ShiftImage(src.rec, dst2.rec, 0, 0);
    DefaultInterpolator = saved;
    EXPECT_EQ(dst.At(1, 1), 0x00C0FFEEu);
    EXPECT_EQ(dst2.At(1, 1), 0u);
}

// --- Resize ----------------------------------------------------------------------------------

TEST(ResizeImage, ByZeroSamplesTheGridOfShiftByZero) {
    Image src = Gradient(5, 4);
    Image a(0, 0, 5, 4);
    Image b(0, 0, 5, 4);
    ResizeImage(src.rec, a.rec, 0, 0);
    ShiftImage(src.rec, b.rec, 0, 0);
    EXPECT_EQ(a.pixels, b.pixels);
}

TEST(ResizeImage, HundredLn2DoublesAboutTheOrigin) {
    Image src = Gradient(8, 6);
    Image dst(0, 0, 20, 16, Grey(1));
    const double k = 100 * std::numbers::ln2;
    ResizeImage(src.rec, dst.rec, k, k);
    // Odd destination positions sample half-way between two source pixels: x = 2k + 1 shows
    // (10k + 10(k + 1)) / 2 = 5x in red, likewise in green for rows.
    for (int y = 1; y < 11; y += 2)
        for (int x = 1; x < 15; x += 2)
            ASSERT_EQ(dst.At(x, y), MakePixel(5 * x, 5 * y, 0)) << x << "," << y;
    // The doubled picture covers 16 x 12; beyond it lies black.
    EXPECT_EQ(dst.At(16, 0), 0u);
    EXPECT_EQ(dst.At(19, 15), 0u);
    EXPECT_EQ(dst.At(0, 12), 0u);
    EXPECT_NE(dst.At(15, 11), 0u);
}

TEST(ResizeImage, NegativeFactorShrinks) {
    Image src(0, 0, 8, 8, Grey(60));
    Image dst(0, 0, 8, 8, Grey(1));
    const double k = -100 * std::numbers::ln2;
    ResizeImage(src.rec, dst.rec, k, 0);
    EXPECT_EQ(dst.At(3, 0), Grey(60));
    EXPECT_EQ(dst.At(4, 0), 0u);
    EXPECT_EQ(dst.At(7, 7), 0u);
}

// --- Rotate ----------------------------------------------------------------------------------

TEST(RotateImage, HalfTurnMirrorsAboutTheCentre) {
    Image src = Gradient(5, 5);
    Image dst(0, 0, 5, 5);
    // With the centre at 2.25 every position lands on x.5: the four neighbours weigh equally.
    RotateImage(src.rec, dst.rec, 2.25, 2.25, std::numbers::pi);
    EXPECT_EQ(dst.At(1, 1), MakePixel(35, 35, 0)); // average of columns 3, 4 and rows 3, 4
    EXPECT_EQ(dst.At(4, 2), MakePixel(5, 25, 0));
    EXPECT_EQ(dst.At(0, 0), MakePixel(40, 40, 0)); // corner: neighbours clamped
}

TEST(RotateImage, PositiveAngleTurnsClockwiseOnScreen) {
    // Bright top row on screen = the last buffer row.
    Image src(0, 0, 5, 5);
    for (int x = 0; x < 5; ++x)
        src.At(x, 4) = Grey(200);
    Image dst(0, 0, 5, 5);
    RotateImage(src.rec, dst.rec, 2, 2, std::numbers::pi / 2);
    // Clockwise, the top row becomes the right column.
    for (int y = 0; y < 5; ++y) {
        EXPECT_GT(GreenOf(dst.At(4, y)), 100u) << y;
        EXPECT_EQ(dst.At(0, y), 0u) << y;
    }
}

TEST(RotateImage, LeavesBlackCorners) {
    Image src(0, 0, 10, 10, Grey(120));
    Image dst(0, 0, 10, 10, Grey(1));
    RotateImage(src.rec, dst.rec, 5, 5, std::numbers::pi / 4);
    EXPECT_EQ(dst.At(0, 0), 0u);
    EXPECT_EQ(dst.At(9, 0), 0u);
    EXPECT_EQ(dst.At(0, 9), 0u);
    EXPECT_EQ(dst.At(9, 9), 0u);
    EXPECT_EQ(dst.At(5, 5), Grey(120));
}

// --- Colour operations -----------------------------------------------------------------------

TEST(ConvertToGrayScale, EqualWeightsTruncated) {
    Image src(0, 0, 3, 1);
    src.At(0, 0) = MakePixel(255, 0, 0);
    src.At(1, 0) = MakePixel(1, 1, 2);
    src.At(2, 0) = 0xAB000000u | MakePixel(10, 20, 33);
    Image dst(0, 0, 3, 1, 0xFFFFFFFFu);
    ConvertToGrayScale(src.rec, dst.rec);
    EXPECT_EQ(dst.At(0, 0), Grey(85));
    EXPECT_EQ(dst.At(1, 0), Grey(1));
    EXPECT_EQ(dst.At(2, 0), Grey(21));
}

TEST(ChangeRGB, ChannelsClampAndSpareByteClears) {
    Image src(0, 0, 2, 1);
    src.At(0, 0) = 0xFF000000u | MakePixel(10, 128, 250);
    src.At(1, 0) = MakePixel(250, 3, 0);
    Image dst(0, 0, 2, 1);
    ChangeRGB(src.rec, dst.rec, 300, -5, -300);
    EXPECT_EQ(dst.At(0, 0), MakePixel(255, 123, 0));
    EXPECT_EQ(dst.At(1, 0), MakePixel(255, 0, 0));
    ChangeRGB(src.rec, dst.rec, 0, 0, 0);
    EXPECT_EQ(dst.At(0, 0), MakePixel(10, 128, 250));
    ChangeRGB(src.rec, dst.rec, INT_MIN, INT_MAX, 5);
    EXPECT_EQ(dst.At(1, 0), MakePixel(0, 255, 5));
}

TEST(ColourOperations, WorkInPlace) {
    Image img(0, 0, 2, 2, MakePixel(90, 30, 0));
    ChangeRGB(img.rec, img.rec, 10, 10, 10);
    EXPECT_EQ(img.At(1, 1), MakePixel(100, 40, 10));
    ConvertToGrayScale(img.rec, img.rec);
    EXPECT_EQ(img.At(0, 1), Grey(50));
}

TEST(ColourOperations, PositionsOutsideTheDestinationAreSkipped) {
    Image src(0, 0, 6, 6, MakePixel(30, 60, 90));
    Image dst(2, 2, 2, 2);
    ConvertToGrayScale(src.rec, dst.rec);
    EXPECT_EQ(dst.pixels, std::vector<std::uint32_t>(4, Grey(60)));
    ChangeRGB(src.rec, dst.rec, 1, 1, 1);
    EXPECT_EQ(dst.pixels, std::vector<std::uint32_t>(4, MakePixel(31, 61, 91)));
}

// --- Empty areas -----------------------------------------------------------------------------

using Operation = void (*)(const TvexoBitmapArray&, const TvexoBitmapArray&);

class ImageOpsEmptyArea
    : public ::testing::TestWithParam<std::tuple<const char*, Operation, bool>> {};

TEST_P(ImageOpsEmptyArea, ChangesNothing) {
    const auto [name, op, emptySource] = GetParam();
    Image src(0, 0, 4, 4, Grey(77));
    Image dst(0, 0, 4, 4, Grey(3));
    for (auto [w, h] : {std::pair{0, 4}, {4, 0}, {-1, 4}, {4, -3}}) {
        TvexoBitmapArray& shrunk = emptySource ? src.rec : dst.rec;
        shrunk.Width = w;
        shrunk.Height = h;
        op(src.rec, dst.rec);
        ASSERT_EQ(dst.pixels, std::vector<std::uint32_t>(16, Grey(3)))
            << name << " " << w << "x" << h;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Operations, ImageOpsEmptyArea,
    ::testing::Values(std::tuple{"Shift",
                                 +[](const TvexoBitmapArray& s, const TvexoBitmapArray& d) {
                                     ShiftImage(s, d, 1, 1);
                                 },
                                 false},
                      std::tuple{"Resize",
                                 +[](const TvexoBitmapArray& s, const TvexoBitmapArray& d) {
                                     ResizeImage(s, d, 10, 10);
                                 },
                                 false},
                      std::tuple{"Rotate",
                                 +[](const TvexoBitmapArray& s, const TvexoBitmapArray& d) {
                                     RotateImage(s, d, 1, 1, 1);
                                 },
                                 false},
                      std::tuple{"Grey",
                                 +[](const TvexoBitmapArray& s, const TvexoBitmapArray& d) {
                                     ConvertToGrayScale(s, d);
                                 },
                                 true},
                      std::tuple{"Channels",
                                 +[](const TvexoBitmapArray& s, const TvexoBitmapArray& d) {
                                     ChangeRGB(s, d, 9, 9, 9);
                                 },
                                 true},
                      std::tuple{"GreyIntoEmpty",
                                 +[](const TvexoBitmapArray& s, const TvexoBitmapArray& d) {
                                     ConvertToGrayScale(s, d);
                                 },
                                 false}),
    [](const auto& info) { return std::string(std::get<0>(info.param)); });

// --- One buffer for source and destination ---------------------------------------------------

TEST(ImageOpsSameBuffer, ShiftReadsTheUnmodifiedSource) {
    Image expected = Gradient(9, 7);
    Image scratch(0, 0, 9, 7);
    ShiftImage(expected.rec, scratch.rec, 1.5, 2.25);
    Image img = Gradient(9, 7);
    ShiftImage(img.rec, img.rec, 1.5, 2.25);
    EXPECT_EQ(img.pixels, scratch.pixels);
}

TEST(ImageOpsSameBuffer, RotateAndResizeReadTheUnmodifiedSource) {
    Image src = Gradient(12, 10);
    Image rotated(0, 0, 12, 10);
    Image resized(0, 0, 12, 10);
    RotateImage(src.rec, rotated.rec, 6, 5, 0.3);
    ResizeImage(src.rec, resized.rec, 40, -20);

    Image a = Gradient(12, 10);
    RotateImage(a.rec, a.rec, 6, 5, 0.3);
    EXPECT_EQ(a.pixels, rotated.pixels);
    Image b = Gradient(12, 10);
    ResizeImage(b.rec, b.rec, 40, -20);
    EXPECT_EQ(b.pixels, resized.pixels);
}

TEST(ImageOpsSameBuffer, OverlappingRecordsOfOneBuffer) {
    // Two views of one buffer with different corners: the destination starts one pixel into
    // the source's memory.
    Image base = Gradient(6, 6);
    Image copy = base;
    copy.rec.Bits = copy.pixels.data();
    TvexoBitmapArray src = base.rec;
    TvexoBitmapArray dst = base.rec;
    dst.Bits = base.pixels.data() + 1;
    dst.Width = 5;
    dst.Height = 5;
    dst.Size = 5 * 5 * 4;

    std::vector<std::uint32_t> scratch(25);
    TvexoBitmapArray expected = dst;
    expected.Bits = scratch.data();
    ShiftImage(copy.rec, expected, 0.5, 0.5);
    ShiftImage(src, dst, 0.5, 0.5);
    EXPECT_EQ(std::vector<std::uint32_t>(dst.Bits, dst.Bits + 25), scratch);

    Image g = Gradient(6, 6);
    TvexoBitmapArray gdst = g.rec;
    gdst.Bits = g.pixels.data() + 1; // same geometry, shifted memory: copies are needed
    gdst.Size = (36 - 1) * 4;
    gdst.Height = 5;
    const std::vector<std::uint32_t> original = g.pixels;
    ChangeRGB(g.rec, gdst, 0, 0, 1);
    for (int i = 0; i < 30; ++i)
        ASSERT_EQ(g.pixels[std::size_t(i) + 1], original[std::size_t(i)] + 1) << i;
}
