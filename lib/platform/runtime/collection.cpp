#include "platform/runtime/collection.h"

#include "platform/runtime/classregistry.h"
#include "platform/runtime/exception.h"
#include "platform/runtime/typinfo.h"

namespace vexo {

TCollectionItem::TCollectionItem(TCollection* collection) : QObject(nullptr) {
    SetCollection(collection);
}

TCollectionItem::~TCollectionItem() {
    SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection* collection) {
    if (collection_ == collection)
        return;
    if (collection_ != nullptr)
        collection_->RemoveItem(this);
    if (collection != nullptr)
        collection->InsertItem(this);
}

int TCollectionItem::Index() const {
    return collection_ == nullptr ? -1 : int(collection_->items_.indexOf(this));
}

void TCollectionItem::SetIndex(int index) {
    const int current = Index();
    if (current < 0 || index == current)
        return;
    index = qBound(0, index, collection_->Count() - 1);
    collection_->items_.move(current, index);
    Changed(true);
}

QString TCollectionItem::DisplayName() const {
    return ClassNameOf(metaObject());
}

void TCollectionItem::Changed(bool all) {
    if (collection_ != nullptr)
        collection_->Changed(all ? nullptr : this);
}

TCollection::TCollection(const QMetaObject* itemClass, ItemFactory factory, QObject* parent)
    : QObject(parent), itemClass_(itemClass), factory_(std::move(factory)) {}

TCollection::~TCollection() {
    updateCount_ = 1; // no change reports while dying
    Clear();
}

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= items_.size())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return items_.at(index);
}

TCollectionItem* TCollection::Add() {
    TCollectionItem* item = factory_ ? factory_(this) : nullptr;
    if (item == nullptr)
        throw EListError(QStringLiteral("Collection cannot create items"));
    if (item->collection_ != this)
        item->SetCollection(this);
    return item;
}

TCollectionItem* TCollection::Insert(int index) {
    BeginUpdate();
    TCollectionItem* item = Add();
    item->SetIndex(index);
    EndUpdate();
    return item;
}

void TCollection::Delete(int index) {
    delete Items(index);
}

void TCollection::Clear() {
    if (items_.isEmpty())
        return;
    BeginUpdate();
    while (!items_.isEmpty())
        delete items_.last();
    EndUpdate();
}

void TCollection::Assign(const TCollection& other) {
    if (&other == this)
        return;
    BeginUpdate();
    Clear();
    for (TCollectionItem* source : other.items_) {
        TCollectionItem* item = Add();
        for (const TPropInfo& prop : GetPropList(source))
            if (prop.Property().isWritable() && GetPropInfo(item, prop.Name()).IsValid())
                GetPropInfo(item, prop.Name()).Property().write(item, prop.Property().read(source));
    }
    EndUpdate();
}

void TCollection::BeginUpdate() {
    ++updateCount_;
}

void TCollection::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0)
        Changed(nullptr);
}

void TCollection::Update(TCollectionItem* item) {
    if (OnUpdate)
        OnUpdate(this, item);
}

void TCollection::InsertItem(TCollectionItem* item) {
    items_.append(item);
    item->collection_ = this;
    Changed(nullptr);
}

void TCollection::RemoveItem(TCollectionItem* item) {
    items_.removeAll(item);
    item->collection_ = nullptr;
    Changed(nullptr);
}

void TCollection::Changed(TCollectionItem* item) {
    if (updateCount_ == 0)
        Update(item);
}

} // namespace vexo
