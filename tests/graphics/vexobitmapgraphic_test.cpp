#include "graphics/vexobitmapgraphic.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/image/bmpcodec.h"
#include "platform/image/jpegimage.h"
#include "platform/image/picture.h"
#include "platform/runtime/classregistry.h"
#include "platform/runtime/exception.h"
#include "samebitmap.h"
#include "support/testdir.h"

using namespace vexo;

namespace {

// A distinct colour per pixel, as 0x00RRGGBB.
std::uint32_t PatternRgb(int x, int y) {
    return MakePixel(x * 7 + 1, y * 5 + 2, (x ^ y) * 3);
}

// A 24-bit bitmap whose pixel x, y (top-down) is PatternRgb(x, y).
TBitmap Pattern24(int w, int h) {
    TBitmap b(w, h, 24);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixelValue(x, y, PatternRgb(x, y));
    return b;
}

std::unique_ptr<TvexoBitmapGraphic> Graphic(const TBitmap& picture) {
    auto g = std::make_unique<TvexoBitmapGraphic>();
    static_cast<TBitmap&>(*g) = picture;
    return g;
}

} // namespace

// --- Defaults --------------------------------------------------------------------------------

TEST(VexoBitmapGraphicDefaults, NoAreaAfterConstruction) {
    TvexoBitmapGraphic g;
    EXPECT_EQ(g.Area().Bits, nullptr);
    EXPECT_FALSE(g.Updating());
    EXPECT_EQ(g.GetQuickPixel(0, 0), 0u);
}

TEST(VexoBitmapGraphicDefaults, EmptyBitmapRefusesArea) {
    TvexoBitmapGraphic g;
    EXPECT_FALSE(g.SetCurrentArea(0, 0, 0, 0));
    EXPECT_FALSE(g.SetCurrentArea(0, 0, 1, 1));
    EXPECT_EQ(g.Area().Bits, nullptr);
}

TEST(VexoBitmapGraphicDefaults, WritesWithoutAreaAreIgnored) {
    auto g = Graphic(Pattern24(4, 4));
    const TBitmap before = *g;
    g->SetQuickPixel(0, 0, 0x123456);
    g->UpdateBitmap();
    g->EndUpdate();
    EXPECT_TRUE(SameBitmap(*g, before));
}

// --- Quick pixels ----------------------------------------------------------------------------

TEST(VexoBitmapGraphicQuickPixels, CornersOfTheWholeBitmap) {
    auto g = Graphic(Pattern24(5, 4));
    ASSERT_TRUE(g->SetCurrentArea(0, 0, 5, 4));
    EXPECT_EQ(g->GetQuickPixel(0, 0), PatternRgb(0, 0));
    EXPECT_EQ(g->GetQuickPixel(4, 0), PatternRgb(4, 0));
    EXPECT_EQ(g->GetQuickPixel(0, 3), PatternRgb(0, 3));
    EXPECT_EQ(g->GetQuickPixel(4, 3), PatternRgb(4, 3));
}

TEST(VexoBitmapGraphicQuickPixels, OutsideReadsZeroAndWritesNothing) {
    auto g = Graphic(Pattern24(5, 4));
    ASSERT_TRUE(g->SetCurrentArea(1, 1, 3, 2));
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {3, 0}, {0, 2}, {5, 0}, {0, 4}}) {
        EXPECT_EQ(g->GetQuickPixel(x, y), 0u) << x << "," << y;
        g->SetQuickPixel(x, y, 0xFFFFFF);
    }
    const TBitmap original = Pattern24(5, 4);
    EXPECT_TRUE(SameBitmap(*g, original));
}

TEST(VexoBitmapGraphicQuickPixels, CoordinatesAreRelativeToTheArea) {
    auto g = Graphic(Pattern24(6, 6));
    // Columns 2..4, buffer rows 1..3 from the bottom = top-down rows 2..4.
    ASSERT_TRUE(g->SetCurrentArea(2, 1, 3, 3));
    EXPECT_EQ(g->GetQuickPixel(0, 0), PatternRgb(2, 2));
    EXPECT_EQ(g->GetQuickPixel(2, 2), PatternRgb(4, 4));
}

