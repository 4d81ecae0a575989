#pragma once
// A small BMP encoder for tests, independent of the codec under test: every header field is
// set by hand, so files the codec must read (or refuse) are made without the codec.

#include <QByteArray>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

namespace bmptest {

// Pixel values of a picture, row 0 at the top.
struct Grid {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> values; // width * height, row-major from the top

    std::uint32_t At(int x, int y) const { return values[std::size_t(y) * width + x]; }
};

struct Recipe {
    int headerSize = 40;
    std::int32_t width = 0;
    std::int32_t height = 0; // negative: top-down
    int bitCount = 24;
    std::uint32_t compression = 0;
    std::vector<std::uint32_t> palette;   // 0x00RRGGBB
    std::vector<std::uint32_t> masks;     // R, G, B[, A]: after a 40-byte header, else inside
    std::optional<std::uint32_t> clrUsed; // default: palette size (0 for the core header)
    std::optional<std::uint32_t> offBits; // default: right after the palette
    std::optional<std::uint32_t> sizeImage;
    std::optional<int> entrySize; // bytes per palette entry; default 3 (core header) or 4
    QByteArray pixels;            // the pixel data exactly as stored in the file
};

inline QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

inline void Put(QByteArray& b, std::size_t at, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        b[qsizetype(at + std::size_t(i))] = char((v >> (8 * i)) & 0xFF);
}

inline QByteArray Build(const Recipe& s) {
    const bool core = s.headerSize == 12;
    const bool masksAfter = s.headerSize == 40 && !s.masks.empty();
    const std::size_t entry = std::size_t(s.entrySize.value_or(core ? 3 : 4));
    const std::size_t tableStart =
        14 + std::size_t(s.headerSize) + (masksAfter ? 4 * s.masks.size() : 0);
    const std::size_t paletteEnd = tableStart + entry * s.palette.size();
    const std::uint32_t off = s.offBits.value_or(std::uint32_t(paletteEnd));
    const std::size_t headEnd = std::max<std::size_t>(paletteEnd, off);
    QByteArray b(qsizetype(headEnd), '\0');
    b[0] = 'B';
    b[1] = 'M';
    Put(b, 2, std::uint32_t(headEnd + std::size_t(s.pixels.size())), 4);
    Put(b, 10, off, 4);
    Put(b, 14, std::uint32_t(s.headerSize), 4);
    if (core) {
        Put(b, 18, std::uint32_t(s.width), 2);
        Put(b, 20, std::uint32_t(s.height), 2);
        Put(b, 22, 1, 2);
        Put(b, 24, std::uint32_t(s.bitCount), 2);
    } else {
        // A shortened (OS/2 2.x) header holds only the fields that fit.
        const auto field = [&](std::size_t at, std::uint32_t v, int bytes) {
            if (at + std::size_t(bytes) <= 14 + std::size_t(s.headerSize))
                Put(b, at, v, bytes);
        };
        field(18, std::uint32_t(s.width), 4);
        field(22, std::uint32_t(s.height), 4);
        field(26, 1, 2);
        field(28, std::uint32_t(s.bitCount), 2);
        field(30, s.compression, 4);
        field(34, s.sizeImage.value_or(std::uint32_t(s.pixels.size())), 4);
        field(46, s.clrUsed.value_or(std::uint32_t(s.palette.size())), 4);
        for (std::size_t i = 0; i < s.masks.size(); ++i)
            Put(b, 14 + 40 + 4 * i, s.masks[i], 4); // same offset after or inside the header
        if (s.headerSize >= 108)
            Put(b, 14 + 56, 0x73524742, 4);
    }
    for (std::size_t i = 0; i < s.palette.size(); ++i) {
        const std::size_t at = tableStart + entry * i;
        b[qsizetype(at)] = char(s.palette[i] & 0xFF);
        b[qsizetype(at + 1)] = char((s.palette[i] >> 8) & 0xFF);
        b[qsizetype(at + 2)] = char((s.palette[i] >> 16) & 0xFF);
    }
    return b + s.pixels;
}

inline int Stride(int width, int bitCount) {
    return ((width * bitCount + 31) / 32) * 4;
}

// Packs a grid into uncompressed rows (bottom row first unless topDown), padding zero.
inline QByteArray Pack(const Grid& g, int bitCount, bool topDown) {
    const int stride = Stride(g.width, bitCount);
    QByteArray out(qsizetype(stride) * g.height, '\0');
    for (int fileRow = 0; fileRow < g.height; ++fileRow) {
        const int y = topDown ? fileRow : g.height - 1 - fileRow;
        auto* row = reinterpret_cast<std::uint8_t*>(out.data()) + std::size_t(fileRow) * stride;
        for (int x = 0; x < g.width; ++x) {
            const std::uint32_t v = g.At(x, y);
            if (bitCount < 8) {
                const int perByte = 8 / bitCount;
                const int shift = 8 - bitCount * (x % perByte + 1);
                row[x / perByte] |= std::uint8_t(v << shift);
            } else {
                for (int i = 0; i < bitCount / 8; ++i)
                    row[x * (bitCount / 8) + i] = std::uint8_t(v >> (8 * i));
            }
        }
    }
    return out;
}

// Deterministic pseudo-random values below limit (a 64-bit LCG; no global state).
inline Grid RandomGrid(int width, int height, std::uint64_t limit, std::uint64_t seed) {
    Grid g{width, height, {}};
    g.values.resize(std::size_t(width) * height);
    std::uint64_t s = seed * 6364136223846793005ull + 1442695040888963407ull;
    for (auto& v : g.values) {
        s = s * 6364136223846793005ull + 1442695040888963407ull;
        v = std::uint32_t((s >> 24) % limit);
    }
    return g;
}

inline std::vector<std::uint32_t> RandomPalette(int n, std::uint64_t seed) {
    auto p = std::vector<std::uint32_t>(std::size_t(n));
    std::uint64_t s = seed + 99;
    for (auto& c : p) {
        s = s * 6364136223846793005ull + 1442695040888963407ull;
        c = std::uint32_t(s >> 40) & 0xFFFFFF;
    }
    return p;
}

} // namespace bmptest
