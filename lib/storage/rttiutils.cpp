#include "storage/rttiutils.h"

#include "platform/runtime/classregistry.h"
#include "platform/runtime/typinfo.h"

namespace vexo {

namespace {

QString PropMessage(const QString& format, const QString& name) {
    return QString(format).replace(QLatin1String("%s"), name);
}

TPropInfo EnumProp(const QObject* instance, const QString& propName) {
    const TPropInfo prop = GetPropInfo(instance, propName);
    if (!prop.IsValid())
        throw EIdentConvertError(PropMessage(vexoUtilsPropertyDoesnotExists, propName));
    if (prop.Kind() != tkEnumeration)
        throw EIdentConvertError(PropMessage(vexoUtilsPropertyIsNotCardinal, propName));
    return prop;
}

} // namespace

void RunTimeRegisterComponents(TComponent* component) {
    if (component == nullptr)
        return;
    for (int i = 0; i < component->ComponentCount(); ++i) {
        try {
            RegisterClass(component->Components(i)->Object()->metaObject());
        } catch (const EComponentError&) {
            // A class without the owner constructor cannot be created by name anyway.
        }
    }
}

TComponent* CreateComponentByClassName(const QString& className, TComponent* owner) {
    return CreateComponent(className, owner);
}

TComponent* ComponentByName(const TComponent* owner, const QString& name) {
    if (owner == nullptr)
        return nullptr;
    for (int i = 0; i < owner->ComponentCount(); ++i)
        if (owner->Components(i)->Name() == name)
            return owner->Components(i);
    return nullptr;
}

bool IsProperty(const QObject* instance, const QString& name) {
    return GetPropInfo(instance, name).IsValid();
}

bool SetIntegerProperty(QObject* instance, const QString& name, qint64 value) {
    const TPropInfo prop = GetPropInfo(instance, name);
    if (prop.IsValid())
        SetOrdProp(instance, prop, value);
    return prop.IsValid();
}

bool SetFloatProperty(QObject* instance, const QString& name, double value) {
    const TPropInfo prop = GetPropInfo(instance, name);
    if (prop.IsValid())
        SetFloatProp(instance, prop, value);
    return prop.IsValid();
}

bool SetStringProperty(QObject* instance, const QString& name, const QString& value) {
    const TPropInfo prop = GetPropInfo(instance, name);
    if (prop.IsValid())
        SetStrProp(instance, prop, value);
    return prop.IsValid();
}

bool SetClassProperty(QObject* instance, const QString& name, QObject* value) {
    const TPropInfo prop = GetPropInfo(instance, name);
    if (prop.IsValid())
        SetObjectProp(instance, prop, value);
    return prop.IsValid();
}

qint64 GetIntegerProperty(const QObject* instance, const QString& name) {
    return GetOrdProp(instance, GetPropInfo(instance, name));
}

double GetFloatProperty(const QObject* instance, const QString& name) {
    return GetFloatProp(instance, GetPropInfo(instance, name));
}

QString GetStringProperty(const QObject* instance, const QString& name) {
    return GetStrProp(instance, GetPropInfo(instance, name));
}

QObject* GetClassProperty(const QObject* instance, const QString& name) {
    return GetObjectProp(instance, GetPropInfo(instance, name));
}

int PropType(const QObject* instance, const QString& name) {
    const TPropInfo prop = GetPropInfo(instance, name);
    if (!prop.IsValid())
        throw EIdentConvertError(PropMessage(vexoUtilsPropertyDoesnotExists, name));
    return prop.Kind();
}

int StrToIdent(const QObject* instance, const QString& propName, const QString& ident) {
    const int value = EnumProp(instance, propName).EnumValue(ident);
    if (value < 0)
        throw EIdentConvertError(vexoUtilsGetEnumError);
    return value;
}

QString IdentToStr(const QObject* instance, const QString& propName, int value) {
    return EnumProp(instance, propName).EnumName(value);
}

QString GetUniqueName(const TComponent* component, const TComponent* owner) {
    if (component == nullptr)
        return QString();
    QString base = component->ClassName();
    if (base.startsWith(QLatin1Char('T')))
        base.remove(0, 1);
    for (int n = 1;; ++n) {
        const QString candidate = base + QString::number(n);
        const TComponent* user = owner == nullptr ? nullptr : owner->FindComponent(candidate);
        if (user == nullptr || user == component)
            return candidate;
    }
}

} // namespace vexo
