#pragma once
// A pointer list that owns memory blocks: deleting an item (Delete, Remove, Pack) releases
// its block. Clear, SetCount, Put, Move and destruction release nothing.

#include <cstddef>

#include "utils/vexolist.h"

namespace vexo {

class VEXO_UTILS_EXPORT TvexoContainer : public TvexoList {
public:
    // A block the container may own (released with std::free); nullptr when out of memory.
    static void* NewBlock(std::size_t size);

    // Deletes the item, then releases its block when it is not null.
    void Delete(int index) override;

protected:
    // Releases one block; the default expects blocks from NewBlock or std::malloc.
    virtual void ReleaseBlock(void* block);
};

} // namespace vexo
