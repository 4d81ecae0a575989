#include "storage/propsstorage.h"

#include "platform/runtime/collection.h"
#include "platform/runtime/stringlist.h"
#include "platform/text/floatformat.h"
#include "platform/text/formatsettings.h"
#include "storage/propinfolist.h"
#include "storage/storage_p.h"
#include "storage/storeditems.h"
#include "utils/words.h"

namespace vexo {

namespace {

const QString kCount = QStringLiteral("Count");
const QString kNull = QStringLiteral("(null)");

QString ItemKey(int index) {
    return QStringLiteral("Item%1").arg(index);
}

QString SubSection(const QString& section, const QString& key) {
    return section + QLatin1Char('.') + key;
}

bool IsTextKind(TTypeKind kind) {
    return kind == tkString || kind == tkLString || kind == tkWChar;
}

bool IsHandledKind(TTypeKind kind) {
    switch (kind) {
    case tkInteger:
    case tkChar:
    case tkEnumeration:
    case tkFloat:
    case tkString:
    case tkSet:
    case tkClass:
    case tkWChar:
    case tkLString:
    case tkVariant:
    case tkInt64:
        return true;
    default:
        return false;
    }
}

// A stored count: trimmed decimal within 0 .. MaxStoredCount, or fallback when it is none.
int StoredCount(const QString& text, int fallback) {
    bool ok = false;
    const qint64 count = storage_p::TrimControls(text).toLongLong(&ok);
    if (!ok || count < 0)
        return fallback;
    return int(qMin<qint64>(count, TvexoPropsStorage::MaxStoredCount));
}

// Name of a component's owner for references: its name, or its class name without a leading
// "T" (either case) when it has none.
QString OwnerRefName(const TComponent* owner) {
    if (!owner->Name().isEmpty())
        return owner->Name();
    QString name = owner->ClassName();
    if (name.startsWith(QLatin1Char('T'), Qt::CaseInsensitive))
        name.remove(0, 1);
    return name;
}

class CollectionUpdate {
public:
    explicit CollectionUpdate(TCollection* collection) : collection_(collection) {
        collection_->BeginUpdate();
    }
    ~CollectionUpdate() { collection_->EndUpdate(); }
    CollectionUpdate(const CollectionUpdate&) = delete;
    CollectionUpdate& operator=(const CollectionUpdate&) = delete;

private:
    TCollection* collection_;
};

} // namespace

TvexoPropsStorage::TvexoPropsStorage() = default;

TvexoPropsStorage::~TvexoPropsStorage() = default;

QString TvexoPropsStorage::ReadString(const QString& section, const QString& item,
                                      const QString& def) const {
    return OnReadString ? OnReadString(section, item, def) : QString();
}

void TvexoPropsStorage::WriteString(const QString& section, const QString& item,
                                    const QString& value) {
    if (OnWriteString)
        OnWriteString(section, item, value);
}

void TvexoPropsStorage::EraseSection(const QString& section) {
    if (OnEraseSection)
        OnEraseSection(section);
}

QString TvexoPropsStorage::GetItemName(const QString& propName) const {
    return ItemName.isEmpty() ? Prefix + propName : ItemName;
}

std::unique_ptr<TvexoPropsStorage> TvexoPropsStorage::CreateStorage() const {
    return std::make_unique<TvexoPropsStorage>();
}

QString TvexoPropsStorage::CurrentText(const TPropInfo& prop) const {
    switch (prop.Kind()) {
    case tkInteger:
        return StoreIntegerProperty(prop);
    case tkChar:
        return StoreCharProperty(prop);
    case tkEnumeration:
        return StoreEnumProperty(prop);
    case tkFloat:
        return StoreFloatProperty(prop);
    case tkString:
        return StoreStringProperty(prop);
    case tkLString:
        return StoreLStringProperty(prop);
    case tkWChar:
        return StoreWCharProperty(prop);
    case tkVariant:
        return StoreVariantProperty(prop);
    case tkInt64:
        return StoreInt64Property(prop);
    case tkSet:
        return StoreSetProperty(prop);
    default:
        return QString();
    }
}

void TvexoPropsStorage::StoreAnyProperty(const TPropInfo& prop) {
    if (Instance == nullptr || !prop.IsValid() || !IsHandledKind(prop.Kind()))
        return;
    const QString text = prop.Kind() == tkClass ? StoreClassProperty(prop) : CurrentText(prop);
    if (text.isEmpty() && !IsTextKind(prop.Kind()))
        return;
    WriteString(Section, GetItemName(prop.Name()), storage_p::TrimControls(text));
}

void TvexoPropsStorage::LoadAnyProperty(const TPropInfo& prop) {
    if (Instance == nullptr || !prop.IsValid() || !IsHandledKind(prop.Kind()))
        return;
    try {
        QString text = CurrentText(prop);
        if (!text.isEmpty() || IsTextKind(prop.Kind()) || prop.Kind() == tkClass)
            text = storage_p::TrimControls(ReadString(Section, GetItemName(prop.Name()), text));
        else
            text.clear();
        switch (prop.Kind()) {
        case tkInteger:
            LoadIntegerProperty(text, prop);
            break;
        case tkChar:
            LoadCharProperty(text, prop);
            break;
        case tkEnumeration:
            LoadEnumProperty(text, prop);
            break;
        case tkFloat:
            LoadFloatProperty(text, prop);
            break;
        case tkString:
            LoadStringProperty(text, prop);
            break;
        case tkLString:
            LoadLStringProperty(text, prop);
            break;
        case tkWChar:
            LoadWCharProperty(text, prop);
            break;
        case tkVariant:
            LoadVariantProperty(text, prop);
            break;
        case tkInt64:
            LoadInt64Property(text, prop);
            break;
        case tkSet:
            LoadSetProperty(text, prop);
            break;
        case tkClass:
            LoadClassProperty(text, prop);
            break;
        default:
            break;
        }
    } catch (...) {
        // A stored value never breaks loading; the property keeps what it had.
    }
}

QString TvexoPropsStorage::StoreIntegerProperty(const TPropInfo& prop) const {
    return QString::number(GetOrdProp(Instance, prop));
}

QString TvexoPropsStorage::StoreCharProperty(const TPropInfo& prop) const {
    return QString(QChar(char16_t(GetOrdProp(Instance, prop) & 0xFF)));
}

QString TvexoPropsStorage::StoreEnumProperty(const TPropInfo& prop) const {
    return prop.EnumName(int(GetOrdProp(Instance, prop)));
}

QString TvexoPropsStorage::StoreFloatProperty(const TPropInfo& prop) const {
    QString text = FloatToStrF(GetFloatProp(Instance, prop), ffGeneral, prop.FloatPrecision(), 0);
    return text.replace(FormatSettings().DecimalSeparator, QLatin1Char('.'));
}

QString TvexoPropsStorage::StoreStringProperty(const TPropInfo& prop) const {
    return GetStrProp(Instance, prop);
}

QString TvexoPropsStorage::StoreLStringProperty(const TPropInfo& prop) const {
    return GetStrProp(Instance, prop);
}

// Wide characters keep the whole character: the text is Unicode.
QString TvexoPropsStorage::StoreWCharProperty(const TPropInfo& prop) const {
    return QString(QChar(char16_t(GetOrdProp(Instance, prop))));
}

QString TvexoPropsStorage::StoreVariantProperty(const TPropInfo& prop) const {
    return GetVariantProp(Instance, prop).toString();
}

QString TvexoPropsStorage::StoreInt64Property(const TPropInfo& prop) const {
    return QString::number(GetInt64Prop(Instance, prop));
}

QString TvexoPropsStorage::StoreSetProperty(const TPropInfo& prop) const {
    const quint32 value = quint32(GetOrdProp(Instance, prop));
    QStringList members;
    for (int element = 0; element < 32; ++element) {
        if (!(value & (quint32(1) << element)))
            continue;
        const QString name = prop.SetElementName(element);
        if (!name.isEmpty())
            members.append(name);
    }
    return QLatin1Char('[') + members.join(QLatin1Char(',')) + QLatin1Char(']');
}

QString TvexoPropsStorage::StoreStringsProperty(const TPropInfo& prop) {
    const QString section = SubSection(Section, GetItemName(prop.Name()));
    EraseSection(section);
    const auto* list = qobject_cast<const TStrings*>(GetObjectProp(Instance, prop));
    if (list != nullptr && list->Count() > 0) {
        WriteString(section, kCount, QString::number(list->Count()));
        for (int i = 0; i < list->Count(); ++i)
            WriteString(section, ItemKey(i), list->Strings(i));
    }
    return QString();
}

QString TvexoPropsStorage::StoreComponentProperty(const TPropInfo& prop) const {
    const TComponent* component = TComponent::FromObject(GetObjectProp(Instance, prop));
    if (component == nullptr)
        return kNull;
    const TComponent* owner = component->Owner();
    if (owner == nullptr || owner == RootComponent)
        return component->Name();
    return QStringLiteral("%1.%2").arg(OwnerRefName(owner), component->Name());
}

QString TvexoPropsStorage::StoreClassProperty(const TPropInfo& prop) {
    QObject* value = GetObjectProp(Instance, prop);
    const QString key = Prefix + prop.Name();
    if (value != nullptr) {
        if (qobject_cast<TStrings*>(value) != nullptr)
            StoreStringsProperty(prop);
        else if (qobject_cast<TCollection*>(value) != nullptr)
            StoreCollection(value, key);
        else if (TComponent::FromObject(value) != nullptr)
            return StoreComponentProperty(prop);
    }
    StoreObjectProps(value, key, Section);
    return QString();
}

void TvexoPropsStorage::StoreCollection(QObject* object, const QString& key) {
    auto* collection = static_cast<TCollection*>(object);
    const QString section = SubSection(Section, key);
    EraseSection(section);
    WriteString(Section, key + QLatin1Char('.') + kCount, QString::number(collection->Count()));
    for (int i = 0; i < collection->Count(); ++i)
        StoreObjectProps(collection->Items(i), ItemKey(i) + QLatin1Char('_'), section);
}

std::unique_ptr<TvexoPropsStorage> TvexoPropsStorage::NestedStorage(QObject* instance,
                                                                    const QString& prefix,
                                                                    const QString& section) const {
    std::unique_ptr<TvexoPropsStorage> storage = CreateStorage();
    storage->Instance = instance;
    storage->Prefix = prefix;
    storage->Section = section;
    storage->OnReadString = OnReadString;
    storage->OnWriteString = OnWriteString;
    storage->OnEraseSection = OnEraseSection;
    storage->depth_ = depth_ + 1;
    return storage;
}

void TvexoPropsStorage::StoreObjectProps(QObject* object, const QString& prefix,
                                         const QString& section) {
    if (object == nullptr || depth_ >= MaxNesting)
        return;
    std::unique_ptr<TvexoPropsStorage> storage = NestedStorage(object, prefix, section);
    const TvexoPropInfoList props(object, tkProperties);
    for (const TPropInfo& prop : props.Items())
        storage->StoreAnyProperty(prop);
}

void TvexoPropsStorage::LoadObjectProps(QObject* object, const QString& prefix,
                                        const QString& section) {
    if (object == nullptr || depth_ >= MaxNesting)
        return;
    std::unique_ptr<TvexoPropsStorage> storage = NestedStorage(object, prefix, section);
    const TvexoPropInfoList props(object, tkProperties);
    for (const TPropInfo& prop : props.Items())
        storage->LoadAnyProperty(prop);
}

void TvexoPropsStorage::LoadIntegerProperty(const QString& text, const TPropInfo& prop) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (ok)
        SetOrdProp(Instance, prop, value);
}

