#pragma once
// Bitmaps by resource name: BMP files compiled in under ":/vexo/bitmaps" (a .qrc with that
// prefix), or registered under a name with RegisterBitmapResource. A bitmap keeps the pixel
// format of its file, palette included.

#include <QString>

#include "platform/image/bitmap.h"
#include "platform/runtime/resourcetable.h"

namespace vexo {

// The table of bitmap resources, folder ":/vexo/bitmaps".
VEXO_PLATFORM_EXPORT TResourceTable& BitmapResources();
// Registers (or replaces) `name` as the BMP file at `path` (a ":/" resource or a file).
VEXO_PLATFORM_EXPORT void RegisterBitmapResource(const QString& name, const QString& path);
// True when a bitmap resource of that name (any letter case) exists.
VEXO_PLATFORM_EXPORT bool BitmapResourceExists(const QString& name);
// The named bitmap. Raises EResNotFound "Resource <name> not found" for an unknown name,
// EFOpenError when its file cannot be read and EInvalidGraphic when it is no valid BMP.
VEXO_PLATFORM_EXPORT TBitmap LoadBitmapResource(const QString& name);

} // namespace vexo
