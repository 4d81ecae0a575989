#pragma once
// Run-time type information of published properties over Qt's meta-object system.
//
// Published properties are the Q_PROPERTYs declared by the library's own classes; those that
// Qt's classes declare (objectName, geometry, ...) are not published in this sense. Names are
// found in any letter case. Enumerations are Q_ENUMs, sets are Q_FLAGs whose enumerators are
// the bits 1 << n of the set's elements n; booleans are enumerations of False and True.
// Events published as properties of a TEvent type (notifyevent.h) are of kind tkMethod.
//
// Stream defaults are recorded per class with Q_CLASSINFO("Default.<property>", "<text>"),
// the text in the stored form (True, alClient, [fsBold,fsItalic], 12, 2.5, a text). A property
// without such an entry has no default and is always streamed.

#include <QList>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QObject>
#include <QString>
#include <QVariant>
#include <optional>

#include "vexo/platform_export.h"

namespace vexo {

enum TTypeKind : int {
    tkUnknown = 0,
    tkInteger = 1,
    tkChar = 2,
    tkEnumeration = 3,
    tkFloat = 4,
    tkString = 5,
    tkSet = 6,
    tkClass = 7,
    tkMethod = 8,
    tkWChar = 9,
    tkLString = 10,
    tkWString = 11,
    tkVariant = 12,
    tkArray = 13,
    tkRecord = 14,
    tkInterface = 15,
    tkInt64 = 16,
    tkDynArray = 17,
};

// A set of kinds: bit n stands for kind n.
using TTypeKinds = quint32;
constexpr TTypeKinds KindBit(TTypeKind kind) {
    return TTypeKinds(1) << kind;
}
constexpr TTypeKinds tkAny = 0x3FFFF;
constexpr TTypeKinds tkMethods = KindBit(tkMethod);
// Every kind but unknown and method (event) properties.
constexpr TTypeKinds tkProperties = tkAny & ~(KindBit(tkUnknown) | tkMethods);

enum TFloatType { ftSingle, ftDouble, ftExtended, ftComp, ftCurr };

// Descriptor of one published property.
class VEXO_PLATFORM_EXPORT TPropInfo {
public:
    TPropInfo() = default;
    explicit TPropInfo(const QMetaProperty& property);

    bool IsValid() const { return property_.isValid(); }
    QString Name() const { return QString::fromLatin1(property_.name()); }
    TTypeKind Kind() const { return kind_; }
    const QMetaProperty& Property() const { return property_; }
    QMetaType Type() const { return property_.metaType(); }
    // Same property type and same name in any letter case.
    bool SameAs(const TPropInfo& other) const;
    // Float kind of a float property: single for float, double otherwise.
    TFloatType FloatType() const;
    // Significant digits of the general float format: 7, 15, 18, 18, 19 by float kind.
    int FloatPrecision() const;

    // Enumerations and booleans: identifier of value ("" when none) and the value of an
    // identifier in any letter case, searched from the first to the last (-1 when none).
    QStringList EnumNames() const;
    QString EnumName(int value) const;
    int EnumValue(const QString& ident) const;
    // Sets: identifier of element n (bit 1 << n, n from 0 to 31; "" when none) and the
    // element number of an identifier in any letter case (-1 when none).
    QString SetElementName(int element) const;
    int SetElementValue(const QString& ident) const;

private:
    QMetaProperty property_;
    TTypeKind kind_ = tkUnknown;
};

// Kind code of a Qt property.
VEXO_PLATFORM_EXPORT TTypeKind TypeKindOf(const QMetaProperty& property);

// The published property of that name (any letter case), or an invalid descriptor.
VEXO_PLATFORM_EXPORT TPropInfo GetPropInfo(const QObject* instance, const QString& name);
VEXO_PLATFORM_EXPORT TPropInfo GetPropInfo(const QMetaObject* metaObject, const QString& name);
// Published properties of the admitted kinds, base classes first, each class in declaration
// order.
VEXO_PLATFORM_EXPORT QList<TPropInfo> GetPropList(const QMetaObject* metaObject,
                                                  TTypeKinds filter = tkProperties);
VEXO_PLATFORM_EXPORT QList<TPropInfo> GetPropList(const QObject* instance,
                                                  TTypeKinds filter = tkProperties);

// Value access. Ordinal access covers integers, characters, enumerations, booleans and sets;
// reads of an unsuitable property give 0, empty text or none, writes that Qt cannot convert
// leave the property as it was.
VEXO_PLATFORM_EXPORT qint64 GetOrdProp(const QObject* instance, const TPropInfo& prop);
VEXO_PLATFORM_EXPORT void SetOrdProp(QObject* instance, const TPropInfo& prop, qint64 value);
VEXO_PLATFORM_EXPORT qint64 GetInt64Prop(const QObject* instance, const TPropInfo& prop);
VEXO_PLATFORM_EXPORT void SetInt64Prop(QObject* instance, const TPropInfo& prop, qint64 value);
VEXO_PLATFORM_EXPORT double GetFloatProp(const QObject* instance, const TPropInfo& prop);
VEXO_PLATFORM_EXPORT void SetFloatProp(QObject* instance, const TPropInfo& prop, double value);
VEXO_PLATFORM_EXPORT QString GetStrProp(const QObject* instance, const TPropInfo& prop);
VEXO_PLATFORM_EXPORT void SetStrProp(QObject* instance, const TPropInfo& prop,
                                     const QString& value);
VEXO_PLATFORM_EXPORT QVariant GetVariantProp(const QObject* instance, const TPropInfo& prop);
VEXO_PLATFORM_EXPORT void SetVariantProp(QObject* instance, const TPropInfo& prop,
                                         const QVariant& value);
// Class properties hold QObject pointers.
VEXO_PLATFORM_EXPORT QObject* GetObjectProp(const QObject* instance, const TPropInfo& prop);
VEXO_PLATFORM_EXPORT void SetObjectProp(QObject* instance, const TPropInfo& prop, QObject* value);

// The recorded stream default of a property in stored-text form, if the class declares one.
VEXO_PLATFORM_EXPORT std::optional<QString> StreamDefault(const QMetaObject* metaObject,
                                                          const QString& propName);
// True when the class declares a default for the property and the current value equals it.
VEXO_PLATFORM_EXPORT bool IsDefaultPropValue(const QObject* instance, const TPropInfo& prop);

} // namespace vexo