void TvexoPropsStorage::LoadCharProperty(const QString& text, const TPropInfo& prop) {
    if (!text.isEmpty())
        SetOrdProp(Instance, prop, text.at(0).unicode() & 0xFF);
}

void TvexoPropsStorage::LoadEnumProperty(const QString& text, const TPropInfo& prop) {
    const int value = prop.EnumValue(text);
    if (value >= 0)
        SetOrdProp(Instance, prop, value);
}

void TvexoPropsStorage::LoadFloatProperty(const QString& text, const TPropInfo& prop) {
    double value = 0;
    QString local = text;
    local.replace(QLatin1Char('.'), FormatSettings().DecimalSeparator);
    if (TryStrToFloat(local, value))
        SetFloatProp(Instance, prop, value);
}

void TvexoPropsStorage::LoadStringProperty(const QString& text, const TPropInfo& prop) {
    SetStrProp(Instance, prop, text);
}

void TvexoPropsStorage::LoadLStringProperty(const QString& text, const TPropInfo& prop) {
    SetStrProp(Instance, prop, text);
}

void TvexoPropsStorage::LoadWCharProperty(const QString& text, const TPropInfo& prop) {
    if (!text.isEmpty())
        SetOrdProp(Instance, prop, text.at(0).unicode());
}

void TvexoPropsStorage::LoadVariantProperty(const QString& text, const TPropInfo& prop) {
    SetVariantProp(Instance, prop, QVariant(text));
}

