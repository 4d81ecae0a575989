#include "edits/vexocheckbox.h"

namespace vexo {

TvexoCheckBox::TvexoCheckBox(TComponent* owner) : TvexoCustomCheckBox(owner) {}

TvexoCheckBox::TvexoCheckBox(TComponent* owner, QWidget* parent)
    : TvexoCustomCheckBox(owner, parent) {}

} // namespace vexo
