#pragma once
// One entry of the calculator's operation table: the character that selects it, whether it
// runs at once or waits on the pending-operation stack, its priority character, and the
// engine operation it is bound to (empty in the shared table).

#include <QChar>
#include <QList>
#include <QString>
#include <functional>

#include "vexo/calculator_export.h"

namespace vexo {

class VEXO_CALCULATOR_EXPORT TCalcOperation {
public:
    TCalcOperation() = default;
    TCalcOperation(QString operation, bool immediate, QChar priority)
        : Operation(std::move(operation)), Immediate(immediate), Priority(priority) {}

    QString Operation; // up to 3 characters
    bool Immediate = false;
    QChar Priority;
    std::function<void()> Method;
};

// The texts the table is built from, position by position (17 entries).
inline constexpr char CalcOperationChars[] = "+-*/ =R~\n()X%crsp";
// "T" marks an immediate operation. Memory clear ("c", position 14) is immediate: deferred,
// it would sit on the pending stack with a copy of X pushed onto the operand stack and clear
// the memory only at the next "=". Percent (position 13) stays immediate: it completes the
// pending operations itself, which it could not do while its own entry were pending.
inline constexpr char CalcImmediateFlags[] = "FFFFTTTTTTTTTTTTT";
// Priorities of the waiting operations: "*" "/" (6) before "+" "-" (3). Memory clear,
// immediate now, has none.
inline constexpr char CalcPriorities[] = "33660000000000000";

// The shared table, built once per process; entries carry no bound method.
VEXO_CALCULATOR_EXPORT const QList<TCalcOperation>& Operations();

} // namespace vexo
