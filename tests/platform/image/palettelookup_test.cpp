// Paletted targets fed from direct colours look their entries up in tables; the entry must be
// exactly the one a search of the palette gives for every colour, ties to the lowest index.
#include <gtest/gtest.h>
#include <random>
#include <vector>

#include "bmpbuilder.h"
#include "platform/image/bitmap.h"
#include "platform/image/pixelconverter.h"
#include "platform/image/pixelformat.h"

using namespace vexo;

namespace {

struct PaletteCase {
    const char* name;
    int bitCount;
    QVector<std::uint32_t> palette;
};

QVector<std::uint32_t> Random(int n, std::uint64_t seed) {
    const auto p = bmptest::RandomPalette(n, seed);
    return QVector<std::uint32_t>(p.begin(), p.end());
}

std::vector<PaletteCase> PaletteCases() {
    // Entries placed so that many colours lie at equal distance from two or more of them,
    // listed with the farther-down index first, and an entry repeated.
    QVector<std::uint32_t> ties = {0x101010, 0x000000, 0x202020, 0x101010, 0x0C1014,
                                   0x14100C, 0xF0F0F0, 0x808080, 0x7F7F7F, 0x818181};
    QVector<std::uint32_t> mono = {0x000000, 0xFFFFFF};
    QVector<std::uint32_t> close = {0x404040, 0x414141};
    QVector<std::uint32_t> wide = Random(16, 3);
    wide[0] |= 0xFF000000u; // the top byte is no colour
    return {
        {"mono", 1, mono},
        {"mono_close", 1, close},
        {"mono_one_entry", 1, {0x123456}},
        {"nibble_random", 4, wide},
        {"nibble_ties", 4, ties},
        {"nibble_short", 4, Random(5, 11)},
        {"nibble_none", 4, {}},
        {"byte_random", 8, Random(256, 7)},
        {"byte_ties", 8, ties},
    };
}

// Every colour whose channels are at a cell's edge (8k and 8k + 7), and random ones.
std::vector<std::uint32_t> Colours() {
    std::vector<std::uint32_t> out;
    for (std::uint32_t r = 0; r < 64; ++r)
        for (std::uint32_t g = 0; g < 64; ++g)
            for (std::uint32_t b = 0; b < 64; ++b) {
                const auto edge = [](std::uint32_t k) { return 8 * (k / 2) + 7 * (k % 2); };
                out.push_back((edge(r) << 16) | (edge(g) << 8) | edge(b));
            }
    std::mt19937 rng(5);
    for (int i = 0; i < 40000; ++i)
        out.push_back(rng() & 0xFFFFFF);
    return out;
}

// The entry a search gives: exact for 1 and 4 bits, after the channel reduction for 8.
std::uint32_t Expected(const PaletteCase& c, std::uint32_t rgb) {
    const int usable = std::min<int>(int(c.palette.size()), 1 << c.bitCount);
    if (c.bitCount == 8) {
        const auto reduce = [](std::uint32_t v) { return (v & ~7u) + 4; };
        rgb =
            (reduce(rgb >> 16 & 0xFF) << 16) | (reduce(rgb >> 8 & 0xFF) << 8) | reduce(rgb & 0xFF);
    }
    return std::uint32_t(NearestPaletteIndex(c.palette, usable, rgb));
}

std::uint32_t IndexAt(const std::vector<std::uint8_t>& row, int bitCount, std::size_t x) {
    if (bitCount == 1)
        return (row[x / 8] >> (7 - x % 8)) & 1u;
    if (bitCount == 4)
        return (row[x / 2] >> (x % 2 ? 0 : 4)) & 0xFu;
    return row[x];
}

class PaletteLookup : public ::testing::TestWithParam<PaletteCase> {};

} // namespace

TEST_P(PaletteLookup, EveryColourOf24And32BitRowsGetsTheSearchedEntry) {
    const PaletteCase& c = GetParam();
    const TPixelFormat target = TPixelFormat::Paletted(c.bitCount, c.palette);
    const std::vector<std::uint32_t> colours = Colours();
    const int n = int(colours.size());
    std::vector<std::uint8_t> rgb24(std::size_t(n) * 3);
    for (std::size_t i = 0; i < colours.size(); ++i)
        for (int k = 0; k < 3; ++k)
            rgb24[3 * i + std::size_t(k)] = std::uint8_t(colours[i] >> (8 * k));
    for (const TPixelFormat& source : {TPixelFormat::Rgb24(), TPixelFormat::Rgb32()}) {
        const std::uint8_t* src = rgb24.data();
        std::vector<std::uint32_t> words;
        if (source.BitCount == 32) {
            // The spare byte set: it is no colour either.
            words.resize(colours.size());
            for (std::size_t i = 0; i < colours.size(); ++i)
                words[i] = colours[i] | 0xAB000000u;
            src = reinterpret_cast<const std::uint8_t*>(words.data());
        }
        TPixelConverter converter(source, target);
        std::vector<std::uint8_t> out(std::size_t(TBitmap::RowBytesFor(n, c.bitCount)));
        converter.ConvertRow(src, n, out.data());
        int wrong = 0;
        for (std::size_t i = 0; i < colours.size() && wrong < 5; ++i) {
            const std::uint32_t want = Expected(c, colours[i]);
            if (IndexAt(out, c.bitCount, i) != want) {
                ++wrong;
                ADD_FAILURE() << source.BitCount << "-bit colour " << std::hex << colours[i]
                              << ": entry " << IndexAt(out, c.bitCount, i) << ", nearest " << want;
            }
            EXPECT_EQ(converter.ConvertColor(colours[i]), want);
        }
    }
}

TEST_P(PaletteLookup, EveryValueOf16BitRowsGetsTheSearchedEntry) {
    const PaletteCase& c = GetParam();
    const TPixelFormat target = TPixelFormat::Paletted(c.bitCount, c.palette);
    TPixelFormat rgb444{16, {}, TBitFields{0x0F00, 0x00F0, 0x000F, 0}};
    TPixelFormat redWide{16, {}, TBitFields{0xFFC0, 0x0038, 0x0007, 0}}; // 10-3-3
    for (const TPixelFormat& source :
         {TPixelFormat::Rgb555(), TPixelFormat::Rgb565(), rgb444, redWide}) {
        // All 65536 values in one row; the bitmap's own colour of each is the reference.
        TBitmap values(65536, 1, 16);
        values.SetBitFields(source.Masks);
        for (int v = 0; v < 65536; ++v)
            values.SetPixelValue(v, 0, std::uint32_t(v));
        TPixelConverter converter(source, target);
        std::vector<std::uint8_t> out(std::size_t(TBitmap::RowBytesFor(65536, c.bitCount)));
        converter.ConvertRow(values.ScanLine(0), 65536, out.data());
        int wrong = 0;
        for (int v = 0; v < 65536 && wrong < 5; ++v) {
            const std::uint32_t want = Expected(c, values.PixelRgb(v, 0));
            if (IndexAt(out, c.bitCount, std::size_t(v)) != want) {
                ++wrong;
                ADD_FAILURE() << "masks " << std::hex << source.EffectiveMasks().Red << " value "
                              << v << ": entry " << IndexAt(out, c.bitCount, std::size_t(v))
                              << ", nearest " << want;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Palettes, PaletteLookup, ::testing::ValuesIn(PaletteCases()),
                         [](const auto& info) { return std::string(info.param.name); });
