#include "platform/runtime/stringlist.h"

#include <algorithm>

#include "platform/runtime/exception.h"

namespace vexo {

namespace {

[[noreturn]] void ListIndexError(int index) {
    throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

} // namespace

TStrings::TStrings(QObject* parent) : QObject(parent) {}

TStrings::~TStrings() = default;

QObject* TStrings::GetObject(int) const {
    return nullptr;
}

void TStrings::Put(int index, const QString& text) {
    QObject* object = GetObject(index);
    BeginUpdate();
    Delete(index);
    InsertObject(index, text, object);
    EndUpdate();
}

void TStrings::PutObject(int, QObject*) {}

int TStrings::Add(const QString& text) {
    const int index = Count();
    InsertObject(index, text, nullptr);
    return index;
}

int TStrings::AddObject(const QString& text, QObject* object) {
    const int index = Add(text);
    PutObject(index, object);
    return index;
}

void TStrings::AddStrings(const TStrings& other) {
    BeginUpdate();
    for (int i = 0; i < other.Count(); ++i)
        AddObject(other.Get(i), other.GetObject(i));
    EndUpdate();
}

void TStrings::AddStrings(const QStringList& texts) {
    BeginUpdate();
    for (const QString& text : texts)
        Add(text);
    EndUpdate();
}

void TStrings::Assign(const TStrings& other) {
    if (&other == this)
        return;
    BeginUpdate();
    Clear();
    AddStrings(other);
    EndUpdate();
}

void TStrings::Exchange(int index1, int index2) {
    if (index1 == index2)
        return;
    const QString text1 = Get(index1);
    const QString text2 = Get(index2);
    QObject* object1 = GetObject(index1);
    QObject* object2 = GetObject(index2);
    BeginUpdate();
    Put(index1, text2);
    PutObject(index1, object2);
    Put(index2, text1);
    PutObject(index2, object1);
    EndUpdate();
}

void TStrings::Move(int from, int to) {
    if (from == to)
        return;
    const QString text = Get(from);
    QObject* object = GetObject(from);
    BeginUpdate();
    Delete(from);
    InsertObject(to, text, object);
    EndUpdate();
}

int TStrings::IndexOf(const QString& text) const {
    const Qt::CaseSensitivity cs = CaseSensitiveCompare() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < Count(); ++i)
        if (Get(i).compare(text, cs) == 0)
            return i;
    return -1;
}

int TStrings::IndexOfName(const QString& name) const {
    const Qt::CaseSensitivity cs = CaseSensitiveCompare() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < Count(); ++i) {
        const QString line = Get(i);
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq >= 0 && QStringView(line).left(eq).compare(name, cs) == 0)
            return i;
    }
    return -1;
}

int TStrings::IndexOfObject(const QObject* object) const {
    for (int i = 0; i < Count(); ++i)
        if (GetObject(i) == object)
            return i;
    return -1;
}

QString TStrings::Names(int index) const {
    const QString line = Get(index);
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq < 0 ? QString() : line.left(eq);
}

QString TStrings::Values(const QString& name) const {
    const int index = IndexOfName(name);
    if (index < 0)
        return QString();
    const QString line = Get(index);
    return line.mid(line.indexOf(QLatin1Char('=')) + 1);
}

void TStrings::SetValue(const QString& name, const QString& value) {
    const int index = IndexOfName(name);
    if (value.isEmpty()) {
        if (index >= 0)
            Delete(index);
        return;
    }
    if (index < 0)
        Add(name + QLatin1Char('=') + value);
    else
        Put(index, name + QLatin1Char('=') + value);
}

QString TStrings::Text() const {
    QString text;
    for (int i = 0; i < Count(); ++i) {
        text += Get(i);
        text += QLatin1Char('\n');
    }
    return text;
}

void TStrings::SetText(const QString& text) {
    BeginUpdate();
    Clear();
    QString normal = text;
    normal.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = normal.split(QLatin1Char('\n'));
    // A final line break ends the last line; it does not start another.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    AddStrings(lines);
    EndUpdate();
}

