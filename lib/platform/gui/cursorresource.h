#pragma once
// Cursors by resource name: images compiled in under ":/vexo/cursors" (PNG normally, any
// format Qt reads), or registered under a name with RegisterCursorResource. The hot spot is
// the one registered, else the image's text keys "HotSpotX" and "HotSpotY" (a PNG's text
// chunks), else the top-left pixel.

#include <QCursor>
#include <QPoint>
#include <QString>

#include "platform/runtime/resourcetable.h"
#include "vexo/platform_gui_export.h"

namespace vexo {

// The table of cursor resources, folder ":/vexo/cursors".
VEXO_PLATFORM_GUI_EXPORT TResourceTable& CursorResources();
// Registers (or replaces) `name` as the image at `path`; a `hotSpot` with negative
// coordinates means the image's own.
VEXO_PLATFORM_GUI_EXPORT void RegisterCursorResource(const QString& name, const QString& path,
                                                     QPoint hotSpot = QPoint(-1, -1));
VEXO_PLATFORM_GUI_EXPORT bool CursorResourceExists(const QString& name);
// The named cursor. Raises EResNotFound "Resource <name> not found" for an unknown name and
// EInvalidGraphic when its file is no image Qt can read.
VEXO_PLATFORM_GUI_EXPORT QCursor LoadCursorResource(const QString& name);

} // namespace vexo
