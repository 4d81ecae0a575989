#include "platform/image/graphic.h"

#include <QFile>
#include <QSaveFile>

#include "platform/runtime/exception.h"

namespace vexo {

TGraphic::~TGraphic() = default;

void TGraphic::LoadFromFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(QStringLiteral("Cannot open file %1").arg(fileName));
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EFOpenError(QStringLiteral("Cannot open file %1").arg(fileName));
    LoadFromBytes(data);
}

void TGraphic::SaveToFile(const QString& fileName) const {
    // Encode first so a failing encoder never touches the target.
    const QByteArray data = SaveToBytes();
    // QSaveFile writes a temporary file beside the target and renames it over the target on
    // commit, so a failure leaves the previous file intact.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw EFCreateError(QStringLiteral("Cannot create file %1").arg(fileName));
}

} // namespace vexo
