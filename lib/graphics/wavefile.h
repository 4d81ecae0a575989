#pragma once
// The RIFF/WAVE reader: a whole wave file image in memory becomes its sample format and the
// interleaved sample frames, ready to hand to the sound output as they are (nothing is
// converted or resampled).
//
// Taken: PCM of 8 (unsigned), 16, 24 and 32 bits, IEEE float of 32 and 64 bits, A-law and
// mu-law of 8 bits, any number of channels up to MaxWaveChannels, the plain and the extensible
// format chunk. Chunks come in any order, odd-sized chunks are followed by a pad byte, unknown
// chunks are skipped. A RIFF size larger than the image (as streaming writers leave it) is
// tolerated as long as the format and data chunks are whole. Everything else is refused with
// a reason, and nothing outside the image is ever read.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include "vexo/graphics_export.h"

namespace vexo {

enum class TWaveEncoding { Pcm, Float, ALaw, MuLaw };

// Limits beyond which a header is taken as corrupt rather than as a sound.
inline constexpr int MaxWaveChannels = 64;
inline constexpr quint32 MaxWaveSampleRate = 1'536'000;
// Wave files read from disk larger than this are refused before they are loaded.
inline constexpr qint64 MaxWaveFileSize = qint64(1) << 30;

struct TWaveFormat {
    TWaveEncoding Encoding = TWaveEncoding::Pcm;
    int Channels = 0;
    quint32 SampleRate = 0;
    // Bits of the sample container (a 24-bit sound in 32-bit containers counts 32).
    int BitsPerSample = 0;
    // Bytes of one frame: Channels * BitsPerSample / 8.
    int BlockAlign = 0;
};

struct TWaveData {
    TWaveFormat Format;
    // Whole frames only; a trailing part frame of the data chunk is dropped.
    QByteArray Samples;
    qint64 Frames() const { return Format.BlockAlign ? Samples.size() / Format.BlockAlign : 0; }
};

// Reads a whole wave file image. False with the reason in *error (when given) for anything
// that is not a wave file this reader takes; wave is then unchanged. The samples are a copy:
// the image may go away.
VEXO_GRAPHICS_EXPORT bool ReadWave(const QByteArray& image, TWaveData& wave,
                                   QString* error = nullptr);
// Loads the file (up to MaxWaveFileSize bytes) and reads it with ReadWave.
VEXO_GRAPHICS_EXPORT bool ReadWaveFile(const QString& fileName, TWaveData& wave,
                                       QString* error = nullptr);

} // namespace vexo