void TvexoPropsStorage::LoadInt64Property(const QString& text, const TPropInfo& prop) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (ok)
        SetInt64Prop(Instance, prop, value);
}

void TvexoPropsStorage::LoadSetProperty(const QString& text, const TPropInfo& prop) {
    qint64 value = 0;
    SetDivisers({QLatin1Char(' '), QLatin1Char(','), QLatin1Char('['), QLatin1Char(']')});
    const int words = WordsInstring(text);
    for (int n = 1; n <= words; ++n) {
        const int element = prop.SetElementValue(GetWordInfo(text, n).Text);
        if (element >= 0)
            value |= qint64(1) << element;
    }
    SetOrdProp(Instance, prop, value);
}

void TvexoPropsStorage::LoadStringsProperty(const QString&, const TPropInfo& prop) {
    auto* list = qobject_cast<TStrings*>(GetObjectProp(Instance, prop));
    if (list == nullptr)
        return;
    const QString section = SubSection(Section, GetItemName(prop.Name()));
    const int count = StoredCount(ReadString(section, kCount, QStringLiteral("0")), 0);
    if (count <= 0)
        return;
    TStringList lines;
    for (int i = 0; i < count; ++i)
        lines.Add(ReadString(section, ItemKey(i), QString()));
    list->Assign(lines);
}

