#include "calculator/vexocalculating.h"

#include <cmath>
#include <gtest/gtest.h>

#include "platform/text/formatsettings.h"

using namespace vexo;

namespace {

class CalculatingTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = FormatSettings();
        FormatSettings().DecimalSeparator = QLatin1Char('.');
        calc.OnChange = [this](TvexoCalculating* sender) {
            EXPECT_EQ(sender, &calc);
            ++changes;
        };
    }
    void TearDown() override { FormatSettings() = saved_; }

    // Feeds every character of `keys`.
    void Type(const QString& keys) {
        for (const QChar c : keys)
            calc.NextChar(c);
    }
    // Feeds keys as the calculator form does: "=" before each of + - * /.
    void Press(const QString& keys) {
        for (const QChar c : keys) {
            if (QStringLiteral("+-*/").contains(c))
                calc.NextChar('=');
            calc.NextChar(c);
        }
    }

    TvexoCalculating calc;
    int changes = 0;

private:
    TFormatSettings saved_;
};

TEST_F(CalculatingTest, Defaults) {
    TvexoCalculating fresh;
    EXPECT_EQ(fresh.X(), 0);
    EXPECT_EQ(fresh.Depth(), 0);
    EXPECT_EQ(fresh.OperationDepth(), 0);
    EXPECT_EQ(fresh.Memory(), 0);
    EXPECT_FALSE(fresh.Error());
    EXPECT_EQ(fresh.Format, ffFixed);
    EXPECT_EQ(fresh.Precision, 6);
    EXPECT_EQ(fresh.Digits, 10);
    EXPECT_TRUE(fresh.DisplayFormat.isEmpty());
    EXPECT_FALSE(fresh.Entering());
}

TEST_F(CalculatingTest, DigitsBuildTheEntryRegister) {
    Type("123");
    EXPECT_EQ(calc.X(), 123);
    EXPECT_TRUE(calc.Entering());
    EXPECT_EQ(changes, 3);
}

TEST_F(CalculatingTest, DecimalEntryWithAnySeparator) {
    Type("1,5");
    EXPECT_DOUBLE_EQ(calc.X(), 1.5);
    EXPECT_EQ(calc.DecimalPosition(), 2u);
    Type(",5"); // restarts at the first decimal place: adds 0.5
    EXPECT_DOUBLE_EQ(calc.X(), 2.0);
    calc.NextChar('+');
    Type(".25");
    EXPECT_DOUBLE_EQ(calc.X(), 0.25);
    FormatSettings().DecimalSeparator = QChar(0x066B); // Arabic decimal separator
    calc.NextChar('*');
    calc.NextChar(QChar(0x066B));
    calc.NextChar('5');
    EXPECT_DOUBLE_EQ(calc.X(), 0.5);
}

TEST_F(CalculatingTest, DigitAfterAnOperationStartsANewNumber) {
    Type("12~");
    EXPECT_EQ(calc.X(), -12);
    Type("3");
    EXPECT_EQ(calc.X(), 3);
    Type("4R5");
    EXPECT_EQ(calc.X(), 5);
}

TEST_F(CalculatingTest, AddThenEquals) {
    Type("2+3=");
    EXPECT_EQ(calc.X(), 5);
    EXPECT_EQ(calc.OperationDepth(), 0);
    Type("=");
    EXPECT_EQ(calc.X(), 5) << "= with nothing pending changes nothing";
    EXPECT_FALSE(calc.Error());
}

TEST_F(CalculatingTest, FormChainsRunLeftToRight) {
    Press("1+2*3=");
    EXPECT_EQ(calc.X(), 9);
    Press("10-4-3=");
    EXPECT_EQ(calc.X(), 3);
    Press("8/4/2=");
    EXPECT_EQ(calc.X(), 1);
}

TEST_F(CalculatingTest, ZeroDivideKeepsXAndTheStack) {
    Type("8/0=");
    EXPECT_TRUE(calc.Error());
    EXPECT_EQ(calc.ErrorText(), "Zero divide");
    EXPECT_EQ(calc.X(), 0);
    EXPECT_EQ(calc.Y(), 8);
    EXPECT_EQ(calc.OperationDepth(), 0) << "the division left the pending stack";
    Type("5");
    EXPECT_FALSE(calc.Error()) << "the next character clears the error";
    EXPECT_EQ(calc.X(), 5);
}

