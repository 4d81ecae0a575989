#pragma once
// Shortening of a path to a pixel width: leading folders give way to ".../" until the text
// fits; the file name is never cut.

#include <QString>

#include "platform/image/canvas.h"
#include "vexo/platform_gui_export.h"

namespace vexo {

// "/home/user/Images/" becomes "/.../user/Images/", "/.../Images/", "/.../", ".../" and
// finally "" while it is wider than `maxWidth` on `canvas`. There are no drive prefixes
// here; "/" separates folders.
VEXO_PLATFORM_GUI_EXPORT QString ElidePath(const QString& path, const TCanvas& canvas,
                                           int maxWidth);

} // namespace vexo
