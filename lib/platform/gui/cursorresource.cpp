#include "platform/gui/cursorresource.h"

#include <QHash>
#include <QImageReader>
#include <QMutex>
#include <QMutexLocker>
#include <QPixmap>

namespace vexo {

namespace {

// Hot spots given at registration, by upper-case name.
struct THotSpots {
    QMutex mutex;
    QHash<QString, QPoint> points;
};

THotSpots& HotSpots() {
    static THotSpots spots;
    return spots;
}

int TextKey(const QImage& image, const char* key) {
    bool ok = false;
    const int value = image.text(QLatin1String(key)).toInt(&ok);
    return ok ? value : 0;
}

} // namespace

TResourceTable& CursorResources() {
    static TResourceTable table(QStringLiteral(":/vexo/cursors"));
    return table;
}

void RegisterCursorResource(const QString& name, const QString& path, QPoint hotSpot) {
    {
        THotSpots& spots = HotSpots();
        const QMutexLocker lock(&spots.mutex);
        if (hotSpot.x() >= 0 && hotSpot.y() >= 0)
            spots.points.insert(name.toUpper(), hotSpot);
        else
            spots.points.remove(name.toUpper());
    }
    CursorResources().Register(name, path);
}

bool CursorResourceExists(const QString& name) {
    return !CursorResources().Find(name).isEmpty();
}

QCursor LoadCursorResource(const QString& name) {
    const QString path = CursorResources().Get(name);
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull())
        throw EInvalidGraphic(QStringLiteral("Cursor resource %1 is not a valid image (%2)")
                                  .arg(name, reader.errorString()));
    QPoint hotSpot(TextKey(image, "HotSpotX"), TextKey(image, "HotSpotY"));
    {
        THotSpots& spots = HotSpots();
        const QMutexLocker lock(&spots.mutex);
        hotSpot = spots.points.value(name.toUpper(), hotSpot);
    }
    // A hot spot off the image would point nowhere: it is kept on the image's edge.
    return QCursor(QPixmap::fromImage(image), qBound(0, hotSpot.x(), image.width() - 1),
                   qBound(0, hotSpot.y(), image.height() - 1));
}

} // namespace vexo
