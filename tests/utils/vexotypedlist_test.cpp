// Behaviour every typed list shares, run on each of them.
#include <gtest/gtest.h>

#include "utils/vexocontainer.h"
#include "utils/vexofloatlist.h"
#include "utils/vexointegerlist.h"
#include "utils/vexolist.h"

using namespace vexo;

namespace {

template <typename List> auto Item(int n) {
    using T = std::remove_cvref_t<decltype(std::declval<List>().Get(0))>;
    if constexpr (std::is_pointer_v<T>)
        return reinterpret_cast<T>(static_cast<quintptr>(n) * 16);
    else
        return static_cast<T>(n);
}

template <typename List> class TypedListTest : public ::testing::Test {};
using ListTypes = ::testing::Types<TvexoList, TvexoIntegerList, TvexoFloatList>;
TYPED_TEST_SUITE(TypedListTest, ListTypes);

TYPED_TEST(TypedListTest, CapacityGrowsBy4Then8Then16) {
    TypeParam list;
    EXPECT_EQ(list.Capacity(), 0);
    std::vector<int> seen;
    for (int i = 0; i < 64; ++i) {
        list.Add(Item<TypeParam>(i + 1));
        if (seen.empty() || seen.back() != list.Capacity())
            seen.push_back(list.Capacity());
    }
    EXPECT_EQ(seen, (std::vector<int>{4, 8, 16, 32, 48, 64}));
    list.Add(Item<TypeParam>(65));
    EXPECT_EQ(list.Capacity(), 80);
    EXPECT_EQ(list.Count(), 65);
}

TYPED_TEST(TypedListTest, GrowFromOddCapacities) {
    TypeParam list;
    list.SetCapacity(5);
    list.Grow();
    EXPECT_EQ(list.Capacity(), 13);
    list.SetCapacity(3);
    list.Grow();
    EXPECT_EQ(list.Capacity(), 7);
    list.Grow();
    EXPECT_EQ(list.Capacity(), 15);
}

TYPED_TEST(TypedListTest, IndexesOutsideTheRangeRaiseListErrors) {
    TypeParam list;
    list.Add(Item<TypeParam>(1));
    list.Add(Item<TypeParam>(2));
    EXPECT_THROW(list.Get(2), EListError);
    EXPECT_THROW(list.Get(-1), EListError);
    EXPECT_THROW(list.Put(2, Item<TypeParam>(3)), EListError);
    EXPECT_THROW(list.Delete(2), EListError);
    EXPECT_THROW(list.Insert(3, Item<TypeParam>(3)), EListError);
    EXPECT_THROW(list.Insert(-1, Item<TypeParam>(3)), EListError);
    EXPECT_THROW(list.Exchange(0, 2), EListError);
    EXPECT_THROW(list.Move(0, 2), EListError);
    EXPECT_THROW(list.Move(5, 0), EListError);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Get(0), Item<TypeParam>(1));
    EXPECT_EQ(list.Get(1), Item<TypeParam>(2));
    try {
        list.Get(7);
        FAIL() << "no error";
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (7)");
    }
    TypeParam empty;
    EXPECT_THROW(empty.First(), EListError);
    EXPECT_THROW(empty.Last(), EListError);
}

TYPED_TEST(TypedListTest, CapacityAndCountLimitsAreCheckedBeforeAllocating) {
    TypeParam list;
    list.Add(Item<TypeParam>(1));
    list.Add(Item<TypeParam>(2));
    EXPECT_THROW(list.SetCapacity(1), EListError);
    EXPECT_THROW(list.SetCapacity(MaxListSize + 1), EListError);
    EXPECT_THROW(list.SetCapacity(-5), EListError);
    EXPECT_THROW(list.SetCount(-1), EListError);
    EXPECT_THROW(list.SetCount(MaxListSize + 1), EListError);
    EXPECT_THROW(list.SetCount(std::numeric_limits<int>::max()), EListError);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Capacity(), 4);
    EXPECT_EQ(MaxListSize, 0x7FFFFFF);
}

TYPED_TEST(TypedListTest, InsertAtCountAppendsAndMovesLaterItems) {
    TypeParam list;
    list.Insert(0, Item<TypeParam>(2));
    list.Insert(1, Item<TypeParam>(3)); // at Count
    list.Insert(0, Item<TypeParam>(1));
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Get(0), Item<TypeParam>(1));
    EXPECT_EQ(list.Get(1), Item<TypeParam>(2));
    EXPECT_EQ(list.Last(), Item<TypeParam>(3));
    list.Delete(0);
    EXPECT_EQ(list.First(), Item<TypeParam>(2));
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Capacity(), 4) << "deleting keeps the capacity";
}

