#include "utils/vexolist.h"

namespace vexo {

TvexoList::~TvexoList() {
    ClearOnDestroy();
}

void TvexoList::Pack() {
    for (int i = Count() - 1; i >= 0; --i) {
        if (i < Count() && Get(i) == nullptr)
            Delete(i);
    }
}

} // namespace vexo