TEST_F(CalculatingTest, TinyDivisorCountsAsZero) {
    calc.NextValue(1);
    calc.NextChar('/');
    calc.NextValue(1e-31);
    calc.NextChar('=');
    EXPECT_TRUE(calc.Error());
    calc.NextValue(1);
    calc.NextChar('/');
    calc.NextValue(1e-29);
    calc.NextChar('=');
    EXPECT_FALSE(calc.Error());
    EXPECT_DOUBLE_EQ(calc.X(), 1e29);
}

TEST_F(CalculatingTest, InvertAndSquareRoot) {
    Type("4X");
    EXPECT_DOUBLE_EQ(calc.X(), 0.25);
    Type("0X");
    EXPECT_TRUE(calc.Error());
    EXPECT_EQ(calc.ErrorText(), "Zero divide");
    EXPECT_EQ(calc.X(), 0);
    Type("2+3X");
    EXPECT_DOUBLE_EQ(calc.X(), 0.2) << "1/x completes the pending addition first";
    Type("16R");
    EXPECT_EQ(calc.X(), 4);
    Type("4~R");
    EXPECT_TRUE(std::isnan(calc.X()));
}

TEST_F(CalculatingTest, Parentheses) {
    Type("2*(3+4)=");
    EXPECT_EQ(calc.X(), 14);
    Type("(2+3)*4=");
    EXPECT_EQ(calc.X(), 20);
    Type("((1+2)*(3+4))=");
    EXPECT_EQ(calc.X(), 21);
    EXPECT_EQ(calc.OperationDepth(), 0);
}

TEST_F(CalculatingTest, ClosingParenthesisWithNothingPendingChangesNothing) {
    Type("7))");
    EXPECT_EQ(calc.X(), 7);
    EXPECT_EQ(calc.OperationDepth(), 0);
    EXPECT_FALSE(calc.Error());
}

TEST_F(CalculatingTest, MemoryKeys) {
    Type("5s");
    EXPECT_EQ(calc.Memory(), 5);
    Type("3p");
    EXPECT_EQ(calc.Memory(), 8);
    Type("1r");
    EXPECT_EQ(calc.X(), 8);
    Type("c");
    EXPECT_EQ(calc.Memory(), 0) << "memory clear acts at once";
    Type("r");
    EXPECT_EQ(calc.X(), 0);
}

TEST_F(CalculatingTest, MemoryClearLeavesTheStacksAlone) {
    Type("2+3");
    const int depth = calc.Depth();
    Type("c");
    EXPECT_EQ(calc.Depth(), depth);
    EXPECT_EQ(calc.OperationDepth(), 1);
    EXPECT_EQ(calc.X(), 3);
    Type("=");
    EXPECT_EQ(calc.X(), 5);
    Type("cccccccccccccccccccccccccccccc=");
    EXPECT_EQ(calc.X(), 5);
    EXPECT_EQ(calc.OperationDepth(), 0);
}

TEST_F(CalculatingTest, ClearResetsTheEntryRegister) {
    Type("1,25 ");
    EXPECT_EQ(calc.X(), 0);
    EXPECT_EQ(calc.Depth(), 1);
    EXPECT_EQ(calc.DecimalPosition(), 0u);
    Type("7");
    EXPECT_EQ(calc.X(), 7);
}

TEST_F(CalculatingTest, BackSpaceUndoesTheLastDigit) {
    Type("123\n");
    EXPECT_EQ(calc.X(), 12);
    Type("4");
    EXPECT_EQ(calc.X(), 124) << "typing goes on after the undone digit";
    Type("\n\n");
    EXPECT_EQ(calc.X(), 1);
    Type("1,5\n7");
    EXPECT_DOUBLE_EQ(calc.X(), 11.7);
}

