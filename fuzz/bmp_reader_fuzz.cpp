// libFuzzer target for the BMP reader: every input is refused cleanly or read into a bitmap
// that round-trips through the writer. Built and run by scripts/fuzz.

#include <cstdint>
#include <cstdlib>

#include "fuzz/bmproundtrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!vexo::fuzzing::BmpInputHolds(data, size))
        std::abort();
    return 0;
}
