#include "graphics/wavefile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "graphics/wavetestkit.h"
#include "support/testdir.h"

using namespace vexo;
using namespace wavetest;

namespace {

struct ValidCase {
    const char* name;
    QByteArray format;
    TWaveEncoding encoding;
    int channels;
    quint32 rate;
    int bits;
};

class ValidWave : public ::testing::TestWithParam<ValidCase> {};

} // namespace

TEST_P(ValidWave, FormatAndWholeFramesAreRead) {
    const ValidCase& c = GetParam();
    const int frame = c.channels * c.bits / 8;
    // Seven and a half frames: the part frame is dropped.
    const QByteArray samples = Noise(7 * frame + frame / 2);
    TWaveData wave;
    QString error;
    ASSERT_TRUE(ReadWave(Wave(c.format, samples), wave, &error)) << error.toStdString();
    EXPECT_EQ(wave.Format.Encoding, c.encoding);
    EXPECT_EQ(wave.Format.Channels, c.channels);
    EXPECT_EQ(wave.Format.SampleRate, c.rate);
    EXPECT_EQ(wave.Format.BitsPerSample, c.bits);
    EXPECT_EQ(wave.Format.BlockAlign, frame);
    EXPECT_EQ(wave.Frames(), 7);
    EXPECT_EQ(wave.Samples, samples.left(7 * frame));
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ValidWave,
    ::testing::Values(
        ValidCase{"Pcm8Mono", FormatBody(1, 1, 8000, 8), TWaveEncoding::Pcm, 1, 8000, 8},
        ValidCase{"Pcm16Stereo", FormatBody(1, 2, 44100, 16), TWaveEncoding::Pcm, 2, 44100, 16},
        ValidCase{"Pcm24Mono", FormatBody(1, 1, 48000, 24), TWaveEncoding::Pcm, 1, 48000, 24},
        ValidCase{"Pcm24Stereo", FormatBody(1, 2, 96000, 24), TWaveEncoding::Pcm, 2, 96000, 24},
        ValidCase{"Pcm32Surround", FormatBody(1, 6, 48000, 32), TWaveEncoding::Pcm, 6, 48000, 32},
        ValidCase{"Float32", FormatBody(3, 2, 44100, 32), TWaveEncoding::Float, 2, 44100, 32},
        ValidCase{"Float64", FormatBody(3, 1, 22050, 64), TWaveEncoding::Float, 1, 22050, 64},
        ValidCase{"ALaw", FormatBody(6, 1, 8000, 8), TWaveEncoding::ALaw, 1, 8000, 8},
        ValidCase{"MuLaw", FormatBody(7, 2, 8000, 8), TWaveEncoding::MuLaw, 2, 8000, 8},
        ValidCase{"Extensible24In32", ExtensibleBody(1, 2, 48000, 32, 24), TWaveEncoding::Pcm, 2,
                  48000, 32},
        ValidCase{"ExtensibleFloat", ExtensibleBody(3, 4, 48000, 32, 32), TWaveEncoding::Float, 4,
                  48000, 32}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WaveChunks, AnyOrderUnknownChunksAndOddPadding) {
    const QByteArray samples = Noise(9); // odd: padded
    const QByteArray image =
        Riff(Chunk("LIST", "INFOISFT\3\0\0\0ab\0") + Chunk("data", samples) +
             Chunk("cue ", QByteArray(5, 'x')) + Chunk("fmt ", FormatBody(1, 1, 11025, 8)));
    TWaveData wave;
    ASSERT_TRUE(ReadWave(image, wave));
    EXPECT_EQ(wave.Samples, samples);
    EXPECT_EQ(wave.Format.SampleRate, 11025u);
}

TEST(WaveChunks, FormatChunkWithExtraBytesAndTolerableSizes) {
    // A format chunk with a cbSize tail, a RIFF size larger than the file, a missing final pad
    // byte and a trailing cut-off chunk are all read.
    const QByteArray samples = Noise(4);
    QByteArray image = Riff(Chunk("fmt ", FormatBody(1, 2, 8000, 16) + Le16(0)) +
                            Chunk("data", samples) + "junk\x40\0\0\0abc");
    image.replace(4, 4, Le32(100000));
    TWaveData wave;
    ASSERT_TRUE(ReadWave(image, wave));
    EXPECT_EQ(wave.Samples, samples);

    const QByteArray odd = Riff(Chunk("fmt ", FormatBody(1, 1, 8000, 8)) + Chunk("data", "abc"));
    ASSERT_TRUE(ReadWave(odd.left(odd.size() - 1), wave));
    EXPECT_EQ(wave.Samples, QByteArray("abc"));
}

TEST(WaveChunks, EmptyDataIsASilentWave) {
    TWaveData wave;
    ASSERT_TRUE(ReadWave(Wave(FormatBody(1, 1, 8000, 16), {}), wave));
    EXPECT_EQ(wave.Frames(), 0);
}

namespace {

struct MalformedCase {
    const char* name;
    QByteArray image;
};

QByteArray Truncated(const QByteArray& image, qsizetype size) {
    return image.left(size);
}

const QByteArray good = Wave(FormatBody(1, 2, 8000, 16), Noise(64));

QByteArray WithDataSize(quint32 size) {
    return Riff(Chunk("fmt ", FormatBody(1, 2, 8000, 16)) + "data" + Le32(size) + Noise(64));
}

class MalformedWave : public ::testing::TestWithParam<MalformedCase> {};

} // namespace

TEST_P(MalformedWave, IsRefusedWithAReasonAndLeavesTheWaveAlone) {
    TWaveData wave;
    wave.Format.Channels = 99;
    QString error;
    EXPECT_FALSE(ReadWave(GetParam().image, wave, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(wave.Format.Channels, 99);
    EXPECT_TRUE(wave.Samples.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Classes, MalformedWave,
    ::testing::Values(
        MalformedCase{"Empty", {}}, MalformedCase{"TruncatedRiffHeader", Truncated(good, 11)},
        MalformedCase{"NotRiff", "RIFX" + good.mid(4)},
        MalformedCase{"NotWave", good.left(8) + "AVI " + good.mid(12)},
        MalformedCase{"TruncatedFormatChunk", Truncated(good, 12 + 8 + 10)},
        MalformedCase{"FormatChunkTooShort", Wave(FormatBody(1, 1, 8000, 8).left(14), Noise(4))},
        MalformedCase{"DataPastTheEnd", WithDataSize(65)},
        MalformedCase{"AbsurdDataSize", WithDataSize(0xFFFFFFF0u)},
        MalformedCase{"RiffSizeCutsTheData", good.left(4) + Le32(40) + good.mid(8)},
        MalformedCase{"NoDataChunk", Riff(Chunk("fmt ", FormatBody(1, 1, 8000, 8)))},
        MalformedCase{"NoFormatChunk", Riff(Chunk("data", Noise(8)))},
        MalformedCase{"ZeroChannels", Wave(FormatBody(1, 0, 8000, 16, 2), Noise(8))},
        MalformedCase{"AbsurdChannels", Wave(FormatBody(1, 65, 8000, 8), Noise(65))},
        MalformedCase{"ZeroRate", Wave(FormatBody(1, 1, 0, 8), Noise(8))},
        MalformedCase{"AbsurdRate", Wave(FormatBody(1, 1, 0x7FFFFFFF, 8), Noise(8))},
        MalformedCase{"BlockAlignMismatch", Wave(FormatBody(1, 2, 8000, 16, 3), Noise(8))},
        MalformedCase{"ZeroBlockAlign", Wave(FormatBody(1, 2, 8000, 16, 0), Noise(8))},
        MalformedCase{"OddBits", Wave(FormatBody(1, 1, 8000, 12, 2), Noise(8))},
        MalformedCase{"Float16", Wave(FormatBody(3, 1, 8000, 16), Noise(8))},
        MalformedCase{"MuLaw16", Wave(FormatBody(7, 1, 8000, 16), Noise(8))},
        MalformedCase{"Compressed", Wave(FormatBody(2, 1, 8000, 4, 256), Noise(256))},
        MalformedCase{"ExtensibleTooShort",
                      Wave(ExtensibleBody(1, 1, 8000, 16, 16).left(30), Noise(8))},
        MalformedCase{"ExtensibleUnknownGuid",
                      Wave(ExtensibleBody(1, 1, 8000, 16, 16).replace(39, 1, "\x72"), Noise(8))},
        MalformedCase{"ExtensibleValidBitsTooMany",
                      Wave(ExtensibleBody(1, 1, 8000, 16, 24), Noise(8))}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WaveFile, ReadsARegularFileOnly) {
    TestDir dir;
    const QByteArray samples = Noise(32);
    dir.Write("a.wav", Wave(FormatBody(1, 2, 8000, 16), samples));
    ASSERT_EQ(::mkfifo(dir.File("fifo.wav").toLocal8Bit().constData(), 0600), 0);
    TWaveData wave;
    ASSERT_TRUE(ReadWaveFile(dir.File("a.wav"), wave));
    EXPECT_EQ(wave.Samples, samples);
    QString error;
    for (const QString& name : {dir.File("missing.wav"), dir.Path(), dir.File("fifo.wav")}) {
        error.clear();
        EXPECT_FALSE(ReadWaveFile(name, wave, &error));
        EXPECT_FALSE(error.isEmpty());
    }
}
