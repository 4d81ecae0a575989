#include "graphics/gui/vexosound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "graphics/gui/graphicsclasses.h"
#include "graphics/waveplayer.h"
#include "graphics/wavetestkit.h"
#include "platform/gui/application.h"
#include "platform/runtime/classregistry.h"
#include "support/testdir.h"
#include "utils/paths.h"

using namespace vexo;
using namespace wavetest;

namespace {

QByteArray Mono8(quint32 rate, const QByteArray& samples) {
    return Wave(FormatBody(1, 1, rate, 8), samples);
}

QByteArray ResourceSamples(const QString& name) {
    QFile file(name);
    TWaveData wave;
    if (!file.open(QIODevice::ReadOnly) || !ReadWave(file.readAll(), wave))
        return {};
    return wave.Samples;
}

// A sound component on an owner, its OnSound calls counted, error boxes caught.
class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        sound = new TvexoSound(&owner);
        sound->SetName("Sound1");
        sound->OnSound = [this](QObject* sender) {
            EXPECT_EQ(sender, sound);
            ++sounds;
        };
        Application()->MessageBoxHook = [this](QMessageBox& box) {
            boxes << box.text();
            return int(QMessageBox::Ok);
        };
    }
    void TearDown() override { Application()->MessageBoxHook = nullptr; }

    TComponentObject owner;
    TvexoSound* sound = nullptr;
    int sounds = 0;
    QStringList boxes;
    TFileSoundDevice device;
};

// Names resolved by PlayWave: each candidate file has a rate of its own, so the rate the
// device was opened at tells which file played.
class PlayWaveNames : public SoundTest {
protected:
    void SetUp() override {
        SoundTest::SetUp();
        savedDir = DefSoundsDir;
        relative = QStringLiteral("sounds-test-%1/").arg(QCoreApplication::applicationPid());
        QDir(GetRunDir()).mkpath(relative);
        Put(GetRunDir() + relative + "ding.wav", 8000);
        Put(absolute.File("ding.wav"), 11025);
        Put(absolute.File("other/tone.wav"), 12000);
        Put(absolute.File("other/ding.snd"), 16000);
    }
    void TearDown() override {
        DefSoundsDir = savedDir;
        QDir(GetRunDir() + relative).removeRecursively();
        SoundTest::TearDown();
    }
    void Put(const QString& file, quint32 rate) {
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(Mono8(rate, Noise(100, rate)));
    }
    // True when name played the file of that rate, with OnSound.
    void ExpectPlayed(const QString& name, quint32 rate) {
        const int before = sounds;
        EXPECT_TRUE(sound->PlayWave(name)) << name.toStdString();
        EXPECT_EQ(device.Written(rate), Noise(100, rate)) << name.toStdString();
        EXPECT_EQ(sounds, before + 1);
    }
    QString savedDir;
    QString relative;
    TestDir absolute;
};

} // namespace

TEST_F(PlayWaveNames, BareNamesAreLookedUpInDefSoundsDir) {
    EXPECT_EQ(DefSoundsDir, "Sounds/");
    DefSoundsDir = relative;
    ExpectPlayed("ding", 8000);
    DefSoundsDir = absolute.Path();
    ExpectPlayed("ding.wav", 11025);
    DefSoundsDir = absolute.Path().chopped(1); // without its trailing "/"
    ExpectPlayed("ding", 11025);
}

TEST_F(PlayWaveNames, NamesWithAFolderAreUsedAsGiven) {
    DefSoundsDir = relative;
    ExpectPlayed(absolute.File("other/tone"), 12000);
    ExpectPlayed(absolute.File("other/ding.snd"), 16000);
}

TEST_F(PlayWaveNames, MissingFilesGiveFalseWithoutOnSound) {
    DefSoundsDir = relative;
    EXPECT_FALSE(sound->PlayWave("dong"));
    EXPECT_FALSE(sound->PlayWave("ding.")); // has an extension: nothing is added
    EXPECT_FALSE(sound->PlayWave(absolute.File("ding.snd")));
    EXPECT_FALSE(sound->PlayWave(""));
    EXPECT_EQ(sounds, 0);
}

TEST_F(SoundTest, OnSoundFollowsTheSound) {
    TestDir dir;
    const QByteArray samples = Noise(300, 21);
    dir.Write("a.wav", Mono8(9000, samples));
    sound->OnSound = [&](QObject*) {
        ++sounds;
        EXPECT_EQ(device.Written(9000), samples); // a synchronous sound is over
    };
    EXPECT_TRUE(sound->PlaySync(dir.File("a.wav")));
    EXPECT_EQ(sounds, 1);

    TPacedSink sink(device.Output(22050), 4096);
    dir.Write("long.wav", Wave(FormatBody(1, 2, 22050, 16), Noise(22050 * 4 * 3)));
    sound->OnSound = [&](QObject*) {
        ++sounds;
        EXPECT_FALSE(WaitWaveEnd(0)); // an asynchronous one has started and plays on
    };
    EXPECT_TRUE(sound->PlayAsync(dir.File("long.wav")));
    EXPECT_EQ(sounds, 2);
    StopWave();
    EXPECT_TRUE(sink.WaitClosed());

    // A failed play still tells that it was tried.
    sound->OnSound = [&](QObject*) { ++sounds; };
    EXPECT_FALSE(sound->PlaySync(dir.File("missing.wav")));
    EXPECT_EQ(sounds, 3);
}

