#pragma once
// Our own BMP reader and writer. The reader accepts every header and compression a BMP file
// may carry and refuses malformed files with EInvalidGraphic "Bitmap image is not valid",
// never reading or writing out of bounds.

#include <QByteArray>

#include "platform/bitmap.h"

namespace vexo {

VEXO_PLATFORM_EXPORT TBitmap ReadBmp(const QByteArray& data);
VEXO_PLATFORM_EXPORT QByteArray WriteBmp(const TBitmap& bitmap);

} // namespace vexo
