#include "app/sourcereader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "batchfixture.h"
#include "platform/runtime/exception.h"
#include "support/testdir.h"

using namespace varnova;
using namespace batchtest;

namespace {

QByteArray Pattern(int size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xFF);
    return bytes;
}

QByteArray Bytes(const TSourceReader& reader) {
    return QByteArray(reinterpret_cast<const char*>(reader.Data()), qsizetype(reader.Size()));
}

void Truncate(const QString& path, off_t size) {
    ASSERT_EQ(::truncate(QFile::encodeName(path).constData(), size), 0);
}

QString ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const vexo::EFOpenError& e) {
        return e.Message();
    }
    return "no error";
}

} // namespace

TEST(SourceReader, ReadsTheWholeFile) {
    TestDir dir;
    const QByteArray bytes = Pattern(300000);
    WriteFile(dir.Path() + "a.bmp", bytes);
    TSourceReader reader;
    reader.Read(dir.Path() + "a.bmp");
    EXPECT_EQ(Bytes(reader), bytes);
}

TEST(SourceReader, ReusedBufferHoldsExactlyTheLatestFile) {
    TestDir dir;
    WriteFile(dir.Path() + "big.bmp", Pattern(5000));
    WriteFile(dir.Path() + "small.bmp", "BM12");
    WriteFile(dir.Path() + "empty.bmp", "");
    TSourceReader reader;
    reader.Read(dir.Path() + "big.bmp");
    reader.Read(dir.Path() + "small.bmp");
    EXPECT_EQ(Bytes(reader), QByteArray("BM12"));
    reader.Read(dir.Path() + "empty.bmp");
    EXPECT_EQ(reader.Size(), 0u);
    reader.Read(dir.Path() + "big.bmp");
    EXPECT_EQ(Bytes(reader), Pattern(5000));
}

TEST(SourceReader, FileTruncatedAfterReadingKeepsItsBytes) {
    // A mapping of the file would die with SIGBUS here.
    TestDir dir;
    const QByteArray bytes = Pattern(1 << 20);
    WriteFile(dir.Path() + "a.bmp", bytes);
    TSourceReader reader;
    reader.Read(dir.Path() + "a.bmp");
    Truncate(dir.Path() + "a.bmp", 0);
    EXPECT_EQ(Bytes(reader), bytes);
}

TEST(SourceReader, FileThatShrinksAfterOpeningIsAnOpenError) {
    TestDir dir;
    const QString path = dir.Path() + "a.bmp";
    WriteFile(path, Pattern(200000));
    TSourceReader reader;
    reader.Open(path);
    Truncate(path, 1000);
    EXPECT_EQ(ErrorOf([&] { reader.ReadOpened(); }), "Cannot open file " + path);
    EXPECT_EQ(reader.Size(), 0u);
    // The reader stays usable.
    WriteFile(path, "BM");
    reader.Read(path);
    EXPECT_EQ(Bytes(reader), QByteArray("BM"));
}

TEST(SourceReader, FileThatGrowsAfterOpeningIsReadAsItWasThen) {
    TestDir dir;
    const QString path = dir.Path() + "a.bmp";
    WriteFile(path, "BM1234");
    TSourceReader reader;
    reader.Open(path);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("tail");
    f.close();
    reader.ReadOpened();
    EXPECT_EQ(Bytes(reader), QByteArray("BM1234"));
}

TEST(SourceReader, WhatIsNoReadableRegularFileIsAnOpenError) {
    TestDir dir;
    QDir().mkpath(dir.Path() + "folder.bmp");
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.Path() + "pipe.bmp").constData(), 0600), 0);
    TSourceReader reader;
    for (const QString name : {"missing.bmp", "folder.bmp", "pipe.bmp"}) {
        const QString path = dir.Path() + name;
        EXPECT_EQ(ErrorOf([&] { reader.Read(path); }), "Cannot open file " + path);
        EXPECT_EQ(reader.Size(), 0u);
    }
    EXPECT_EQ(ErrorOf([&] { reader.ReadOpened(); }), "Cannot open file " + dir.Path() + "pipe.bmp");
}

TEST(SourceReader, HeadReachesThePixelOffset) {
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
    TSourceReader reader;
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

TEST(SourceReader, RowsReadAfterTheFileShrankAreAnOpenError) {
    TestDir dir;
    const QString path = dir.Path() + "a.bmp";
    const QByteArray bytes = Pattern(100000);
    WriteFile(path, bytes);
    TSourceReader reader;
    reader.Open(path);
    reader.ReadHead();
    const std::uint8_t* run = reader.ReadAt(50000, 1000);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(run), 1000), bytes.mid(50000, 1000));
    Truncate(path, 60000);
    EXPECT_EQ(ErrorOf([&] { reader.ReadAt(59000, 2000); }), "Cannot open file " + path);
}
