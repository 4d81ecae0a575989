// Writes bitmaps for the batch benchmark and for the bundled samples.
//
//   varnova_makedata bench DIR [COUNT [WIDTH HEIGHT]]
//       DIR/work.bmp and DIR/src/img0000.bmp ... : 24-bit pictures (default 200 of 1024 x 768)
//   varnova_makedata pairs DIR [COUNT [WIDTH HEIGHT]]
//       DIR/work-<format>.bmp and DIR/src-<format>/ : a working picture and COUNT sources
//       (default 20 of 1024 x 768) in each pixel format, for the format-pair benchmark
//   varnova_makedata samples DIR
//       DIR/work.bmp and DIR/sources/ : a few small pictures in several pixel formats
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/image/bitmap.h"
#include "platform/image/bmpcodec.h"

using vexo::TBitmap;

namespace {

void Save(const QByteArray& bytes, const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

// A smooth colour field with a few rings, different for every seed.
std::uint32_t Colour(int x, int y, int w, int h, int seed) {
    const double cx = w * (0.3 + 0.1 * (seed % 5)), cy = h * (0.4 + 0.07 * (seed % 7));
    const double d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
    const int ring = int(d / (8 + seed % 9)) & 1;
    const std::uint32_t r = std::uint32_t((x * 255) / std::max(1, w - 1)) ^ (ring ? 0x40u : 0u);
    const std::uint32_t g = std::uint32_t((y * 255) / std::max(1, h - 1));
    const std::uint32_t b = std::uint32_t((seed * 37 + x + y) & 0xFF);
    return (r << 16) | (g << 8) | b;
}

// 16-bit pictures are 5-6-5 unless `rgb555` asks for the plain 5-5-5 layout.
TBitmap Picture(int w, int h, int bits, int seed, bool rgb555 = false) {
    TBitmap bmp(w, h, bits);
    if (bits == 16 && !rgb555)
        bmp.SetBitFields(vexo::TBitFields{0xF800, 0x07E0, 0x001F, 0}); // 5-6-5
    if (bits <= 8) {
        // A colour palette instead of the grey one.
        QVector<std::uint32_t> palette(1 << bits);
        for (int i = 0; i < palette.size(); ++i)
            palette[i] = Colour(i * 7 % 64, i * 3 % 64, 64, 64, seed + i);
        bmp.SetPalette(palette);
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t c = Colour(x, y, w, h, seed);
            std::uint32_t v = 0;
            switch (bits) {
            case 1:
                v = ((x / 8 + y / 8 + seed) & 1);
                break;
            case 4:
                v = (c >> 4) & 0x0F;
                break;
            case 8:
                v = (c ^ (c >> 8)) & 0xFF;
                break;
            case 16:
                v = rgb555 ? ((c >> 9) & 0x7C00) | ((c >> 6) & 0x03E0) | ((c >> 3) & 0x1F)
                           : ((c >> 8) & 0xF800) | ((c >> 5) & 0x07E0) | ((c >> 3) & 0x1F);
                break;
            default:
                v = c;
                break;
            }
            bmp.SetPixelValue(x, y, v);
        }
    }
    return bmp;
}

// A 4 or 8-bit picture stored with run-length encoding (BI_RLE4 / BI_RLE8), bottom-up, as
// an encoder does it: runs of three or more equal pixels as encoded runs, the stretches
// between them in absolute mode.
QByteArray Rle(const TBitmap& bmp) {
    const bool four = bmp.BitCount() == 4;
    const int w = bmp.Width();
    QByteArray pixels;
    for (int y = bmp.Height() - 1; y >= 0; --y) {
        const auto runAt = [&](int x) {
            int run = 1;
            while (x + run < w && run < 255 && bmp.PixelValue(x + run, y) == bmp.PixelValue(x, y))
                ++run;
            return run;
        };
        int x = 0;
        while (x < w) {
            int run = runAt(x);
            if (run >= 3) {
                const std::uint32_t v = bmp.PixelValue(x, y);
                pixels.append(char(run));
                pixels.append(char(four ? v * 0x11 : v));
                x += run;
                continue;
            }
            int n = 0;
            while (x + n < w && n < 255 && runAt(x + n) < 3)
                ++n;
            if (n < 3) { // too short for absolute mode
                for (int i = 0; i < n; ++i) {
                    const std::uint32_t v = bmp.PixelValue(x + i, y);
                    pixels.append('\1');
                    pixels.append(char(four ? v * 0x11 : v));
                }
            } else {
                QByteArray literal;
                for (int i = 0; i < n; ++i) {
                    const std::uint32_t v = bmp.PixelValue(x + i, y);
                    if (!four)
                        literal.append(char(v));
                    else if (i % 2 == 0)
                        literal.append(char(v << 4));
                    else
                        literal[literal.size() - 1] = char(literal.back() | char(v));
                }
                if (literal.size() % 2 != 0)
                    literal.append('\0');
                pixels.append('\0');
                pixels.append(char(n));
                pixels.append(literal);
            }
            x += n;
        }
        pixels.append('\0');
        pixels.append(y == 0 ? '\1' : '\0'); // end of line / end of bitmap
    }
    QByteArray header = vexo::WriteBmpHeader(bmp);
    auto put32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            header[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    put32(2, std::uint32_t(header.size() + pixels.size())); // file size
    put32(30, four ? 2 : 1);                                // BI_RLE4 / BI_RLE8
    put32(34, std::uint32_t(pixels.size()));                // image size
    return header + pixels;
}

int Bench(const QString& dir, int count, int w, int h) {
    QDir().mkpath(dir + "/src");
    Save(vexo::WriteBmp(Picture(w, h, 24, 1000)), dir + "/work.bmp");
    // One source picture, varied per file by a cheap stripe so that files differ.
    const TBitmap base = Picture(w, h, 24, 1);
    for (int i = 0; i < count; ++i) {
        TBitmap bmp = base;
        for (int x = 0; x < w; ++x)
            bmp.SetPixelValue(x, i % h, std::uint32_t(i * 2654435761u) & 0xFFFFFF);
        Save(vexo::WriteBmp(bmp),
             dir + QStringLiteral("/src/img%1.bmp").arg(i, 4, 10, QLatin1Char('0')));
    }
    return 0;
}

// The pixel formats of the format-pair benchmark: every one a working picture can have
// (the first seven) and the run-length encoded ones a source may have besides.
struct TFormat {
    const char* Name;
    int Bits;
    bool Rgb555;
    bool RunLength;
};
constexpr TFormat Formats[] = {
    {"1", 1, false, false},   {"4", 4, false, false},    {"8", 8, false, false},
    {"555", 16, true, false}, {"565", 16, false, false}, {"24", 24, false, false},
    {"32", 32, false, false}, {"rle4", 4, false, true},  {"rle8", 8, false, true},
};

QByteArray Encode(const TBitmap& bmp, const TFormat& f) {
    return f.RunLength ? Rle(bmp) : vexo::WriteBmp(bmp);
}

// DIR/work-<format>.bmp for the working-picture formats and DIR/src-<format>/ with COUNT
// sources for every format.
int Pairs(const QString& dir, int count, int w, int h) {
    for (const TFormat& f : Formats) {
        const QString name = QString::fromLatin1(f.Name);
        if (!f.RunLength)
            Save(Encode(Picture(w, h, f.Bits, 1000, f.Rgb555), f), dir + "/work-" + name + ".bmp");
        const QString folder = dir + "/src-" + name;
        QDir().mkpath(folder);
        TBitmap base = Picture(w, h, f.Bits, 1, f.Rgb555);
        for (int i = 0; i < count; ++i) {
            // A stripe of another value per file, so that files differ.
            TBitmap bmp = base;
            const std::uint32_t stripe =
                std::uint32_t(i * 2654435761u) & (f.Bits >= 24 ? 0xFFFFFFu : (1u << f.Bits) - 1);
            for (int x = 0; x < w; ++x)
                bmp.SetPixelValue(x, i % h, stripe);
            Save(Encode(bmp, f),
                 folder + QStringLiteral("/img%1.bmp").arg(i, 4, 10, QLatin1Char('0')));
        }
    }
    return 0;
}

int Samples(const QString& dir) {
    QDir().mkpath(dir + "/sources");
    Save(vexo::WriteBmp(Picture(160, 120, 24, 42)), dir + "/work.bmp");
    const QString s = dir + "/sources/";
    Save(vexo::WriteBmp(Picture(160, 120, 24, 1)), s + "Autumn.bmp");
    Save(vexo::WriteBmp(Picture(200, 150, 32, 2)), s + "bridge.BMP");
    Save(vexo::WriteBmp(Picture(160, 120, 16, 3)), s + "Clouds.bmp");
    Save(vexo::WriteBmp(Picture(160, 120, 8, 4)), s + "dunes.bmp");
    Save(vexo::WriteBmp(Picture(120, 90, 4, 5)), s + "Garden10.bmp");
    Save(vexo::WriteBmp(Picture(160, 120, 1, 6)), s + "garden9.bmp");
    Save(Rle(Picture(160, 120, 8, 7)), s + "harbour_rle.bmp");
    Save("not a picture, and not named like one\n", s + "readme.txt");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const QString what = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (what == "bench" && argc >= 3) {
        const int count = argc > 3 ? std::atoi(argv[3]) : 200;
        const int w = argc > 5 ? std::atoi(argv[4]) : 1024;
        const int h = argc > 5 ? std::atoi(argv[5]) : 768;
        return Bench(QString::fromLocal8Bit(argv[2]), count, w, h);
    }
    if (what == "pairs" && argc >= 3) {
        const int count = argc > 3 ? std::atoi(argv[3]) : 20;
        const int w = argc > 5 ? std::atoi(argv[4]) : 1024;
        const int h = argc > 5 ? std::atoi(argv[5]) : 768;
        return Pairs(QString::fromLocal8Bit(argv[2]), count, w, h);
    }
    if (what == "samples" && argc == 3)
        return Samples(QString::fromLocal8Bit(argv[2]));
    std::fprintf(stderr, "usage: varnova_makedata bench DIR [COUNT [WIDTH HEIGHT]]\n"
                         "       varnova_makedata pairs DIR [COUNT [WIDTH HEIGHT]]\n"
                         "       varnova_makedata samples DIR\n");
    return 64;
}