TYPED_TEST(TypedListTest, EventsFollowEveryChange) {
    std::vector<std::string> log; // outlives the list: its destructor still fires events
    TypeParam list;
    list.OnChange = [&](TypeParam* sender) {
        EXPECT_EQ(sender, &list);
        log.push_back("change");
    };
    list.OnAddItem = [&](TypeParam*, auto item) {
        log.push_back("add " + std::to_string(item == Item<TypeParam>(1) ? 1 : 2));
    };
    list.OnDeleteItem = [&](TypeParam*, auto item) {
        log.push_back("delete " + std::to_string(item == Item<TypeParam>(1) ? 1 : 2));
    };
    list.OnPutItem = [&](TypeParam*, auto oldItem, auto newItem) {
        log.push_back(std::string("put ") + (oldItem == Item<TypeParam>(1) ? "1" : "?") +
                      (newItem == Item<TypeParam>(2) ? "2" : "?"));
    };
    list.OnClear = [&](TypeParam*) { log.push_back("clear"); };
    EXPECT_EQ(list.Add(Item<TypeParam>(1)), 0);
    list.Put(0, Item<TypeParam>(2));
    list.Insert(0, Item<TypeParam>(1));
    list.Exchange(0, 1); // no event
    list.Move(1, 1);     // nothing
    list.Move(0, 1);
    list.Delete(0);
    list.Clear();
    EXPECT_EQ(log, (std::vector<std::string>{"add 1", "change", "put 12", "change", "add 1",
                                             "change", "delete 2", "change", "add 2", "change",
                                             "delete 1", "change", "clear", "change"}));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
}

TYPED_TEST(TypedListTest, MoveToTheSameIndexDoesNothingEvenWhenEmpty) {
    int events = 0;
    TypeParam list;
    list.OnChange = [&](TypeParam*) { ++events; };
    EXPECT_NO_THROW(list.Move(2, 2));
    EXPECT_EQ(events, 0);
}

TYPED_TEST(TypedListTest, SetCountZeroFillsNewSlots) {
    TypeParam list;
    for (int i = 1; i <= 6; ++i)
        list.Add(Item<TypeParam>(i));
    list.SetCount(2);
    list.SetCount(7);
    EXPECT_EQ(list.Capacity(), 8);
    for (int i = 2; i < 7; ++i)
        EXPECT_EQ(list.Get(i), Item<TypeParam>(0)) << i;
    list.SetCount(20);
    EXPECT_EQ(list.Capacity(), 20);
    EXPECT_EQ(list.Get(19), Item<TypeParam>(0));
}

TYPED_TEST(TypedListTest, RemoveDeletesTheFirstMatch) {
    TypeParam list;
    list.Add(Item<TypeParam>(5));
    list.Add(Item<TypeParam>(7));
    list.Add(Item<TypeParam>(5));
    EXPECT_EQ(list.Remove(Item<TypeParam>(5)), 0);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.IndexOf(Item<TypeParam>(5)), 1);
    EXPECT_EQ(list.Remove(Item<TypeParam>(9)), -1);
    EXPECT_EQ(list.Count(), 2);
}

TYPED_TEST(TypedListTest, DestructionClearsWithEvents) {
    int clears = 0;
    {
        TypeParam list;
        list.Add(Item<TypeParam>(1));
        list.OnClear = [&](TypeParam* sender) {
            EXPECT_EQ(sender->Count(), 0);
            ++clears;
        };
    }
    EXPECT_EQ(clears, 1);
}

// An Error that does not raise must still leave the list untouched.
class QuietList : public TvexoIntegerList {
public:
    void Error() const override { ++errors; }
    mutable int errors = 0;
};

TEST(TypedListError, OverriddenErrorIsCalledAndNothingChanges) {
    QuietList list;
    list.Add(1);
    EXPECT_EQ(list.Get(3), 0);
    list.Put(3, 9);
    list.Delete(3);
    list.Insert(9, 9);
    list.SetCapacity(MaxListSize + 1);
    list.SetCount(-1);
    list.Move(0, 4);
    EXPECT_EQ(list.errors, 7);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Get(0), 1);
    EXPECT_EQ(list.Capacity(), 4);
}

// A descendant raising its own exception with the text of the failed check.
class OwnErrorList : public TvexoList {
public:
    struct Failure {
        QString text;
    };
    void Error() const override { throw Failure{LastErrorText()}; }
};

TEST(TypedListError, DescendantsRaiseTheirOwn) {
    OwnErrorList list;
    try {
        list.SetCapacity(-2);
        FAIL() << "no error";
    } catch (const OwnErrorList::Failure& f) {
        EXPECT_EQ(f.text, "List capacity out of bounds (-2)");
    }
}

} // namespace
