#include "utils/vexofloatlist.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "platform/text/formatsettings.h"
#include "support/testdir.h"
#include "utils/vexointegerlist.h"

using namespace vexo;

namespace {

class VexoFloatListTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = FormatSettings();
        FormatSettings().DecimalSeparator = QLatin1Char('.');
    }
    void TearDown() override { FormatSettings() = saved_; }

private:
    TFormatSettings saved_;
};

TEST_F(VexoFloatListTest, IndexOfMatchesWithinTheTolerance) {
    TvexoFloatList list;
    EXPECT_DOUBLE_EQ(list.Tolerance, 0.001);
    list.Add(3.0);
    list.Add(1.0);
    EXPECT_EQ(list.IndexOf(1.0005), 1);
    EXPECT_EQ(list.IndexOf(1.002), -1);
    EXPECT_EQ(list.Remove(0.9995), 1);
    EXPECT_EQ(list.Count(), 1);
    list.Tolerance = 0.5;
    EXPECT_EQ(list.IndexOf(3.4), 0);
    EXPECT_EQ(list.IndexOf(std::numeric_limits<double>::quiet_NaN()), -1);
}

TEST_F(VexoFloatListTest, AssignTakesTheIntegersAsFloats) {
    TvexoIntegerList ints;
    ints.Add(2);
    ints.Add(-3);
    TvexoFloatList list;
    list.Add(9.5);
    list.Assign(ints);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Get(0), 2.0);
    EXPECT_EQ(list.Get(1), -3.0);
}

TEST_F(VexoFloatListTest, SavesWithTheCurrentDecimalSeparator) {
    TestDir dir;
    TvexoFloatList list;
    list.Add(0.5);
    list.Add(-1234.25);
    list.Add(1e-7);
    list.Add(3);
    FormatSettings().DecimalSeparator = QLatin1Char(',');
    ASSERT_TRUE(list.SaveToFile(dir.File("f.txt")));
    EXPECT_EQ(dir.Read("f.txt"), QByteArray("0,5\r\n-1234,25\r\n1E-0007\r\n3\r\n"));
    TvexoFloatList loaded;
    loaded.LoadFromFile(dir.File("f.txt"));
    ASSERT_EQ(loaded.Count(), 4);
    EXPECT_EQ(loaded.Get(0), 0.5);
    EXPECT_EQ(loaded.Get(1), -1234.25);
    EXPECT_EQ(loaded.Get(2), 1e-7);
    EXPECT_EQ(loaded.Get(3), 3.0);
}

TEST_F(VexoFloatListTest, RoundTripKeepsFifteenDigitsAndNonFiniteValues) {
    TestDir dir;
    TvexoFloatList list;
    list.Add(1.0 / 3.0);
    list.Add(std::numeric_limits<double>::infinity());
    list.Add(-std::numeric_limits<double>::infinity());
    list.Add(std::numeric_limits<double>::quiet_NaN());
    list.Add(6.02214076e23);
    ASSERT_TRUE(list.SaveToFile(dir.File("f.txt")));
    TvexoFloatList loaded;
    loaded.LoadFromFile(dir.File("f.txt"));
    ASSERT_EQ(loaded.Count(), 5);
    EXPECT_EQ(loaded.Get(0), 0.333333333333333);
    EXPECT_EQ(loaded.Get(1), std::numeric_limits<double>::infinity());
    EXPECT_EQ(loaded.Get(2), -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(loaded.Get(3)));
    EXPECT_EQ(loaded.Get(4), 6.02214076e23);
}

TEST_F(VexoFloatListTest, BadFloatLineRaisesAndLosesNothing) {
    TestDir dir;
    TvexoFloatList list;
    list.Add(1.5);
    list.Add(2.5);
    ASSERT_TRUE(list.SaveToFile(dir.File("f.txt")));
    // Written under a point, read under a comma: the first line no longer converts.
    FormatSettings().DecimalSeparator = QLatin1Char(',');
    TvexoFloatList loaded;
    loaded.Add(7);
    try {
        loaded.LoadFromFile(dir.File("f.txt"));
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_TRUE(e.Message().startsWith("'1.5' is not a valid floating point value (line 1 of "))
            << e.Message().toStdString();
    }
    ASSERT_EQ(loaded.Count(), 1);
    EXPECT_EQ(loaded.Get(0), 7.0);

    dir.Write("mid.txt", "1,5\r\n2,5\r\nabc\r\n3,5\r\n");
    EXPECT_THROW(loaded.LoadFromFile(dir.File("mid.txt")), EConvertError);
    EXPECT_EQ(loaded.Count(), 1);
    EXPECT_EQ(dir.Read("f.txt"), QByteArray("1.5\r\n2.5\r\n")) << "the file itself is kept";
}

TEST_F(VexoFloatListTest, MissingFileKeepsTheItems) {
    TestDir dir;
    TvexoFloatList list;
    list.Add(2);
    list.LoadFromFile(dir.Path() + "none.txt");
    EXPECT_EQ(list.Count(), 1);
}

} // namespace
