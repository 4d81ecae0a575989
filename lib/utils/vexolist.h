#pragma once
// A growable list of untyped pointers with change events.

#include "utils/vexotypedlist.h"
#include "vexo/utils_export.h"

namespace vexo {

class TvexoList;
using TOnPntItemNotify = std::function<void(TvexoList* Sender, void* Item)>;
using TOnPntItemChange = std::function<void(TvexoList* Sender, void* OldItem, void* NewItem)>;

class VEXO_UTILS_EXPORT TvexoList : public TvexoTypedList<void*, TvexoList> {
public:
    TvexoList() = default;
    // Clears the list, events included.
    ~TvexoList() override;

    // Deletes every null item with Delete, from the last item to the first.
    void Pack();
};

} // namespace vexo