TEST_F(CalculatingTest, BackSpaceUndoesAnOperationWithWhatItPushed) {
    Type("2+\n");
    EXPECT_EQ(calc.X(), 2);
    EXPECT_EQ(calc.OperationDepth(), 0);
    EXPECT_EQ(calc.Depth(), 0);
    Type("5=");
    EXPECT_EQ(calc.X(), 25);
    Type("9+1=\n");
    EXPECT_EQ(calc.X(), 1);
    EXPECT_EQ(calc.OperationDepth(), 1);
    Type("=");
    EXPECT_EQ(calc.X(), 10);
}

TEST_F(CalculatingTest, BackSpaceOnAFreshEngineIsHarmless) {
    Type("\n\n\n");
    EXPECT_EQ(calc.X(), 0);
    EXPECT_EQ(calc.HistoryCount(), 0);
}

TEST_F(CalculatingTest, HistoryKeepsTheNewestHundredEntries) {
    for (int i = 0; i < 150; ++i)
        Type("1");
    EXPECT_EQ(calc.HistoryCount(), 100);
    Type("\n"); // its own entry pushes the oldest out, then two are taken back
    EXPECT_EQ(calc.HistoryCount(), 98);
    for (int i = 0; i < 60; ++i)
        Type("\n");
    EXPECT_EQ(calc.HistoryCount(), 38);
    double ones = 0; // 150 digits typed, 61 taken back
    for (int i = 0; i < 89; ++i)
        ones = ones * 10 + 1;
    EXPECT_EQ(calc.X(), ones);
}

TEST_F(CalculatingTest, DeepNestingDropsTheOldestEntriesWithoutOverrunning) {
    for (int i = 0; i < 30; ++i)
        Type("1+(");
    EXPECT_EQ(calc.Depth(), TvexoCalculating::StackSize);
    EXPECT_EQ(calc.OperationDepth(), TvexoCalculating::StackSize);
    Type("1=");
    EXPECT_EQ(calc.OperationDepth(), 0);
    EXPECT_TRUE(std::isfinite(calc.X()));
    for (int i = 0; i < 30; ++i)
        Type("+");
    Type("=2=");
    EXPECT_EQ(calc.OperationDepth(), 0);
    EXPECT_GE(calc.Depth(), 0);
}

TEST_F(CalculatingTest, UnknownCharactersOnlyEndTheEntry) {
    Type("12");
    calc.NextChar(QChar(27));
    calc.NextChar('q');
    EXPECT_EQ(calc.X(), 12);
    EXPECT_FALSE(calc.Entering());
    EXPECT_EQ(calc.OperationDepth(), 0);
}

TEST_F(CalculatingTest, NextValueRecordsHistory) {
    Type("5");
    calc.NextValue(42);
    EXPECT_EQ(calc.X(), 42);
    Type("\n"); // undoes the backspace entry and the value
    EXPECT_EQ(calc.X(), 5);
}

TEST_F(CalculatingTest, StatementsAreCalculatedWithAutoCalc) {
    calc.NextStatement("2+3=");
    EXPECT_EQ(calc.Statement(), "2+3=");
    EXPECT_EQ(calc.X(), 0) << "without AutoCalc the statement is only kept";
    calc.AutoCalc = true;
    calc.NextStatement("(1+2)*4=");
    EXPECT_EQ(calc.X(), 12);
}

TEST_F(CalculatingTest, UnbalancedStatementSetsTheErrorAndChangesNothingElse) {
    calc.AutoCalc = true;
    calc.NextStatement("7=");
    calc.NextStatement("(1+2=");
    EXPECT_TRUE(calc.Error());
    EXPECT_EQ(calc.ErrorText(), "\"(\" <> \")\" !");
    EXPECT_EQ(calc.Statement(), "7=");
    EXPECT_EQ(calc.X(), 7);
    calc.NextStatement("1+2))=");
    EXPECT_TRUE(calc.Error());
    EXPECT_EQ(calc.X(), 7);
}