void TvexoPropsStorage::LoadComponentProperty(const QString& text, const TPropInfo& prop) {
    const QString trimmed = storage_p::TrimControls(text);
    if (trimmed.isEmpty())
        return;
    if (trimmed.compare(kNull, Qt::CaseInsensitive) == 0) {
        SetObjectProp(Instance, prop, nullptr);
        return;
    }
    QString ownerName;
    QString name = trimmed;
    const qsizetype dot = trimmed.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        ownerName = trimmed.left(dot).trimmed();
        name = trimmed.mid(dot + 1).trimmed();
    }
    TComponent* owner = ownerName.isEmpty() ? RootComponent : FindScreenComponent(ownerName);
    if (owner == nullptr)
        return;
    TComponent* component = owner->FindComponent(name);
    SetObjectProp(Instance, prop, component == nullptr ? nullptr : component->Object());
}

void TvexoPropsStorage::LoadClassProperty(const QString& text, const TPropInfo& prop) {
    QObject* value = GetObjectProp(Instance, prop);
    const QString key = Prefix + prop.Name();
    if (value != nullptr) {
        if (qobject_cast<TStrings*>(value) != nullptr) {
            LoadStringsProperty(text, prop);
        } else if (qobject_cast<TCollection*>(value) != nullptr) {
            LoadCollection(value, key);
        } else if (TComponent::FromObject(value) != nullptr) {
            LoadComponentProperty(text, prop);
            return;
        }
    }
    LoadObjectProps(value, key, Section);
}

