// Writes bitmaps for the batch benchmark and for the bundled samples.
//
//   varnova_makedata bench DIR [COUNT [WIDTH HEIGHT]]
//       DIR/work.bmp and DIR/src/img0000.bmp ... : 24-bit pictures (default 200 of 1024 x 768)
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

TBitmap Picture(int w, int h, int bits, int seed) {
    TBitmap bmp(w, h, bits);
    if (bits == 16)
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
                v = ((c >> 8) & 0xF800) | ((c >> 5) & 0x07E0) | ((c >> 3) & 0x1F);
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

// An 8-bit picture stored with run-length encoding (BI_RLE8), bottom-up.
QByteArray Rle8(const TBitmap& bmp) {
    QByteArray pixels;
    for (int y = bmp.Height() - 1; y >= 0; --y) {
        const std::uint8_t* row = bmp.ScanLine(y);
        int x = 0;
        while (x < bmp.Width()) {
            int run = 1;
            while (x + run < bmp.Width() && run < 255 && row[x + run] == row[x])
                ++run;
            pixels.append(char(run));
            pixels.append(char(row[x]));
            x += run;
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
    put32(30, 1);                                           // BI_RLE8
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
    Save(Rle8(Picture(160, 120, 8, 7)), s + "harbour_rle.bmp");
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
    if (what == "samples" && argc == 3)
        return Samples(QString::fromLocal8Bit(argv[2]));
    std::fprintf(stderr, "usage: varnova_makedata bench DIR [COUNT [WIDTH HEIGHT]]\n"
                         "       varnova_makedata samples DIR\n");
    return 64;
}
