// libFuzzer target for the RIFF/WAVE reader: every input is refused with a reason, or read
// into a format that the output can be opened with and whole frames that lie inside the input.
// Built and run by scripts/fuzz.

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "graphics/wavefile.h"

namespace {

bool Holds(const QByteArray& image) {
    vexo::TWaveData wave;
    QString error;
    if (!vexo::ReadWave(image, wave, &error))
        return !error.isEmpty() && wave.Samples.isEmpty() && wave.Format.Channels == 0;
    const vexo::TWaveFormat& f = wave.Format;
    if (f.Channels < 1 || f.Channels > vexo::MaxWaveChannels || f.SampleRate == 0 ||
        f.SampleRate > vexo::MaxWaveSampleRate || f.BlockAlign != f.Channels * f.BitsPerSample / 8)
        return false;
    if (wave.Samples.size() % f.BlockAlign != 0)
        return false;
    // The samples are bytes of the image, never bytes from beyond it.
    return image.indexOf(wave.Samples) >= 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray image =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!Holds(image))
        std::abort();
    return 0;
}
