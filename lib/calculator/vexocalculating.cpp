#include "calculator/vexocalculating.h"

#include <algorithm>
#include <cmath>

#include "platform/text/formatsettings.h"

namespace vexo {

namespace {

// Table position of the backspace entry (line feed).
constexpr int BackSpacePosition = 8;
// "(" on the pending stack marks where a parenthesised group starts.
constexpr char16_t GroupMark = u'(';
// Divisors (and 1/x arguments) below this magnitude count as zero.
constexpr double ZeroDivideLimit = 1e-30;

double Sum(double a, double b) {
    return a + b;
}
double Difference(double a, double b) {
    return a - b;
}
double Product(double a, double b) {
    return a * b;
}

} // namespace

TvexoCalculating::TvexoCalculating() : operations_(Operations()) {
    // Bound by table position, through the virtual operations so descendants take part.
    const std::array<void (TvexoCalculating::*)(), 17> slots = {
        &TvexoCalculating::Add,        &TvexoCalculating::SubTract,    &TvexoCalculating::Multiply,
        &TvexoCalculating::Divide,     &TvexoCalculating::Clear,       &TvexoCalculating::EqualSign,
        &TvexoCalculating::SquareRoot, &TvexoCalculating::Minus,       &TvexoCalculating::BackSpace,
        &TvexoCalculating::LeftPar,    &TvexoCalculating::RightPar,    &TvexoCalculating::Invert,
        &TvexoCalculating::Percent,    &TvexoCalculating::MemoryClear, &TvexoCalculating::Restore,
        &TvexoCalculating::Store,      &TvexoCalculating::MemoryAdd};
    for (qsizetype i = 0; i < operations_.size() && i < qsizetype(slots.size()); ++i) {
        const auto slot = slots[static_cast<std::size_t>(i)];
        operations_[i].Method = [this, slot] { (this->*slot)(); };
    }
}

TvexoCalculating::~TvexoCalculating() = default;

const TCalcOperation* TvexoCalculating::FindOperation(QChar c) const {
    for (const TCalcOperation& op : operations_) {
        if (op.Operation.size() == 1 && op.Operation.at(0) == c)
            return &op;
    }
    return nullptr;
}

bool TvexoCalculating::IsDecimalSeparator(QChar c) const {
    return c == QLatin1Char(',') || c == QLatin1Char('.') || c == FormatSettings().DecimalSeparator;
}

void TvexoCalculating::NextChar(QChar c) {
    error_ = false;
    PushHistory();
    const double memory = memory_;
    Feed(c);
    // An infinity would only spread through every later result: the step is taken back from
    // its own history entry (backspace, which consumes entries, never leaves the range).
    if (std::isinf(stack_[0]) || std::isinf(memory_)) {
        PopHistory();
        memory_ = memory;
        SetError(QString::fromLatin1(CalcOverflowText));
        DoChange();
    }
}

void TvexoCalculating::Feed(QChar c) {
    double& x = stack_[0];
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
        if (!entering_) {
            x = 0;
            decimalPos_ = 0;
        }
        const int d = c.unicode() - '0';
        if (decimalPos_ == 0) {
            x = x * 10 + d;
        } else {
            x += d * std::pow(10.0, -static_cast<double>(decimalPos_));
            ++decimalPos_;
        }
        entering_ = true;
        DoChange();
        return;
    }
    if (IsDecimalSeparator(c)) {
        if (!entering_)
            x = 0;
        decimalPos_ = 1;
        entering_ = true;
        DoChange();
        return;
    }
    bool keepEntering = false;
    if (const TCalcOperation* op = FindOperation(c); op && op->Method) {
        if (op->Immediate) {
            op->Method();
            // Backspace brings back the entry state it restored, so typing goes on where the
            // undone input left off ("12", backspace, "3" gives 13).
            keepEntering = op - operations_.constData() == BackSpacePosition;
        } else {
            // Chains run left to right and "*" "/" bind tighter than "+" "-": what waits
            // with the same or a higher priority is done before this operation waits.
            CompletePending(LeftToRight ? QChar(u'0') : op->Priority);
            PushOperations();
            ops_[0] = c;
            Push();
        }
    }
    if (!keepEntering)
        entering_ = false;
    DoChange();
}

