#include "graphics/waveplayer.h"

#include <QFileInfo>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "graphics/alsapcm_p.h"
#include "graphics/soundtheme.h"

namespace vexo {

namespace {

struct TPlayback {
    std::atomic<bool> stop{false};
    const void* owner = nullptr;
    bool ended = false; // under the player's state mutex
    bool ok = true;
};

class TWavePlayer {
public:
    ~TWavePlayer() { Stop(nullptr); }

    bool Play(const TWaveData& wave, bool async, const void* owner) {
        std::unique_lock control(controlMutex_);
        StopLocked(nullptr);
        auto pcm = TAlsaPcm::Open(WaveOutDevice(), wave.Format);
        if (!pcm)
            return false;
        auto playback = std::make_shared<TPlayback>();
        playback->owner = owner;
        {
            const std::lock_guard state(stateMutex_);
            current_ = playback;
        }
        if (async) {
            // A deep copy: the caller's bytes may be raw data it frees on return.
            QByteArray samples(wave.Samples.constData(), wave.Samples.size());
            const qint64 frames = wave.Frames();
            worker_ = std::thread([this, playback, frames, samples = std::move(samples),
                                   pcm = std::move(pcm)]() mutable {
                Run(*playback, std::move(pcm), samples.constData(), frames);
            });
            workerPlayback_ = playback;
            return true;
        }
        control.unlock();
        Run(*playback, std::move(pcm), wave.Samples.constData(), wave.Frames());
        return playback->ok;
    }

    void Stop(const void* owner) {
        const std::lock_guard control(controlMutex_);
        StopLocked(owner);
    }

    bool WaitEnd(int timeoutMs) {
        std::unique_lock state(stateMutex_);
        return ended_.wait_for(state, std::chrono::milliseconds(timeoutMs),
                               [this] { return !current_; });
    }

private:
    void Run(TPlayback& playback, std::unique_ptr<TAlsaPcm> pcm, const char* frames, qint64 count) {
        playback.ok = pcm->Play(frames, count, playback.stop);
        pcm.reset(); // closed before the end is told: the next sound may need the device
        const std::lock_guard state(stateMutex_);
        playback.ended = true;
        if (current_.get() == &playback)
            current_.reset();
        ended_.notify_all();
    }

    // With controlMutex_ held, so no new sound starts meanwhile.
    void StopLocked(const void* owner) {
        std::unique_lock state(stateMutex_);
        if (const std::shared_ptr<TPlayback> playing = current_;
            playing && (!owner || playing->owner == owner)) {
            playing->stop = true;
            ended_.wait(state, [&] { return playing->ended; });
        }
        const bool workerEnded = workerPlayback_ && workerPlayback_->ended;
        state.unlock();
        if (workerEnded) {
            worker_.join();
            workerPlayback_.reset();
        }
    }

    std::mutex controlMutex_; // one play or stop sequence at a time
    std::thread worker_;
    std::shared_ptr<TPlayback> workerPlayback_;

    std::mutex stateMutex_;
    std::condition_variable ended_;
    std::shared_ptr<TPlayback> current_;
};

TWavePlayer& Player() {
    static TWavePlayer player;
    return player;
}

} // namespace

bool PlayWaveData(const TWaveData& wave, bool async, const void* owner) {
    return Player().Play(wave, async, owner);
}

bool PlayWaveImage(const QByteArray& image, bool async, const void* owner) {
    TWaveData wave;
    return ReadWave(image, wave) && PlayWaveData(wave, async, owner);
}

bool PlaySoundName(const QString& name, bool async, const void* owner) {
    QString file = name;
    if (!QFileInfo(file).isFile())
        file = FindThemeSoundFile(SystemSoundThemeName(name));
    TWaveData wave;
    return !file.isEmpty() && ReadWaveFile(file, wave) && PlayWaveData(wave, async, owner);
}

void StopWave(const void* owner) {
    Player().Stop(owner);
}

bool WaitWaveEnd(int timeoutMs) {
    return Player().WaitEnd(timeoutMs);
}

} // namespace vexo