QStringList TStrings::ToStringList() const {
    QStringList list;
    list.reserve(Count());
    for (int i = 0; i < Count(); ++i)
        list.append(Get(i));
    return list;
}

bool TStrings::Equals(const TStrings& other) const {
    if (Count() != other.Count())
        return false;
    for (int i = 0; i < Count(); ++i)
        if (Get(i) != other.Get(i))
            return false;
    return true;
}

void TStrings::BeginUpdate() {
    if (updateCount_++ == 0)
        SetUpdateState(true);
}

void TStrings::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0)
        SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

TStringList::TStringList(QObject* parent) : TStrings(parent) {}

TStringList::~TStringList() = default;

void TStringList::CheckIndex(int index) const {
    if (index < 0 || index >= items_.size())
        ListIndexError(index);
}

QString TStringList::Get(int index) const {
    CheckIndex(index);
    return items_.at(index).text;
}

QObject* TStringList::GetObject(int index) const {
    CheckIndex(index);
    return items_.at(index).object;
}

void TStringList::Put(int index, const QString& text) {
    if (sorted_)
        throw EListError(QStringLiteral("Operation not allowed on sorted string list"));
    CheckIndex(index);
    Changing();
    items_[index].text = text;
    Changed();
}

void TStringList::PutObject(int index, QObject* object) {
    CheckIndex(index);
    Changing();
    items_[index].object = object;
    Changed();
}

void TStringList::InsertObject(int index, const QString& text, QObject* object) {
    if (index < 0 || index > items_.size())
        ListIndexError(index);
    Changing();
    items_.insert(index, Item{text, object});
    Changed();
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    Changing();
    items_.removeAt(index);
    Changed();
}

void TStringList::Clear() {
    if (items_.isEmpty())
        return;
    Changing();
    items_.clear();
    Changed();
}

int TStringList::Add(const QString& text) {
    if (!sorted_)
        return TStrings::Add(text);
    int index = 0;
    if (Find(text, index)) {
        if (duplicates_ == dupIgnore)
            return index;
        if (duplicates_ == dupError)
            throw EListError(QStringLiteral("String list does not allow duplicates"));
    }
    InsertObject(index, text, nullptr);
    return index;
}

int TStringList::IndexOf(const QString& text) const {
    if (!sorted_)
        return TStrings::IndexOf(text);
    int index = 0;
    return Find(text, index) ? index : -1;
}

int TStringList::CompareTexts(const QString& a, const QString& b) const {
    return a.compare(b, caseSensitive_ ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

bool TStringList::Find(const QString& text, int& index) const {
    int low = 0;
    int high = int(items_.size()) - 1;
    bool found = false;
    while (low <= high) {
        const int mid = (low + high) / 2;
        const int c = CompareTexts(items_.at(mid).text, text);
        if (c < 0) {
            low = mid + 1;
        } else {
            high = mid - 1;
            if (c == 0) {
                found = true;
                // Duplicates: the first of equal texts.
                if (duplicates_ != dupAccept)
                    low = mid;
            }
        }
    }
    index = low;
    return found;
}

void TStringList::Sort() {
    Changing();
    std::stable_sort(items_.begin(), items_.end(), [this](const Item& a, const Item& b) {
        return CompareTexts(a.text, b.text) < 0;
    });
    Changed();
}

void TStringList::SetSorted(bool sorted) {
    if (sorted_ == sorted)
        return;
    if (sorted)
        Sort();
    sorted_ = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
    if (caseSensitive_ == caseSensitive)
        return;
    caseSensitive_ = caseSensitive;
    if (sorted_)
        Sort();
}

void TStringList::Changing() {
    if (UpdateCount() == 0 && OnChanging)
        OnChanging(this);
}

void TStringList::Changed() {
    if (UpdateCount() == 0 && OnChange)
        OnChange(this);
}

void TStringList::SetUpdateState(bool updating) {
    if (updating)
        Changing();
    else
        Changed();
}

} // namespace vexo