void TvexoCalculating::NextValue(double value) {
    if (std::isinf(value)) {
        SetError(QString::fromLatin1(CalcOverflowText));
        DoChange();
        return;
    }
    // A new value replaces whatever failed before it.
    error_ = false;
    PushHistory();
    stack_[0] = value;
    DoChange();
}

void TvexoCalculating::NextStatement(const QString& statement) {
    if (statement.count(QLatin1Char('(')) != statement.count(QLatin1Char(')'))) {
        SetError(QString::fromLatin1(CalcUnbalancedText));
        DoChange();
        return;
    }
    statement_ = statement;
    if (AutoCalc)
        CalculateStatement();
    DoChange();
}

void TvexoCalculating::CalculateStatement() {
    // A copy: a change handler may hand the engine a new statement.
    const QString statement = statement_;
    for (const QChar c : statement) {
        NextChar(c);
        if (error_)
            break;
    }
}

QString TvexoCalculating::GetValueAsString() const {
    const double x = stack_[0];
    if (!AutoPrecision) {
        if (!DisplayFormat.isEmpty())
            return FormatFloat(DisplayFormat, x);
        return FloatToStrF(x, Format, Precision, Digits);
    }
    QString text = FloatToStrF(x, Format, 13, 50);
    QString exponent;
    if (const qsizetype e = text.indexOf(QLatin1Char('E')); e >= 0) {
        exponent = text.mid(e);
        text.truncate(e);
    }
    qsizetype lead = 0;
    while (lead < text.size() && text.at(lead) == QLatin1Char(' '))
        ++lead;
    text.remove(0, lead);
    // Trailing zeros are dropped only from a fraction: "100" keeps its zeros.
    const QChar separator = FormatSettings().DecimalSeparator;
    if (text.contains(separator)) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(separator))
            text.chop(1);
    }
    return text + exponent;
}

void TvexoCalculating::SetError(const QString& text) {
    error_ = true;
    errorText_ = text;
}

void TvexoCalculating::DoChange() {
    if (OnChange)
        OnChange(this);
}

// The stacks have fixed sizes: a push drops the deepest entry, a pop leaves the deepest
// entry as it was; the depth counters stay within 0..StackSize.
void TvexoCalculating::Push() {
    std::move_backward(stack_.begin(), stack_.end() - 1, stack_.end());
    depth_ = std::min(depth_ + 1, StackSize);
}

void TvexoCalculating::Pop() {
    std::move(stack_.begin() + 1, stack_.end(), stack_.begin());
    depth_ = std::max(depth_ - 1, 0);
}

void TvexoCalculating::PushOperations() {
    std::move_backward(ops_.begin(), ops_.end() - 1, ops_.end());
    opDepth_ = std::min(opDepth_ + 1, StackSize);
}

void TvexoCalculating::Popoperations() {
    std::move(ops_.begin() + 1, ops_.end(), ops_.begin());
    opDepth_ = std::max(opDepth_ - 1, 0);
}

void TvexoCalculating::PushHistory() {
    history_.push_front(THistoryEntry{decimalPos_, entering_, stack_, depth_, ops_, opDepth_});
    if (history_.size() > static_cast<std::size_t>(HistorySize))
        history_.pop_back();
}

void TvexoCalculating::PopHistory() {
    if (history_.empty())
        return;
    const THistoryEntry& h = history_.front();
    decimalPos_ = h.DecimalPos;
    entering_ = h.Entering;
    stack_ = h.Stack;
    depth_ = h.Depth;
    ops_ = h.Ops;
    opDepth_ = h.OpDepth;
    history_.pop_front();
}

void TvexoCalculating::Calculate() {
    if (opDepth_ > 0) {
        if (ops_[0] != GroupMark) {
            if (const TCalcOperation* op = FindOperation(ops_[0]); op && op->Method)
                op->Method();
        }
        Popoperations();
    }
    DoChange();
}

QChar TvexoCalculating::PendingPriority() const {
    if (opDepth_ == 0 || ops_[0] == GroupMark)
        return {};
    const TCalcOperation* op = FindOperation(ops_[0]);
    return op ? op->Priority : QChar();
}

