#include "platform/image/graphic.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>

#include "platform/runtime/classregistry.h"
#include "platform/runtime/exception.h"

namespace vexo {

namespace {

QHash<const QMetaObject*, TGraphicFactory>& Factories() {
    static QHash<const QMetaObject*, TGraphicFactory> factories;
    return factories;
}

} // namespace

TGraphic::~TGraphic() = default;

bool TGraphic::AssignTo(TGraphic&) const {
    return false;
}

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

void RegisterGraphicClass(const QMetaObject* metaObject, TGraphicFactory factory) {
    if (metaObject == nullptr || !factory)
        return;
    RegisterClass(metaObject);
    Factories().insert(metaObject, std::move(factory));
}

std::unique_ptr<TGraphic> CreateGraphic(const QString& className) {
    const QMetaObject* metaObject = FindClass(className);
    const TGraphicFactory factory = Factories().value(metaObject);
    if (!factory)
        throw EInvalidGraphic(
            QStringLiteral("Class %1 is not a graphic class").arg(ClassNameOf(metaObject)));
    return factory();
}

} // namespace vexo
