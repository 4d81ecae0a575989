#include "graphics/gui/resourceutils.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include "platform/gui/cursorresource.h"
#include "platform/image/bitmapresource.h"
#include "platform/runtime/exception.h"

namespace vexo {

namespace {

struct StringTable {
    QMutex mutex;
    QHash<quint16, QString> texts;
};

StringTable& Strings() {
    static StringTable table;
    return table;
}

} // namespace

void RegisterResString(quint16 ident, const QString& text) {
    QMutexLocker lock(&Strings().mutex);
    Strings().texts.insert(ident, text);
}

QString ResString(quint16 ident) {
    QMutexLocker lock(&Strings().mutex);
    return Strings().texts.value(ident);
}

// The loaders raise for a missing or broken resource; these routines answer "no handle".
TBitmap ResBitmap(const QString& name) {
    try {
        return LoadBitmapResource(name);
    } catch (const Exception&) {
        return TBitmap();
    }
}

std::optional<QCursor> ResCursor(const QString& name) {
    try {
        return LoadCursorResource(name);
    } catch (const Exception&) {
        return std::nullopt;
    }
}

} // namespace vexo
