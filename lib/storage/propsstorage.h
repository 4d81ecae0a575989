#pragma once
// Property storage: published properties of objects as text values under INI-style section and
// key names, and back. It never touches a file; it reads, writes and erases through three
// callbacks that a form storage binds to its INI file.
//
// Keys are Prefix + property name (or ItemName when set). String lists and collections get a
// section of their own, Section + "." + key; class properties store their own published
// properties under the key as prefix (Edit1_FontColor); component references are stored as
// "Owner.Name". Loading never lets a stored value break a property: unknown identifiers,
// unparsable numbers and failures keep the current value, and counts are capped.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "platform/runtime/component.h"
#include "platform/runtime/typinfo.h"
#include "vexo/storage_export.h"

namespace vexo {

class TStrings;
class TStringList;

using TReadStrEvent =
    std::function<QString(const QString& section, const QString& item, const QString& def)>;
using TWriteStrEvent =
    std::function<void(const QString& section, const QString& item, const QString& value)>;
using TEraseSectEvent = std::function<void(const QString& section)>;

class VEXO_STORAGE_EXPORT TvexoPropsStorage {
public:
    // Most lines or items a stored list or collection loads; larger stored counts are cut.
    static constexpr int MaxStoredCount = 10000;
    // Deepest nesting of class properties followed, against reference cycles.
    static constexpr int MaxNesting = 16;

    TvexoPropsStorage();
    virtual ~TvexoPropsStorage();

    QObject* Instance = nullptr;
    TComponent* RootComponent = nullptr;
    QString Prefix;
    QString Section;
    QString ItemName;
    TReadStrEvent OnReadString;
    TWriteStrEvent OnWriteString;
    TEraseSectEvent OnEraseSection;

    // The read callback's result, or empty text without one.
    virtual QString ReadString(const QString& section, const QString& item,
                               const QString& def) const;
    virtual void WriteString(const QString& section, const QString& item, const QString& value);
    virtual void EraseSection(const QString& section);
    // ItemName when set, else Prefix + property name.
    virtual QString GetItemName(const QString& propName) const;
    // A new storage for nested objects, owned by the caller.
    virtual std::unique_ptr<TvexoPropsStorage> CreateStorage() const;

    void StoreAnyProperty(const TPropInfo& prop);
    void LoadAnyProperty(const TPropInfo& prop);

    QString StoreIntegerProperty(const TPropInfo& prop) const;
    QString StoreCharProperty(const TPropInfo& prop) const;
    QString StoreEnumProperty(const TPropInfo& prop) const;
    QString StoreFloatProperty(const TPropInfo& prop) const;
    QString StoreStringProperty(const TPropInfo& prop) const;
    QString StoreLStringProperty(const TPropInfo& prop) const;
    QString StoreWCharProperty(const TPropInfo& prop) const;
    QString StoreVariantProperty(const TPropInfo& prop) const;
    QString StoreInt64Property(const TPropInfo& prop) const;
    QString StoreSetProperty(const TPropInfo& prop) const;
    QString StoreStringsProperty(const TPropInfo& prop);
    QString StoreComponentProperty(const TPropInfo& prop) const;
    QString StoreClassProperty(const TPropInfo& prop);

    void LoadIntegerProperty(const QString& text, const TPropInfo& prop);
    void LoadCharProperty(const QString& text, const TPropInfo& prop);
    void LoadEnumProperty(const QString& text, const TPropInfo& prop);
    void LoadFloatProperty(const QString& text, const TPropInfo& prop);
    void LoadStringProperty(const QString& text, const TPropInfo& prop);
    void LoadLStringProperty(const QString& text, const TPropInfo& prop);
    void LoadWCharProperty(const QString& text, const TPropInfo& prop);
    void LoadVariantProperty(const QString& text, const TPropInfo& prop);
    void LoadInt64Property(const QString& text, const TPropInfo& prop);
    void LoadSetProperty(const QString& text, const TPropInfo& prop);
    void LoadStringsProperty(const QString& text, const TPropInfo& prop);
    void LoadComponentProperty(const QString& text, const TPropInfo& prop);
    void LoadClassProperty(const QString& text, const TPropInfo& prop);

    // For each line of names, the Instance's published property of that name (any letter
    // case); unknown names are skipped.
    void StoreProperties(const TStrings& names);
    void LoadProperties(const TStrings& names);

    // Resolves storedList against component, then a sorted case-insensitive list of the named
    // components' names, each line carrying (as its object, owned by the list) a
    // TvexoPropInfoList of that component's properties; none when it cannot be built.
    std::unique_ptr<TStringList> CreateInfoList(TComponent* component, TStrings* storedList);
    static void FreeInfoLists(std::unique_ptr<TStringList>& list);

    // Stores or loads every property that storedList names, RootComponent being component for
    // the duration.
    void StoreObjectsProps(TComponent* component, TStrings* storedList);
    void LoadObjectsProps(TComponent* component, TStrings* storedList);

private:
    enum class Direction { Store, Load };
    void ObjectsProps(TComponent* component, TStrings* storedList, Direction direction);
    QString CurrentText(const TPropInfo& prop) const;
    std::unique_ptr<TvexoPropsStorage> NestedStorage(QObject* instance, const QString& prefix,
                                                     const QString& section) const;
    void StoreObjectProps(QObject* object, const QString& prefix, const QString& section);
    void LoadObjectProps(QObject* object, const QString& prefix, const QString& section);
    void StoreCollection(QObject* collection, const QString& key);
    void LoadCollection(QObject* collection, const QString& key);

    int depth_ = 0;
};

} // namespace vexo
