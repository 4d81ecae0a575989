#pragma once
// The storage, growth and range checks shared by the typed lists (pointers, integers, floats).
// `Self` is the concrete list: events receive it as their sender, and `Remove` finds items
// with its `IndexOf` (the float list compares with a tolerance).

#include <QString>
#include <algorithm>
#include <functional>
#include <vector>

#include "platform/runtime/exception.h"

namespace vexo {

// Largest Count and Capacity of a typed list (0x7FFFFFF).
inline constexpr int MaxListSize = 134217727;

template <typename T, typename Self> class TvexoTypedList {
public:
    using TItemNotify = std::function<void(Self* Sender, T Item)>;
    using TItemChange = std::function<void(Self* Sender, T OldItem, T NewItem)>;
    using TListNotify = std::function<void(Self* Sender)>;

    TvexoTypedList() = default;
    TvexoTypedList(const TvexoTypedList&) = delete;
    TvexoTypedList& operator=(const TvexoTypedList&) = delete;
    virtual ~TvexoTypedList() = default;

    int Count() const { return count_; }
    int Capacity() const { return static_cast<int>(items_.size()); }
    // The items in use, for reading.
    const T* Items() const { return items_.data(); }

    // Appends; returns the new item's index (-1 when Error let the call return).
    virtual int Add(T item) {
        if (count_ == Capacity()) {
            Grow();
            if (count_ == Capacity())
                return -1;
        }
        const int index = count_;
        items_[static_cast<std::size_t>(count_++)] = item;
        Fire(OnAddItem, item);
        Changed();
        return index;
    }

    // Count and Capacity become 0 and the array is released.
    virtual void Clear() {
        count_ = 0;
        std::vector<T>().swap(items_);
        if (OnClear)
            OnClear(self());
        Changed();
    }

    virtual void Delete(int index) { RemoveAt(index); }

    // Swaps two items; fires no event.
    virtual void Exchange(int i, int j) {
        if (!CheckIndex(i) || !CheckIndex(j))
            return;
        std::swap(items_[static_cast<std::size_t>(i)], items_[static_cast<std::size_t>(j)]);
    }

    // `index` may be Count (append).
    virtual void Insert(int index, T item) {
        if (index < 0 || index > count_) {
            Fail(QStringLiteral("List index out of bounds (%1)").arg(index));
            return;
        }
        if (count_ == Capacity()) {
            Grow();
            if (count_ == Capacity())
                return;
        }
        const auto at = items_.begin() + index;
        std::move_backward(at, items_.begin() + count_, items_.begin() + count_ + 1);
        *at = item;
        ++count_;
        Fire(OnAddItem, item);
        Changed();
    }

    // Relocates an item (nothing when from = to) with the events of a deletion and an
    // insertion; the item itself is never released.
    virtual void Move(int from, int to) {
        if (from == to)
            return;
        if (!CheckIndex(from) || !CheckIndex(to))
            return;
        const T item = items_[static_cast<std::size_t>(from)];
        RemoveAt(from);
        Insert(to, item);
    }

    // Deletes the first item IndexOf finds; returns its former index or -1.
    virtual int Remove(T item) {
        const int index = self()->IndexOf(item);
        if (index >= 0)
            Delete(index);
        return index;
    }

    // Capacity + 4 below 5, + 8 from 5 to 8, + 16 above 8, never beyond MaxListSize.
    virtual void Grow() {
        const int capacity = Capacity();
        const int delta = capacity > 8 ? 16 : capacity > 4 ? 8 : 4;
        if (capacity >= MaxListSize) {
            Fail(QStringLiteral("List capacity out of bounds (%1)").arg(capacity));
            return;
        }
        SetCapacity(capacity > MaxListSize - delta ? MaxListSize : capacity + delta);
    }

    // A default Error raises EListError with the text of the failed check (LastErrorText);
    // descendants may raise their own. Should an override return, the failed operation
    // returns without changing anything.
    virtual void Error() const { throw EListError(lastError_); }

    T Get(int index) const {
        if (!CheckIndex(index))
            return T{};
        return items_[static_cast<std::size_t>(index)];
    }
    T operator[](int index) const { return Get(index); }

    void Put(int index, T item) {
        if (!CheckIndex(index))
            return;
        T& slot = items_[static_cast<std::size_t>(index)];
        const T old = slot;
        slot = item;
        if (OnPutItem)
            OnPutItem(self(), old, item);
        Changed();
    }

    T First() const { return Get(0); }
    T Last() const { return Get(count_ - 1); }

    // First index holding exactly `item`, or -1.
    int IndexOf(T item) const {
        const auto end = items_.begin() + count_;
        const auto found = std::find(items_.begin(), end, item);
        return found == end ? -1 : static_cast<int>(found - items_.begin());
    }

    // Grows when the list is full.
    void Expand() {
        if (count_ == Capacity())
            Grow();
    }

    // n must be Count..MaxListSize; 0 releases the array. No event.
    void SetCapacity(int n) {
        if (n < count_ || n > MaxListSize) {
            Fail(QStringLiteral("List capacity out of bounds (%1)").arg(n));
            return;
        }
        if (n == Capacity())
            return;
        std::vector<T> resized(static_cast<std::size_t>(n));
        std::copy(items_.begin(), items_.begin() + count_, resized.begin());
        items_.swap(resized);
    }

    // n must be 0..MaxListSize; new slots are zero. No event.
    void SetCount(int n) {
        if (n < 0 || n > MaxListSize) {
            Fail(QStringLiteral("List count out of bounds (%1)").arg(n));
            return;
        }
        if (n > Capacity()) {
            SetCapacity(n);
            if (n > Capacity())
                return;
        }
        if (n > count_)
            std::fill(items_.begin() + count_, items_.begin() + n, T{});
        count_ = n;
    }

    TListNotify OnChange;
    TItemNotify OnAddItem;
    TItemNotify OnDeleteItem;
    TListNotify OnClear;
    TItemChange OnPutItem;

protected:
    // Text of the check that called Error last.
    const QString& LastErrorText() const { return lastError_; }

    // Index 0..Count-1, else Error; false when Error returned.
    bool CheckIndex(int index) const {
        if (index >= 0 && index < count_)
            return true;
        Fail(QStringLiteral("List index out of bounds (%1)").arg(index));
        return false;
    }

    // The deletion itself, with its events, shared by Delete and Move.
    void RemoveAt(int index) {
        if (!CheckIndex(index))
            return;
        const auto at = items_.begin() + index;
        const T item = *at;
        std::move(at + 1, items_.begin() + count_, at);
        --count_;
        Fire(OnDeleteItem, item);
        Changed();
    }

    // Destructors call this: Clear with its events, but nothing may escape a destructor.
    void ClearOnDestroy() noexcept {
        try {
            Clear();
        } catch (...) {
        }
    }

private:
    Self* self() { return static_cast<Self*>(this); }
    void Fire(const TItemNotify& event, T item) {
        if (event)
            event(self(), item);
    }
    void Changed() {
        if (OnChange)
            OnChange(self());
    }
    void Fail(const QString& text) const {
        lastError_ = text;
        Error();
    }

    std::vector<T> items_; // Capacity slots
    int count_ = 0;
    mutable QString lastError_;
};

} // namespace vexo
