#include "calculator/calcoperation.h"

#include <gtest/gtest.h>

#include "calculator/vexocalculating.h"

using namespace vexo;

namespace {

TEST(CalcOperations, TableHasSeventeenEntriesFromTheThreeTexts) {
    const QList<TCalcOperation>& table = Operations();
    ASSERT_EQ(table.size(), 17);
    const QString chars = QStringLiteral("+-*/ =R~\n()X%crsp");
    for (int i = 0; i < 17; ++i) {
        EXPECT_EQ(table[i].Operation, QString(chars.at(i))) << i;
        EXPECT_FALSE(table[i].Method) << "the shared table binds nothing";
    }
    EXPECT_EQ(&Operations(), &table) << "built once";
}

TEST(CalcOperations, OnlyTheFourArithmeticOperationsWait) {
    const QList<TCalcOperation>& table = Operations();
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(table[i].Immediate, i >= 4) << "position " << i + 1;
    EXPECT_TRUE(table[12].Immediate) << "percent";
    EXPECT_TRUE(table[13].Immediate) << "memory clear";
    EXPECT_EQ(table[0].Priority, QLatin1Char('3'));
    EXPECT_EQ(table[2].Priority, QLatin1Char('6'));
    EXPECT_EQ(table[13].Priority, QLatin1Char('0'));
}

TEST(CalcOperations, EachEngineBindsItsOwnCopy) {
    TvexoCalculating a;
    TvexoCalculating b;
    ASSERT_EQ(a.BoundOperations().size(), 17);
    for (const TCalcOperation& op : a.BoundOperations())
        EXPECT_TRUE(op.Method) << op.Operation.toStdString();
    a.NextChar('4');
    a.BoundOperations()[15].Method(); // "s": store into a, not b
    EXPECT_EQ(a.Memory(), 4);
    EXPECT_EQ(b.Memory(), 0);
}

} // namespace
