#include "graphics/waveout.h"

#include <mutex>

namespace vexo {

namespace {

std::mutex deviceMutex;

TWaveOutDevice& Device() {
    static TWaveOutDevice device;
    return device;
}

} // namespace

void SetWaveOutDevice(const TWaveOutDevice& device) {
    const std::lock_guard lock(deviceMutex);
    Device() = device;
}

TWaveOutDevice WaveOutDevice() {
    const std::lock_guard lock(deviceMutex);
    return Device();
}

} // namespace vexo
