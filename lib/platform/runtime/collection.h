#pragma once
// Collections: an owned, ordered list of items of one item class. Items publish their own
// properties; the storage keeps each item's properties under "Item<n>_" keys.

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

#include "vexo/platform_export.h"

namespace vexo {

class TCollection;

class VEXO_PLATFORM_EXPORT TCollectionItem : public QObject {
    Q_OBJECT
public:
    // Joins collection (when given) at its end.
    explicit TCollectionItem(TCollection* collection = nullptr);
    // Leaves its collection.
    ~TCollectionItem() override;

    TCollection* Collection() const { return collection_; }
    void SetCollection(TCollection* collection);
    // Position in the collection, -1 without one.
    int Index() const;
    void SetIndex(int index);
    // The item's text for lists; the class name by default.
    virtual QString DisplayName() const;

protected:
    // Tells the collection that the item changed (the whole collection when all is true).
    void Changed(bool all);

private:
    friend class TCollection;
    TCollection* collection_ = nullptr;
};

class VEXO_PLATFORM_EXPORT TCollection : public QObject {
    Q_OBJECT
public:
    using ItemFactory = std::function<TCollectionItem*(TCollection*)>;

    // A collection of the item class made by factory (which must pass the collection to the
    // item's constructor).
    TCollection(const QMetaObject* itemClass, ItemFactory factory, QObject* parent = nullptr);
    template <class T> static ItemFactory FactoryOf() {
        return [](TCollection* collection) { return new T(collection); };
    }
    // Frees the items.
    ~TCollection() override;

    const QMetaObject* ItemClass() const { return itemClass_; }
    int Count() const { return int(items_.size()); }
    // Item at index; raises EListError outside 0 .. Count() - 1.
    TCollectionItem* Items(int index) const;
    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    // Copies the items' published properties into new items of this collection.
    virtual void Assign(const TCollection& other);

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    // Called after a change outside update brackets; item is none for changes of the whole.
    std::function<void(TCollection*, TCollectionItem*)> OnUpdate;

protected:
    virtual void Update(TCollectionItem* item);

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* item);
    void RemoveItem(TCollectionItem* item);
    void Changed(TCollectionItem* item);

    const QMetaObject* itemClass_;
    ItemFactory factory_;
    QList<TCollectionItem*> items_;
    int updateCount_ = 0;
};

} // namespace vexo
