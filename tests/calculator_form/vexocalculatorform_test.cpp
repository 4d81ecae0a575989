// The calculator window driven as a user drives it: typed keys, clicked keys, the clipboard
// menu's short cuts, and the flat look.
#include <QApplication>
#include <QClipboard>
#include <QHash>
#include <QTest>
#include <gtest/gtest.h>

#include "buttons/vexospeedbutton.h"
#include "calculator_form/vexocalculatorform.h"
#include "platform/gui/menuitem.h"
#include "platform/gui/popupmenu.h"

using namespace vexo;

namespace {

class CountingForm : public TvexoCalculatorForm {
public:
    int beeps = 0;

protected:
    void Beep() override { ++beeps; }
};

// Types `keys` into the form: "\b" is Backspace, "\r" Enter, "\x1b" Esc, "\x7f" Delete.
void Type(QWidget& form, const QString& keys) {
    static const QHash<QChar, Qt::Key> special = {{u'\b', Qt::Key_Backspace},
                                                  {u'\r', Qt::Key_Return},
                                                  {u'\x1b', Qt::Key_Escape},
                                                  {u'\x7f', Qt::Key_Delete}};
    for (const QChar c : keys) {
        if (special.contains(c))
            QTest::keyClick(&form, special.value(c));
        else
            QTest::keyClick(&form, c.toLatin1());
    }
}

class CalculatorFormTest : public ::testing::Test {
protected:
    CalculatorFormTest() {
        form.Calculator().AutoPrecision = true;
        form.show();
    }
    void Click(const char* name) {
        TvexoSpeedButton* button = form.Button(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(12, 12));
    }
    CountingForm form;
};

} // namespace

struct TypedCase {
    const char* keys;
    const char* display;
};

class TypedKeys : public CalculatorFormTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedKeys, ShowOnTheDisplay) {
    Type(form, QString::fromLatin1(GetParam().keys));
    EXPECT_EQ(form.DisplayText(), QString::fromLatin1(GetParam().display));
    EXPECT_EQ(form.ModalResult(), mrNone);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Chains, TypedKeys, ::testing::Values(
    TypedCase{"12+3*4=", "60 "}, TypedCase{"1+2*3\r", "9 "}, TypedCase{"7-10/3=", "-1 "},
    TypedCase{"(1+2)*(3+4)=", "21 "}, TypedCase{"2.50", "2.5 "}));
INSTANTIATE_TEST_SUITE_P(Keys, TypedKeys, ::testing::Values(
    TypedCase{"123\b4", "124 "}, TypedCase{"12+3\b\b5=", "125 "}, TypedCase{"9q", "3 "},
    TypedCase{"4i", "0.25 "}, TypedCase{"5~", "-5 "}, TypedCase{"12c", "0 "},
    TypedCase{"12\x7f", "0 "}, TypedCase{"200+10%", "220 "}, TypedCase{"50*10%", "5 "}));
INSTANTIATE_TEST_SUITE_P(Memory, TypedKeys, ::testing::Values(
    TypedCase{"2*=p3r", "4 "}, TypedCase{"3s4+r=", "7 "}, TypedCase{"6p6p0r", "12 "}));
INSTANTIATE_TEST_SUITE_P(Errors, TypedKeys, ::testing::Values(
    TypedCase{"8/0=", "Zero divide "}, TypedCase{"8/0=5", "5 "}, TypedCase{"0i", "Zero divide "},
    TypedCase{"1000000000000000000000*=*=*=*=", "Overflow "}));
// clang-format on

TEST_F(CalculatorFormTest, ClickedKeysFeedTheirCharacters) {
    for (const char* name : {"Digit1", "Digit2", "Plus", "Digit3", "Multiply", "Digit4", "Enter"})
        Click(name);
    EXPECT_EQ(form.DisplayText(), "60 ");
    // 2 x² ... M+ MR: the square by "*" "=", stored, then recalled over another number.
    for (const char* name :
         {"Clear", "Digit2", "Multiply", "Enter", "MemoryAdd", "Digit9", "MemoryResult"})
        Click(name);
    EXPECT_EQ(form.DisplayText(), "4 ");
    for (const char* name : {"Digit5", "Point", "Digit5", "BackSpace", "Percent"})
        Click(name);
    EXPECT_EQ(form.DisplayText(), "0.05 ");
    for (const char* name : {"MemoryClear", "MemoryResult"})
        Click(name);
    EXPECT_EQ(form.DisplayText(), "0 ");
}

TEST_F(CalculatorFormTest, OkCancelAndTheirKeys) {
    Click("OkB");
    EXPECT_EQ(form.ModalResult(), mrOk);
    Click("CancelB");
    EXPECT_EQ(form.ModalResult(), mrCancel);
    QTest::keyClick(&form, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(form.ModalResult(), mrOk);
    Type(form, "\x1b");
    EXPECT_EQ(form.ModalResult(), mrCancel);
}

struct PasteCase {
    const char* clipboard;
    const char* display;
    int beeps;
};

class Paste : public CalculatorFormTest, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(Paste, ThroughTheShortCut) {
    Type(form, "42");
    QGuiApplication::clipboard()->setText(QString::fromUtf8(GetParam().clipboard));
    QTest::keyClick(&form, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(form.DisplayText(), QString::fromLatin1(GetParam().display));
    EXPECT_EQ(form.beeps, GetParam().beeps);
    Type(form, "+1=");
    EXPECT_EQ(form.Calculator().Error(), false);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, Paste, ::testing::Values(
    PasteCase{" 3.25 ", "3.25 ", 0}, PasteCase{"-1 000", "-1000 ", 0},
    PasteCase{"1.5E+20", "1.5E20 ", 0}, PasteCase{"abc", "42 ", 1},
    PasteCase{"", "42 ", 1}, PasteCase{"1,5,", "42 ", 1}, PasteCase{"1e400", "Overflow ", 0}));
// clang-format on

TEST_F(CalculatorFormTest, CutAndCopyTakeTheDisplay) {
    Type(form, "7.5");
    QTest::keyClick(&form, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "7.5 ");
    QGuiApplication::clipboard()->clear();
    form.ClipMenu()->Items()->Items(0)->Click(); // cut
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "7.5 ");
    EXPECT_EQ(form.DisplayText(), "0 ");
    EXPECT_EQ(form.Calculator().X(), 7.5);
    form.ClipMenu()->Items()->Items(2)->Click(); // paste it back
    Type(form, "*2=");
    EXPECT_EQ(form.DisplayText(), "15 ");
}

TEST_F(CalculatorFormTest, ButtonsFlat) {
    ASSERT_EQ(form.Buttons().size(), 31);
    form.ButtonsFlat(true);
    for (TvexoSpeedButton* button : form.Buttons())
        EXPECT_EQ(button->Flat(), button->Tag() != 0) << button->Name().toStdString();
    form.ButtonsFlat(false);
    for (TvexoSpeedButton* button : form.Buttons())
        EXPECT_FALSE(button->Flat()) << button->Name().toStdString();
}