TEST_F(CalculatingTest, StatementStopsAtTheFirstError) {
    calc.AutoCalc = true;
    calc.NextStatement("8/0=+1=");
    EXPECT_TRUE(calc.Error());
    EXPECT_EQ(calc.ErrorText(), "Zero divide");
    EXPECT_EQ(calc.X(), 0);
    calc.NextStatement("1/0=5"); // fed on, the 5 would clear the error and show as a result
    EXPECT_TRUE(calc.Error());
    EXPECT_EQ(calc.X(), 0);
}

TEST_F(CalculatingTest, DisplayWithAutoPrecision) {
    calc.AutoPrecision = true;
    Type("2,50");
    EXPECT_EQ(calc.GetValueAsString(), "2.5");
    FormatSettings().DecimalSeparator = QLatin1Char(',');
    EXPECT_EQ(calc.GetValueAsString(), "2,5");
    calc.NextValue(3);
    EXPECT_EQ(calc.GetValueAsString(), "3");
    calc.NextValue(-1.0 / 3.0);
    EXPECT_EQ(calc.GetValueAsString(), "-0,3333333333333");
    calc.NextValue(1e20);
    EXPECT_EQ(calc.GetValueAsString(), "1E20");
    calc.NextValue(1.5e-5);
    EXPECT_EQ(calc.GetValueAsString(), "0,000015");
    calc.Format = ffGeneral;
    calc.NextValue(100);
    EXPECT_EQ(calc.GetValueAsString(), "100") << "zeros of an integer stay";
    calc.Format = ffExponent;
    calc.NextValue(250);
    EXPECT_EQ(calc.GetValueAsString(), "2,5E+0002");
}

TEST_F(CalculatingTest, DisplayWithoutAutoPrecision) {
    calc.NextValue(2.5);
    EXPECT_EQ(calc.GetValueAsString(), "2.5000000000") << "ffFixed, 10 digits";
    calc.Format = ffNumber;
    calc.Digits = 2;
    calc.NextValue(1234.5);
    EXPECT_EQ(calc.GetValueAsString(), "1,234.50");
    calc.DisplayFormat = "0.0 'kg'";
    EXPECT_EQ(calc.GetValueAsString(), "1234.5 kg");
}

// Key sequences as a person types them, each on a fresh engine: the display (AutoPrecision,
// "." separator), X and the error text afterwards. "\n" is backspace, "~" change of sign,
// "s" "p" "r" "c" the memory keys, "R" square root, "X" 1/x.
struct KeysCase {
    const char* keys;
    const char* display;
    double x;
    const char* error;
};

void PrintTo(const KeysCase& c, std::ostream* os) {
    *os << '"' << QString(c.keys).replace('\n', "<-").toStdString() << '"';
}

class CalculatorKeys : public CalculatingTest, public ::testing::WithParamInterface<KeysCase> {};

TEST_P(CalculatorKeys, DisplayAndXAfterTheKeys) {
    const KeysCase& c = GetParam();
    calc.AutoPrecision = true;
    Type(c.keys);
    EXPECT_EQ(calc.GetValueAsString(), QString(c.display));
    EXPECT_DOUBLE_EQ(calc.X(), c.x);
    EXPECT_EQ(calc.Error() ? calc.ErrorText() : QString(), QString(c.error));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Chains, CalculatorKeys, ::testing::Values(
    KeysCase{"10-4-3=", "3", 3, ""}, KeysCase{"8/4/2=", "1", 1, ""},
    KeysCase{"2*3+4=", "10", 10, ""}, KeysCase{"2+3*4=", "14", 14, ""},
    KeysCase{"1-2-3-4=", "-8", -8, ""}, KeysCase{"100/5/2*3=", "30", 30, ""},
    KeysCase{"2+3*4-10/5=", "12", 12, ""}, KeysCase{"1+2*3*4-6/2/3=", "24", 24, ""},
    KeysCase{"10-4-", "6", 6, ""}, KeysCase{"2+3*", "3", 3, ""},
    KeysCase{"2+3=", "5", 5, ""}, KeysCase{"2+3==", "5", 5, ""}));

