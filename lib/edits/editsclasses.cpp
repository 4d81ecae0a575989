#include "edits/editsclasses.h"

#include "edits/vexocheckbox.h"
#include "edits/vexocombobox.h"
#include "edits/vexolabel.h"
#include "edits/vexopanel.h"
#include "platform/runtime/classregistry.h"

namespace vexo {

void RegisterEditsClasses() {
    static const bool registered = [] {
        RegisterClass(&TvexoLabel::staticMetaObject);
        RegisterClass(&TvexoCheckBox::staticMetaObject);
        RegisterClass(&TvexoComboBox::staticMetaObject);
        RegisterClass(&TvexoPanel::staticMetaObject);
        return true;
    }();
    (void)registered;
}

} // namespace vexo
