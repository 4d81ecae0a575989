#include "platform/runtime/typinfo.h"

#include <QStringList>
#include <cstring>

namespace vexo {

namespace {

// Qt's own classes (QObject, QWidget, ...) sit outside any namespace and start with "Q".
bool IsQtClass(const QMetaObject* metaObject) {
    const char* name = metaObject->className();
    return name[0] == 'Q' && std::strchr(name, ':') == nullptr;
}

const QMetaObject* DeclaringClass(const QMetaObject* metaObject, int index) {
    while (metaObject != nullptr && metaObject->propertyOffset() > index)
        metaObject = metaObject->superClass();
    return metaObject;
}

bool IsPublished(const QMetaObject* metaObject, int index) {
    const QMetaObject* declaring = DeclaringClass(metaObject, index);
    return declaring != nullptr && !IsQtClass(declaring);
}

const QStringList& BoolNames() {
    static const QStringList names{QStringLiteral("False"), QStringLiteral("True")};
    return names;
}

bool IsBool(const QMetaProperty& property) {
    return property.metaType().id() == QMetaType::Bool;
}

} // namespace

TTypeKind TypeKindOf(const QMetaProperty& property) {
    if (!property.isValid())
        return tkUnknown;
    if (property.isFlagType())
        return tkSet;
    if (property.isEnumType())
        return tkEnumeration;
    const QMetaType type = property.metaType();
    switch (type.id()) {
    case QMetaType::Bool:
        return tkEnumeration;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return tkInteger;
    case QMetaType::Char:
        return tkChar;
    case QMetaType::QChar:
    case QMetaType::Char16:
        return tkWChar;
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return tkInt64;
    case QMetaType::Float:
    case QMetaType::Double:
        return tkFloat;
    case QMetaType::QByteArray:
        return tkString;
    case QMetaType::QString:
        return tkLString;
    case QMetaType::QVariant:
        return tkVariant;
    case QMetaType::QStringList:
    case QMetaType::QVariantList:
        return tkDynArray;
    default:
        break;
    }
    if (type.flags() & QMetaType::PointerToQObject)
        return tkClass;
    // Events are TEvent callables (notifyevent.h).
    if (QByteArrayView(type.name()).startsWith("vexo::TEvent<"))
        return tkMethod;
    return tkUnknown;
}

TPropInfo::TPropInfo(const QMetaProperty& property)
    : property_(property), kind_(TypeKindOf(property)) {}

bool TPropInfo::SameAs(const TPropInfo& other) const {
    return Type() == other.Type() && Name().compare(other.Name(), Qt::CaseInsensitive) == 0;
}

TFloatType TPropInfo::FloatType() const {
    return Type().id() == QMetaType::Float ? ftSingle : ftDouble;
}

int TPropInfo::FloatPrecision() const {
    switch (FloatType()) {
    case ftSingle:
        return 7;
    case ftDouble:
        return 15;
    case ftExtended:
    case ftComp:
        return 18;
    case ftCurr:
        return 19;
    }
    return 15;
}

QStringList TPropInfo::EnumNames() const {
    if (IsBool(property_))
        return BoolNames();
    QStringList names;
    if (kind_ != tkEnumeration)
        return names;
    const QMetaEnum meta = property_.enumerator();
    for (int i = 0; i < meta.keyCount(); ++i)
        names.append(QString::fromLatin1(meta.key(i)));
    return names;
}

QString TPropInfo::EnumName(int value) const {
    if (IsBool(property_))
        return value == 0 || value == 1 ? BoolNames().at(value) : QString();
    if (kind_ != tkEnumeration)
        return QString();
    return QString::fromLatin1(property_.enumerator().valueToKey(value));
}

int TPropInfo::EnumValue(const QString& ident) const {
    if (IsBool(property_)) {
        for (int i = 0; i < 2; ++i)
            if (BoolNames().at(i).compare(ident, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }
    if (kind_ != tkEnumeration)
        return -1;
    const QMetaEnum meta = property_.enumerator();
    for (int i = 0; i < meta.keyCount(); ++i)
        if (QString::fromLatin1(meta.key(i)).compare(ident, Qt::CaseInsensitive) == 0)
            return meta.value(i);
    return -1;
}

QString TPropInfo::SetElementName(int element) const {
    if (kind_ != tkSet || element < 0 || element > 31)
        return QString();
    const QMetaEnum meta = property_.enumerator();
    const int bit = int(quint32(1) << element);
    for (int i = 0; i < meta.keyCount(); ++i)
        if (meta.value(i) == bit)
            return QString::fromLatin1(meta.key(i));
    return QString();
}

int TPropInfo::SetElementValue(const QString& ident) const {
    if (kind_ != tkSet)
        return -1;
    for (int element = 0; element < 32; ++element) {
        const QString name = SetElementName(element);
        if (!name.isEmpty() && name.compare(ident, Qt::CaseInsensitive) == 0)
            return element;
    }
    return -1;
}

TPropInfo GetPropInfo(const QMetaObject* metaObject, const QString& name) {
    if (metaObject == nullptr || name.isEmpty())
        return TPropInfo();
    const QByteArray exact = name.toLatin1();
    const int index = metaObject->indexOfProperty(exact.constData());
    if (index >= 0 && IsPublished(metaObject, index))
        return TPropInfo(metaObject->property(index));
    for (int i = 0; i < metaObject->propertyCount(); ++i) {
        const QMetaProperty property = metaObject->property(i);
        if (QString::fromLatin1(property.name()).compare(name, Qt::CaseInsensitive) == 0 &&
            IsPublished(metaObject, i))
            return TPropInfo(property);
    }
    return TPropInfo();
}

TPropInfo GetPropInfo(const QObject* instance, const QString& name) {
    return instance == nullptr ? TPropInfo() : GetPropInfo(instance->metaObject(), name);
}

QList<TPropInfo> GetPropList(const QMetaObject* metaObject, TTypeKinds filter) {
    QList<TPropInfo> list;
    if (metaObject == nullptr)
        return list;
    for (int i = 0; i < metaObject->propertyCount(); ++i) {
        if (!IsPublished(metaObject, i))
            continue;
        TPropInfo info(metaObject->property(i));
        if (filter & KindBit(info.Kind()))
            list.append(info);
    }
    return list;
}

QList<TPropInfo> GetPropList(const QObject* instance, TTypeKinds filter) {
    return instance == nullptr ? QList<TPropInfo>() : GetPropList(instance->metaObject(), filter);
}

qint64 GetOrdProp(const QObject* instance, const TPropInfo& prop) {
    if (instance == nullptr || !prop.IsValid())
        return 0;
    const QVariant value = prop.Property().read(instance);
    switch (prop.Type().id()) {
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    case QMetaType::QChar:
        return value.toChar().unicode();
    case QMetaType::UInt:
        return value.toUInt();
    default:
        break;
    }
    if (prop.Kind() == tkClass)
        return qint64(reinterpret_cast<quintptr>(value.value<QObject*>()));
    bool ok = false;
    const qint64 result = value.toLongLong(&ok);
    return ok ? result : 0;
}

void SetOrdProp(QObject* instance, const TPropInfo& prop, qint64 value) {
    if (instance == nullptr || !prop.IsValid())
        return;
    switch (prop.Type().id()) {
    case QMetaType::Bool:
        prop.Property().write(instance, QVariant(value != 0));
        return;
    case QMetaType::QChar:
        prop.Property().write(instance, QVariant(QChar(char16_t(value))));
        return;
    default:
        break;
    }
    if (prop.Kind() == tkClass) {
        SetObjectProp(instance, prop, reinterpret_cast<QObject*>(quintptr(value)));
        return;
    }
    if (prop.Kind() == tkEnumeration || prop.Kind() == tkSet) {
        prop.Property().write(instance, QVariant(int(value)));
        return;
    }
    prop.Property().write(instance, QVariant(value));
}

qint64 GetInt64Prop(const QObject* instance, const TPropInfo& prop) {
    return GetOrdProp(instance, prop);
}

void SetInt64Prop(QObject* instance, const TPropInfo& prop, qint64 value) {
    SetOrdProp(instance, prop, value);
}

double GetFloatProp(const QObject* instance, const TPropInfo& prop) {
    if (instance == nullptr || !prop.IsValid())
        return 0;
    bool ok = false;
    const double value = prop.Property().read(instance).toDouble(&ok);
    return ok ? value : 0;
}

void SetFloatProp(QObject* instance, const TPropInfo& prop, double value) {
    if (instance != nullptr && prop.IsValid())
        prop.Property().write(instance, QVariant(value));
}

QString GetStrProp(const QObject* instance, const TPropInfo& prop) {
    if (instance == nullptr || !prop.IsValid())
        return QString();
    return prop.Property().read(instance).toString();
}

void SetStrProp(QObject* instance, const TPropInfo& prop, const QString& value) {
    if (instance != nullptr && prop.IsValid())
        prop.Property().write(instance, QVariant(value));
}

QVariant GetVariantProp(const QObject* instance, const TPropInfo& prop) {
    if (instance == nullptr || !prop.IsValid())
        return QVariant();
    return prop.Property().read(instance);
}

void SetVariantProp(QObject* instance, const TPropInfo& prop, const QVariant& value) {
    if (instance != nullptr && prop.IsValid())
        prop.Property().write(instance, value);
}

QObject* GetObjectProp(const QObject* instance, const TPropInfo& prop) {
    if (instance == nullptr || prop.Kind() != tkClass)
        return nullptr;
    return prop.Property().read(instance).value<QObject*>();
}

void SetObjectProp(QObject* instance, const TPropInfo& prop, QObject* value) {
    if (instance == nullptr || prop.Kind() != tkClass)
        return;
    if (value == nullptr) {
        QObject* none = nullptr;
        prop.Property().write(instance, QVariant(prop.Type(), &none));
        return;
    }
    // Qt converts between QObject pointer types only when the object fits the target class.
    QVariant variant = QVariant::fromValue(value);
    if (variant.convert(prop.Type()))
        prop.Property().write(instance, variant);
}

std::optional<QString> StreamDefault(const QMetaObject* metaObject, const QString& propName) {
    if (metaObject == nullptr)
        return std::nullopt;
    // The most derived declaration wins, whatever letter case the property was named in.
    const TPropInfo prop = GetPropInfo(metaObject, propName);
    const QString name = prop.IsValid() ? prop.Name() : propName;
    const QByteArray key = QByteArray("Default.") + name.toLatin1();
    const int index = metaObject->indexOfClassInfo(key.constData());
    if (index < 0)
        return std::nullopt;
    return QString::fromUtf8(metaObject->classInfo(index).value());
}

bool IsDefaultPropValue(const QObject* instance, const TPropInfo& prop) {
    if (instance == nullptr || !prop.IsValid())
        return false;
    const std::optional<QString> text = StreamDefault(instance->metaObject(), prop.Name());
    if (!text)
        return false;
    const QString def = text->trimmed();
    switch (prop.Kind()) {
    case tkInteger:
    case tkInt64:
    case tkChar: {
        bool ok = false;
        const qint64 value = def.toLongLong(&ok);
        return ok && value == GetOrdProp(instance, prop);
    }
    case tkWChar:
        return !def.isEmpty() && def.at(0).unicode() == GetOrdProp(instance, prop);
    case tkEnumeration:
        return prop.EnumValue(def) >= 0 && prop.EnumValue(def) == GetOrdProp(instance, prop);
    case tkSet: {
        qint64 bits = 0;
        const QStringList words = QString(def)
                                      .replace(QLatin1Char('['), QLatin1Char(' '))
                                      .replace(QLatin1Char(']'), QLatin1Char(' '))
                                      .replace(QLatin1Char(','), QLatin1Char(' '))
                                      .split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& word : words) {
            const int element = prop.SetElementValue(word);
            if (element < 0)
                return false;
            bits |= qint64(1) << element;
        }
        return bits == (GetOrdProp(instance, prop) & 0xFFFFFFFFLL);
    }
    case tkFloat: {
        bool ok = false;
        const double value = def.toDouble(&ok);
        return ok && value == GetFloatProp(instance, prop);
    }
    case tkString:
    case tkLString:
    case tkWString:
    case tkVariant:
        return *text == GetStrProp(instance, prop);
    default:
        return false;
    }
}

} // namespace vexo
