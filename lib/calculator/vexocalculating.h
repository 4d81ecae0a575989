#pragma once
// The arithmetic engine behind the pop-up calculator. It is fed one character at a time (or a
// whole statement): digits and decimal separators build the entry register X, operation
// characters act on an operand stack (X on top, Y below) and a stack of pending operations.
// "+", "-", "*", "/" wait on the pending stack; when one arrives, the waiting operations of
// the same or a higher priority ("*" "/" above "+" "-") run first, so chains go left to right
// and products bind tighter. "(" opens a group that ")" completes; "=" completes everything.
// The others act at once. Every change is reported through OnChange.

#include <QChar>
#include <QList>
#include <QString>
#include <array>
#include <deque>
#include <functional>

#include "calculator/calcoperation.h"
#include "platform/text/floatformat.h"
#include "vexo/calculator_export.h"

namespace vexo {

inline constexpr char CalcZeroDivideText[] = "Zero divide";
inline constexpr char CalcUnbalancedText[] = "\"(\" <> \")\" !";
// A result, a typed or given value or the memory beyond the double range.
inline constexpr char CalcOverflowText[] = "Overflow";

class VEXO_CALCULATOR_EXPORT TvexoCalculating {
public:
    static constexpr int StackSize = 20;
    static constexpr int HistorySize = 100;

    TvexoCalculating();
    virtual ~TvexoCalculating();
    TvexoCalculating(const TvexoCalculating&) = delete;
    TvexoCalculating& operator=(const TvexoCalculating&) = delete;

    // Feeds one character: "0".."9", ",", "." or the current decimal separator, or an
    // operation character of the table; other characters are ignored. A character that would
    // take X or the memory beyond the double range is taken back and sets the overflow error.
    void NextChar(QChar c);
    // Clears the error, records the history, then X := value. An infinite value sets the
    // overflow error and changes nothing else.
    void NextValue(double value);
    // Takes a whole statement. Unbalanced parentheses set the error and change nothing else;
    // otherwise the statement is kept and, with AutoCalc, calculated character by character.
    void NextStatement(const QString& statement);
    // X for display: see AutoPrecision, DisplayFormat, Format, Precision, Digits.
    QString GetValueAsString() const;

    // Feeds the kept statement to NextChar, stopping at the first character that sets the
    // error: fed on, the next character would clear it and "1/0=5" would end as a plain 5.
    void CalculateStatement();
    // Runs the top pending operation and removes it (a group's "(" is only removed); nothing
    // when none is pending.
    void Calculate();

    double X() const { return stack_[0]; }
    double Y() const { return stack_[1]; }
    // Operand stack entry n (1 = X, 2 = Y, ... 20).
    double StackEntry(int n) const { return stack_.at(static_cast<std::size_t>(n - 1)); }
    int Depth() const { return depth_; }
    // Pending operation n (1 = top) and the number pending.
    QChar PendingOperation(int n) const { return ops_.at(static_cast<std::size_t>(n - 1)); }
    int OperationDepth() const { return opDepth_; }
    double Memory() const { return memory_; }
    bool Error() const { return error_; }
    const QString& ErrorText() const { return errorText_; }
    quint32 DecimalPosition() const { return decimalPos_; }
    bool Entering() const { return entering_; }
    const QString& Statement() const { return statement_; }
    int HistoryCount() const { return static_cast<int>(history_.size()); }
    // This engine's copy of the operation table, bound to its operations.
    const QList<TCalcOperation>& BoundOperations() const { return operations_; }

    bool AutoCalc = false;
    // Every waiting operation runs before the next one waits, so "1+2*3=" gives 9 as on a
    // pocket calculator; a group's "(" still holds back the operations before it.
    bool LeftToRight = false;
    // Display X with 13 significant digits and no trailing zeros.
    bool AutoPrecision = false;
    TFloatFormat Format = ffFixed;
    int Precision = 6;
    int Digits = 10;
    QString DisplayFormat;
    std::function<void(TvexoCalculating* Sender)> OnChange;

    // Operations, in the order of the original slots; each ends with a change notification.
    virtual void DoChange();
    virtual void Push();
    virtual void Pop();
    virtual void PushHistory();
    virtual void PopHistory();
    virtual void PushOperations();
    virtual void Popoperations();
    virtual void AppendDigit();
    virtual void Add();
    virtual void SubTract();
    virtual void Multiply();
    virtual void Divide();
    virtual void SquareRoot();
    virtual void Minus();
    virtual void Clear();
    virtual void BackSpace();
    virtual void Percent();
    virtual void Invert();
    virtual void Store();
    virtual void Restore();
    virtual void MemoryClear();
    virtual void MemoryAdd();
    virtual void LeftPar();
    virtual void RightPar();
    virtual void EqualSign();

protected:
    void SetError(const QString& text);

private:
    // What an undo restores: the operand stack (X included) with the entry state, and the
    // pending operations, so that undoing an operation character also takes back what it
    // pushed.
    struct THistoryEntry {
        quint32 DecimalPos = 0;
        bool Entering = false;
        std::array<double, StackSize> Stack{};
        int Depth = 0;
        std::array<QChar, StackSize> Ops{};
        int OpDepth = 0;
    };

    // NextChar's work after the history entry is recorded.
    void Feed(QChar c);
    const TCalcOperation* FindOperation(QChar c) const;
    // Priority character of the top pending operation; null for none or a group's "(".
    QChar PendingPriority() const;
    // Runs the pending operations of at least `priority`, down to a group's "(".
    void CompletePending(QChar priority);
    bool IsDecimalSeparator(QChar c) const;
    // a := Y, b := X, pop, X := result(a, b).
    void Binary(double (*result)(double, double));

    QList<TCalcOperation> operations_;
    std::array<double, StackSize> stack_{};
    int depth_ = 0;
    std::array<QChar, StackSize> ops_{};
    int opDepth_ = 0;
    double memory_ = 0;
    bool error_ = false;
    QString errorText_;
    quint32 decimalPos_ = 0;
    bool entering_ = false;
    QString statement_;
    std::deque<THistoryEntry> history_; // front = newest
};

} // namespace vexo
