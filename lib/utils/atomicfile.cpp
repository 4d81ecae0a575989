#include "utils/atomicfile_p.h"

#include <QSaveFile>

namespace vexo {

bool SaveFileAtomically(const QString& fileName, const QByteArray& data, QString* reason) {
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit())
        return true;
    if (reason != nullptr)
        *reason = file.errorString();
    file.cancelWriting();
    return false;
}

} // namespace vexo
