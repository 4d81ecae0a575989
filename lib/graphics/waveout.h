#pragma once
// Where the wave sounds go: an ALSA PCM by name. By default it is looked up in the system's
// ALSA configuration ("default": whatever the user's setup makes of it); with a private
// configuration text only that text is consulted, so a program (or a test) can route sound to
// a file, another device or nowhere without touching the user's set-up.

#include <QByteArray>
#include <QString>

#include "vexo/graphics_export.h"

namespace vexo {

struct TWaveOutDevice {
    QString PcmName = QStringLiteral("default");
    // ALSA configuration text ("pcm.name { type file ... }"); empty: the system configuration.
    QByteArray Configuration;
};

// Takes effect from the next sound on; the one playing goes on where it is.
VEXO_GRAPHICS_EXPORT void SetWaveOutDevice(const TWaveOutDevice& device);
VEXO_GRAPHICS_EXPORT TWaveOutDevice WaveOutDevice();

} // namespace vexo