TEST_F(SoundTest, DisabledPlaysOnlyFromMemory) {
    TestDir dir;
    dir.Write("a.wav", Mono8(9000, Noise(50)));
    sound->SetEnabled(false);
    sound->SetAsync(true);
    EXPECT_FALSE(sound->PlaySync(dir.File("a.wav")));
    EXPECT_FALSE(sound->PlayAsync(dir.File("a.wav")));
    EXPECT_FALSE(sound->PlayWave(dir.File("a.wav")));
    EXPECT_FALSE(sound->PlayResourceWave("chime.wav"));
    EXPECT_TRUE(device.Written(9000).isEmpty());
    EXPECT_TRUE(device.Written(8000).isEmpty());

    const QByteArray samples = Noise(500, 5);
    EXPECT_TRUE(sound->PlayWaveFromMemory(Mono8(10000, samples)));
    EXPECT_TRUE(WaitWaveEnd(20000));
    EXPECT_EQ(device.Written(10000), samples);
    EXPECT_EQ(sounds, 0);
    EXPECT_FALSE(sound->PlayWaveFromMemory("RIFF"));
}

TEST_F(SoundTest, ResourcesPlayByName) {
    EXPECT_TRUE(sound->PlayResourceWave("chime.wav"));
    EXPECT_EQ(device.Written(8000), ResourceSamples(":/waves/chime.wav"));
    EXPECT_TRUE(sound->PlayResourceWaveInstance(":/othermodule/waves", "tone.wav"));
    EXPECT_EQ(device.Written(11025), ResourceSamples(":/othermodule/waves/tone.wav"));
    EXPECT_EQ(sounds, 2);
    EXPECT_FALSE(ResourceSamples(":/waves/chime.wav").isEmpty());

    EXPECT_FALSE(sound->PlayResourceWave("tone.wav")); // another module's
    EXPECT_FALSE(sound->PlayResourceWave("missing.wav"));
    EXPECT_FALSE(sound->PlayResourceWave(""));
    EXPECT_EQ(sounds, 2);
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(SoundTest, ABrokenResourceShowsTheErrorBox) {
    EXPECT_FALSE(sound->PlayResourceWave("broken.wav"));
    EXPECT_EQ(boxes, QStringList{"Sound1: Error play of WAV-resource!"});
    EXPECT_EQ(sounds, 0);
}

TEST_F(SoundTest, NoSoundDeviceIsFalseWithoutABox) {
    const TWaveOutDevice previous = WaveOutDevice();
    SetWaveOutDevice({QStringLiteral("nocard"), "pcm.nocard { type hw card 99 }"});
    EXPECT_FALSE(sound->PlayResourceWave("chime.wav"));
    EXPECT_FALSE(sound->PlayWaveFromMemory(Mono8(8000, Noise(10))));
    SetWaveOutDevice(previous);
    EXPECT_TRUE(boxes.isEmpty());
    EXPECT_EQ(sounds, 1);
}

TEST_F(SoundTest, DestroyingTheComponentMidPlayStopsItsSound) {
    const QByteArray samples = Noise(22050 * 4 * 5, 9);
    TPacedSink sink(device.Output(22050), 4096);
    auto other = std::make_unique<TvexoSound>(&owner);
    sound->SetAsync(true);
    {
        // The caller's buffer goes away while the sound plays.
        const QByteArray image = Wave(FormatBody(1, 2, 22050, 16), samples);
        std::vector<char> bytes(image.begin(), image.end());
        ASSERT_TRUE(sound->PlayWaveFromMemory(
            QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()))));
    }
    sink.WaitFor(16384);
    other.reset(); // not its sound
    EXPECT_FALSE(WaitWaveEnd(0));
    delete sound;
    EXPECT_TRUE(WaitWaveEnd(0));
    EXPECT_TRUE(sink.WaitClosed());
    const QByteArray played = sink.Received();
    EXPECT_LT(played.size(), samples.size());
    EXPECT_TRUE(samples.startsWith(played));
}

TEST(FindSound, FindsTheFirstOwnedSoundComponent) {
    RegisterGraphicsClasses();
    TComponentObject form;
    EXPECT_EQ(FindSound(&form), nullptr);
    EXPECT_EQ(FindSound(nullptr), nullptr);
    new TComponentObject(&form);
    TComponent* first = CreateComponent("TvexoSound", &form);
    new TvexoSound(&form);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(FindSound(&form), first);

    TComponentObject nested(&form); // only directly owned components count
    TComponentObject inner;
    new TvexoSound(&inner);
    EXPECT_EQ(FindSound(&nested), nullptr);
}
