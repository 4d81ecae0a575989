#include "platform/runtime/classregistry.h"

#include <QHash>
#include <QMetaMethod>

namespace vexo {

namespace {

QHash<QString, const QMetaObject*>& Registry() {
    static QHash<QString, const QMetaObject*> registry;
    return registry;
}

bool HasOwnerConstructor(const QMetaObject* metaObject) {
    for (int i = 0; i < metaObject->constructorCount(); ++i) {
        const QMetaMethod ctor = metaObject->constructor(i);
        if (ctor.parameterCount() == 1 &&
            ctor.parameterMetaType(0) == QMetaType::fromType<TComponent*>())
            return true;
    }
    return false;
}

} // namespace

QString ClassNameOf(const QMetaObject* metaObject) {
    const QString name = QString::fromLatin1(metaObject->className());
    const qsizetype colon = name.lastIndexOf(QLatin1Char(':'));
    return colon < 0 ? name : name.mid(colon + 1);
}

void RegisterClass(const QMetaObject* metaObject) {
    if (metaObject == nullptr)
        return;
    if (metaObject->inherits(&QObject::staticMetaObject) && !HasOwnerConstructor(metaObject))
        throw EComponentError(
            QStringLiteral("Class %1 has no owner constructor").arg(ClassNameOf(metaObject)));
    Registry().insert(ClassNameOf(metaObject).toUpper(), metaObject);
}

void UnRegisterClass(const QMetaObject* metaObject) {
    if (metaObject == nullptr)
        return;
    auto& registry = Registry();
    const QString key = ClassNameOf(metaObject).toUpper();
    if (registry.value(key) == metaObject)
        registry.remove(key);
}

const QMetaObject* GetClass(const QString& className) {
    return Registry().value(className.toUpper(), nullptr);
}

const QMetaObject* FindClass(const QString& className) {
    const QMetaObject* metaObject = GetClass(className);
    if (metaObject == nullptr)
        throw EClassNotFound(QStringLiteral("Class %1 not found").arg(className));
    return metaObject;
}

TComponent* CreateComponent(const QString& className, TComponent* owner) {
    const QMetaObject* metaObject = FindClass(className);
    if (!metaObject->inherits(&QObject::staticMetaObject))
        throw EComponentError(
            QStringLiteral("Class %1 is not a component").arg(ClassNameOf(metaObject)));
    QObject* object = metaObject->newInstance(Q_ARG(vexo::TComponent*, owner));
    TComponent* component = TComponent::FromObject(object);
    if (component == nullptr) {
        delete object;
        throw EComponentError(
            QStringLiteral("Class %1 could not be created").arg(ClassNameOf(metaObject)));
    }
    return component;
}

} // namespace vexo
