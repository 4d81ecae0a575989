#include "platform/runtime/writer.h"

#include <QMetaMethod>

#include "platform/runtime/classregistry.h"
#include "platform/runtime/collection.h"
#include "platform/runtime/component.h"
#include "platform/runtime/stringlist.h"
#include "platform/text/colortext.h"

namespace vexo {

namespace {

// Deepest nesting of objects inside objects followed, against reference cycles.
constexpr int MaxObjectNesting = 16;

TStreamValue Scalar(TStreamValue::TKind kind) {
    return TStreamValue::Of(kind);
}

TStreamValue IntegerValue(qint64 integer) {
    TStreamValue value;
    value.Integer = integer;
    return value;
}

TStreamValue TextValue(TStreamValue::TKind kind, const QString& text) {
    TStreamValue value = Scalar(kind);
    value.Text = text;
    return value;
}

// False for a variant the format has no value for.
bool VariantValue(const QVariant& variant, TStreamValue& value) {
    switch (variant.metaType().id()) {
    case QMetaType::Bool:
        value = TextValue(TStreamValue::vaIdent,
                          variant.toBool() ? QStringLiteral("True") : QStringLiteral("False"));
        return true;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::LongLong:
    case QMetaType::Long:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        value = IntegerValue(variant.toLongLong());
        return true;
    case QMetaType::Double:
    case QMetaType::Float:
        value = Scalar(TStreamValue::vaFloat);
        value.Float = variant.toDouble();
        return true;
    case QMetaType::QString:
        value = TextValue(TStreamValue::vaString, variant.toString());
        return true;
    case QMetaType::QByteArray:
        value = Scalar(TStreamValue::vaBinary);
        value.Binary = variant.toByteArray();
        return true;
    case QMetaType::QStringList:
    case QMetaType::QVariantList:
        value = Scalar(TStreamValue::vaList);
        for (const QVariant& element : variant.toList()) {
            TStreamValue item;
            if (!VariantValue(element, item))
                return false;
            value.List.push_back(std::move(item));
        }
        return true;
    default:
        return false;
    }
}

// The owner's Q_INVOKABLE bool method that Q_CLASSINFO("Stored.<name>", ...) names, if any.
bool IsStored(const QObject* object, const TPropInfo& prop) {
    if (!prop.Property().isStored())
        return false;
    const QMetaObject* meta = object->metaObject();
    const QByteArray key = QByteArray("Stored.") + prop.Property().name();
    const int info = meta->indexOfClassInfo(key.constData());
    if (info < 0)
        return true;
    const QByteArray method = QByteArray(meta->classInfo(info).value()) + "()";
    const int index = meta->indexOfMethod(method.constData());
    bool stored = true;
    if (index < 0 || !meta->method(index).invoke(const_cast<QObject*>(object), Qt::DirectConnection,
                                                 Q_RETURN_ARG(bool, stored)))
        throw EWriteError(QStringLiteral("%1 has no method %2 for storing %3")
                              .arg(ClassNameOf(meta), QString::fromLatin1(method), prop.Name()));
    return stored;
}

// TColor is an unsigned integer to Qt; unsigned properties named "...Color" are colours.
bool IsColorProperty(const TPropInfo& prop) {
    return prop.Type().id() == QMetaType::UInt &&
           prop.Name().endsWith(QLatin1String("Color"), Qt::CaseInsensitive);
}

} // namespace

TComponent* StreamContainer(const TComponent* component, const TComponent* root) {
    // The Qt parent of a control is its visual parent; this layer knows no widgets.
    for (const QObject* parent = component->Object()->parent(); parent; parent = parent->parent()) {
        if (parent == root->Object())
            break;
        TComponent* holder = TComponent::FromObject(parent);
        if (holder != nullptr && holder->Owner() == root)
            return holder;
    }
    return const_cast<TComponent*>(root);
}

TWriter::TWriter(TComponent* root) : root_(root) {}

QString TWriter::ComponentRef(const TComponent* component) const {
    if (component == nullptr || component->Name().isEmpty())
        return QString();
    if (component == root_ || component->Owner() == root_)
        return component->Name();
    const TComponent* owner = component->Owner();
    if (owner == nullptr || owner->Name().isEmpty())
        return QString();
    return owner->Name() + QLatin1Char('.') + component->Name();
}

TStreamObject TWriter::WriteRootComponent() {
    return WriteComponent(root_);
}

TStreamObject TWriter::WriteComponent(TComponent* component) {
    TStreamObject object;
    object.Name = component->Name();
    object.ClassName = component->ClassName();
    WriteProperties(component->Object(), QString(), object.Properties, 0);
    defined_ = &object.Properties;
    component->DefineProperties(*this);
    defined_ = nullptr;
    for (int i = 0; i < root_->ComponentCount(); ++i) {
        TComponent* child = root_->Components(i);
        if (child != component && StreamContainer(child, root_) == component)
            object.Children.push_back(WriteComponent(child));
    }
    return object;
}

void TWriter::WriteProperties(const QObject* object, const QString& prefix,
                              std::vector<TStreamProperty>& out, int depth) {
    const bool isComponent = TComponent::FromObject(object) != nullptr;
    for (const TPropInfo& prop : GetPropList(object)) {
        if ((isComponent && prop.Name() == QLatin1String("Name")) || !IsStored(object, prop))
            continue;
        const QString name = prefix + prop.Name();
        if (prop.Kind() == tkClass) {
            const QObject* value = GetObjectProp(object, prop);
            if (value == nullptr)
                continue;
            if (const TComponent* reference = TComponent::FromObject(value)) {
                const QString ref = ComponentRef(reference);
                if (!ref.isEmpty())
                    out.push_back({name, TextValue(TStreamValue::vaIdent, ref), 0});
            } else if (const auto* collection = qobject_cast<const TCollection*>(value)) {
                if (collection->Count() > 0)
                    out.push_back({name, WriteCollection(*collection), 0});
            } else if (const auto* strings = qobject_cast<const TStrings*>(value)) {
                TStreamValue lines = Scalar(TStreamValue::vaList);
                for (const QString& line : strings->ToStringList())
                    lines.List.push_back(TextValue(TStreamValue::vaString, line));
                if (!lines.List.empty())
                    out.push_back({name + QStringLiteral(".Strings"), lines, 0});
            } else if (depth < MaxObjectNesting) {
                WriteProperties(value, name + QLatin1Char('.'), out, depth + 1);
            }
            continue;
        }
        if (!prop.Property().isWritable())
            continue;
        const bool hasDefault = StreamDefault(object->metaObject(), prop.Name()).has_value();
        if (hasDefault && IsDefaultPropValue(object, prop))
            continue;
        TStreamValue value;
        if (!PropertyValue(object, prop, value))
            continue;
        if (!hasDefault) {
            const bool empty =
                ((value.Kind == TStreamValue::vaString || value.Kind == TStreamValue::vaBinary) &&
                 value.Text.isEmpty() && value.Binary.isEmpty()) ||
                (value.Kind == TStreamValue::vaFloat && value.Float == 0) ||
                (value.Kind == TStreamValue::vaList && value.List.empty());
            if (empty)
                continue;
        }
        out.push_back({name, std::move(value), 0});
    }
}

// False when the property has nothing to write (a null variant).
bool TWriter::PropertyValue(const QObject* object, const TPropInfo& prop,
                            TStreamValue& value) const {
    switch (prop.Kind()) {
    case tkInteger:
    case tkInt64: {
        const qint64 ordinal = GetOrdProp(object, prop);
        QString ident;
        if (IsColorProperty(prop) && ColorToIdent(TColor(ordinal), ident))
            value = TextValue(TStreamValue::vaIdent, ident);
        else
            value = IntegerValue(ordinal);
        return true;
    }
    case tkChar:
    case tkWChar:
        value =
            TextValue(TStreamValue::vaString, QString(QChar(char16_t(GetOrdProp(object, prop)))));
        return true;
    case tkEnumeration: {
        const qint64 ordinal = GetOrdProp(object, prop);
        const QString ident = prop.EnumName(int(ordinal));
        value = ident.isEmpty() ? IntegerValue(ordinal) : TextValue(TStreamValue::vaIdent, ident);
        return true;
    }
    case tkSet: {
        value = Scalar(TStreamValue::vaSet);
        const quint32 bits = quint32(GetOrdProp(object, prop));
        for (int element = 0; element < 32; ++element)
            if (bits & (quint32(1) << element)) {
                const QString ident = prop.SetElementName(element);
                if (ident.isEmpty())
                    throw EWriteError(QStringLiteral("Property %1 holds an element without a name")
                                          .arg(prop.Name()));
                value.Elements.append(ident);
            }
        return true;
    }
    case tkFloat:
        value = Scalar(TStreamValue::vaFloat);
        value.Float = GetFloatProp(object, prop);
        return true;
    case tkString:
        value = Scalar(TStreamValue::vaBinary);
        value.Binary = GetVariantProp(object, prop).toByteArray();
        return true;
    case tkLString:
    case tkWString:
        value = TextValue(TStreamValue::vaString, GetStrProp(object, prop));
        return true;
    case tkVariant:
    case tkDynArray: {
        QVariant variant = GetVariantProp(object, prop);
        if (prop.Kind() == tkVariant && variant.metaType().id() == QMetaType::QVariant)
            variant = variant.value<QVariant>();
        if (!variant.isValid() || variant.isNull())
            return false;
        if (!VariantValue(variant, value))
            throw EWriteError(QStringLiteral("Property %1 holds a %2, which cannot be streamed")
                                  .arg(prop.Name(), QString::fromLatin1(variant.typeName())));
        return true;
    }
    default:
        return false;
    }
}

TStreamValue TWriter::WriteCollection(const TCollection& collection) {
    TStreamValue value = Scalar(TStreamValue::vaCollection);
    for (int i = 0; i < collection.Count(); ++i) {
        std::vector<TStreamProperty> item;
        WriteProperties(collection.Items(i), QString(), item, 1);
        value.Items.push_back(std::move(item));
    }
    return value;
}

TStreamValue TWriter::WriteDefinedValue(const TWriterProc& write) {
    open_.assign(1, {});
    write(*this);
    if (open_.size() != 1 || open_.front().size() != 1) {
        open_.clear();
        throw EWriteError(QStringLiteral("A defined property must write exactly one value"));
    }
    TStreamValue value = std::move(open_.front().front());
    open_.clear();
    return value;
}

void TWriter::DefineProperty(const QString& name, TReaderProc, TWriterProc write, bool hasData) {
    if (defined_ == nullptr || !hasData || !write)
        return;
    std::vector<TStreamProperty>* target = defined_;
    try {
        target->push_back({name, WriteDefinedValue(write), 0});
    } catch (const EWriteError& e) {
        throw EWriteError(QStringLiteral("Property %1: %2").arg(name, e.Message()));
    }
}

void TWriter::Append(TStreamValue value) {
    if (open_.empty())
        throw EWriteError(QStringLiteral("Values can only be written for a defined property"));
    open_.back().push_back(std::move(value));
}

void TWriter::WriteInteger(qint64 value) {
    Append(IntegerValue(value));
}

void TWriter::WriteFloat(double value) {
    TStreamValue v = Scalar(TStreamValue::vaFloat);
    v.Float = value;
    Append(std::move(v));
}

void TWriter::WriteBoolean(bool value) {
    WriteIdent(value ? QStringLiteral("True") : QStringLiteral("False"));
}

void TWriter::WriteString(const QString& value) {
    Append(TextValue(TStreamValue::vaString, value));
}

void TWriter::WriteIdent(const QString& value) {
    if (!IsValidIdent(QString(value).remove(QLatin1Char('.'))))
        throw EWriteError(QStringLiteral("'%1' is not an identifier").arg(value));
    Append(TextValue(TStreamValue::vaIdent, value));
}

void TWriter::WriteBinary(const QByteArray& value) {
    TStreamValue v = Scalar(TStreamValue::vaBinary);
    v.Binary = value;
    Append(std::move(v));
}

void TWriter::WriteListBegin() {
    if (open_.empty())
        throw EWriteError(QStringLiteral("Values can only be written for a defined property"));
    open_.emplace_back();
}

void TWriter::WriteListEnd() {
    if (open_.size() < 2)
        throw EWriteError(QStringLiteral("No list to end"));
    TStreamValue list = Scalar(TStreamValue::vaList);
    list.List = std::move(open_.back());
    open_.pop_back();
    Append(std::move(list));
}

} // namespace vexo
