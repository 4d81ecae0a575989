#include "app/ropmodes.h"

#include <QString>

namespace varnova {

int ModeIndexByName(const QString& name) {
    const QString wanted = name.trimmed();
    for (int i = 0; i < ModeCount; ++i) {
        if (QString::fromLatin1(ModeNames[i]).trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace varnova
