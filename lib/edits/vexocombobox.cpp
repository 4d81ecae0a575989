#include "edits/vexocombobox.h"

namespace vexo {

TvexoComboBox::TvexoComboBox(TComponent* owner) : TvexoCustomComboBox(owner) {}

TvexoComboBox::TvexoComboBox(TComponent* owner, QWidget* parent)
    : TvexoCustomComboBox(owner, parent) {}

} // namespace vexo
