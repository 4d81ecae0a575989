#pragma once
// Strings, bitmaps and cursors of the program's resources. Strings live in a table by 16-bit
// number that the program (or a library) fills at start-up, the counterpart of a string table
// linked into the module; bitmaps and cursors come from the platform's resources by name.

#include <QCursor>
#include <QString>
#include <optional>

#include "platform/image/bitmap.h"
#include "vexo/graphics_gui_export.h"

namespace vexo {

// Enters (or replaces) the text of string `ident`.
VEXO_GRAPHICS_GUI_EXPORT void RegisterResString(quint16 ident, const QString& text);
// The text of string `ident`; empty for a number no one registered.
VEXO_GRAPHICS_GUI_EXPORT QString ResString(quint16 ident);
// The named bitmap; an empty bitmap when there is no such resource or it cannot be read.
VEXO_GRAPHICS_GUI_EXPORT TBitmap ResBitmap(const QString& name);
// The named cursor; none when there is no such resource or it cannot be read.
VEXO_GRAPHICS_GUI_EXPORT std::optional<QCursor> ResCursor(const QString& name);

} // namespace vexo
