#include "app/gui/resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void RegisterVarnovaGuiResources() {
    Q_INIT_RESOURCE(varnova_gui);
}

namespace varnova {

void InitGuiResources() {
    static const bool done = (RegisterVarnovaGuiResources(), true);
    Q_UNUSED(done);
}

} // namespace varnova
