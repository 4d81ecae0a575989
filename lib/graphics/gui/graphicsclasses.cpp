#include "graphics/gui/graphicsclasses.h"

#include "graphics/gui/vexosound.h"
#include "platform/runtime/classregistry.h"

namespace vexo {

void RegisterGraphicsClasses() {
    static const bool registered = [] {
        RegisterClass(&TvexoSound::staticMetaObject);
        return true;
    }();
    (void)registered;
}

} // namespace vexo
