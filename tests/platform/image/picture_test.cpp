#include "platform/image/picture.h"

#include <QDir>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

#include "bmpbuilder.h"
#include "jpegtestfile.h"
#include "platform/image/jpegimage.h"
#include "platform/runtime/exception.h"
#include "support/testdir.h"

using namespace vexo;

namespace {

QByteArray SmallBmp(int width = 3, int height = 2) {
    bmptest::Recipe s;
    s.width = width;
    s.height = height;
    s.bitCount = 24;
    s.pixels = bmptest::Pack(bmptest::RandomGrid(width, height, 1u << 24, 7), 24, false);
    return bmptest::Build(s);
}

template <typename E> QString MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const E& e) {
        return e.Message();
    }
    return QStringLiteral("<no exception>");
}

// A graphic whose encoder fails, to show that a failed save leaves the target alone.
class TFailingGraphic : public TGraphic {
public:
    int Width() const override { return 1; }
    int Height() const override { return 1; }
    void LoadFromBytes(const QByteArray&) override {}
    void Draw(TCanvas&, const TRect&) const override {}
    QByteArray SaveToBytes() const override {
        throw EInvalidGraphic(QStringLiteral("encoder failed"));
    }
};

// ---- Loading by extension ---------------------------------------------------------------

class PictureExtension : public ::testing::TestWithParam<const char*> {};

TEST_P(PictureExtension, BmpLoadsABitmapWhateverTheCase) {
    TestDir dir;
    const QString name = QStringLiteral("pic.") + QString::fromLatin1(GetParam());
    dir.Write(name, SmallBmp(3, 2));
    TPicture picture;
    picture.LoadFromFile(dir.File(name));
    ASSERT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(picture.Height(), 2);
    EXPECT_EQ(&picture.Bitmap(), picture.Graphic());
}

INSTANTIATE_TEST_SUITE_P(Cases, PictureExtension, ::testing::Values("bmp", "BMP", "Bmp"));

class JpegExtension : public ::testing::TestWithParam<const char*> {};

TEST_P(JpegExtension, LoadsAJpegImageThatIsNotABitmap) {
    TestDir dir;
    const QString name = QStringLiteral("photo.") + QString::fromLatin1(GetParam());
    dir.Write(name, jpegtest::RedBlue(16, 8));
    TPicture picture;
    picture.LoadFromFile(dir.File(name));
    ASSERT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 16);
    EXPECT_EQ(MessageOf<EInvalidGraphicOperation>([&] { picture.Bitmap(); }),
              QStringLiteral("Can only modify an image if it contains a bitmap"));
}

INSTANTIATE_TEST_SUITE_P(Cases, JpegExtension, ::testing::Values("jpg", "jpeg", "JPG", "JpEg"));

TEST(PictureLoad, UnknownExtensionIsNamedAsWritten) {
    TestDir dir;
    dir.Write("a.PnG", SmallBmp());
    TPicture picture;
    EXPECT_EQ(MessageOf<EInvalidGraphic>([&] { picture.LoadFromFile(dir.File("a.PnG")); }),
              QStringLiteral("Unknown picture file extension (.PnG)"));
}

TEST(PictureLoad, NameWithoutExtensionIsUnknown) {
    TestDir dir;
    dir.Write("noext", SmallBmp());
    TPicture picture;
    EXPECT_EQ(MessageOf<EInvalidGraphic>([&] { picture.LoadFromFile(dir.File("noext")); }),
              QStringLiteral("Unknown picture file extension (.)"));
}

TEST(PictureLoad, DotInFolderNameIsNotAnExtension) {
    TestDir dir;
    dir.Write("pics.bmp/image", SmallBmp());
    TPicture picture;
    EXPECT_EQ(MessageOf<EInvalidGraphic>([&] { picture.LoadFromFile(dir.File("pics.bmp/image")); }),
              QStringLiteral("Unknown picture file extension (.)"));
}

TEST(PictureLoad, ExtensionIsCheckedBeforeTheFileIsOpened) {
    TestDir dir;
    TPicture picture;
    EXPECT_EQ(MessageOf<EInvalidGraphic>([&] { picture.LoadFromFile(dir.Path() + "missing.gif"); }),
              QStringLiteral("Unknown picture file extension (.gif)"));
}

TEST(PictureLoad, MissingFileCannotBeOpened) {
    TestDir dir;
    const QString path = dir.Path() + "missing.bmp";
    TPicture picture;
    EXPECT_EQ(MessageOf<EFOpenError>([&] { picture.LoadFromFile(path); }),
              QStringLiteral("Cannot open file %1").arg(path));
}

TEST(PictureLoad, BrokenBitmapIsNotValidAndThePreviousGraphicStays) {
    TestDir dir;
    dir.Write("good.bmp", SmallBmp(5, 4));
    dir.Write("bad.bmp", SmallBmp(5, 4).chopped(3));
    TPicture picture;
    picture.LoadFromFile(dir.File("good.bmp"));
    TGraphic* before = picture.Graphic();
    EXPECT_EQ(MessageOf<EInvalidGraphic>([&] { picture.LoadFromFile(dir.File("bad.bmp")); }),
              QStringLiteral("Bitmap image is not valid"));
    EXPECT_EQ(picture.Graphic(), before);
    EXPECT_EQ(picture.Width(), 5);
}

