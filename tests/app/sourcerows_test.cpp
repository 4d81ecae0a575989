#include "app/sourcerows.h"

#include <cstring>
#include <gtest/gtest.h>

#include "batchfixture.h"
#include "platform/runtime/exception.h"
#include "support/testdir.h"

using namespace varnova;
using namespace batchtest;

namespace {

// Flips the file to top-down: negative height, rows in top-first order.
QByteArray TopDown(const vexo::TBitmap& bmp) {
    QByteArray bytes = vexo::WriteBmpHeader(bmp);
    const qint32 height = -bmp.Height();
    std::memcpy(bytes.data() + 22, &height, 4);
    for (int y = 0; y < bmp.Height(); ++y)
        bytes.append(reinterpret_cast<const char*>(bmp.ScanLine(y)), bmp.RowBytes());
    return bytes;
}

struct RowsCase {
    const char* Name;
    std::function<QByteArray()> File;
};

class SourceRowsLayouts : public ::testing::TestWithParam<RowsCase> {};

// Every way of reading a source gives the rows and format the codec decodes, in any order.
TEST_P(SourceRowsLayouts, RowsAreThoseOfTheDecodedBitmap) {
    TestDir dir;
    const QByteArray file = GetParam().File();
    WriteFile(dir.Path() + "s.bmp", file);
    const vexo::TBitmap expected = vexo::ReadBmp(file);
    TSourceRows rows;
    rows.Open(dir.Path() + "s.bmp");
    ASSERT_EQ(rows.Width(), expected.Width());
    ASSERT_EQ(rows.Height(), expected.Height());
    EXPECT_EQ(rows.Format(), vexo::TPixelFormat::Of(expected));
    const std::size_t used = std::size_t(expected.Width() * expected.BitCount() + 7) / 8;
    const auto check = [&](int y) {
        EXPECT_EQ(std::memcmp(rows.Row(y), expected.ScanLine(y), used), 0) << "row " << y;
    };
    for (int y = expected.Height() - 1; y >= 0; --y)
        check(y);
    for (int y : {0, expected.Height() - 1, expected.Height() / 2}) // out of order: read again
        check(y);
    rows.Finish();
}

vexo::TBitmap Tall() {
    return Picture(300, 400, 24, 2); // 900-byte rows: several runs of rows
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, SourceRowsLayouts,
    ::testing::Values(RowsCase{"streamed", [] { return vexo::WriteBmp(Tall()); }},
                      RowsCase{"topdown", [] { return TopDown(Picture(21, 9, 8, 3)); }},
                      RowsCase{"shortpalette",
                               [] {
                                   vexo::TBitmap b(7, 3, 8);
                                   b.SetPalette({0x102030, 0x405060, 0x708090});
                                   b.SetPixelValue(3, 1, 2);
                                   return vexo::WriteBmp(b);
                               }}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(SourceRows, FileCutShortWhileStreamedIsAnOpenError) {
    TestDir dir;
    WriteFile(dir.Path() + "s.bmp", vexo::WriteBmp(Tall()));
    TSourceRows rows;
    rows.Open(dir.Path() + "s.bmp");
    rows.Row(rows.Height() - 1);
    ASSERT_EQ(::truncate(QFile::encodeName(dir.Path() + "s.bmp").constData(), 2000), 0);
    EXPECT_THROW(
        {
            for (int y = rows.Height() - 1; y >= 0; --y)
                rows.Row(y);
        },
        vexo::EFOpenError);
}

} // namespace
