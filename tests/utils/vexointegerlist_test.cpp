#include "utils/vexointegerlist.h"

#include <gtest/gtest.h>

#include "support/testdir.h"

using namespace vexo;

namespace {

TEST(VexoIntegerListAssign, CopiesInOrderWithEvents) {
    TvexoIntegerList source;
    source.Add(3);
    source.Add(-1);
    int adds = 0;
    int clears = 0;
    TvexoIntegerList target;
    target.Add(99);
    target.OnAddItem = [&](TvexoIntegerList*, qint32) { ++adds; };
    target.OnClear = [&](TvexoIntegerList*) { ++clears; };
    target.Assign(source);
    ASSERT_EQ(target.Count(), 2);
    EXPECT_EQ(target.Get(0), 3);
    EXPECT_EQ(target.Get(1), -1);
    EXPECT_EQ(adds, 2);
    EXPECT_EQ(clears, 1);
}

TEST(VexoIntegerListAssign, SelfAssignmentKeepsTheItems) {
    TvexoIntegerList list;
    list.Add(1);
    list.Add(2);
    list.Assign(list);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Last(), 2);
}

TEST(VexoIntegerListFile, WritesOneDecimalValueALineWithCrLf) {
    TestDir dir;
    TvexoIntegerList list;
    list.Add(12);
    list.Add(-7);
    list.Add(-2147483647 - 1);
    ASSERT_TRUE(list.SaveToFile(dir.File("ints.txt")));
    EXPECT_EQ(dir.Read("ints.txt"), QByteArray("12\r\n-7\r\n-2147483648\r\n"));

    TvexoIntegerList empty;
    ASSERT_TRUE(empty.SaveToFile(dir.File("empty.txt")));
    EXPECT_EQ(dir.Read("empty.txt"), QByteArray());
}

TEST(VexoIntegerListFile, RoundTripReplacesTheItems) {
    TestDir dir;
    TvexoIntegerList list;
    for (int i = -5; i < 100; i += 7)
        list.Add(i * 1000);
    ASSERT_TRUE(list.SaveToFile(dir.File("ints.txt")));
    int clears = 0;
    TvexoIntegerList loaded;
    loaded.Add(42);
    loaded.OnClear = [&](TvexoIntegerList*) { ++clears; };
    loaded.LoadFromFile(dir.File("ints.txt"));
    EXPECT_EQ(clears, 1);
    ASSERT_EQ(loaded.Count(), list.Count());
    for (int i = 0; i < list.Count(); ++i)
        EXPECT_EQ(loaded.Get(i), list.Get(i));
}

TEST(VexoIntegerListFile, ReadsLfEndingsAndALastLineWithoutEnd) {
    TestDir dir;
    dir.Write("ints.txt", "1\n 2 \r\n3");
    TvexoIntegerList list;
    list.LoadFromFile(dir.File("ints.txt"));
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Get(1), 2);
    EXPECT_EQ(list.Get(2), 3);
}

TEST(VexoIntegerListFile, MissingFileKeepsTheItems) {
    TestDir dir;
    TvexoIntegerList list;
    list.Add(5);
    list.LoadFromFile(dir.Path() + "missing.txt");
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Get(0), 5);
}

TEST(VexoIntegerListFile, BadLineRaisesAndLeavesTheListAsItWas) {
    TestDir dir;
    dir.Write("ints.txt", "1\r\n2\r\nx3\r\n4\r\n");
    TvexoIntegerList list;
    list.Add(5);
    try {
        list.LoadFromFile(dir.File("ints.txt"));
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_TRUE(e.Message().startsWith("'x3' is not a valid integer value (line 3 of "))
            << e.Message().toStdString();
    }
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Get(0), 5);

    dir.Write("blank.txt", "1\r\n\r\n2\r\n");
    EXPECT_THROW(list.LoadFromFile(dir.File("blank.txt")), EConvertError);
    dir.Write("big.txt", "2147483648\r\n");
    EXPECT_THROW(list.LoadFromFile(dir.File("big.txt")), EConvertError);
    EXPECT_EQ(list.Count(), 1);
}

TEST(VexoIntegerListFile, LongLineWithoutEndIsRefused) {
    TestDir dir;
    dir.Write("long.txt", QByteArray(100000, '1'));
    TvexoIntegerList list;
    EXPECT_THROW(list.LoadFromFile(dir.File("long.txt")), EListError);
    EXPECT_EQ(list.Count(), 0);
}

TEST(VexoIntegerListFile, FailedSaveKeepsTheFormerFile) {
    TestDir dir;
    TvexoIntegerList list;
    list.Add(1);
    EXPECT_FALSE(list.SaveToFile(dir.Path() + "no/such/folder/ints.txt"));
    dir.Write("ints.txt", "old\r\n");
    EXPECT_FALSE(list.SaveToFile(dir.Path())); // a folder, not a file
    EXPECT_EQ(dir.Read("ints.txt"), QByteArray("old\r\n"));
}

} // namespace
