#include "edits/vexolabel.h"

namespace vexo {

TvexoLabel::TvexoLabel(TComponent* owner) : TvexoCustomLabel(owner) {}

TvexoLabel::TvexoLabel(TComponent* owner, QWidget* parent) : TvexoCustomLabel(owner, parent) {}

} // namespace vexo