TEST(VexoBitmapGraphicQuickPixels, ValueIsBlueInTheLowByte) {
    auto g = Graphic(TBitmap(3, 3, 24));
    ASSERT_TRUE(g->SetCurrentArea(0, 0, 3, 3));
    g->SetQuickPixel(0, 0, 0x000000FF);
    EXPECT_EQ(g->PixelRgb(0, 0), 0x0000FFu);
    EXPECT_EQ(g->ScanLine(0)[0], 0xFF); // blue byte
    EXPECT_EQ(g->ScanLine(0)[2], 0x00); // red byte
    EXPECT_EQ(g->GetQuickPixel(0, 0), 0x000000FFu);
}

TEST(VexoBitmapGraphicQuickPixels, TopCountsFromTheBottom) {
    TBitmap b(4, 100, 24);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 4; ++x)
            b.SetPixelValue(x, y, std::uint32_t(y));
    auto g = Graphic(b);
    ASSERT_TRUE(g->SetCurrentArea(0, 0, 4, 10));
    // Buffer row 0 is the lowest bitmap row.
    EXPECT_EQ(g->Area().Bits[0], 99u);
    EXPECT_EQ(g->GetQuickPixel(0, 9), 99u);
    EXPECT_EQ(g->GetQuickPixel(0, 0), 90u);
}

// --- Batch mode ------------------------------------------------------------------------------

TEST(VexoBitmapGraphicBatch, WritesOutsideBatchShowAtOnce) {
    auto g = Graphic(TBitmap(4, 4, 24));
    ASSERT_TRUE(g->SetCurrentArea(0, 0, 4, 4));
    g->SetQuickPixel(1, 2, 0x00ABCDEF);
    EXPECT_EQ(g->PixelRgb(1, 2), 0x00ABCDEFu);
}

TEST(VexoBitmapGraphicBatch, BitmapShowsOldPixelsUntilEndUpdate) {
    auto g = Graphic(TBitmap(4, 4, 24));
    ASSERT_TRUE(g->SetCurrentArea(1, 1, 2, 2));
    g->BeginUpdate();
    EXPECT_TRUE(g->Updating());
    g->SetQuickPixel(0, 0, 0x112233);
    g->SetQuickPixel(1, 1, 0x445566);
    EXPECT_EQ(g->PixelRgb(1, 1), 0u);
    EXPECT_EQ(g->PixelRgb(2, 2), 0u);
    g->EndUpdate();
    EXPECT_FALSE(g->Updating());
    EXPECT_EQ(g->PixelRgb(1, 1), 0x112233u);
    EXPECT_EQ(g->PixelRgb(2, 2), 0x445566u);
}

TEST(VexoBitmapGraphicBatch, FirstEndUpdateEndsNestedBatch) {
    auto g = Graphic(TBitmap(2, 2, 24));
    ASSERT_TRUE(g->SetCurrentArea(0, 0, 2, 2));
    g->BeginUpdate();
    g->BeginUpdate();
    g->SetQuickPixel(0, 0, 0x010203);
    g->EndUpdate();
    EXPECT_FALSE(g->Updating());
    EXPECT_EQ(g->PixelRgb(0, 0), 0x010203u);
}

TEST(VexoBitmapGraphicBatch, CanvasChangesShowOnlyAfterUpdateArea) {
    auto g = Graphic(TBitmap(3, 3, 24));
    ASSERT_TRUE(g->SetCurrentArea(0, 0, 3, 3));
    g->SetPixelValue(0, 0, 0x00FF00);
    EXPECT_EQ(g->GetQuickPixel(0, 0), 0u);
    g->UpdateArea();
    EXPECT_EQ(g->GetQuickPixel(0, 0), 0x00FF00u);
}

// --- Choosing the area -----------------------------------------------------------------------

struct BadArea {
    int x, y, w, h;
};

