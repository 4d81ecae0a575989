#pragma once
// The class registry: component classes registered by class name and created by that name
// through their virtual constructor, a Q_INVOKABLE constructor taking the owner
// (`Q_INVOKABLE explicit TX(vexo::TComponent* owner = nullptr)`).

#include <QMetaObject>
#include <QString>

#include "platform/runtime/component.h"
#include "platform/runtime/exception.h"
#include "vexo/platform_export.h"

namespace vexo {

// "Class %s not found".
VEXO_DECLARE_EXCEPTION(EClassNotFound, Exception)

// Registers a class under its class name without namespace. A component class (a QObject)
// without the owner constructor raises EComponentError, since it could never be created by
// name. Other classes (Q_GADGETs such as graphics) are registered for finding by name; they
// are created through their own kind's factory (CreateGraphic).
VEXO_PLATFORM_EXPORT void RegisterClass(const QMetaObject* metaObject);
template <class T> void RegisterClass() {
    RegisterClass(&T::staticMetaObject);
}
VEXO_PLATFORM_EXPORT void UnRegisterClass(const QMetaObject* metaObject);

// The registered class of that name (case-insensitive), or none.
VEXO_PLATFORM_EXPORT const QMetaObject* GetClass(const QString& className);
// As GetClass, but an unknown name raises EClassNotFound.
VEXO_PLATFORM_EXPORT const QMetaObject* FindClass(const QString& className);
// Creates an instance of a registered component class with that owner; raises EClassNotFound
// for an unknown name and EComponentError for a class that is not a component.
VEXO_PLATFORM_EXPORT TComponent* CreateComponent(const QString& className, TComponent* owner);

// Class name of a meta-object without its namespace.
VEXO_PLATFORM_EXPORT QString ClassNameOf(const QMetaObject* metaObject);

} // namespace vexo
