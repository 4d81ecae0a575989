#include "platform/runtime/reader.h"

#include <QPointer>
#include <QSet>
#include <QStringList>
#include <climits>
#include <exception>
#include <functional>
#include <limits>

#include "platform/runtime/classregistry.h"
#include "platform/runtime/collection.h"
#include "platform/runtime/component.h"
#include "platform/runtime/screen.h"
#include "platform/runtime/stringlist.h"
#include "platform/runtime/typinfo.h"
#include "platform/runtime/writer.h"
#include "platform/text/colortext.h"

namespace vexo {

namespace {

TStreamParentHook parentHook = nullptr;

QString KindName(TStreamValue::TKind kind) {
    switch (kind) {
    case TStreamValue::vaInteger:
        return QStringLiteral("an integer");
    case TStreamValue::vaFloat:
        return QStringLiteral("a number");
    case TStreamValue::vaString:
        return QStringLiteral("a string");
    case TStreamValue::vaIdent:
        return QStringLiteral("an identifier");
    case TStreamValue::vaSet:
        return QStringLiteral("a set");
    case TStreamValue::vaList:
        return QStringLiteral("a list");
    case TStreamValue::vaCollection:
        return QStringLiteral("a collection");
    case TStreamValue::vaBinary:
        return QStringLiteral("binary data");
    }
    return QString();
}

bool IsColorProperty(const TPropInfo& prop) {
    return prop.Type().id() == QMetaType::UInt &&
           prop.Name().endsWith(QLatin1String("Color"), Qt::CaseInsensitive);
}

// The integer in the range of the property's type, or none.
std::optional<QVariant> IntegerFor(const TPropInfo& prop, qint64 value) {
    auto within = [&](auto lo, auto hi) { return value >= qint64(lo) && value <= qint64(hi); };
    switch (prop.Type().id()) {
    case QMetaType::Int:
        return within(INT_MIN, INT_MAX) ? std::optional(QVariant(int(value))) : std::nullopt;
    case QMetaType::UInt:
        return within(0, UINT_MAX) ? std::optional(QVariant(uint(value))) : std::nullopt;
    case QMetaType::Short:
        return within(SHRT_MIN, SHRT_MAX) ? std::optional(QVariant::fromValue(short(value)))
                                          : std::nullopt;
    case QMetaType::UShort:
        return within(0, USHRT_MAX) ? std::optional(QVariant::fromValue(ushort(value)))
                                    : std::nullopt;
    case QMetaType::SChar:
        return within(SCHAR_MIN, SCHAR_MAX)
                   ? std::optional(QVariant::fromValue(static_cast<signed char>(value)))
                   : std::nullopt;
    case QMetaType::UChar:
        return within(0, UCHAR_MAX) ? std::optional(QVariant::fromValue(uchar(value)))
                                    : std::nullopt;
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return value >= 0 ? std::optional(QVariant(qulonglong(value))) : std::nullopt;
    default:
        return QVariant(qlonglong(value));
    }
}

std::optional<QVariant> ScalarVariant(const TStreamValue& value) {
    switch (value.Kind) {
    case TStreamValue::vaInteger:
        return QVariant(qlonglong(value.Integer));
    case TStreamValue::vaFloat:
        return QVariant(value.Float);
    case TStreamValue::vaString:
        return QVariant(value.Text);
    case TStreamValue::vaBinary:
        return QVariant(value.Binary);
    case TStreamValue::vaIdent:
        if (value.Text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return QVariant(true);
        if (value.Text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return QVariant(false);
        return std::nullopt;
    case TStreamValue::vaList: {
        QVariantList list;
        for (const TStreamValue& element : value.List) {
            const std::optional<QVariant> item = ScalarVariant(element);
            if (!item)
                return std::nullopt;
            list.append(*item);
        }
        return QVariant(list);
    }
    default:
        return std::nullopt;
    }
}

// The value as the property takes it, or none when the property takes no such value.
std::optional<QVariant> VariantFor(const TPropInfo& prop, const TStreamValue& value) {
    switch (prop.Kind()) {
    case tkInteger:
    case tkInt64:
        if (value.Kind == TStreamValue::vaInteger)
            return IntegerFor(prop, value.Integer);
        if (value.Kind == TStreamValue::vaIdent && IsColorProperty(prop)) {
            TColor color = 0;
            if (IdentToColor(value.Text, color))
                return QVariant(uint(color));
        }
        return std::nullopt;
    case tkChar:
        if (value.Kind == TStreamValue::vaString && value.Text.size() == 1 &&
            value.Text.at(0).unicode() < 0x100)
            return QVariant::fromValue(char(value.Text.at(0).unicode()));
        return std::nullopt;
    case tkWChar:
        if (value.Kind == TStreamValue::vaString && value.Text.size() == 1)
            return QVariant(value.Text.at(0));
        return std::nullopt;
    case tkEnumeration: {
        if (prop.Type().id() == QMetaType::Bool) {
            const int ordinal =
                value.Kind == TStreamValue::vaIdent ? prop.EnumValue(value.Text) : -1;
            return ordinal < 0 ? std::nullopt : std::optional(QVariant(ordinal == 1));
        }
        if (value.Kind == TStreamValue::vaIdent) {
            // EnumValue gives -1 for an unknown name, and -1 may be a value: ask back.
            const int ordinal = prop.EnumValue(value.Text);
            if (prop.EnumName(ordinal).compare(value.Text, Qt::CaseInsensitive) != 0)
                return std::nullopt;
            return QVariant(ordinal);
        }
        // An ordinal without a name is written as a number.
        if (value.Kind == TStreamValue::vaInteger && value.Integer >= INT_MIN &&
            value.Integer <= INT_MAX)
            return QVariant(int(value.Integer));
        return std::nullopt;
    }
    case tkSet: {
        if (value.Kind != TStreamValue::vaSet)
            return std::nullopt;
        quint32 bits = 0;
        for (const QString& ident : value.Elements) {
            const int element = prop.SetElementValue(ident);
            if (element < 0)
                return std::nullopt;
            bits |= quint32(1) << element;
        }
        return QVariant(int(bits));
    }
    case tkFloat:
        if (value.Kind == TStreamValue::vaFloat)
            return QVariant(value.Float);
        if (value.Kind == TStreamValue::vaInteger)
            return QVariant(double(value.Integer));
        return std::nullopt;
    case tkString:
        if (value.Kind == TStreamValue::vaBinary)
            return QVariant(value.Binary);
        if (value.Kind == TStreamValue::vaString)
            return QVariant(value.Text.toUtf8());
        return std::nullopt;
    case tkLString:
    case tkWString:
        if (value.Kind == TStreamValue::vaString)
            return QVariant(value.Text);
        return std::nullopt;
    case tkVariant:
        return ScalarVariant(value);
    case tkDynArray:
        if (value.Kind != TStreamValue::vaList)
            return std::nullopt;
        if (prop.Type().id() == QMetaType::QStringList) {
            QStringList list;
            for (const TStreamValue& element : value.List) {
                if (element.Kind != TStreamValue::vaString)
                    return std::nullopt;
                list.append(element.Text);
            }
            return QVariant(list);
        }
        return ScalarVariant(value);
    default:
        return std::nullopt;
    }
}

} // namespace

void SetStreamParentHook(TStreamParentHook hook) {
    parentHook = hook;
}

// What a property line lands on: an object, whether it existed before the reading (its
// changes are then undone on failure), and its name for messages.
struct TReader::TTarget {
    QObject* Object;
    bool Existing;
    QString Where;
};

struct TReader::TSession {
    std::vector<std::function<void()>> Undo;
    std::vector<QPointer<QObject>> Created;
    std::vector<QPointer<QObject>> Loaded; // read order, the root first
    std::vector<std::pair<QPointer<QObject>, TComponentState>> States;
    QSet<const QObject*> Read;
    struct TReference {
        QPointer<QObject> Target;
        TPropInfo Prop;
        QString Name;
        int Line;
        bool Existing;
        QString Where;
    };
    std::vector<TReference> References;
    struct TDeferred {
        QPointer<QObject> Component;
        TDefined Procs;
        const TStreamProperty* Property;
        bool Existing;
        QString Where;
    };
    std::vector<TDeferred> Deferred;
};

TReader::TReader(TComponent* root) : root_(root) {}

TReader::~TReader() = default;

void TReader::Fail(int line, const QString& message) const {
    throw EReadError(line, message);
}

void TReader::ReadRootComponent(const TStreamObject& object) {
    bool matches = false;
    for (const QMetaObject* meta = root_->Object()->metaObject(); meta && !matches;
         meta = meta->superClass())
        matches = ClassNameOf(meta).compare(object.ClassName, Qt::CaseInsensitive) == 0;
    if (!matches)
        Fail(object.Line, QStringLiteral("The stream holds a %1, not a %2")
                              .arg(object.ClassName, root_->ClassName()));
    session_ = std::make_unique<TSession>();
    try {
        if (!object.Name.isEmpty() && object.Name != root_->Name()) {
            const QString old = root_->Name();
            try {
                root_->SetName(object.Name);
            } catch (const Exception& e) {
                Fail(object.Line, e.Message());
            }
            QPointer<QObject> guard(root_->Object());
            TComponent* root = root_;
            session_->Undo.push_back([guard, root, old] {
                if (guard)
                    root->SetName(old);
            });
        }
        ReadObject(object, root_, true, root_->Object());
        RunDefined();
        ResolveReferences();
    } catch (...) {
        Rollback();
        session_.reset();
        throw;
    }
    Commit();
}

void TReader::ReadObject(const TStreamObject& node, TComponent* component, bool existing,
                         QObject* container) {
    QObject* object = component->Object();
    session_->Read.insert(object);
    if (existing)
        session_->States.emplace_back(object, component->ComponentState());
    component->BeginLoading();
    session_->Loaded.emplace_back(object);

    QHash<QString, TDefined> defined;
    collecting_ = &defined;
    try {
        component->DefineProperties(*this);
    } catch (...) {
        collecting_ = nullptr;
        throw;
    }
    collecting_ = nullptr;

    const TTarget target{object, existing,
                         component->Name().isEmpty() ? component->ClassName() : component->Name()};
    for (const TStreamProperty& property : node.Properties)
        ReadProperty(target, defined, property);
    // Controls join the nearest control above them; other components hold nothing visual.
    QObject* inner = object->isWidgetType() ? object : container;
    for (const TStreamObject& child : node.Children)
        ReadChild(child, inner);
}

void TReader::ReadChild(const TStreamObject& node, QObject* container) {
    TComponent* component = node.Name.isEmpty() ? nullptr : root_->FindComponent(node.Name);
    const bool existing = component != nullptr;
    if (existing) {
        if (session_->Read.contains(component->Object()))
            Fail(node.Line, QStringLiteral("A component named %1 already exists").arg(node.Name));
        if (component->ClassName().compare(node.ClassName, Qt::CaseInsensitive) != 0)
            Fail(node.Line, QStringLiteral("Component %1 is a %2, not a %3")
                                .arg(node.Name, component->ClassName(), node.ClassName));
        QObject* object = component->Object();
        if (parentHook != nullptr && object->isWidgetType() && object->parent() != container) {
            QPointer<QObject> guard(object), before(object->parent());
            parentHook(object, container, false);
            session_->Undo.push_back([guard, before] {
                if (guard && before)
                    parentHook(guard, before, false);
            });
        }
    } else {
        if (GetClass(node.ClassName) == nullptr)
            Fail(node.Line, QStringLiteral("Class %1 not found").arg(node.ClassName));
        try {
            component = CreateComponent(node.ClassName, root_);
        } catch (const Exception& e) {
            Fail(node.Line, e.Message());
        }
        session_->Created.emplace_back(component->Object());
        try {
            component->SetName(node.Name);
        } catch (const Exception& e) {
            Fail(node.Line, e.Message());
        }
        if (parentHook != nullptr && component->Object()->isWidgetType())
            parentHook(component->Object(), container, true);
    }
    ReadObject(node, component, existing, container);
}

void TReader::ReadProperty(const TTarget& target, const QHash<QString, TDefined>& defined,
                           const TStreamProperty& property) {
    const QString where = target.Where + QLatin1Char('.') + property.Name;
    try {
        const QStringList path = property.Name.split(QLatin1Char('.'));
        QObject* object = target.Object;
        for (qsizetype i = 0; i + 1 < path.size(); ++i) {
            const TPropInfo prop = GetPropInfo(object, path.at(i));
            QObject* nested = prop.Kind() == tkClass ? GetObjectProp(object, prop) : nullptr;
            if (nested == nullptr || TComponent::FromObject(nested) != nullptr)
                Fail(property.Line, QStringLiteral("Error reading %1: Property %2 does not exist")
                                        .arg(where, property.Name));
            if (i + 2 == path.size() && qobject_cast<TStrings*>(nested) != nullptr &&
                path.last().compare(QLatin1String("Strings"), Qt::CaseInsensitive) == 0) {
                ReadStrings({nested, target.Existing, where}, nested, property.Value);
                return;
            }
            object = nested;
        }
        if (path.size() == 1 && !GetPropInfo(object, property.Name).IsValid()) {
            const auto it = defined.constFind(property.Name.toUpper());
            if (it == defined.constEnd() || !it->Read)
                Fail(property.Line, QStringLiteral("Error reading %1: Property %2 does not exist")
                                        .arg(where, property.Name));
            session_->Deferred.push_back({target.Object, *it, &property, target.Existing, where});
            return;
        }
        ApplyValue({object, target.Existing, where}, path.last(), property.Value);
    } catch (const EReadError&) {
        throw;
    } catch (const Exception& e) {
        // A setter refused the value.
        Fail(property.Line, QStringLiteral("Error reading %1: %2").arg(where, e.Message()));
    }
}

void TReader::ApplyValue(const TTarget& target, const QString& name, const TStreamValue& value) {
    const TPropInfo prop = GetPropInfo(target.Object, name);
    if (!prop.IsValid())
        Fail(
            value.Line,
            QStringLiteral("Error reading %1: Property %2 does not exist").arg(target.Where, name));
    const QString invalid = QStringLiteral("Error reading %1: Invalid property value, %2")
                                .arg(target.Where, KindName(value.Kind));
    if (prop.Kind() == tkClass) {
        QObject* current = GetObjectProp(target.Object, prop);
        if (value.Kind == TStreamValue::vaIdent) {
            session_->References.push_back(
                {target.Object, prop, value.Text, value.Line, target.Existing, target.Where});
        } else if (value.Kind == TStreamValue::vaCollection &&
                   qobject_cast<TCollection*>(current) != nullptr) {
            ReadCollection(target, current, value);
        } else if (value.Kind == TStreamValue::vaList &&
                   qobject_cast<TStrings*>(current) != nullptr) {
            ReadStrings(target, current, value);
        } else {
            Fail(value.Line, invalid);
        }
        return;
    }
    if (!prop.Property().isWritable())
        Fail(value.Line,
             QStringLiteral("Error reading %1: Property %2 is read-only").arg(target.Where, name));
    const std::optional<QVariant> variant = VariantFor(prop, value);
    if (!variant)
        Fail(value.Line, invalid);
    if (target.Existing) {
        QPointer<QObject> guard(target.Object);
        const QMetaProperty meta = prop.Property();
        const QVariant old = meta.read(target.Object);
        session_->Undo.push_back([guard, meta, old] {
            if (guard)
                meta.write(guard, old);
        });
    }
    if (!prop.Property().write(target.Object, *variant))
        Fail(value.Line, invalid);
}

void TReader::ReadCollection(const TTarget& target, QObject* object, const TStreamValue& value) {
    auto* collection = static_cast<TCollection*>(object);
    if (target.Existing) {
        // What the collection held, put back by reading it in again.
        QPointer<TCollection> guard(collection);
        TStreamValue before = TWriter(root_).WriteCollection(*collection);
        TComponent* root = root_;
        const QString where = target.Where;
        session_->Undo.push_back([guard, before, root, where] {
            if (!guard)
                return;
            TReader restore(root);
            restore.session_ = std::make_unique<TSession>();
            restore.ReadCollection({guard, false, where}, guard, before);
            restore.ResolveReferences();
        });
    }
    collection->BeginUpdate();
    try {
        collection->Clear();
        for (const std::vector<TStreamProperty>& item : value.Items) {
            TCollectionItem* added = collection->Add();
            const TTarget itemTarget{added, false,
                                     target.Where + QStringLiteral("[%1]").arg(added->Index())};
            for (const TStreamProperty& property : item)
                ReadProperty(itemTarget, {}, property);
        }
    } catch (...) {
        collection->EndUpdate();
        throw;
    }
    collection->EndUpdate();
}

void TReader::ReadStrings(const TTarget& target, QObject* object, const TStreamValue& value) {
    auto* strings = static_cast<TStrings*>(object);
    QStringList lines;
    if (value.Kind != TStreamValue::vaList)
        Fail(value.Line, QStringLiteral("Error reading %1: Invalid property value, %2")
                             .arg(target.Where, KindName(value.Kind)));
    for (const TStreamValue& line : value.List) {
        if (line.Kind != TStreamValue::vaString)
            Fail(line.Line, QStringLiteral("Error reading %1: Invalid property value, %2")
                                .arg(target.Where, KindName(line.Kind)));
        lines.append(line.Text);
    }
    if (target.Existing) {
        QPointer<TStrings> guard(strings);
        const QStringList before = strings->ToStringList();
        session_->Undo.push_back([guard, before] {
            if (!guard)
                return;
            guard->BeginUpdate();
            guard->Clear();
            guard->AddStrings(before);
            guard->EndUpdate();
        });
    }
    strings->BeginUpdate();
    strings->Clear();
    strings->AddStrings(lines);
    strings->EndUpdate();
}

void TReader::RunDefined() {
    for (const TSession::TDeferred& deferred : session_->Deferred) {
        if (!deferred.Component)
            continue;
        if (deferred.Existing && deferred.Procs.Write) {
            TWriterProc write = deferred.Procs.Write;
            const TStreamValue before = TWriter(root_).WriteDefinedValue(write);
            QPointer<QObject> guard = deferred.Component;
            TReaderProc read = deferred.Procs.Read;
            TComponent* root = root_;
            session_->Undo.push_back([guard, before, read, root] {
                if (!guard)
                    return;
                TReader restore(root);
                const std::vector<TStreamValue> values{before};
                restore.cursor_.push_back({&values, 0, before.Line});
                read(restore);
            });
        }
        const std::vector<TStreamValue> values{deferred.Property->Value};
        cursor_.assign(1, {&values, 0, deferred.Property->Line});
        context_ = deferred.Where;
        try {
            deferred.Procs.Read(*this);
        } catch (const EReadError&) {
            cursor_.clear();
            throw;
        } catch (const Exception& e) {
            cursor_.clear();
            Fail(deferred.Property->Line,
                 QStringLiteral("Error reading %1: %2").arg(deferred.Where, e.Message()));
        }
        cursor_.clear();
    }
}

QObject* TReader::FindReference(const QString& name) const {
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot < 0) {
        if (name.compare(root_->Name(), Qt::CaseInsensitive) == 0)
            return root_->Object();
        TComponent* found = root_->FindComponent(name);
        return found ? found->Object() : nullptr;
    }
    const QString ownerName = name.left(dot), componentName = name.mid(dot + 1);
    TComponent* owner = nullptr;
    if (ownerName.compare(root_->Name(), Qt::CaseInsensitive) == 0)
        owner = root_;
    for (int i = 0; owner == nullptr && i < Screen().FormCount(); ++i)
        if (Screen().Forms(i)->Name().compare(ownerName, Qt::CaseInsensitive) == 0)
            owner = Screen().Forms(i);
    for (int i = 0; owner == nullptr && i < Screen().DataModuleCount(); ++i)
        if (Screen().DataModules(i)->Name().compare(ownerName, Qt::CaseInsensitive) == 0)
            owner = Screen().DataModules(i);
    TComponent* found = owner ? owner->FindComponent(componentName) : nullptr;
    return found ? found->Object() : nullptr;
}

void TReader::ResolveReferences() {
    for (const TSession::TReference& ref : session_->References) {
        if (!ref.Target)
            continue;
        QObject* found = nullptr;
        if (ref.Name.compare(QLatin1String("nil"), Qt::CaseInsensitive) != 0) {
            found = FindReference(ref.Name);
            if (found == nullptr)
                Fail(ref.Line, QStringLiteral("Error reading %1: Component %2 not found")
                                   .arg(ref.Where, ref.Name));
        }
        if (ref.Existing) {
            QPointer<QObject> guard = ref.Target, before = GetObjectProp(ref.Target, ref.Prop);
            const TPropInfo prop = ref.Prop;
            session_->Undo.push_back([guard, before, prop] {
                if (guard)
                    SetObjectProp(guard, prop, before);
            });
        }
        SetObjectProp(ref.Target, ref.Prop, found);
        if (GetObjectProp(ref.Target, ref.Prop) != found)
            Fail(ref.Line, QStringLiteral("Error reading %1: %2 does not fit the property")
                               .arg(ref.Where, ref.Name));
    }
}

void TReader::Rollback() {
    for (auto it = session_->Undo.rbegin(); it != session_->Undo.rend(); ++it) {
        try {
            (*it)();
        } catch (...) {
            // Putting back goes on with the rest.
        }
    }
    for (auto it = session_->Created.rbegin(); it != session_->Created.rend(); ++it)
        delete it->data();
    for (const auto& [object, state] : session_->States)
        if (object)
            TComponent::FromObject(object)->SetComponentState(state);
}

void TReader::Commit() {
    const std::vector<QPointer<QObject>> loaded = std::move(session_->Loaded);
    session_.reset();
    for (const QPointer<QObject>& object : loaded)
        if (TComponent* component = TComponent::FromObject(object))
            component->SetComponentState(component->ComponentState() & ~csReading);
    std::exception_ptr failure;
    for (const QPointer<QObject>& object : loaded)
        if (TComponent* component = TComponent::FromObject(object)) {
            try {
                component->Loaded();
            } catch (...) {
                if (!failure)
                    failure = std::current_exception();
            }
        }
    if (failure)
        std::rethrow_exception(failure);
}

void TReader::DefineProperty(const QString& name, TReaderProc read, TWriterProc write, bool) {
    if (collecting_ != nullptr)
        collecting_->insert(name.toUpper(), {std::move(read), std::move(write)});
}

const TStreamValue& TReader::NextValue(const char* expected) {
    if (cursor_.empty())
        throw EReadError(0, QStringLiteral("No defined property is being read"));
    TCursor& top = cursor_.back();
    if (top.Index >= top.Values->size())
        Fail(top.Line, QStringLiteral("Error reading %1: %2 expected, end of list found")
                           .arg(context_, QLatin1String(expected)));
    return (*top.Values)[top.Index++];
}

int TReader::Line() const {
    if (cursor_.empty())
        return 0;
    const TCursor& top = cursor_.back();
    return top.Index < top.Values->size() ? (*top.Values)[top.Index].Line : top.Line;
}

qint64 TReader::ReadInteger() {
    const TStreamValue& v = NextValue("Integer");
    if (v.Kind != TStreamValue::vaInteger)
        Fail(v.Line, QStringLiteral("Error reading %1: Integer expected, %2 found")
                         .arg(context_, KindName(v.Kind)));
    return v.Integer;
}

double TReader::ReadFloat() {
    const TStreamValue& v = NextValue("Number");
    if (v.Kind != TStreamValue::vaFloat && v.Kind != TStreamValue::vaInteger)
        Fail(v.Line, QStringLiteral("Error reading %1: Number expected, %2 found")
                         .arg(context_, KindName(v.Kind)));
    return v.Kind == TStreamValue::vaFloat ? v.Float : double(v.Integer);
}

bool TReader::ReadBoolean() {
    const TStreamValue& v = NextValue("True or False");
    const std::optional<QVariant> b = ScalarVariant(v);
    if (v.Kind != TStreamValue::vaIdent || !b)
        Fail(v.Line, QStringLiteral("Error reading %1: True or False expected").arg(context_));
    return b->toBool();
}

QString TReader::ReadString() {
    const TStreamValue& v = NextValue("String");
    if (v.Kind != TStreamValue::vaString)
        Fail(v.Line, QStringLiteral("Error reading %1: String expected, %2 found")
                         .arg(context_, KindName(v.Kind)));
    return v.Text;
}

QString TReader::ReadIdent() {
    const TStreamValue& v = NextValue("Identifier");
    if (v.Kind != TStreamValue::vaIdent)
        Fail(v.Line, QStringLiteral("Error reading %1: Identifier expected, %2 found")
                         .arg(context_, KindName(v.Kind)));
    return v.Text;
}

QByteArray TReader::ReadBinary() {
    const TStreamValue& v = NextValue("Binary data");
    if (v.Kind != TStreamValue::vaBinary)
        Fail(v.Line, QStringLiteral("Error reading %1: Binary data expected, %2 found")
                         .arg(context_, KindName(v.Kind)));
    return v.Binary;
}

void TReader::ReadListBegin() {
    const TStreamValue& v = NextValue("List");
    if (v.Kind != TStreamValue::vaList)
        Fail(v.Line, QStringLiteral("Error reading %1: List expected, %2 found")
                         .arg(context_, KindName(v.Kind)));
    cursor_.push_back({&v.List, 0, v.Line});
}

bool TReader::EndOfList() const {
    return cursor_.empty() || cursor_.back().Index >= cursor_.back().Values->size();
}

void TReader::ReadListEnd() {
    if (cursor_.size() < 2)
        throw EReadError(Line(), QStringLiteral("Error reading %1: no list to end").arg(context_));
    if (!EndOfList())
        Fail(Line(), QStringLiteral("Error reading %1: end of list expected").arg(context_));
    cursor_.pop_back();
}

} // namespace vexo