void TvexoPropsStorage::LoadCollection(QObject* object, const QString& key) {
    auto* collection = static_cast<TCollection*>(object);
    const int current = collection->Count();
    const int count = StoredCount(
        ReadString(Section, key + QLatin1Char('.') + kCount, QString::number(current)), current);
    const bool recreate = count != current;
    const QString section = SubSection(Section, key);
    CollectionUpdate update(collection);
    if (recreate)
        collection->Clear();
    for (int i = 0; i < count; ++i) {
        if (recreate)
            collection->Add();
        LoadObjectProps(collection->Items(i), ItemKey(i) + QLatin1Char('_'), section);
    }
}

void TvexoPropsStorage::StoreProperties(const TStrings& names) {
    for (int i = 0; i < names.Count(); ++i) {
        const TPropInfo prop = GetPropInfo(Instance, names.Strings(i));
        if (prop.IsValid())
            StoreAnyProperty(prop);
    }
}

void TvexoPropsStorage::LoadProperties(const TStrings& names) {
    for (int i = 0; i < names.Count(); ++i) {
        const TPropInfo prop = GetPropInfo(Instance, names.Strings(i));
        if (prop.IsValid())
            LoadAnyProperty(prop);
    }
}

std::unique_ptr<TStringList> TvexoPropsStorage::CreateInfoList(TComponent* component,
                                                               TStrings* storedList) {
    if (component == nullptr || storedList == nullptr)
        return nullptr;
    try {
        UpdateStoredList(component, storedList, true);
        auto list = std::make_unique<TStringList>();
        list->SetSorted(true);
        for (int i = 0; i < storedList->Count(); ++i) {
            QObject* object = storedList->Objects(i);
            const TComponent* owned = TComponent::FromObject(object);
            if (owned == nullptr || list->IndexOf(owned->Name()) >= 0)
                continue;
            list->AddObject(owned->Name(), new TvexoPropInfoList(object, tkProperties, list.get()));
        }
        return list;
    } catch (...) {
        return nullptr;
    }
}

void TvexoPropsStorage::FreeInfoLists(std::unique_ptr<TStringList>& list) {
    // The property lists are children of the list.
    list.reset();
}

void TvexoPropsStorage::StoreObjectsProps(TComponent* component, TStrings* storedList) {
    ObjectsProps(component, storedList, Direction::Store);
}

void TvexoPropsStorage::LoadObjectsProps(TComponent* component, TStrings* storedList) {
    ObjectsProps(component, storedList, Direction::Load);
}

void TvexoPropsStorage::ObjectsProps(TComponent* component, TStrings* storedList,
                                     Direction direction) {
    std::unique_ptr<TStringList> infoList = CreateInfoList(component, storedList);
    if (!infoList)
        return;
    struct Reset {
        TvexoPropsStorage* self;
        ~Reset() {
            self->RootComponent = nullptr;
            self->Instance = nullptr;
        }
    } reset{this};
    RootComponent = component;
    for (int i = 0; i < storedList->Count(); ++i) {
        QString compName;
        QString propName;
        QString key;
        if (!ParseStoredItem(storedList->Strings(i), compName, propName, key))
            continue;
        Instance = storedList->Objects(i);
        const TComponent* owned = TComponent::FromObject(Instance);
        if (owned == nullptr)
            continue;
        Prefix = owned->Name();
        ItemName = key;
        const int index = infoList->IndexOf(Prefix);
        if (index < 0)
            continue;
        Prefix += QLatin1Char('_');
        const auto* props = static_cast<const TvexoPropInfoList*>(infoList->Objects(index));
        const TPropInfo prop = props->Find(propName);
        if (direction == Direction::Store)
            StoreAnyProperty(prop);
        else
            LoadAnyProperty(prop);
    }
}

} // namespace vexo