TEST(PictureBitmap, EmptyPictureGetsAnEmptyBitmap) {
    TPicture picture;
    EXPECT_EQ(picture.Graphic(), nullptr);
    EXPECT_EQ(picture.Width(), 0);
    TBitmap& bitmap = picture.Bitmap();
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(picture.Graphic(), &bitmap);
}

// ---- Saving ------------------------------------------------------------------------------

TEST(PictureSave, BitmapIsSavedInItsOwnFormat) {
    TestDir dir;
    const QByteArray original = SmallBmp(4, 3);
    dir.Write("in.bmp", original);
    TPicture picture;
    picture.LoadFromFile(dir.File("in.bmp"));
    picture.SaveToFile(dir.Path() + "out.bmp");
    EXPECT_EQ(dir.Read("out.bmp"), original);
}

TEST(PictureSave, MissingFolderCannotBeCreated) {
    TestDir dir;
    TPicture picture;
    picture.SetGraphic(std::make_unique<TBitmap>(2, 2, 24));
    const QString path = dir.Path() + "no/such/folder/out.bmp";
    EXPECT_EQ(MessageOf<EFCreateError>([&] { picture.SaveToFile(path); }),
              QStringLiteral("Cannot create file %1").arg(path));
}

TEST(PictureSave, FolderInTheWayCannotBeReplaced) {
    TestDir dir;
    QDir().mkpath(dir.Path() + "target.bmp/inside");
    TPicture picture;
    picture.SetGraphic(std::make_unique<TBitmap>(2, 2, 24));
    EXPECT_THROW(picture.SaveToFile(dir.Path() + "target.bmp"), EFCreateError);
    EXPECT_TRUE(QDir(dir.Path() + "target.bmp/inside").exists());
}

TEST(PictureSave, FailedSaveLeavesThePreviousFileIntact) {
    TestDir dir;
    dir.Write("keep.bmp", "previous contents");
    TPicture picture;
    picture.SetGraphic(std::make_unique<TFailingGraphic>());
    EXPECT_THROW(picture.SaveToFile(dir.File("keep.bmp")), EInvalidGraphic);
    EXPECT_EQ(dir.Read("keep.bmp"), QByteArray("previous contents"));
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.bmp"});
}

TEST(PictureSave, ReplacesAnExistingFile) {
    TestDir dir;
    dir.Write("out.bmp", "old");
    TPicture picture;
    picture.SetGraphic(std::make_unique<TBitmap>(2, 2, 8));
    picture.SaveToFile(dir.File("out.bmp"));
    EXPECT_EQ(dir.Read("out.bmp").left(2), QByteArray("BM"));
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.bmp"});
}

TEST(PictureSave, EmptyPictureWritesNothing) {
    TestDir dir;
    TPicture picture;
    picture.SaveToFile(dir.Path() + "nothing.bmp");
    EXPECT_FALSE(QFile::exists(dir.Path() + "nothing.bmp"));
}

// ---- The extension registry ---------------------------------------------------------------

TEST(PictureRegistry, RegisteredExtensionMatchesWithoutRegardToCase) {
    TestDir dir;
    dir.Write("x.QbMp", SmallBmp(6, 1));
    TPicture::RegisterFileFormat(QStringLiteral("QBMP"), QStringLiteral("Test bitmaps"),
                                 [] { return std::make_unique<TBitmap>(); });
    TPicture picture;
    picture.LoadFromFile(dir.File("x.QbMp"));
    EXPECT_EQ(picture.Width(), 6);
    TPicture::UnregisterFileFormat(QStringLiteral("qbmp"));
    EXPECT_THROW(picture.LoadFromFile(dir.File("x.QbMp")), EInvalidGraphic);
}

TEST(PictureRegistry, LoadsRunWhileFormatsAreRegistered) {
    TestDir dir;
    dir.Write("a.bmp", SmallBmp(3, 3));
    const QString path = dir.File("a.bmp");
    std::atomic<int> loaded{0};
    std::atomic<bool> failed{false};
    std::vector<std::thread> readers;
    for (int t = 0; t < 2; ++t)
        readers.emplace_back([&] {
            for (int i = 0; i < 200; ++i) {
                try {
                    TPicture picture;
                    picture.LoadFromFile(path);
                    if (picture.Width() == 3)
                        ++loaded;
                } catch (...) {
                    failed = true;
                }
            }
        });
    for (int i = 0; i < 200; ++i) {
        const QString extension = QStringLiteral("t%1").arg(i);
        TPicture::RegisterFileFormat(extension, extension,
                                     [] { return std::make_unique<TBitmap>(); });
        TPicture::UnregisterFileFormat(extension);
    }
    for (auto& t : readers)
        t.join();
    EXPECT_FALSE(failed);
    EXPECT_EQ(loaded, 400);
}

} // namespace
