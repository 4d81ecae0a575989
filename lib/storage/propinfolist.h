#pragma once
// The published-property descriptors of one object's class, filtered by kind.

#include <QList>
#include <QObject>

#include "platform/runtime/typinfo.h"
#include "vexo/storage_export.h"

namespace vexo {

class VEXO_STORAGE_EXPORT TvexoPropInfoList : public QObject {
    Q_OBJECT
public:
    // The descriptors of the object's published properties of the admitted kinds, in the order
    // of the type information; none without an object.
    TvexoPropInfoList(const QObject* object, TTypeKinds filter, QObject* parent = nullptr);
    ~TvexoPropInfoList() override;

    int Count() const { return int(items_.size()); }
    // Descriptor at index; an invalid one outside the list.
    TPropInfo Get(int index) const;
    const QList<TPropInfo>& Items() const { return items_; }
    // An entry of the same property type and name (any letter case) exists.
    bool Contains(const TPropInfo& prop) const;
    // First entry of that name in any letter case, or an invalid descriptor.
    TPropInfo Find(const QString& name) const;
    void Delete(int index);
    // Keeps only the entries that other contains.
    void Intersect(const TvexoPropInfoList& other);

private:
    QList<TPropInfo> items_;
};

} // namespace vexo
