#include "app/filecombiner.h"

#include <QtEndian>
#include <gtest/gtest.h>
#include <vector>

#include "batchfixture.h"
#include "platform/runtime/exception.h"
#include "support/testdir.h"

using namespace varnova;
using namespace batchtest;

namespace {

struct Case {
    int WorkBits;
    int SourceBits;
    int SourceWidth;
    int SourceHeight;
};

// A working picture of 21 x 13: odd widths exercise row padding and sub-byte pixels.
class FileCombinerFormats : public ::testing::TestWithParam<Case> {};

TEST_P(FileCombinerFormats, EveryModeGivesTheBytesOfLoadingCombiningAndSaving) {
    const Case c = GetParam();
    TestDir dir;
    const QString work = dir.File("work.bmp");
    WriteBitmap(work, Picture(21, 13, c.WorkBits, 5));
    WriteBitmap(dir.File("src/s.bmp"), Picture(c.SourceWidth, c.SourceHeight, c.SourceBits, 6));
    QDir().mkpath(dir.Path() + "out");
    TWorkImageCache cache;
    TFileCombiner combiner(cache);
    for (int mode = 0; mode < ModeCount; ++mode) {
        const TBatchSettings s =
            TBatchSettings{dir.Path() + "src", work, dir.Path() + "out", mode, 0}.Normalized();
        TResultFile result = combiner.Combine(s, "s.bmp");
        result.Commit();
        EXPECT_EQ(ReadFile(dir.Path() + "out/s.bmp"),
                  Expected(work, dir.Path() + "src/s.bmp", mode))
            << "mode " << mode;
    }
    EXPECT_EQ(cache.Loads(), 1);
}

INSTANTIATE_TEST_SUITE_P(Formats, FileCombinerFormats,
                         ::testing::Values(Case{24, 24, 21, 13}, Case{24, 24, 40, 30},
                                           Case{24, 24, 9, 5}, Case{24, 8, 21, 13},
                                           Case{24, 1, 30, 20}, Case{24, 16, 21, 13},
                                           Case{32, 24, 21, 13}, Case{8, 24, 21, 13},
                                           Case{8, 8, 25, 7}, Case{4, 32, 21, 13},
                                           Case{1, 24, 21, 13}, Case{16, 4, 21, 13},
                                           Case{16, 16, 10, 20}, Case{32, 32, 21, 13}));

class FileCombinerTest : public ::testing::Test {
protected:
    void SetUp() override {
        work = dir.File("work.bmp");
        WriteBitmap(work, Picture(16, 8, 24, 1));
        QDir().mkpath(dir.Path() + "out");
    }
    TBatchSettings Settings(int mode = StartModeIndex) const {
        return TBatchSettings{dir.Path() + "src/", work, dir.Path() + "out/", mode, 0};
    }
    QString ErrorOf(const TBatchSettings& s, const QString& name) {
        try {
            combiner.Combine(s, name);
        } catch (const vexo::Exception& e) {
            return e.Message();
        }
        return "no error";
    }

