#include "storage/propinfolist.h"

namespace vexo {

TvexoPropInfoList::TvexoPropInfoList(const QObject* object, TTypeKinds filter, QObject* parent)
    : QObject(parent) {
    if (object != nullptr)
        items_ = GetPropList(object, filter);
}

TvexoPropInfoList::~TvexoPropInfoList() = default;

TPropInfo TvexoPropInfoList::Get(int index) const {
    return index >= 0 && index < items_.size() ? items_.at(index) : TPropInfo();
}

bool TvexoPropInfoList::Contains(const TPropInfo& prop) const {
    for (const TPropInfo& item : items_)
        if (item.SameAs(prop))
            return true;
    return false;
}

TPropInfo TvexoPropInfoList::Find(const QString& name) const {
    for (const TPropInfo& item : items_)
        if (item.Name().compare(name, Qt::CaseInsensitive) == 0)
            return item;
    return TPropInfo();
}

void TvexoPropInfoList::Delete(int index) {
    if (index >= 0 && index < items_.size())
        items_.removeAt(index);
}

void TvexoPropInfoList::Intersect(const TvexoPropInfoList& other) {
    for (qsizetype i = items_.size() - 1; i >= 0; --i)
        if (!other.Contains(items_.at(i)))
            items_.removeAt(i);
}

} // namespace vexo
