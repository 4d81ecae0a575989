#include "typed_edits/typededitsclasses.h"

#include "platform/runtime/classregistry.h"
#include "typed_edits/vexoedit.h"
#include "typed_edits/vexoentertab.h"
#include "typed_edits/vexogetperiodform.h"

namespace vexo {

void RegisterTypedEditsClasses() {
    static const bool registered = [] {
        RegisterClass(&TvexoEdit::staticMetaObject);
        RegisterClass(&TvexoEnterTab::staticMetaObject);
        RegisterClass(&TvexoGetPeriodForm::staticMetaObject);
        return true;
    }();
    (void)registered;
}

} // namespace vexo