class VexoBitmapGraphicRefusedArea : public ::testing::TestWithParam<BadArea> {};

TEST_P(VexoBitmapGraphicRefusedArea, ReturnsFalseAndKeepsTheOldArea) {
    auto g = Graphic(Pattern24(8, 6));
    ASSERT_TRUE(g->SetCurrentArea(1, 1, 2, 2));
    const TvexoBitmapArray before = g->Area();
    const BadArea a = GetParam();
    EXPECT_FALSE(g->SetCurrentArea(a.x, a.y, a.w, a.h));
    EXPECT_EQ(g->Area().Left, before.Left);
    EXPECT_EQ(g->Area().Top, before.Top);
    EXPECT_EQ(g->Area().Width, before.Width);
    EXPECT_EQ(g->Area().Height, before.Height);
    EXPECT_EQ(g->Area().Size, before.Size);
    EXPECT_EQ(g->Area().Bits, before.Bits);
    EXPECT_EQ(g->GetQuickPixel(0, 0), PatternRgb(1, 3));
}

INSTANTIATE_TEST_SUITE_P(Outside, VexoBitmapGraphicRefusedArea,
                         ::testing::Values(BadArea{-1, 0, 2, 2}, BadArea{0, -1, 2, 2},
                                           BadArea{7, 0, 2, 2}, BadArea{0, 5, 2, 2},
                                           BadArea{0, 0, 9, 1}, BadArea{0, 0, 1, 7},
                                           BadArea{0, 0, -1, 2}, BadArea{0, 0, 2, -1},
                                           BadArea{2147483647, 0, 2, 2},
                                           BadArea{0, 2147483647, 2, 2}));

TEST(VexoBitmapGraphicArea, SizeBeyond32BitsIsRefused) {
    // 23200 x 23200 x 4 bytes does not fit a signed 32-bit size.
    auto g = Graphic(TBitmap(23200, 23200, 1));
    EXPECT_FALSE(g->SetCurrentArea(0, 0, 23200, 23200));
    EXPECT_EQ(g->Area().Bits, nullptr);
    EXPECT_EQ(g->Area().Width, 0);
}

TEST(VexoBitmapGraphicArea, ZeroSizeAreaKeepsNoBuffer) {
    auto g = Graphic(Pattern24(4, 4));
    ASSERT_TRUE(g->SetCurrentArea(0, 0, 4, 4));
    EXPECT_FALSE(g->SetCurrentArea(1, 1, 0, 3));
    EXPECT_EQ(g->Area().Bits, nullptr);
    EXPECT_EQ(g->Area().Size, 0);
    EXPECT_EQ(g->GetQuickPixel(0, 0), 0u);
    g->UpdateBitmap(); // nothing to write
    EXPECT_TRUE(SameBitmap(*g, Pattern24(4, 4)));
}

TEST(VexoBitmapGraphicArea, SizeIsWidthTimesHeightTimesFour) {
    auto g = Graphic(Pattern24(9, 7));
    ASSERT_TRUE(g->SetCurrentArea(2, 3, 5, 4));
    EXPECT_EQ(g->Area().Size, 5 * 4 * 4);
}

TEST(VexoBitmapGraphicArea, ResizedBitmapIsLeftAlone) {
    auto g = Graphic(Pattern24(8, 8));
    ASSERT_TRUE(g->SetCurrentArea(4, 4, 4, 4));
    g->Allocate(3, 3, 24); // the area no longer fits
    g->UpdateBitmap();
    g->UpdateArea();
    g->SetQuickPixel(0, 0, 0xFFFFFF);
    EXPECT_TRUE(SameBitmap(*g, TBitmap(3, 3, 24)));
}

// --- Round trips over pixel formats ----------------------------------------------------------

struct RoundTrip {
    int bitCount;
    int x, y, w, h; // area; the bitmap is 13 x 9
};

