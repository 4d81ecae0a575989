#include "platform/runtime/componentstream.h"

#include <QFile>
#include <QSaveFile>

#include "platform/runtime/classregistry.h"
#include "platform/runtime/reader.h"
#include "platform/runtime/streamtext.h"
#include "platform/runtime/writer.h"

namespace vexo {

QString ComponentToText(TComponent* root) {
    return StreamTextOf(TWriter(root).WriteRootComponent());
}

void ReadComponentText(const QString& text, TComponent* root) {
    const TStreamObject object = ParseStreamText(text);
    TReader(root).ReadRootComponent(object);
}

TComponent* CreateComponentFromText(const QString& text, TComponent* owner) {
    const TStreamObject object = ParseStreamText(text);
    if (GetClass(object.ClassName) == nullptr)
        throw EReadError(object.Line, QStringLiteral("Class %1 not found").arg(object.ClassName));
    TComponent* root = nullptr;
    try {
        root = CreateComponent(object.ClassName, owner);
    } catch (const Exception& e) {
        throw EReadError(object.Line, e.Message());
    }
    try {
        TReader(root).ReadRootComponent(object);
    } catch (...) {
        delete root->Object();
        throw;
    }
    return root;
}

void WriteComponentResFile(const QString& fileName, TComponent* instance) {
    // The text first, so a failing writer leaves the file alone.
    const QByteArray data = ComponentToText(instance).toUtf8();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw EFCreateError(QStringLiteral("Cannot create file %1").arg(fileName));
}

TComponent* ReadComponentResFile(const QString& fileName, TComponent* instance) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(QStringLiteral("Cannot open file %1").arg(fileName));
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EFOpenError(QStringLiteral("Cannot open file %1").arg(fileName));
    const QString text = QString::fromUtf8(data);
    if (instance == nullptr)
        return CreateComponentFromText(text, nullptr);
    ReadComponentText(text, instance);
    return instance;
}

} // namespace vexo