    TestDir dir;
    QString work;
    TWorkImageCache cache;
    TFileCombiner combiner{cache};
};

TEST_F(FileCombinerTest, RunLengthEncodedSourceIsDecoded) {
    // 4 x 2 pixels, BI_RLE8: row 1 (bottom) = 3 x index 1 + index 2, row 0 = 4 x index 3.
    vexo::TBitmap shape(4, 2, 8);
    QByteArray bytes = vexo::WriteBmpHeader(shape);
    const char rle[] = {3, 1, 1, 2, 0, 0, 4, 3, 0, 1};
    const QByteArray pixels(rle, sizeof rle);
    bytes[30] = 1; // compression
    const quint32 size = quint32(bytes.size() + pixels.size());
    for (int i = 0; i < 4; ++i) {
        bytes[2 + i] = char((size >> (8 * i)) & 0xFF);
        bytes[34 + i] = char((quint32(pixels.size()) >> (8 * i)) & 0xFF); // image size
    }
    WriteFile(dir.Path() + "src/r.bmp", bytes + pixels);
    TResultFile result = combiner.Combine(Settings(10), "r.bmp");
    result.Commit();
    EXPECT_EQ(ReadFile(dir.Path() + "out/r.bmp"), Expected(work, dir.Path() + "src/r.bmp", 10));
}

TEST_F(FileCombinerTest, SourceErrorsComeBeforeTheWorkingPictureIsNoBitmap) {
    WriteFile(dir.Path() + "src/bad.bmp", "BMxx");
    EXPECT_EQ(ErrorOf(Settings(), "bad.bmp"), "Bitmap image is not valid");
    EXPECT_EQ(ErrorOf(Settings(), "missing.bmp"),
              "Cannot open file " + dir.Path() + "src/missing.bmp");
    EXPECT_TRUE(Entries(dir.Path() + "out").isEmpty());
}

TEST_F(FileCombinerTest, PixelsFarBehindTheHeadersAreFound) {
    // A gap of 9000 bytes between palette and pixels, as some writers leave.
    QByteArray bytes = vexo::WriteBmp(Picture(21, 13, 8, 4));
    const quint32 offBits = quint32(qFromLittleEndian<quint32>(bytes.constData() + 10)) + 9000;
    bytes.insert(qsizetype(offBits - 9000), QByteArray(9000, '\x7F'));
    qToLittleEndian<quint32>(quint32(bytes.size()), bytes.data() + 2);
    qToLittleEndian<quint32>(offBits, bytes.data() + 10);
    WriteFile(dir.Path() + "src/g.bmp", bytes);
    TResultFile result = combiner.Combine(Settings(6), "g.bmp");
    result.Commit();
    EXPECT_EQ(ReadFile(dir.Path() + "out/g.bmp"), Expected(work, dir.Path() + "src/g.bmp", 6));
}

// The combiner parses a source from its head alone (the bytes before the pixel offset) and
// reads the rows later: the parser must not look further. AddressSanitizer sees any read past
// the exactly sized head.
TEST(BmpHeaderFromTheHead, ParserReadsNothingFromThePixelOffsetOn) {
    vexo::TBitmap fields(5, 3, 32);
    fields.SetBitFields(vexo::TBitFields{0xFF0000, 0xFF00, 0xFF, 0xFF000000u});
    for (const vexo::TBitmap& bmp : {Picture(7, 3, 24, 1), Picture(7, 3, 8, 2), Picture(7, 3, 1, 3),
                                     Picture(7, 3, 16, 1), fields}) {
        const QByteArray file = vexo::WriteBmp(bmp);
        const std::size_t offBits = qFromLittleEndian<quint32>(file.constData() + 10);
        const std::vector<std::uint8_t> head(file.constData(), file.constData() + offBits);
        const vexo::TBmpLayout layout = vexo::ParseBmpHeader(head.data(), std::size_t(file.size()));
        EXPECT_EQ(layout.PixelOffset, offBits);
        EXPECT_EQ(layout.Width, 7 - 2 * (bmp.BitCount() == 32));
    }
}

TEST_F(FileCombinerTest, PaletteIndexBeyondAShortPaletteIsRefused) {
    vexo::TBitmap bmp(4, 2, 8);
    bmp.SetPalette({0x000000, 0xFFFFFF});
    bmp.SetPixelValue(3, 1, 7);
    WriteBitmap(dir.Path() + "src/p.bmp", bmp);
    EXPECT_EQ(ErrorOf(Settings(), "p.bmp"), "Bitmap image is not valid");
    EXPECT_TRUE(Entries(dir.Path() + "out").isEmpty());
}

TEST_F(FileCombinerTest, NamedPipeIsRefusedInsteadOfWaitedFor) {
    QDir().mkpath(dir.Path() + "src");
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.Path() + "src/pipe.bmp").constData(), 0600), 0);
    EXPECT_EQ(ErrorOf(Settings(), "pipe.bmp"), "Cannot open file " + dir.Path() + "src/pipe.bmp");
}

TEST_F(FileCombinerTest, ModeOutsideTheTableIsAnError) {
    WriteBitmap(dir.Path() + "src/a.bmp", Picture(4, 4, 24, 1));
    EXPECT_EQ(ErrorOf(Settings(15), "a.bmp"), "Invalid raster-operation mode 15");
    EXPECT_EQ(ErrorOf(Settings(-1), "a.bmp"), "Invalid raster-operation mode -1");
}

TEST_F(FileCombinerTest, ResultIsOnlyATemporaryFileUntilCommitted) {
    WriteBitmap(dir.Path() + "src/a.bmp", Picture(4, 4, 24, 1));
    {
        TResultFile result = combiner.Combine(Settings(), "a.bmp");
        EXPECT_FALSE(QFile::exists(dir.Path() + "out/a.bmp"));
        EXPECT_TRUE(QFile::exists(result.TempPath()));
    }
    EXPECT_TRUE(Entries(dir.Path() + "out").isEmpty());
}

} // namespace