INSTANTIATE_TEST_SUITE_P(Parentheses, CalculatorKeys, ::testing::Values(
    KeysCase{"(1+2)*3=", "9", 9, ""}, KeysCase{"2*(3+4)=", "14", 14, ""},
    KeysCase{"(1+2+3)*2=", "12", 12, ""}, KeysCase{"2*(3+4*5)-1=", "45", 45, ""},
    KeysCase{"((1+2)*(3+4))=", "21", 21, ""}, KeysCase{"10-(2-(3-1))=", "10", 10, ""},
    KeysCase{"2*(3+4", "4", 4, ""}, KeysCase{"2*(3+4)", "7", 7, ""},
    KeysCase{"2*(3+4=", "14", 14, ""}, KeysCase{"7))", "7", 7, ""},
    KeysCase{"1+2)*3=", "7", 7, ""}));

INSTANTIATE_TEST_SUITE_P(Percent, CalculatorKeys, ::testing::Values(
    KeysCase{"200+10%", "220", 220, ""}, KeysCase{"200-10%", "180", 180, ""},
    KeysCase{"200*10%", "20", 20, ""}, KeysCase{"200/10%", "2000", 2000, ""},
    KeysCase{"10%", "0.1", 0.1, ""}, KeysCase{"50+10%*2=", "110", 110, ""},
    KeysCase{"1+200*10%=", "21", 21, ""}, KeysCase{"8/0%", "0", 0, "Zero divide"}));

INSTANTIATE_TEST_SUITE_P(MemoryAndUnary, CalculatorKeys, ::testing::Values(
    KeysCase{"5s3p1r", "8", 8, ""}, KeysCase{"5sc1r", "0", 0, ""},
    KeysCase{"12s2+r=", "14", 14, ""}, KeysCase{"2+3=p4p0r", "9", 9, ""},
    KeysCase{"5~", "-5", -5, ""}, KeysCase{"5~+3=", "-2", -2, ""},
    KeysCase{"2-3~=", "5", 5, ""}, KeysCase{"12~3", "3", 3, ""},
    KeysCase{"9R+1=", "4", 4, ""}, KeysCase{"4X", "0.25", 0.25, ""},
    KeysCase{"1.25", "1.25", 1.25, ""}, KeysCase{"3 ", "0", 0, ""}));

INSTANTIATE_TEST_SUITE_P(ZeroDivide, CalculatorKeys, ::testing::Values(
    KeysCase{"8/0=", "0", 0, "Zero divide"}, KeysCase{"8/0=5", "5", 5, ""},
    KeysCase{"2+8/0=", "0", 0, "Zero divide"}, KeysCase{"8/0+", "0", 0, "Zero divide"},
    KeysCase{"0X", "0", 0, "Zero divide"}, KeysCase{"6/(1-1)=", "0", 0, "Zero divide"}));

INSTANTIATE_TEST_SUITE_P(BackSpace, CalculatorKeys, ::testing::Values(
    KeysCase{"123\n", "12", 12, ""}, KeysCase{"123\n4", "124", 124, ""},
    KeysCase{"1.5\n7", "1.7", 1.7, ""}, KeysCase{"12+3\n5=", "17", 17, ""},
    KeysCase{"12+\n3=", "123", 123, ""}, KeysCase{"2+3=\n4=", "36", 36, ""}));

// A result beyond the double range is taken back and shows the overflow error.
INSTANTIATE_TEST_SUITE_P(Overflow, CalculatorKeys, ::testing::Values(
    KeysCase{"1000000000000000000000*=*=*=*=", "1E168", 1e168, "Overflow"},
    KeysCase{"1000000000000000000000*=*=*=*=+1=", "1E168", 1e168, ""},
    KeysCase{"1000000000000000000000*=*=*=*=~", "-1E168", -1e168, ""}));
// clang-format on

TEST_F(CalculatingTest, InfiniteValueSetsTheOverflowAndKeepsX) {
    calc.NextValue(4);
    const int history = calc.HistoryCount();
    calc.NextValue(HUGE_VAL);
    EXPECT_EQ(calc.ErrorText(), CalcOverflowText);
    EXPECT_EQ(calc.X(), 4);
    EXPECT_EQ(calc.HistoryCount(), history);
    calc.NextValue(5); // a new value clears the error
    EXPECT_FALSE(calc.Error());
}

} // namespace
