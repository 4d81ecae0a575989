#include "utils/vexocontainer.h"

#include <cstdlib>

namespace vexo {

void* TvexoContainer::NewBlock(std::size_t size) {
    return std::malloc(size == 0 ? 1 : size);
}

void TvexoContainer::Delete(int index) {
    if (!CheckIndex(index))
        return;
    void* block = Get(index);
    try {
        TvexoList::Delete(index);
    } catch (...) {
        // The item left the list before an event handler failed; its block goes with it.
        if (block != nullptr)
            ReleaseBlock(block);
        throw;
    }
    if (block != nullptr)
        ReleaseBlock(block);
}

void TvexoContainer::ReleaseBlock(void* block) {
    std::free(block);
}

} // namespace vexo
