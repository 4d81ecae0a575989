#include "typed_edits/valuedialogs_p.h"

#include "typed_edits/vexocustomedit.h"

namespace vexo {

bool RunValueDialog(int kind, QWidget* anchor, TComponent* owner, double& value) {
    (void)kind, (void)anchor, (void)owner, (void)value;
    return false;
}

} // namespace vexo
