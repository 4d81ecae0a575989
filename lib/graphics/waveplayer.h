#pragma once
// The process's sound player: one sound at a time, as the system's simple sound call has it.
// Every play, synchronous or not, first stops the sound that is playing and waits until its
// device is closed. Asynchronous sounds play on a worker thread that holds its own copy of
// the samples, so the caller may free its data at once.

#include <QString>

#include "graphics/wavefile.h"
#include "vexo/graphics_export.h"

namespace vexo {

// Plays the wave on the wave-out device (waveout.h). Asynchronous: returns as soon as the
// device is open and the worker has the sound. Synchronous: returns after the last frame was
// played, or earlier when another play or StopWave cut it short. False when the device cannot
// be opened for the wave's format, or on a device error during a synchronous play. `owner`
// tags the sound for StopWave.
VEXO_GRAPHICS_EXPORT bool PlayWaveData(const TWaveData& wave, bool async,
                                       const void* owner = nullptr);
// Plays a wave file image held in memory: false when it is no wave file ReadWave takes.
VEXO_GRAPHICS_EXPORT bool PlayWaveImage(const QByteArray& image, bool async,
                                        const void* owner = nullptr);
// Plays the wave file `name`, or, when no such file exists, the system sound of that name
// (soundtheme.h). False when there is neither, or it is no wave file ReadWave takes.
VEXO_GRAPHICS_EXPORT bool PlaySoundName(const QString& name, bool async,
                                        const void* owner = nullptr);
// Stops the playing sound when owner is none or the sound is owner's; returns once its
// device is closed.
VEXO_GRAPHICS_EXPORT void StopWave(const void* owner = nullptr);
// Waits up to timeoutMs for the playing sound to end; true when no sound plays.
VEXO_GRAPHICS_EXPORT bool WaitWaveEnd(int timeoutMs);

} // namespace vexo
