#include "graphics/alsapcm_p.h"

#include <algorithm>
#include <alsa/asoundlib.h>
#include <chrono>
#include <thread>

namespace vexo {

namespace {

// Latency asked of the device: long enough to ride out scheduling hiccups, short enough that
// a replaced sound stops promptly.
constexpr unsigned LatencyMicroseconds = 100'000;
constexpr int WaitMilliseconds = 100;

void IgnoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

bool Fail(QString* error, const QString& reason) {
    if (error)
        *error = reason;
    return false;
}

QString AlsaError(const char* what, int code) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(snd_strerror(code)));
}

snd_pcm_format_t AlsaFormat(const TWaveFormat& format) {
    switch (format.Encoding) {
    case TWaveEncoding::Pcm:
        switch (format.BitsPerSample) {
        case 8:
            return SND_PCM_FORMAT_U8;
        case 16:
            return SND_PCM_FORMAT_S16_LE;
        case 24:
            return SND_PCM_FORMAT_S24_3LE;
        case 32:
            return SND_PCM_FORMAT_S32_LE;
        }
        break;
    case TWaveEncoding::Float:
        return format.BitsPerSample == 64 ? SND_PCM_FORMAT_FLOAT64_LE : SND_PCM_FORMAT_FLOAT_LE;
    case TWaveEncoding::ALaw:
        return SND_PCM_FORMAT_A_LAW;
    case TWaveEncoding::MuLaw:
        return SND_PCM_FORMAT_MU_LAW;
    }
    return SND_PCM_FORMAT_UNKNOWN;
}

// Opens the PCM in the private configuration text, or in the system's when there is none.
int OpenPcm(snd_pcm_t** pcm, const TWaveOutDevice& device) {
    const QByteArray name = device.PcmName.toUtf8();
    if (device.Configuration.isEmpty())
        return snd_pcm_open(pcm, name.constData(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
    snd_config_t* config = nullptr;
    int result = snd_config_top(&config);
    if (result < 0)
        return result;
    snd_input_t* input = nullptr;
    result = snd_input_buffer_open(&input, device.Configuration.constData(),
                                   device.Configuration.size());
    if (result >= 0) {
        result = snd_config_load(config, input);
        snd_input_close(input);
    }
    if (result >= 0)
        result = snd_pcm_open_lconf(pcm, name.constData(), SND_PCM_STREAM_PLAYBACK,
                                    SND_PCM_NONBLOCK, config);
    snd_config_delete(config);
    return result;
}

} // namespace

void SilenceAlsaErrors() {
    // ALSA prints every failed lookup to standard error; a machine without sound is normal
    // here and the callers report failure through their results. The handler is process-wide.
    static const bool silenced = [] {
        snd_lib_error_set_handler(IgnoreAlsaMessage);
        return true;
    }();
    (void)silenced;
}

std::unique_ptr<TAlsaPcm> TAlsaPcm::Open(const TWaveOutDevice& device, const TWaveFormat& format,
                                         QString* error) {
    SilenceAlsaErrors();
    const snd_pcm_format_t alsaFormat = AlsaFormat(format);
    if (alsaFormat == SND_PCM_FORMAT_UNKNOWN || format.Channels <= 0) {
        Fail(error, QStringLiteral("the wave format has no ALSA counterpart"));
        return nullptr;
    }
    snd_pcm_t* pcm = nullptr;
    int result = OpenPcm(&pcm, device);
    if (result < 0) {
        Fail(error, AlsaError("cannot open the sound device", result));
        return nullptr;
    }
    // The device runs at the file's own rate and format; only ALSA's own plug layer may
    // convert, as the configuration allows.
    std::unique_ptr<TAlsaPcm> stream(new TAlsaPcm(pcm, format.BlockAlign, format.SampleRate));
    result =
        snd_pcm_set_params(pcm, alsaFormat, SND_PCM_ACCESS_RW_INTERLEAVED,
                           unsigned(format.Channels), format.SampleRate, 1, LatencyMicroseconds);
    if (result >= 0)
        result = snd_pcm_get_params(pcm, &stream->bufferFrames_, &stream->periodFrames_);
    if (result < 0) {
        Fail(error, AlsaError("the sound device does not take the wave format", result));
        return nullptr;
    }
    stream->periodFrames_ = std::max(stream->periodFrames_, 1UL);
    return stream;
}

TAlsaPcm::TAlsaPcm(snd_pcm_t* pcm, int frameBytes, quint32 rate)
    : pcm_(pcm), frameBytes_(frameBytes), rate_(rate) {}

TAlsaPcm::~TAlsaPcm() {
    snd_pcm_drop(pcm_);
    snd_pcm_close(pcm_);
}

bool TAlsaPcm::Play(const char* frames, qint64 count, const std::atomic<bool>& stop) {
    qint64 done = 0;
    while (done < count) {
        if (stop)
            return true;
        const auto chunk = snd_pcm_uframes_t(std::min<qint64>(count - done, periodFrames_));
        snd_pcm_sframes_t written = snd_pcm_writei(pcm_, frames + done * frameBytes_, chunk);
        if (written == -EAGAIN) {
            snd_pcm_wait(pcm_, WaitMilliseconds);
            continue;
        }
        if (written < 0) {
            // An underrun (the thread was held up) or a suspend: prepare again and go on.
            written = snd_pcm_recover(pcm_, int(written), 1);
            if (written < 0)
                return false;
            continue;
        }
        done += written;
    }
    // A sound shorter than the start threshold has not started by itself.
    if (count > 0 && snd_pcm_state(pcm_) == SND_PCM_STATE_PREPARED && snd_pcm_start(pcm_) < 0)
        return false;
    if (!WaitPlayed(stop))
        return true; // stopped, or the device stopped moving: the destructor drops the rest
    // Everything queued has been played: a blocking drain only flushes what plugins buffer.
    snd_pcm_nonblock(pcm_, 0);
    snd_pcm_drain(pcm_);
    return true;
}

// Waits while the device plays what is queued, checking stop. Bounded by the time the queue
// should take plus a margin, so that a device that stops moving cannot hold the thread.
bool TAlsaPcm::WaitPlayed(const std::atomic<bool>& stop) {
    using namespace std::chrono;
    const auto queued = milliseconds(qint64(bufferFrames_) * 1000 / std::max<quint32>(rate_, 1));
    const auto deadline = steady_clock::now() + queued + seconds(2);
    while (!stop) {
        if (snd_pcm_state(pcm_) != SND_PCM_STATE_RUNNING)
            return true;
        snd_pcm_sframes_t delay = 0;
        if (snd_pcm_delay(pcm_, &delay) < 0 || delay <= 0)
            return true;
        if (steady_clock::now() > deadline)
            return false;
        const qint64 left = qint64(delay) * 1000 / std::max<quint32>(rate_, 1);
        std::this_thread::sleep_for(milliseconds(std::clamp<qint64>(left, 1, 20)));
    }
    return false;
}

} // namespace vexo