class VexoBitmapGraphicRoundTrip : public ::testing::TestWithParam<RoundTrip> {
protected:
    static TBitmap Source(int bitCount) {
        TBitmap b(13, 9, bitCount);
        if (bitCount == 8) {
            QVector<std::uint32_t> pal;
            for (int i = 0; i < 256; ++i)
                pal << MakePixel(i, 255 - i, (i * 37) & 0xFF);
            b.SetPalette(pal);
        }
        if (bitCount == 16)
            b.SetBitFields(TBitFields{0xF800, 0x07E0, 0x001F, 0});
        const std::uint32_t range = bitCount >= 24 ? 0xFFFFFFu : (1u << bitCount) - 1;
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 13; ++x)
                b.SetPixelValue(x, y, std::uint32_t(x * 2654435761u + y * 40503u) % (range + 1));
        return b;
    }
};

TEST_P(VexoBitmapGraphicRoundTrip, UnchangedBufferWritesBackTheSamePixels) {
    const RoundTrip p = GetParam();
    const TBitmap original = Source(p.bitCount);
    auto g = Graphic(original);
    ASSERT_TRUE(g->SetCurrentArea(p.x, p.y, p.w, p.h));
    g->UpdateBitmap();
    EXPECT_TRUE(SameBitmap(*g, original));
}

TEST_P(VexoBitmapGraphicRoundTrip, BufferHoldsTheColoursOfTheArea) {
    const RoundTrip p = GetParam();
    const TBitmap original = Source(p.bitCount);
    auto g = Graphic(original);
    ASSERT_TRUE(g->SetCurrentArea(p.x, p.y, p.w, p.h));
    for (int qy = 0; qy < p.h; ++qy)
        for (int qx = 0; qx < p.w; ++qx)
            ASSERT_EQ(g->GetQuickPixel(qx, qy), original.PixelRgb(p.x + qx, 9 - p.y - p.h + qy))
                << qx << "," << qy;
}

TEST_P(VexoBitmapGraphicRoundTrip, ChangedAreaLeavesTheRestAlone) {
    const RoundTrip p = GetParam();
    const TBitmap original = Source(p.bitCount);
    auto g = Graphic(original);
    ASSERT_TRUE(g->SetCurrentArea(p.x, p.y, p.w, p.h));
    // A colour every format holds exactly: the first palette entry or plain black.
    const std::uint32_t c = original.IsPaletted() ? original.Palette()[0] : 0u;
    g->BeginUpdate();
    for (int qy = 0; qy < p.h; ++qy)
        for (int qx = 0; qx < p.w; ++qx)
            g->SetQuickPixel(qx, qy, c);
    g->EndUpdate();
    const int areaTop = 9 - p.y - p.h; // top-down row of the area's top
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 13; ++x) {
            const bool inside = x >= p.x && x < p.x + p.w && y >= areaTop && y < areaTop + p.h;
            ASSERT_EQ(g->PixelValue(x, y), inside ? 0u : original.PixelValue(x, y))
                << x << "," << y;
        }
    g->UpdateArea();
    EXPECT_EQ(g->GetQuickPixel(0, 0), c);
}

INSTANTIATE_TEST_SUITE_P(Formats, VexoBitmapGraphicRoundTrip,
                         ::testing::Values(RoundTrip{1, 0, 0, 13, 9}, RoundTrip{1, 3, 2, 7, 5},
                                           RoundTrip{4, 1, 1, 5, 7}, RoundTrip{8, 0, 0, 13, 9},
                                           RoundTrip{8, 5, 3, 8, 6}, RoundTrip{16, 2, 0, 11, 9},
                                           RoundTrip{24, 0, 0, 13, 9}, RoundTrip{24, 1, 4, 3, 5},
                                           RoundTrip{32, 0, 0, 13, 9}, RoundTrip{32, 12, 8, 1, 1}),
                         [](const auto& info) {
                             const RoundTrip& p = info.param;
                             return "Bpp" + std::to_string(p.bitCount) + "_" + std::to_string(p.x) +
                                    "_" + std::to_string(p.y) + "_" + std::to_string(p.w) + "x" +
                                    std::to_string(p.h);
                         });

