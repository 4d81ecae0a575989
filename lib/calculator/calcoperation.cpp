#include "calculator/calcoperation.h"

namespace vexo {

namespace {

QList<TCalcOperation> BuildOperations() {
    static_assert(sizeof CalcOperationChars == 18 && sizeof CalcImmediateFlags == 18 &&
                  sizeof CalcPriorities == 18);
    QList<TCalcOperation> table;
    for (int i = 0; i < 17; ++i)
        table.append(TCalcOperation(QString(QLatin1Char(CalcOperationChars[i])),
                                    CalcImmediateFlags[i] == 'T', QLatin1Char(CalcPriorities[i])));
    return table;
}

} // namespace

const QList<TCalcOperation>& Operations() {
    static const QList<TCalcOperation> table = BuildOperations();
    return table;
}

} // namespace vexo
