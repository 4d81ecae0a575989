#pragma once
// Components and published properties by name at run time: class registration and creation
// by class name, owned components by name, property values by property name, enumeration
// identifiers and unique component names.
//
// The setters and getters do not check the property's kind; they apply ordinal, float or text
// access to whatever published property the name finds, and report a missing property through
// their result. Only PropType, StrToIdent and IdentToStr raise (EIdentConvertError).

#include <QObject>
#include <QString>

#include "platform/runtime/component.h"
#include "platform/runtime/exception.h"
#include "vexo/storage_export.h"

namespace vexo {

VEXO_DECLARE_EXCEPTION(EIdentConvertError, Exception)

inline const QString vexoUtilsGetEnumError = QStringLiteral("Error getting of numerical value!");
inline const QString vexoUtilsPropertyDoesnotExists = QStringLiteral("Property %s does not exist!");
inline const QString vexoUtilsPropertyIsNotCardinal =
    QStringLiteral("Property %s is not cardinal!");

// Registers the class of every component that component owns, so that it can be created by
// class name.
VEXO_STORAGE_EXPORT void RunTimeRegisterComponents(TComponent* component);
// A new instance of the registered class with that owner; the class registry's EClassNotFound
// for an unregistered name.
VEXO_STORAGE_EXPORT TComponent* CreateComponentByClassName(const QString& className,
                                                           TComponent* owner);
// First component owned by owner whose name equals name exactly (case-sensitive), or none.
VEXO_STORAGE_EXPORT TComponent* ComponentByName(const TComponent* owner, const QString& name);

VEXO_STORAGE_EXPORT bool IsProperty(const QObject* instance, const QString& name);
VEXO_STORAGE_EXPORT bool SetIntegerProperty(QObject* instance, const QString& name, qint64 value);
VEXO_STORAGE_EXPORT bool SetFloatProperty(QObject* instance, const QString& name, double value);
VEXO_STORAGE_EXPORT bool SetStringProperty(QObject* instance, const QString& name,
                                           const QString& value);
VEXO_STORAGE_EXPORT bool SetClassProperty(QObject* instance, const QString& name, QObject* value);
VEXO_STORAGE_EXPORT qint64 GetIntegerProperty(const QObject* instance, const QString& name);
VEXO_STORAGE_EXPORT double GetFloatProperty(const QObject* instance, const QString& name);
VEXO_STORAGE_EXPORT QString GetStringProperty(const QObject* instance, const QString& name);
VEXO_STORAGE_EXPORT QObject* GetClassProperty(const QObject* instance, const QString& name);

// Kind code of the property's type; raises "Property %s does not exist!".
VEXO_STORAGE_EXPORT int PropType(const QObject* instance, const QString& name);
// Ordinal of identifier in the property's enumeration type; raises "Property %s does not
// exist!", "Property %s is not cardinal!" or "Error getting of numerical value!".
VEXO_STORAGE_EXPORT int StrToIdent(const QObject* instance, const QString& propName,
                                   const QString& ident);
// Identifier of value in the property's enumeration type (empty when it has none); raises as
// StrToIdent for a missing or non-enumeration property.
VEXO_STORAGE_EXPORT QString IdentToStr(const QObject* instance, const QString& propName, int value);
// The class name without a leading capital "T" followed by the first n = 1, 2, ... that owner
// does not use for another component: vexoGauge1, vexoGauge2, ...
VEXO_STORAGE_EXPORT QString GetUniqueName(const TComponent* component, const TComponent* owner);

} // namespace vexo
