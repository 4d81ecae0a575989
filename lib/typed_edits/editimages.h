#pragma once
// The library-wide pictures of the typed edit's button: one image list of 14 x 12 glyphs
// from the bitmap resource "VEXOEDITBMPS" (calculator at 0, calendar at 2, clock at 4, each
// followed by its disabled image; aqua transparent) and the hand cursor "POINTCURSOR".
// Made on first use and kept for the process, as the library's start-up made them.

#include <QCursor>

#include "vexo/typed_edits_export.h"

namespace vexo {

class TImageList;

VEXO_TYPED_EDITS_EXPORT TImageList* EditImages();
// The hand-point cursor drawn for the library. The platform's standard hand-point cursor
// number cannot be replaced, so the edit's button carries this cursor itself.
VEXO_TYPED_EDITS_EXPORT QCursor EditHandCursor();

} // namespace vexo