// Stops at a group's "(" and at an error, so that nothing more is computed from an operand
// the failed operation left behind.
void TvexoCalculating::CompletePending(QChar priority) {
    for (int n = opDepth_; n > 0 && !error_; --n) {
        const QChar pending = PendingPriority();
        if (pending.isNull() || pending < priority)
            break;
        Calculate();
    }
}

void TvexoCalculating::AppendDigit() {
    PushHistory();
    Push();
    DoChange();
}

// One pop, not two: the operation consumes Y and X and leaves its result in X. Popping twice
// would also drop the operand under Y, so "1+2*3=" fed without "=" in between would lose the
// pending 1.
void TvexoCalculating::Binary(double (*result)(double, double)) {
    const double a = stack_[1];
    const double b = stack_[0];
    Pop();
    stack_[0] = result(a, b);
    DoChange();
}

void TvexoCalculating::Add() {
    Binary(Sum);
}

void TvexoCalculating::SubTract() {
    Binary(Difference);
}

void TvexoCalculating::Multiply() {
    Binary(Product);
}

void TvexoCalculating::Divide() {
    if (std::fabs(stack_[0]) < ZeroDivideLimit) {
        SetError(QString::fromLatin1(CalcZeroDivideText));
        DoChange();
        return;
    }
    Binary([](double a, double b) { return a / b; });
}

void TvexoCalculating::SquareRoot() {
    stack_[0] = std::sqrt(stack_[0]);
    DoChange();
}

void TvexoCalculating::Minus() {
    stack_[0] = -stack_[0];
    DoChange();
}

void TvexoCalculating::Clear() {
    stack_[0] = 0;
    depth_ = 1;
    decimalPos_ = 0;
    DoChange();
}

void TvexoCalculating::BackSpace() {
    PopHistory(); // the entry of this backspace
    PopHistory(); // the input before it
    DoChange();
}

// As on a pocket calculator, percent completes the operation waiting for it: a + b% and a - b%
// add or take b percent of a, a * b% is b percent of a, a / b% is a / (b / 100); with nothing
// waiting, b% is b / 100.
void TvexoCalculating::Percent() {
    const double b = stack_[0];
    const QChar pending = opDepth_ > 0 ? ops_[0] : QChar();
    if (pending == QLatin1Char('+') || pending == QLatin1Char('-'))
        stack_[0] = stack_[1] * b / 100;
    else
        stack_[0] = b / 100;
    if (pending == QLatin1Char('+') || pending == QLatin1Char('-') || pending == QLatin1Char('*') ||
        pending == QLatin1Char('/')) {
        Calculate();
        if (error_)
            stack_[0] = b; // the failed division leaves X as it was
    }
    DoChange();
}

void TvexoCalculating::Invert() {
    EqualSign();
    if (std::fabs(stack_[0]) < ZeroDivideLimit)
        SetError(QString::fromLatin1(CalcZeroDivideText));
    else
        stack_[0] = 1 / stack_[0];
    DoChange();
}

void TvexoCalculating::Store() {
    memory_ = stack_[0];
    DoChange();
}

void TvexoCalculating::Restore() {
    stack_[0] = memory_;
    DoChange();
}

void TvexoCalculating::MemoryClear() {
    memory_ = 0;
    DoChange();
}

void TvexoCalculating::MemoryAdd() {
    memory_ += stack_[0];
    DoChange();
}

// The group's mark keeps the operations waiting before it out of reach of those inside it.
void TvexoCalculating::LeftPar() {
    PushOperations();
    ops_[0] = GroupMark;
    DoChange();
}

// Completes the innermost open group, its "(" included. A ")" without an open group changes
// nothing, as on a desktop calculator (the oldest marks may also have been dropped by a
// nesting deeper than the stack).
void TvexoCalculating::RightPar() {
    if (std::find(ops_.begin(), ops_.begin() + opDepth_, QChar(GroupMark)) ==
        ops_.begin() + opDepth_) {
        DoChange();
        return;
    }
    for (int n = opDepth_; n > 0 && !error_; --n) {
        const bool mark = ops_[0] == GroupMark;
        Calculate();
        if (mark)
            break;
    }
    DoChange();
}

// Completes everything pending, closing open groups, up to the first error.
void TvexoCalculating::EqualSign() {
    for (int n = opDepth_; n > 0 && opDepth_ > 0 && !error_; --n)
        Calculate();
    DoChange();
}

} // namespace vexo
