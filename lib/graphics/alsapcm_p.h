#pragma once
// One open ALSA playback stream for one wave format.

#include <QString>
#include <atomic>
#include <memory>

#include "graphics/wavefile.h"
#include "graphics/waveout.h"

typedef struct _snd_pcm snd_pcm_t;

namespace vexo {

// Keeps ALSA's own diagnostics off standard error (process-wide, once).
void SilenceAlsaErrors();

class TAlsaPcm {
public:
    // Opens the device for the format without waiting for it: a missing, busy or unconfigured
    // device fails at once. None, with the reason in *error, when the device cannot be opened
    // or does not take the format.
    static std::unique_ptr<TAlsaPcm> Open(const TWaveOutDevice& device, const TWaveFormat& format,
                                          QString* error = nullptr);
    ~TAlsaPcm();
    TAlsaPcm(const TAlsaPcm&) = delete;
    TAlsaPcm& operator=(const TAlsaPcm&) = delete;

    // Plays the frames and waits until the device has played them. Setting stop (from any
    // thread) ends the play within about a tenth of a second, dropping what is queued; that
    // counts as success. False on a device error.
    bool Play(const char* frames, qint64 count, const std::atomic<bool>& stop);

private:
    TAlsaPcm(snd_pcm_t* pcm, int frameBytes, quint32 rate);
    bool WaitPlayed(const std::atomic<bool>& stop);

    snd_pcm_t* pcm_;
    int frameBytes_;
    quint32 rate_;
    unsigned long bufferFrames_ = 0;
    unsigned long periodFrames_ = 0;
};

} // namespace vexo
