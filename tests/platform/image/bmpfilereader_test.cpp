#include "platform/image/bmpfilereader.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "bmpbuilder.h"
#include "platform/image/bmpcodec.h"
#include "platform/runtime/exception.h"
#include "support/testdir.h"

using namespace vexo;

namespace {

QByteArray Pattern(int size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xFF);
    return bytes;
}

QByteArray Bytes(const TBmpFileReader& reader) {
    return QByteArray(reinterpret_cast<const char*>(reader.Data()), qsizetype(reader.Size()));
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

void Truncate(const QString& path, off_t size) {
    ASSERT_EQ(::truncate(QFile::encodeName(path).constData(), size), 0);
}

QString ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "no error";
}

} // namespace

TEST(BmpFileReader, ReadsTheWholeFile) {
    TestDir dir;
    const QByteArray bytes = Pattern(300000);
    dir.Write("a.bmp", bytes);
    TBmpFileReader reader;
    reader.Read(dir.Path() + "a.bmp");
    EXPECT_EQ(Bytes(reader), bytes);
}

TEST(BmpFileReader, ReusedBufferHoldsExactlyTheLatestFile) {
    TestDir dir;
    dir.Write("big.bmp", Pattern(5000));
    dir.Write("small.bmp", "BM12");
    dir.Write("empty.bmp", "");
    TBmpFileReader reader;
    reader.Read(dir.Path() + "big.bmp");
    reader.Read(dir.Path() + "small.bmp");
    EXPECT_EQ(Bytes(reader), QByteArray("BM12"));
    reader.Read(dir.Path() + "empty.bmp");
    EXPECT_EQ(reader.Size(), 0u);
    reader.Read(dir.Path() + "big.bmp");
    EXPECT_EQ(Bytes(reader), Pattern(5000));
}

TEST(BmpFileReader, FileTruncatedAfterReadingKeepsItsBytes) {
    // A mapping of the file would die with SIGBUS here.
    TestDir dir;
    const QByteArray bytes = Pattern(1 << 20);
    dir.Write("a.bmp", bytes);
    TBmpFileReader reader;
    reader.Read(dir.Path() + "a.bmp");
    Truncate(dir.Path() + "a.bmp", 0);
    EXPECT_EQ(Bytes(reader), bytes);
}

TEST(BmpFileReader, FileThatShrinksAfterOpeningIsAnOpenError) {
    TestDir dir;
    const QString path = dir.Path() + "a.bmp";
    WriteFile(path, Pattern(200000));
    TBmpFileReader reader;
    reader.Open(path);
    Truncate(path, 1000);
    EXPECT_EQ(ErrorOf([&] { reader.ReadOpened(); }), "Cannot open file " + path);
    EXPECT_EQ(reader.Size(), 0u);
    // The reader stays usable.
    WriteFile(path, "BM");
    reader.Read(path);
    EXPECT_EQ(Bytes(reader), QByteArray("BM"));
}

TEST(BmpFileReader, FileThatGrowsAfterOpeningIsReadAsItWasThen) {
    TestDir dir;
    const QString path = dir.Path() + "a.bmp";
    WriteFile(path, "BM1234");
    TBmpFileReader reader;
    reader.Open(path);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("tail");
    f.close();
    reader.ReadOpened();
    EXPECT_EQ(Bytes(reader), QByteArray("BM1234"));
}

TEST(BmpFileReader, WhatIsNoReadableRegularFileIsAnOpenError) {
    TestDir dir;
    QDir().mkpath(dir.Path() + "folder.bmp");
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.Path() + "pipe.bmp").constData(), 0600), 0);
    TBmpFileReader reader;
    for (const QString name : {"missing.bmp", "folder.bmp", "pipe.bmp"}) {
        const QString path = dir.Path() + name;
        EXPECT_EQ(ErrorOf([&] { reader.Read(path); }), "Cannot open file " + path);
        EXPECT_EQ(reader.Size(), 0u);
    }
    EXPECT_EQ(ErrorOf([&] { reader.ReadOpened(); }), "Cannot open file " + dir.Path() + "pipe.bmp");
}

TEST(BmpFileReader, HeadReachesThePixelOffset) {
    TestDir dir;
    const QString path = dir.Path() + "a.bmp";
    QByteArray bytes = Pattern(20000);
    bytes[0] = 'B';
    bytes[1] = 'M';
    // Pixel offset 10000 (little-endian at byte 10): beyond the usual head.
    bytes[10] = char(10000 & 0xFF);
    bytes[11] = char(10000 >> 8);
    bytes[12] = 0;
    bytes[13] = 0;
    WriteFile(path, bytes);
    TBmpFileReader reader;
    reader.Open(path);
    reader.ReadHead();
    EXPECT_EQ(reader.FileSize(), 20000u);
    EXPECT_EQ(Bytes(reader), bytes.left(10000));
    // An offset past the end stops at the end; a file shorter than the head is read whole.
    bytes[12] = 1;
    WriteFile(path, bytes);
    reader.Open(path);
    reader.ReadHead();
    EXPECT_EQ(Bytes(reader), bytes);
    WriteFile(path, "BM");
    reader.Open(path);
    reader.ReadHead();
    EXPECT_EQ(Bytes(reader), QByteArray("BM"));
}

