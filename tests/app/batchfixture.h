#pragma once
// Helpers for the batch tests: pictures written as real files, the command line run as a
// process, and the result expected from loading, combining and saving the plain way.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include "app/ropmodes.h"
#include "platform/image/bitmap.h"
#include "platform/image/bmpcodec.h"
#include "platform/image/picture.h"
#include "platform/image/ropengine.h"

namespace batchtest {

// A picture with varied pixels: every value distinct enough that a wrong row, column or
// operation shows in the bytes.
inline vexo::TBitmap Picture(int width, int height, int bitCount, int seed) {
    vexo::TBitmap bmp(width, height, bitCount);
    if (bitCount == 16 && seed % 2 == 1)
        bmp.SetBitFields(vexo::TBitFields{0xF800, 0x07E0, 0x001F, 0});
    if (bitCount <= 8) {
        QVector<std::uint32_t> palette(1 << bitCount);
        for (int i = 0; i < palette.size(); ++i)
            palette[i] = std::uint32_t((i * 2654435761u + seed * 40503u) & 0xFFFFFF);
        bmp.SetPalette(palette);
    }
    const std::uint32_t mask = bitCount >= 32 ? 0xFFFFFFFFu : ((1u << bitCount) - 1u);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bmp.SetPixelValue(x, y, std::uint32_t(x * 31 + y * 17 + seed * 101 + x * y) & mask);
    return bmp;
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(path.left(path.lastIndexOf('/')));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

inline QByteArray ReadFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

inline void WriteBitmap(const QString& path, const vexo::TBitmap& bmp) {
    WriteFile(path, vexo::WriteBmp(bmp));
}

// The result the plain way: load both pictures, transfer with the code, save.
inline QByteArray Expected(const QString& workPath, const QString& sourcePath, int mode) {
    vexo::TPicture work;
    work.LoadFromFile(workPath);
    vexo::TPicture source;
    source.LoadFromFile(sourcePath);
    vexo::TBitmap& dst = work.Bitmap();
    vexo::RopBlt(dst, source.Bitmap(), dst.Width(), dst.Height(),
                 varnova::RopCodes[std::size_t(mode)]);
    return vexo::WriteBmp(dst);
}

// Entries of a folder, hidden ones included, sorted by their bytes.
inline QStringList Entries(const QString& dir) {
    QStringList names =
        QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

struct RunOutput {
    int ExitCode = -1;
    QString Out;
    QString Err;
};

inline RunOutput RunVarnova(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(VARNOVA_EXE), args);
    RunOutput r;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.ExitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.Out = QString::fromUtf8(p.readAllStandardOutput());
    r.Err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace batchtest
