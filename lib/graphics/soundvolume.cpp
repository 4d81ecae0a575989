#include "graphics/soundvolume.h"

#include <algorithm>
#include <atomic>

namespace vexo {

namespace {

std::atomic<TWaveOutVolume*> installed{nullptr};

TWaveOutVolume& Control() {
    TWaveOutVolume* control = installed.load();
    return control ? *control : AlsaMixerVolume();
}

} // namespace

TWaveOutVolume* SetWaveOutVolumeControl(TWaveOutVolume* control) {
    TWaveOutVolume* previous = installed.exchange(control);
    return previous ? previous : &AlsaMixerVolume();
}

qint64 VolumeToMixerStep(quint16 volume, qint64 min, qint64 max) {
    return min + (qint64(volume) * (max - min) + 0x7FFF) / 0xFFFF;
}

quint16 MixerStepToVolume(qint64 step, qint64 min, qint64 max) {
    const qint64 range = max - min;
    return quint16(((std::clamp(step, min, max) - min) * 0xFFFF + range / 2) / range);
}

bool SetSoundVolume(quint16 volume) {
    return Control().SetVolume(quint32(volume) * 0x10001u);
}

bool SetSoundChannelsVolume(quint16 left, quint16 right) {
    return Control().SetVolume(quint32(right) * 65536u + left);
}

quint16 GetSoundVolume() {
    quint32 volume = 0;
    if (!Control().GetVolume(volume))
        return 0;
    return quint16((volume & 0xFFFF) / 2 + (volume >> 16) / 2);
}

bool GetSoundChannelsVolume(quint16& left, quint16& right) {
    left = 0;
    right = 0;
    quint32 volume = 0;
    if (!Control().GetVolume(volume))
        return false;
    left = quint16(volume & 0xFFFF);
    right = quint16(volume >> 16);
    return true;
}

} // namespace vexo
