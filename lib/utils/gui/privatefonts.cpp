#include "utils/gui/privatefonts.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>

namespace vexo {

namespace {

struct Registration {
    int Id = -1;
    int Count = 0;
};

// By canonical path, so that two spellings of one file are one registration.
QHash<QString, Registration>& Registrations() {
    static QHash<QString, Registration> registrations;
    return registrations;
}

QString Key(const QString& fileName) {
    const QFileInfo info(fileName);
    return info.isFile() ? info.canonicalFilePath() : QString();
}

bool HaveFontDatabase() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

} // namespace

bool RegisterTTF(const QString& fileName) {
    const QString key = Key(fileName);
    if (key.isEmpty() || !HaveFontDatabase())
        return false;
    Registration& registration = Registrations()[key];
    if (registration.Count == 0) {
        registration.Id = QFontDatabase::addApplicationFont(key);
        if (registration.Id < 0) {
            Registrations().remove(key);
            return false;
        }
    }
    ++registration.Count;
    return true;
}

bool RemoveTTF(const QString& fileName) {
    const QString key = Key(fileName);
    const auto found = Registrations().find(key);
    if (key.isEmpty() || found == Registrations().end() || !HaveFontDatabase())
        return false;
    if (--found->Count > 0)
        return true;
    const int id = found->Id;
    Registrations().erase(found);
    return QFontDatabase::removeApplicationFont(id);
}

} // namespace vexo
