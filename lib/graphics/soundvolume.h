#pragma once
// The wave-output volume. A volume is the system's 32-bit pair: the left channel in the low
// 16 bits, the right channel in the high 16 bits, each from 0 (silent) to 0xFFFF (full).
// The routines go through a volume control; the default one is the ALSA mixer of the default
// card, and tests or programs may put another in its place.

#include <QtGlobal>

#include "vexo/graphics_export.h"

namespace vexo {

class VEXO_GRAPHICS_EXPORT TWaveOutVolume {
public:
    virtual ~TWaveOutVolume() = default;
    // False when the volume cannot be read; volume is then unchanged.
    virtual bool GetVolume(quint32& volume) = 0;
    // False when the volume cannot be set.
    virtual bool SetVolume(quint32 volume) = 0;
};

// The default control: the "Master" playback volume of the default ALSA mixer, else its "PCM"
// volume. Each 16-bit channel value maps linearly onto the element's range; a mono element
// takes the left value and reads back into both halves; other channels of a surround element
// follow their side (centre and bass the mean of both). A value set and read back unchanged
// on the mixer reads as the value that was set.
VEXO_GRAPHICS_EXPORT TWaveOutVolume& AlsaMixerVolume();
// Puts control in place of the current one (none: the ALSA mixer) and returns the previous.
VEXO_GRAPHICS_EXPORT TWaveOutVolume* SetWaveOutVolumeControl(TWaveOutVolume* control);

// The linear mapping between the 16-bit scale and a mixer element's steps min..max (min <
// max): 0 is min, 0xFFFF is max, both ways rounded to the nearest; steps outside the range are
// clamped.
VEXO_GRAPHICS_EXPORT qint64 VolumeToMixerStep(quint16 volume, qint64 min, qint64 max);
VEXO_GRAPHICS_EXPORT quint16 MixerStepToVolume(qint64 step, qint64 min, qint64 max);

// Both channels to volume.
VEXO_GRAPHICS_EXPORT bool SetSoundVolume(quint16 volume);
VEXO_GRAPHICS_EXPORT bool SetSoundChannelsVolume(quint16 left, quint16 right);
// (left div 2) + (right div 2); 0 when the volume cannot be read.
VEXO_GRAPHICS_EXPORT quint16 GetSoundVolume();
// Both 0 first, then the channels when the volume can be read; true when it could.
VEXO_GRAPHICS_EXPORT bool GetSoundChannelsVolume(quint16& left, quint16& right);

} // namespace vexo
