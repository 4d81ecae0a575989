#include "platform/image/bitmapresource.h"

namespace vexo {

TResourceTable& BitmapResources() {
    static TResourceTable table(QStringLiteral(":/vexo/bitmaps"));
    return table;
}

void RegisterBitmapResource(const QString& name, const QString& path) {
    BitmapResources().Register(name, path);
}

bool BitmapResourceExists(const QString& name) {
    return !BitmapResources().Find(name).isEmpty();
}

TBitmap LoadBitmapResource(const QString& name) {
    TBitmap bitmap;
    bitmap.LoadFromFile(BitmapResources().Get(name));
    return bitmap;
}

} // namespace vexo
