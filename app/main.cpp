// Varnova: combines one working picture with every bitmap of a source folder.
#include <cstdio>

#include "app/ropmodes.h"

int main() {
    std::printf("Varnova v1.0\nModes:\n");
    for (int i = 0; i < varnova::ModeCount; ++i)
        std::printf("  %2d %s\n", i, varnova::ModeNames[i] + 2);
    return 0;
}
