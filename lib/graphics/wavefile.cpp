#include "graphics/wavefile.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace vexo {

namespace {

constexpr qint64 ChunkHeaderSize = 8;
constexpr qint64 PlainFormatSize = 16;
constexpr qint64 ExtensibleFormatSize = 40;

constexpr quint16 FormatPcm = 0x0001;
constexpr quint16 FormatFloat = 0x0003;
constexpr quint16 FormatALaw = 0x0006;
constexpr quint16 FormatMuLaw = 0x0007;
constexpr quint16 FormatExtensible = 0xFFFE;

// The sub-format GUID of an extensible format chunk is the old format tag followed by these
// bytes (KSDATAFORMAT_SUBTYPE_*).
constexpr unsigned char SubFormatTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                             0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

quint16 U16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}
quint32 U32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}

bool Fail(QString* error, const QString& reason) {
    if (error)
        *error = reason;
    return false;
}

// The encoding of a format tag and whether the container size suits it.
bool EncodingOf(quint16 tag, int bits, TWaveEncoding& encoding) {
    switch (tag) {
    case FormatPcm:
        encoding = TWaveEncoding::Pcm;
        return bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case FormatFloat:
        encoding = TWaveEncoding::Float;
        return bits == 32 || bits == 64;
    case FormatALaw:
        encoding = TWaveEncoding::ALaw;
        return bits == 8;
    case FormatMuLaw:
        encoding = TWaveEncoding::MuLaw;
        return bits == 8;
    default:
        return false;
    }
}

bool ReadFormat(const char* p, qint64 size, TWaveFormat& format, QString* error) {
    if (size < PlainFormatSize)
        return Fail(error, QStringLiteral("the format chunk is too short"));
    quint16 tag = U16(p);
    const int channels = U16(p + 2);
    const quint32 rate = U32(p + 4);
    const int blockAlign = U16(p + 12);
    const int bits = U16(p + 14);
    if (tag == FormatExtensible) {
        if (size < ExtensibleFormatSize || U16(p + 16) < ExtensibleFormatSize - 18)
            return Fail(error, QStringLiteral("the extensible format chunk is too short"));
        const int validBits = U16(p + 18);
        if (validBits > bits)
            return Fail(error, QStringLiteral("more valid bits than the sample holds"));
        if (std::memcmp(p + 26, SubFormatTail, sizeof SubFormatTail) != 0)
            return Fail(error, QStringLiteral("unknown sub-format"));
        tag = U16(p + 24);
    }
    if (channels == 0)
        return Fail(error, QStringLiteral("no channels"));
    if (channels > MaxWaveChannels)
        return Fail(error, QStringLiteral("%1 channels").arg(channels));
    if (rate == 0 || rate > MaxWaveSampleRate)
        return Fail(error, QStringLiteral("sample rate %1").arg(rate));
    TWaveEncoding encoding;
    if (!EncodingOf(tag, bits, encoding))
        return Fail(error, QStringLiteral("format %1 with %2 bits is not supported")
                               .arg(tag, 4, 16, QLatin1Char('0'))
                               .arg(bits));
    if (blockAlign != channels * bits / 8)
        return Fail(error, QStringLiteral("block align %1 does not match %2 channels of %3 bits")
                               .arg(blockAlign)
                               .arg(channels)
                               .arg(bits));
    format.Encoding = encoding;
    format.Channels = channels;
    format.SampleRate = rate;
    format.BitsPerSample = bits;
    format.BlockAlign = blockAlign;
    return true;
}

} // namespace

bool ReadWave(const QByteArray& image, TWaveData& wave, QString* error) {
    const char* base = image.constData();
    const qint64 size = image.size();
    if (size < 12 || std::memcmp(base, "RIFF", 4) != 0 || std::memcmp(base + 8, "WAVE", 4) != 0)
        return Fail(error, QStringLiteral("not a RIFF/WAVE file"));
    const qint64 end = std::min(size, qint64(U32(base + 4)) + ChunkHeaderSize);

    TWaveFormat format;
    bool haveFormat = false;
    qint64 dataOffset = -1;
    qint64 dataSize = 0;
    for (qint64 pos = 12; pos + ChunkHeaderSize <= end;) {
        const char* chunk = base + pos;
        const qint64 chunkSize = U32(chunk + 4);
        const qint64 body = pos + ChunkHeaderSize;
        const bool whole = chunkSize <= end - body;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && !haveFormat) {
            if (!whole)
                return Fail(error, QStringLiteral("the format chunk runs past the end"));
            if (!ReadFormat(base + body, chunkSize, format, error))
                return false;
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0 && dataOffset < 0) {
            if (!whole)
                return Fail(error, QStringLiteral("the data chunk runs past the end"));
            dataOffset = body;
            dataSize = chunkSize;
        } else if (!whole) {
            break; // a cut-off trailing chunk of no interest
        }
        if (haveFormat && dataOffset >= 0)
            break;
        pos = body + chunkSize + (chunkSize & 1);
    }
    if (!haveFormat)
        return Fail(error, QStringLiteral("no format chunk"));
    if (dataOffset < 0)
        return Fail(error, QStringLiteral("no data chunk"));
    wave.Format = format;
    wave.Samples = image.mid(dataOffset, dataSize - dataSize % format.BlockAlign);
    return true;
}

bool ReadWaveFile(const QString& fileName, TWaveData& wave, QString* error) {
    // Only regular files: a FIFO or a device would block the open or never end.
    const QFileInfo info(fileName);
    if (!info.isFile())
        return Fail(error, QStringLiteral("%1 is no file").arg(fileName));
    if (info.size() > MaxWaveFileSize)
        return Fail(error, QStringLiteral("the file is larger than %1 bytes").arg(MaxWaveFileSize));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(error, file.errorString());
    const QByteArray image = file.read(std::min(file.size(), MaxWaveFileSize));
    if (file.error() != QFileDevice::NoError)
        return Fail(error, file.errorString());
    return ReadWave(image, wave, error);
}

} // namespace vexo