// --- Assignment ------------------------------------------------------------------------------

TEST(VexoBitmapGraphicAssign, CopyGetsItsOwnBuffer) {
    auto a = Graphic(Pattern24(6, 5));
    ASSERT_TRUE(a->SetCurrentArea(1, 1, 4, 3));
    auto b = std::make_unique<TvexoBitmapGraphic>();
    b->Assign(*a);
    EXPECT_TRUE(SameBitmap(*b, static_cast<const TBitmap&>(*a)));
    ASSERT_NE(b->Area().Bits, nullptr);
    EXPECT_NE(b->Area().Bits, a->Area().Bits);
    EXPECT_EQ(b->Area().Left, 1);
    EXPECT_EQ(b->Area().Top, 1);
    EXPECT_EQ(b->Area().Width, 4);
    EXPECT_EQ(b->Area().Height, 3);
    EXPECT_EQ(b->Area().Size, 48);
    EXPECT_EQ(std::vector<std::uint32_t>(b->Area().Bits, b->Area().Bits + 12),
              std::vector<std::uint32_t>(a->Area().Bits, a->Area().Bits + 12));

    b->BeginUpdate();
    b->SetQuickPixel(0, 0, 0x777777);
    EXPECT_EQ(a->GetQuickPixel(0, 0), PatternRgb(1, 1));
    a.reset();
    EXPECT_EQ(b->GetQuickPixel(0, 0), 0x777777u);
    EXPECT_EQ(b->GetQuickPixel(3, 2), PatternRgb(4, 3));
}

TEST(VexoBitmapGraphicAssign, SourceWithoutBufferLeavesNone) {
    TvexoBitmapGraphic a;
    static_cast<TBitmap&>(a) = Pattern24(3, 3);
    auto b = Graphic(Pattern24(4, 4));
    ASSERT_TRUE(b->SetCurrentArea(0, 0, 4, 4));
    b->Assign(a);
    EXPECT_EQ(b->Area().Bits, nullptr);
    EXPECT_EQ(b->Width(), 3);
    EXPECT_EQ(b->GetQuickPixel(0, 0), 0u);
}

TEST(VexoBitmapGraphicAssign, PlainBitmapIsCopiedThenRefused) {
    auto g = Graphic(Pattern24(4, 4));
    ASSERT_TRUE(g->SetCurrentArea(0, 0, 2, 2));
    const PArray bits = g->Area().Bits;
    const std::uint32_t before = g->GetQuickPixel(0, 0);
    const TBitmap plain = Pattern24(7, 3);
    try {
        g->Assign(plain);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Source is not TvexoBitmapGraphic!"));
    }
    EXPECT_TRUE(SameBitmap(*g, plain));
    EXPECT_EQ(g->Area().Bits, bits);
    EXPECT_EQ(g->GetQuickPixel(0, 0), before);
}

// A graphic that no bitmap can be made from.
class TSketch : public TGraphic {
    Q_GADGET
public:
    const QMetaObject* ClassType() const override { return &staticMetaObject; }
    int Width() const override { return 3; }
    int Height() const override { return 3; }
    void Draw(TCanvas&, const TRect&) const override {}
    void LoadFromBytes(const QByteArray&) override {}
    QByteArray SaveToBytes() const override { return {}; }
};

TEST(VexoBitmapGraphicAssign, JpegIsCopiedAsABitmapThenRefused) {
    QImage pixels(5, 2, QImage::Format_RGB888);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x)
            pixels.setPixel(x, y, qRgb(40 * x, 100 * y, 7));
    TJPEGImage jpeg;
    jpeg.SetImage(pixels);
    auto g = Graphic(Pattern24(4, 4));
    ASSERT_TRUE(g->SetCurrentArea(0, 0, 2, 2));
    const PArray bits = g->Area().Bits;
    try {
        g->Assign(jpeg);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Source is not TvexoBitmapGraphic!"));
    }
    EXPECT_TRUE(SameBitmap(*g, jpeg.ToBitmap()));
    EXPECT_EQ(g->BitCount(), 24);
    EXPECT_EQ(g->PixelRgb(4, 1), MakePixel(160, 100, 7));
    EXPECT_EQ(g->Area().Bits, bits);
}

