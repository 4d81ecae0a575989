// The default volume control of soundvolume.h: the ALSA mixer of the default card.

#include <alsa/asoundlib.h>
#include <mutex>

#include "graphics/alsapcm_p.h"
#include "graphics/soundvolume.h"

namespace vexo {

namespace {

// The default mixer, opened for one call, with its master element (none when it has neither
// a "Master" nor a "PCM" playback volume).
class TMixer {
public:
    TMixer() {
        SilenceAlsaErrors();
        if (snd_mixer_open(&mixer_, 0) < 0) {
            mixer_ = nullptr;
            return;
        }
        if (snd_mixer_attach(mixer_, "default") < 0 ||
            snd_mixer_selem_register(mixer_, nullptr, nullptr) < 0 || snd_mixer_load(mixer_) < 0)
            return;
        for (const char* name : {"Master", "PCM"}) {
            snd_mixer_selem_id_t* id = nullptr;
            snd_mixer_selem_id_alloca(&id);
            snd_mixer_selem_id_set_name(id, name);
            snd_mixer_elem_t* elem = snd_mixer_find_selem(mixer_, id);
            if (elem && snd_mixer_selem_has_playback_volume(elem) &&
                snd_mixer_selem_get_playback_volume_range(elem, &min_, &max_) >= 0 && max_ > min_) {
                elem_ = elem;
                return;
            }
        }
    }
    ~TMixer() {
        if (mixer_)
            snd_mixer_close(mixer_);
    }
    TMixer(const TMixer&) = delete;
    TMixer& operator=(const TMixer&) = delete;

    bool Found() const { return elem_ != nullptr; }

    bool Read(long& left, long& right) const {
        const bool mono = snd_mixer_selem_is_playback_mono(elem_);
        if (snd_mixer_selem_get_playback_volume(elem_, SND_MIXER_SCHN_FRONT_LEFT, &left) < 0)
            return false;
        if (mono)
            right = left;
        else if (snd_mixer_selem_get_playback_volume(elem_, SND_MIXER_SCHN_FRONT_RIGHT, &right) < 0)
            return false;
        return true;
    }

    bool Write(long left, long right) const {
        if (snd_mixer_selem_is_playback_mono(elem_))
            return snd_mixer_selem_set_playback_volume(elem_, SND_MIXER_SCHN_MONO, left) >= 0;
        for (int channel = 0; channel <= SND_MIXER_SCHN_LAST; ++channel) {
            const auto id = snd_mixer_selem_channel_id_t(channel);
            if (!snd_mixer_selem_has_playback_channel(elem_, id))
                continue;
            long value = (left + right) / 2;
            if (channel == SND_MIXER_SCHN_FRONT_LEFT || channel == SND_MIXER_SCHN_REAR_LEFT ||
                channel == SND_MIXER_SCHN_SIDE_LEFT)
                value = left;
            else if (channel == SND_MIXER_SCHN_FRONT_RIGHT ||
                     channel == SND_MIXER_SCHN_REAR_RIGHT || channel == SND_MIXER_SCHN_SIDE_RIGHT)
                value = right;
            if (snd_mixer_selem_set_playback_volume(elem_, id, value) < 0)
                return false;
        }
        return true;
    }

    long ToRaw(quint16 value) const { return long(VolumeToMixerStep(value, min_, max_)); }
    quint16 FromRaw(long raw) const { return MixerStepToVolume(raw, min_, max_); }

private:
    snd_mixer_t* mixer_ = nullptr;
    snd_mixer_elem_t* elem_ = nullptr;
    long min_ = 0;
    long max_ = 0;
};

class TAlsaMixerVolume final : public TWaveOutVolume {
public:
    bool GetVolume(quint32& volume) override {
        const std::lock_guard lock(mutex_);
        const TMixer mixer;
        long left = 0;
        long right = 0;
        if (!mixer.Found() || !mixer.Read(left, right))
            return false;
        // The mixer's steps are coarser than 16 bits: what was set reads back as set for as
        // long as nobody else moved the control.
        if (lastSet_ && left == lastLeft_ && right == lastRight_)
            volume = lastVolume_;
        else
            volume = quint32(mixer.FromRaw(right)) << 16 | mixer.FromRaw(left);
        return true;
    }

    bool SetVolume(quint32 volume) override {
        const std::lock_guard lock(mutex_);
        const TMixer mixer;
        lastSet_ = false;
        if (!mixer.Found() || !mixer.Write(mixer.ToRaw(volume & 0xFFFF), mixer.ToRaw(volume >> 16)))
            return false;
        lastSet_ = mixer.Read(lastLeft_, lastRight_);
        lastVolume_ = volume;
        return true;
    }

private:
    std::mutex mutex_;
    bool lastSet_ = false;
    long lastLeft_ = 0;
    long lastRight_ = 0;
    quint32 lastVolume_ = 0;
};

} // namespace

TWaveOutVolume& AlsaMixerVolume() {
    static TAlsaMixerVolume volume;
    return volume;
}

} // namespace vexo
