#include "platform/image/bitmapresource.h"

#include <gtest/gtest.h>

#include "support/testdir.h"

using namespace vexo;

// testglyph.bmp: 6 x 3, 4 bits, palette black, red, lime, blue; pixel (x, y) is (x + y) % 4.
TEST(BitmapResource, CompiledInBitmapsAreFoundByNameInAnyCase) {
    for (const char* name : {"TestGlyph", "TESTGLYPH", "testglyph", "sbTEST", "SBtest"}) {
        ASSERT_TRUE(BitmapResourceExists(QString::fromLatin1(name))) << name;
        const TBitmap b = LoadBitmapResource(QString::fromLatin1(name));
        EXPECT_EQ(b.Width(), 6);
        EXPECT_EQ(b.Height(), 3);
        EXPECT_EQ(b.BitCount(), 4); // the file's own format
        EXPECT_EQ(b.PixelValue(1, 0), 1u);
        EXPECT_EQ(b.PixelValue(5, 2), 3u);
        EXPECT_EQ(b.PixelRgb(2, 0), 0x00FF00u);
    }
}

TEST(BitmapResource, UnknownNamesRaiseAClearError) {
    EXPECT_FALSE(BitmapResourceExists(QStringLiteral("NOSUCHBITMAP")));
    EXPECT_FALSE(BitmapResourceExists(QString()));
    try {
        LoadBitmapResource(QStringLiteral("NOSUCHBITMAP"));
        FAIL() << "no error";
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Resource NOSUCHBITMAP not found"));
    }
}

TEST(BitmapResource, RegisteredNamesWinAndBrokenFilesAreRefused) {
    TestDir dir;
    TBitmap mine(2, 2, 24);
    mine.SetPixelValue(1, 1, 0x123456);
    mine.SaveToFile(dir.File(QStringLiteral("mine.bmp")));
    RegisterBitmapResource(QStringLiteral("TestGlyph"), dir.File(QStringLiteral("mine.bmp")));
    EXPECT_TRUE(LoadBitmapResource(QStringLiteral("testglyph")) == mine);
    BitmapResources().Unregister(QStringLiteral("TESTGLYPH"));
    EXPECT_EQ(LoadBitmapResource(QStringLiteral("TestGlyph")).Width(), 6);

    dir.Write(QStringLiteral("broken.bmp"), QByteArray("BM not really"));
    RegisterBitmapResource(QStringLiteral("Broken"), dir.File(QStringLiteral("broken.bmp")));
    EXPECT_THROW(LoadBitmapResource(QStringLiteral("broken")), EInvalidGraphic);
    RegisterBitmapResource(QStringLiteral("Gone"), dir.File(QStringLiteral("gone.bmp")));
    EXPECT_THROW(LoadBitmapResource(QStringLiteral("Gone")), EFOpenError);
    BitmapResources().Unregister(QStringLiteral("Broken"));
    BitmapResources().Unregister(QStringLiteral("Gone"));
}