TEST(VexoBitmapGraphicAssign, GraphicWithoutABitmapChangesNothing) {
    auto g = Graphic(Pattern24(4, 4));
    ASSERT_TRUE(g->SetCurrentArea(0, 0, 2, 2));
    const TBitmap before = *g;
    const PArray bits = g->Area().Bits;
    const std::uint32_t quick = g->GetQuickPixel(1, 1);
    try {
        g->Assign(TSketch());
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot assign a TSketch to a TvexoBitmapGraphic"));
    }
    EXPECT_TRUE(SameBitmap(*g, before));
    EXPECT_EQ(g->Area().Bits, bits);
    EXPECT_EQ(g->GetQuickPixel(1, 1), quick);
}

TEST(VexoBitmapGraphicAssign, SelfAssignmentKeepsTheBuffer) {
    auto g = Graphic(Pattern24(4, 4));
    ASSERT_TRUE(g->SetCurrentArea(0, 0, 4, 4));
    g->Assign(*g);
    ASSERT_NE(g->Area().Bits, nullptr);
    EXPECT_EQ(g->GetQuickPixel(3, 3), PatternRgb(3, 3));
}

// --- Picture loading -------------------------------------------------------------------------

TEST(VexoBitmapGraphicPicture, QbmpFileOpensAsBitmapGraphic) {
    TestDir dir;
    const TBitmap picture = Pattern24(5, 3);
    dir.Write(QStringLiteral("photo.QBMP"), WriteBmp(picture));
    TPicture p;
    p.LoadFromFile(dir.File(QStringLiteral("photo.QBMP")));
    auto* g = dynamic_cast<TvexoBitmapGraphic*>(p.Graphic());
    ASSERT_NE(g, nullptr);
    EXPECT_TRUE(SameBitmap(*g, picture));
    ASSERT_TRUE(g->SetCurrentArea(0, 0, 5, 3));
    EXPECT_EQ(g->GetQuickPixel(4, 2), PatternRgb(4, 2));
}

TEST(VexoBitmapGraphicPicture, RegistrationCanBeRepeatedAndUndone) {
    TestDir dir;
    dir.Write(QStringLiteral("a.qbmp"), WriteBmp(Pattern24(2, 2)));
    UnregisterGraphicsFormats();
    TPicture p;
    EXPECT_THROW(p.LoadFromFile(dir.File(QStringLiteral("a.qbmp"))), EInvalidGraphic);
    RegisterGraphicsFormats();
    RegisterGraphicsFormats();
    p.LoadFromFile(dir.File(QStringLiteral("a.qbmp")));
    EXPECT_NE(dynamic_cast<TvexoBitmapGraphic*>(p.Graphic()), nullptr);
}

TEST(VexoBitmapGraphicPicture, ClassIsRegisteredByNameAtStartUp) {
    // Registered when the test program's application object started.
    EXPECT_EQ(GetClass(QStringLiteral("TvexoBitmapGraphic")),
              &TvexoBitmapGraphic::staticMetaObject);
    const std::unique_ptr<TGraphic> made = CreateGraphic(QStringLiteral("tvexobitmapgraphic"));
    EXPECT_NE(dynamic_cast<TvexoBitmapGraphic*>(made.get()), nullptr);
    EXPECT_EQ(made->ClassType(), &TvexoBitmapGraphic::staticMetaObject);
    // Found by name, but no component.
    EXPECT_THROW(CreateComponent(QStringLiteral("TvexoBitmapGraphic"), nullptr), EComponentError);
    EXPECT_THROW(CreateGraphic(QStringLiteral("TvexoNoSuchGraphic")), EClassNotFound);
}

#include "vexobitmapgraphic_test.moc"
