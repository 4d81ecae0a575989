#include "graphics/waveplayer.h"

#include <gtest/gtest.h>
#include <vector>

#include "graphics/soundtheme.h"
#include "graphics/wavetestkit.h"
#include "support/testdir.h"

using namespace vexo;
using namespace wavetest;

namespace {

struct FormatCase {
    const char* name;
    QByteArray format;
    quint32 rate;
    int frameBytes;
};

class PlayedSamples : public ::testing::TestWithParam<FormatCase> {
protected:
    TFileSoundDevice device;
};

// Plays a sound whose length is not a multiple of ALSA's period through the file device.
TEST_P(PlayedSamples, EqualTheWaveSamples) {
    const FormatCase& c = GetParam();
    const QByteArray samples = Noise(c.frameBytes * 3001, c.rate);
    ASSERT_TRUE(PlayWaveImage(Wave(c.format, samples), false));
    EXPECT_EQ(device.Written(c.rate), samples);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, PlayedSamples,
    ::testing::Values(FormatCase{"Pcm8Mono", FormatBody(1, 1, 8000, 8), 8000, 1},
                      FormatCase{"Pcm16Stereo", FormatBody(1, 2, 44100, 16), 44100, 4},
                      FormatCase{"Pcm24Stereo", FormatBody(1, 2, 48000, 24), 48000, 6},
                      FormatCase{"Pcm32Surround", FormatBody(1, 6, 32000, 32), 32000, 24},
                      FormatCase{"Float32Stereo", FormatBody(3, 2, 22050, 32), 22050, 8},
                      FormatCase{"ALawMono", FormatBody(6, 1, 11025, 8), 11025, 1},
                      FormatCase{"MuLawStereo", FormatBody(7, 2, 16000, 8), 16000, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlayWave, AnEmptyWavePlaysNothingAndSucceeds) {
    TFileSoundDevice device;
    EXPECT_TRUE(PlayWaveImage(Wave(FormatBody(1, 1, 8000, 8), {}), false));
    EXPECT_TRUE(device.Written(8000).isEmpty());
}

TEST(PlayWave, NoDeviceOrNoWaveIsFalse) {
    const TWaveOutDevice previous = WaveOutDevice();
    const QByteArray wave = Wave(FormatBody(1, 1, 8000, 8), Noise(100));
    // A configuration without the PCM, and a sound card that does not exist.
    SetWaveOutDevice({QStringLiteral("nosuchdevice"), "pcm.other { type null }"});
    EXPECT_FALSE(PlayWaveImage(wave, false));
    EXPECT_FALSE(PlayWaveImage(wave, true));
    SetWaveOutDevice({QStringLiteral("nocard"), "pcm.nocard { type hw card 99 }"});
    EXPECT_FALSE(PlayWaveImage(wave, false));
    SetWaveOutDevice(previous);

    TFileSoundDevice device;
    EXPECT_FALSE(PlayWaveImage("RIFF", false));
    EXPECT_TRUE(WaitWaveEnd(0));
}

// 5 s of 22050 Hz 16-bit stereo read at 4096 bytes per 10 ms: about a second of playing.
constexpr quint32 SlowRate = 22050;
const QByteArray slowSamples = Noise(SlowRate * 4 * 5, 7);
const QByteArray slowWave = Wave(FormatBody(1, 2, SlowRate, 16), slowSamples);

TEST(PlayWaveAsync, ReturnsAtOnceAndPlaysToTheEnd) {
    TFileSoundDevice device;
    TPacedSink sink(device.Output(SlowRate), 4096);
    ASSERT_TRUE(PlayWaveImage(slowWave, true));
    EXPECT_LT(sink.Received().size(), slowSamples.size());
    EXPECT_FALSE(WaitWaveEnd(0));
    EXPECT_TRUE(WaitWaveEnd(20000));
    ASSERT_TRUE(sink.WaitClosed());
    EXPECT_EQ(sink.Received(), slowSamples);
}

TEST(PlayWaveAsync, ASecondSoundReplacesTheFirst) {
    TFileSoundDevice device;
    TPacedSink first(device.Output(SlowRate), 4096);
    TPacedSink second(device.Output(8000), 4096);
    // The first sound plays from memory the caller frees at once.
    {
        std::vector<char> bytes(slowWave.begin(), slowWave.end());
        ASSERT_TRUE(
            PlayWaveImage(QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size())), true));
        std::fill(bytes.begin(), bytes.end(), 0);
    }
    first.WaitFor(16384);
    const QByteArray short8 = Noise(4000, 3);
    ASSERT_TRUE(PlayWaveImage(Wave(FormatBody(1, 1, 8000, 8), short8), true));
    EXPECT_TRUE(first.WaitClosed());
    EXPECT_TRUE(WaitWaveEnd(20000));
    ASSERT_TRUE(second.WaitClosed());
    EXPECT_EQ(second.Received(), short8);
    const QByteArray cut = first.Received();
    EXPECT_LT(cut.size(), slowSamples.size());
    EXPECT_TRUE(slowSamples.startsWith(cut));
}

TEST(PlayWaveSync, ASyncPlayStopsTheAsyncSoundFirst) {
    TFileSoundDevice device;
    TPacedSink sink(device.Output(SlowRate), 4096);
    ASSERT_TRUE(PlayWaveImage(slowWave, true));
    sink.WaitFor(8192);
    const QByteArray samples = Noise(500, 5);
    ASSERT_TRUE(PlayWaveImage(Wave(FormatBody(1, 1, 8000, 8), samples), false));
    EXPECT_TRUE(WaitWaveEnd(0));
    EXPECT_EQ(device.Written(8000), samples);
    EXPECT_LT(sink.Received().size(), slowSamples.size());
}

TEST(SystemSounds, NamesMapOntoTheThemeAndPlayItsWaveFiles) {
    EXPECT_EQ(SystemSoundThemeName("SystemAsterisk"), "dialog-information");
    EXPECT_EQ(SystemSoundThemeName("systemexclamation"), "dialog-warning");
    EXPECT_EQ(SystemSoundThemeName("SystemHand"), "dialog-error");
    EXPECT_EQ(SystemSoundThemeName("SystemQuestion"), "dialog-question");
    EXPECT_EQ(SystemSoundThemeName("SystemDefault"), "bell");
    EXPECT_EQ(SystemSoundThemeName("ding"), "");

    TestDir home, shared;
    const QByteArray samples = Noise(300, 11);
    shared.Write("sounds/freedesktop/stereo/dialog-error.wav",
                 Wave(FormatBody(1, 1, 11025, 8), samples));
    shared.Write("sounds/freedesktop/stereo/bell.oga", "OggS");
    const QByteArray savedHome = qgetenv("XDG_DATA_HOME");
    const QByteArray savedDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_HOME", home.Path().toLocal8Bit());
    qputenv("XDG_DATA_DIRS", ("/nonexistent:" + shared.Path()).toLocal8Bit());
    EXPECT_EQ(FindThemeSoundFile("dialog-error"),
              shared.File("sounds/freedesktop/stereo/dialog-error.wav"));
    EXPECT_EQ(FindThemeSoundFile("bell"), "");

    TFileSoundDevice device;
    EXPECT_TRUE(PlaySoundName("SystemHand", false));
    EXPECT_EQ(device.Written(11025), samples);
    EXPECT_FALSE(PlaySoundName("SystemDefault", false));
    EXPECT_FALSE(PlaySoundName("no such sound", false));
    qputenv("XDG_DATA_HOME", savedHome);
    qputenv("XDG_DATA_DIRS", savedDirs);
}

} // namespace