TEST(BmpFileReader, RowsReadAfterTheFileShrankAreAnOpenError) {
    TestDir dir;
    const QString path = dir.Path() + "a.bmp";
    const QByteArray bytes = Pattern(100000);
    WriteFile(path, bytes);
    TBmpFileReader reader;
    reader.Open(path);
    reader.ReadHead();
    const std::uint8_t* run = reader.ReadAt(50000, 1000);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(run), 1000), bytes.mid(50000, 1000));
    Truncate(path, 60000);
    EXPECT_EQ(ErrorOf([&] { reader.ReadAt(59000, 2000); }), "Cannot open file " + path);
}

// ---- Bitmaps read row by row from the file -----------------------------------------------

namespace {

// Fills the padding bytes and the unused low bits of each row's last byte with ones, as a
// careless writer may leave them: the loaded rows must not keep them.
QByteArray DirtyRows(QByteArray rows, int width, int height, int bitCount) {
    const int stride = bmptest::Stride(width, bitCount);
    const int usedBits = width * bitCount;
    for (int r = 0; r < height; ++r) {
        char* row = rows.data() + qsizetype(r) * stride;
        if (usedBits % 8 != 0)
            row[usedBits / 8] = char(row[usedBits / 8] | (0xFF >> (usedBits % 8)));
        for (int i = (usedBits + 7) / 8; i < stride; ++i)
            row[i] = char(0xFF);
    }
    return rows;
}

struct FileCase {
    const char* name;
    int width;
    int height; // negative: top-down
    int bitCount;
    int paletteSize;
    std::uint32_t compression = 0;
};

QByteArray FileOf(const FileCase& c) {
    bmptest::Recipe r;
    r.width = c.width;
    r.height = c.height;
    r.bitCount = c.bitCount;
    r.compression = c.compression;
    const int rows = std::abs(c.height);
    r.palette = bmptest::RandomPalette(c.paletteSize, 5);
    const std::uint64_t limit = c.bitCount <= 8 ? std::uint64_t(c.paletteSize)
                                                : (std::uint64_t(1) << std::min(c.bitCount, 32));
    const bmptest::Grid grid =
        bmptest::RandomGrid(c.width, rows, std::max<std::uint64_t>(1, limit), 9);
    if (c.compression == 1) { // BI_RLE8: one literal run per pixel pair, row by row
        for (int fileRow = 0; fileRow < rows; ++fileRow) {
            for (int x = 0; x < c.width; ++x)
                r.pixels += bmptest::Bytes({1, int(grid.At(x, rows - 1 - fileRow))});
            r.pixels += bmptest::Bytes({0, fileRow == rows - 1 ? 1 : 0});
        }
    } else {
        r.pixels =
            DirtyRows(bmptest::Pack(grid, c.bitCount, c.height < 0), c.width, rows, c.bitCount);
    }
    return bmptest::Build(r);
}

class ReadBmpFileCase : public ::testing::TestWithParam<FileCase> {};

} // namespace

TEST_P(ReadBmpFileCase, GivesWhatDecodingTheWholeFileGives) {
    TestDir dir;
    const QByteArray bytes = FileOf(GetParam());
    dir.Write("a.bmp", bytes);
    const TBitmap expected = ReadBmp(bytes);
    const TBitmap loaded = ReadBmpFile(dir.File("a.bmp"));
    EXPECT_TRUE(loaded == expected);
    EXPECT_EQ(loaded.Width(), GetParam().width);
    EXPECT_EQ(loaded.Height(), std::abs(GetParam().height));
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ReadBmpFileCase,
    ::testing::Values(FileCase{"mono_odd_width", 13, 7, 1, 2},
                      FileCase{"nibbles_top_down", 9, -5, 4, 16},
                      FileCase{"bytes_short_palette", 11, 6, 8, 40}, FileCase{"words", 7, 9, 16, 0},
                      FileCase{"rgb", 5, 4, 24, 0}, FileCase{"rgb_top_down", 6, -3, 24, 0},
                      FileCase{"quads", 3, 5, 32, 0},
                      // More rows than one read brings (about 256 KiB), both directions.
                      FileCase{"rgb_many_runs", 301, 419, 24, 0},
                      FileCase{"rgb_many_runs_top_down", 301, -419, 24, 0},
                      FileCase{"rle8", 10, 4, 8, 256, 1}, FileCase{"empty", 0, 0, 24, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadBmpFile, FailsAsDecodingTheWholeFileFails) {
    TestDir dir;
    FileCase c{"", 8, 4, 8, 4};
    const QByteArray good = FileOf(c);
    // An index beyond the short palette, in the last row of the file.
    QByteArray outside = good;
    outside[outside.size() - 1] = char(200);
    // Rows cut short.
    const QByteArray truncated = good.left(good.size() - 3);
    for (const QByteArray& bytes : {outside, truncated}) {
        dir.Write("bad.bmp", bytes);
        EXPECT_EQ(ErrorOf([&] { ReadBmp(bytes); }), "Bitmap image is not valid");
        EXPECT_EQ(ErrorOf([&] { ReadBmpFile(dir.File("bad.bmp")); }), "Bitmap image is not valid");
    }
    EXPECT_EQ(ErrorOf([&] { ReadBmpFile(dir.File("missing.bmp")); }),
              "Cannot open file " + dir.File("missing.bmp"));
}
