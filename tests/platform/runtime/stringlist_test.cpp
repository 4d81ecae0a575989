#include "platform/runtime/stringlist.h"

#include <gtest/gtest.h>

#include "platform/runtime/exception.h"

using namespace vexo;

TEST(StringList, AddInsertDeleteKeepOrderAndObjects) {
    TStringList list;
    QObject a;
    list.Add("one");
    list.AddObject("two", &a);
    list.Insert(0, "zero");
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.ToStringList(), (QStringList{"zero", "one", "two"}));
    EXPECT_EQ(list.Objects(2), &a);
    EXPECT_EQ(list.IndexOfObject(&a), 2);
    list.Delete(1);
    EXPECT_EQ(list.ToStringList(), (QStringList{"zero", "two"}));
    EXPECT_EQ(list.IndexOf("TWO"), 1);
    EXPECT_EQ(list.IndexOf("one"), -1);
}

TEST(StringList, OutOfRangeIndexRaises) {
    TStringList list;
    list.Add("x");
    EXPECT_THROW(list.Get(1), EListError);
    EXPECT_THROW(list.Delete(-1), EListError);
    EXPECT_THROW(list.InsertObject(3, "y", nullptr), EListError);
}

TEST(StringList, NamesAndValues) {
    TStringList list;
    list.Add("Count=3");
    list.Add("Item0=a=b");
    EXPECT_EQ(list.Names(1), "Item0");
    EXPECT_EQ(list.Values("item0"), "a=b");
    EXPECT_EQ(list.Values("none"), "");
    list.SetValue("Count", "4");
    EXPECT_EQ(list.Strings(0), "Count=4");
    list.SetValue("New", "1");
    EXPECT_EQ(list.Strings(2), "New=1");
    list.SetValue("Count", "");
    EXPECT_EQ(list.IndexOfName("Count"), -1);
}

TEST(StringList, TextSplitsAnyLineEnd) {
    TStringList list;
    list.SetText("a\r\nb\nc\r");
    EXPECT_EQ(list.ToStringList(), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(list.Text(), "a\nb\nc\n");
    list.SetText("a\n\nb");
    EXPECT_EQ(list.Count(), 3);
}

TEST(StringList, SortedListFindsAndIgnoresDuplicates) {
    TStringList list;
    list.SetSorted(true);
    list.Add("pear");
    list.Add("Apple");
    list.Add("fig");
    list.Add("apple");
    EXPECT_EQ(list.ToStringList(), (QStringList{"Apple", "fig", "pear"}));
    int index = -1;
    EXPECT_TRUE(list.Find("FIG", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(list.Find("kiwi", index));
    EXPECT_EQ(index, 2);
    list.SetDuplicates(dupError);
    EXPECT_THROW(list.Add("pear"), EListError);
    EXPECT_THROW(list.Put(0, "x"), EListError);
}

TEST(StringList, ChangeEventsOnlyOutsideUpdates) {
    TStringList list;
    int changes = 0;
    list.OnChange = [&](QObject*) { ++changes; };
    list.Add("a");
    EXPECT_EQ(changes, 1);
    list.BeginUpdate();
    list.Add("b");
    list.Add("c");
    EXPECT_EQ(changes, 1);
    list.EndUpdate();
    EXPECT_EQ(changes, 2);
}

TEST(StringList, AssignCopiesTextsAndObjects) {
    TStringList source;
    QObject o;
    source.AddObject("x", &o);
    TStringList target;
    target.Add("old");
    target.Assign(source);
    EXPECT_TRUE(target.Equals(source));
    EXPECT_EQ(target.Objects(0), &o);
    target.Move(0, 0);
    target.Add("y");
    target.Exchange(0, 1);
    EXPECT_EQ(target.ToStringList(), (QStringList{"y", "x"}));
    EXPECT_EQ(target.Objects(1), &o);
}
