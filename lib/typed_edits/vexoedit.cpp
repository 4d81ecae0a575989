#include "typed_edits/vexoedit.h"

#include "edits/vexocustomlabel.h"
#include "graphics/gui/vexosound.h"
#include "platform/gui/imagelist.h"
#include "platform/gui/popupmenu.h"
#include "platform/gui/sizeconstraints.h"

namespace vexo {

TvexoEdit::TvexoEdit(TComponent* owner) : TvexoCustomEdit(owner) {}

TvexoEdit::TvexoEdit(TComponent* owner, QWidget* parent) : TvexoCustomEdit(owner, parent) {}

TvexoEdit::~TvexoEdit() = default;

} // namespace vexo
