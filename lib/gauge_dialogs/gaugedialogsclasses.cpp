#include "gauge_dialogs/gaugedialogsclasses.h"

#include "gauge_dialogs/vexobrowsefolder.h"
#include "gauge_dialogs/vexogauge.h"
#include "platform/runtime/classregistry.h"

namespace vexo {

void RegisterGaugeDialogsClasses() {
    static const bool registered = [] {
        RegisterClass(&TvexoGauge::staticMetaObject);
        RegisterClass(&TvexoBrowseFolder::staticMetaObject);
        return true;
    }();
    (void)registered;
}

} // namespace vexo
