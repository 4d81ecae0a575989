#include "app/workimagecache.h"

#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include "batchfixture.h"
#include "platform/image/jpegimage.h"
#include "platform/runtime/exception.h"
#include "support/testdir.h"

using namespace varnova;
using namespace batchtest;

TEST(WorkImageCache, DecodesOnceWhileTheFileIsUnchanged) {
    TestDir dir;
    const QString path = dir.File("w.bmp");
    WriteBitmap(path, Picture(8, 4, 24, 1));
    TWorkImageCache cache;
    const TWorkImage a = cache.Get(path);
    const TWorkImage b = cache.Get(path);
    EXPECT_EQ(cache.Loads(), 1);
    EXPECT_EQ(a.Bitmap, b.Bitmap);
    EXPECT_EQ(*a.Bitmap, Picture(8, 4, 24, 1));
}

TEST(WorkImageCache, ReloadsARewrittenFileEvenWithTheSameSizeAndTime) {
    TestDir dir;
    const QString path = dir.File("w.bmp");
    WriteBitmap(path, Picture(8, 4, 24, 1));
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &before), 0);
    TWorkImageCache cache;
    cache.Get(path);
    // Same size, and the modification time put back: only the change time tells.
    WriteBitmap(path, Picture(8, 4, 24, 2));
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
    const TWorkImage again = cache.Get(path);
    EXPECT_EQ(cache.Loads(), 2);
    EXPECT_EQ(*again.Bitmap, Picture(8, 4, 24, 2));
}

TEST(WorkImageCache, AnotherPathOrAReplacedFileIsLoadedAfresh) {
    TestDir dir;
    WriteBitmap(dir.File("a.bmp"), Picture(8, 4, 24, 1));
    WriteBitmap(dir.File("b.bmp"), Picture(8, 4, 24, 2));
    TWorkImageCache cache;
    cache.Get(dir.Path() + "a.bmp");
    EXPECT_EQ(*cache.Get(dir.Path() + "b.bmp").Bitmap, Picture(8, 4, 24, 2));
    ASSERT_TRUE(QFile::remove(dir.Path() + "a.bmp"));
    ASSERT_TRUE(QFile::rename(dir.Path() + "b.bmp", dir.Path() + "a.bmp"));
    EXPECT_EQ(*cache.Get(dir.Path() + "a.bmp").Bitmap, Picture(8, 4, 24, 2));
    EXPECT_EQ(cache.Loads(), 3);
}

TEST(WorkImageCache, MissingFileRaisesTheLoadingError) {
    TestDir dir;
    WriteBitmap(dir.File("a.bmp"), Picture(8, 4, 24, 1));
    TWorkImageCache cache;
    cache.Get(dir.Path() + "a.bmp");
    ASSERT_TRUE(QFile::remove(dir.Path() + "a.bmp"));
    try {
        cache.Get(dir.Path() + "a.bmp");
        FAIL() << "no error";
    } catch (const vexo::Exception& e) {
        EXPECT_EQ(e.Message(), "Cannot open file " + dir.Path() + "a.bmp");
    }
}

TEST(WorkImageCache, PictureThatIsNoBitmapCarriesTheDrawingError) {
    TestDir dir;
    vexo::TJPEGImage jpeg;
    QImage image(4, 4, QImage::Format_RGB888);
    image.fill(Qt::blue);
    jpeg.SetImage(image);
    WriteFile(dir.Path() + "w.jpg", jpeg.SaveToBytes());
    TWorkImageCache cache;
    const TWorkImage w = cache.Get(dir.Path() + "w.jpg");
    EXPECT_EQ(w.Bitmap, nullptr);
    EXPECT_EQ(w.NotBitmapError, "Can only modify an image if it contains a bitmap");
}
