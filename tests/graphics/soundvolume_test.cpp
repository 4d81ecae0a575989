#include "graphics/soundvolume.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace vexo;

namespace {

// A volume control that keeps the 32-bit value, or fails every call.
class TFakeVolume : public TWaveOutVolume {
public:
    bool GetVolume(quint32& volume) override {
        if (fail)
            return false;
        volume = value;
        return true;
    }
    bool SetVolume(quint32 volume) override {
        if (fail)
            return false;
        value = volume;
        return true;
    }
    quint32 value = 0;
    bool fail = false;
};

class VolumeSeam : public ::testing::Test {
protected:
    void SetUp() override { previous = SetWaveOutVolumeControl(&fake); }
    void TearDown() override { SetWaveOutVolumeControl(previous); }
    TFakeVolume fake;
    TWaveOutVolume* previous = nullptr;
};

} // namespace

TEST_F(VolumeSeam, ChannelsPackLeftLowRightHigh) {
    ASSERT_TRUE(SetSoundVolume(0x8000));
    EXPECT_EQ(fake.value, 0x80008000u);
    quint16 left = 0, right = 0;
    ASSERT_TRUE(GetSoundChannelsVolume(left, right));
    EXPECT_EQ(left, 0x8000);
    EXPECT_EQ(right, 0x8000);

    ASSERT_TRUE(SetSoundChannelsVolume(0x1234, 0xABCD));
    EXPECT_EQ(fake.value, 0xABCD1234u);
    ASSERT_TRUE(GetSoundChannelsVolume(left, right));
    EXPECT_EQ(left, 0x1234);
    EXPECT_EQ(right, 0xABCD);
}

TEST_F(VolumeSeam, GetSoundVolumeAddsTheHalvedChannels) {
    const struct {
        quint32 value;
        quint16 expected;
    } cases[] = {{0x0001FFFF, 0x7FFF}, {0xFFFFFFFF, 0xFFFE}, {0x00010001, 0}, {0x80000000, 0x4000}};
    for (const auto& c : cases) {
        fake.value = c.value;
        EXPECT_EQ(GetSoundVolume(), c.expected) << std::hex << c.value;
    }
}

TEST_F(VolumeSeam, AFailingControlGivesFalseAndZero) {
    fake.fail = true;
    EXPECT_FALSE(SetSoundVolume(1));
    EXPECT_FALSE(SetSoundChannelsVolume(1, 2));
    EXPECT_EQ(GetSoundVolume(), 0);
    quint16 left = 7, right = 7;
    EXPECT_FALSE(GetSoundChannelsVolume(left, right));
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, 0);
}

TEST(MixerSteps, TheScaleMapsLinearlyOntoTheRange) {
    const struct {
        qint64 min, max;
    } ranges[] = {{0, 1}, {0, 31}, {0, 87}, {-6400, 0}, {-32768, 32767}, {0, 65536}, {3, 255}};
    for (const auto& r : ranges) {
        EXPECT_EQ(VolumeToMixerStep(0, r.min, r.max), r.min);
        EXPECT_EQ(VolumeToMixerStep(0xFFFF, r.min, r.max), r.max);
        EXPECT_EQ(MixerStepToVolume(r.min, r.min, r.max), 0);
        EXPECT_EQ(MixerStepToVolume(r.max, r.min, r.max), 0xFFFF);
        EXPECT_EQ(MixerStepToVolume(r.max + 5, r.min, r.max), 0xFFFF);
        EXPECT_EQ(MixerStepToVolume(r.min - 5, r.min, r.max), 0);
        const double stepSize = 65535.0 / double(r.max - r.min);
        qint64 last = r.min;
        for (int v = 0; v <= 0xFFFF; v += 97) {
            const qint64 step = VolumeToMixerStep(quint16(v), r.min, r.max);
            EXPECT_GE(step, last);
            last = step;
            EXPECT_LE(std::abs(MixerStepToVolume(step, r.min, r.max) - v), stepSize / 2 + 1)
                << v << " in " << r.min << ".." << r.max;
        }
    }
}

// The real mixer of this machine, left as it was found.
TEST(AlsaMixer, SetVolumesReadBackAsSet) {
    quint32 saved = 0;
    if (!AlsaMixerVolume().GetVolume(saved))
        GTEST_SKIP() << "no ALSA mixer with a Master or PCM playback volume on the default card";
    std::printf("ALSA mixer found; volume was 0x%08X\n", saved);
    const struct Restore {
        quint32 volume;
        ~Restore() { AlsaMixerVolume().SetVolume(volume); }
    } restore{saved};
    ASSERT_TRUE(SetSoundVolume(0x8000));
    quint16 left = 0, right = 0;
    ASSERT_TRUE(GetSoundChannelsVolume(left, right));
    EXPECT_EQ(left, 0x8000);
    EXPECT_EQ(right, 0x8000);
    ASSERT_TRUE(SetSoundChannelsVolume(0xFFFF, 0x0001));
    EXPECT_EQ(GetSoundVolume(), 0x7FFF);
}
