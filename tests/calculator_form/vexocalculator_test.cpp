// The component and the free routines: settings reach the window, OK returns the value and
// Cancel keeps the original, and the window opens under its control inside the work area.
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "buttons/vexospeedbutton.h"
#include "calculator_form/calculatorplacement.h"
#include "calculator_form/vexocalculator.h"
#include "calculator_form/vexocalculatorform.h"
#include "platform/gui/edit.h"
#include "platform/gui/form.h"

using namespace vexo;

namespace {

// Runs `user` on the calculator once its modal loop runs.
void WhenShown(std::function<void(TvexoCalculatorForm&)> user) {
    QTimer::singleShot(0, [user] {
        TvexoCalculatorForm* form = ShownCalculatorForm();
        ASSERT_NE(form, nullptr);
        user(*form);
    });
}

void Answer(const QString& keys, int key, Qt::KeyboardModifiers modifiers = {}) {
    WhenShown([keys, key, modifiers](TvexoCalculatorForm& form) {
        QTest::keyClicks(&form, keys);
        QTest::keyClick(&form, Qt::Key(key), modifiers);
    });
}

QRect WorkArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

} // namespace

TEST(Calculator, ExecuteReturnsTheValueOnOkOnly) {
    TvexoCalculator calc;
    calc.SetValue(5);
    Answer("+2=", Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(calc.Execute());
    EXPECT_EQ(calc.Value(), 7);
    Answer("*9=", Qt::Key_Escape);
    EXPECT_FALSE(calc.Execute());
    EXPECT_EQ(calc.Value(), 7);
    WhenShown([](TvexoCalculatorForm& form) {
        QTest::keyClicks(&form, "/4=");
        QTest::mouseClick(form.Button("OkB"), Qt::LeftButton, {}, QPoint(5, 5));
    });
    EXPECT_TRUE(calc.Execute());
    EXPECT_EQ(calc.Value(), 1.75);
    EXPECT_EQ(ShownCalculatorForm(), nullptr);
}

TEST(Calculator, SettingsReachTheWindow) {
    TvexoCalculator calc;
    calc.SetValue(2.5);
    calc.SetAutoPrecision(false);
    calc.SetPrecision(8);
    calc.SetDigits(1);
    calc.SetColor(clYellow);
    calc.SetFlatButtons(false);
    calc.SetCaption("Rechner");
    auto form = calc.CreateCalculatorForm();
    EXPECT_EQ(form->DisplayText(), "2.5 ");
    EXPECT_EQ(form->Color(), clYellow);
    EXPECT_FALSE(form->Button("Digit5")->Flat());
    EXPECT_EQ(form->Caption(), "Rechner");
    calc.SetDisplayFormat("0.000");
    EXPECT_EQ(calc.CreateCalculatorForm()->DisplayText(), "2.500 ");
}

TEST(Calculator, AttachedEditIsForgottenWhenItGoes) {
    TvexoCalculator calc;
    auto* edit = new TEdit;
    calc.SetAttachedEdit(edit);
    EXPECT_EQ(calc.AttachedEdit(), edit);
    delete edit;
    EXPECT_EQ(calc.AttachedEdit(), nullptr);
}

TEST(GetValue, OkReturnsTheValueAndCancelTheOriginal) {
    double value = 12;
    Answer("+1\b3=", Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(GetValue(value));
    EXPECT_EQ(value, 15);
    Answer("99", Qt::Key_Escape);
    EXPECT_FALSE(GetValue(value));
    EXPECT_EQ(value, 15);
}

// The window lands under an edit of a form placed at `formPos`, or above it near the bottom,
// and always inside the work area: under the component's AttachedEdit or GetValueWithPos's
// control.
struct PlacementCase {
    const char* name;
    QPoint formPos; // from the work area's top-left corner; negative: from its far edge
    bool attached;
};

class PlacedUnder : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PlacedUnder, AnEditInsideTheWorkArea) {
    const QRect work = WorkArea();
    TForm owner;
    owner.SetClientSize(200, 60);
    QPoint pos = GetParam().formPos;
    pos.rx() += pos.x() < 0 ? work.right() + 1 : work.left();
    pos.ry() += pos.y() < 0 ? work.bottom() + 1 : work.top();
    owner.move(pos);
    auto* edit = new TEdit(&owner);
    edit->SetBounds(10, 20, 120, 21);
    owner.show();
    const QRect anchor(edit->mapToGlobal(QPoint(0, 0)), edit->size());
    QRect shown;
    WhenShown([&shown](TvexoCalculatorForm& form) {
        shown = form.frameGeometry();
        form.CancelBClick();
    });
    TvexoCalculator calc;
    calc.SetAttachedEdit(edit);
    double value = 1;
    EXPECT_FALSE(GetParam().attached ? calc.Execute() : GetValueWithPos(edit, value));
    EXPECT_TRUE(work.contains(shown)) << shown.x() << "," << shown.y();
    EXPECT_FALSE(shown.intersects(anchor));
    EXPECT_EQ(shown.left(), std::min(anchor.left(), work.right() + 1 - shown.width()));
    if (anchor.bottom() + 2 + shown.height() <= work.bottom() + 1)
        EXPECT_EQ(shown.top(), anchor.bottom() + 2);
    else
        EXPECT_EQ(shown.bottom(), anchor.top() - 2);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Edges, PlacedUnder, ::testing::Values(
    PlacementCase{"TopLeft", {0, 0}, false}, PlacementCase{"Right", {-150, 100}, true},
    PlacementCase{"Bottom", {100, -60}, true}, PlacementCase{"BottomRight", {-140, -50}, false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(GetValueWithPos, AtAPointNearTheCorner) {
    const QRect work = WorkArea();
    QRect shown;
    WhenShown([&shown](TvexoCalculatorForm& form) {
        shown = form.frameGeometry();
        form.CancelBClick();
    });
    double value = 1;
    EXPECT_FALSE(GetValueWithPos(work.bottomRight() - QPoint(10, 10), value));
    EXPECT_EQ(shown.bottomRight(), QPoint(work.right(), work.bottom() - 11)); // above the point
}

struct PopupCase {
    QPoint below;
    int aboveY;
    QPoint expected;
};

class Popup : public ::testing::TestWithParam<PopupCase> {};

TEST_P(Popup, KeepsTheWindowInTheWorkArea) {
    const QRect work(0, 30, 800, 570); // a panel on top
    EXPECT_EQ(PopupPlacement(GetParam().below, GetParam().aboveY, {234, 191}, work),
              GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Edges, Popup, ::testing::Values(
    PopupCase{{100, 100}, 70, {100, 100}},  // room below
    PopupCase{{700, 100}, 70, {566, 100}},  // past the right edge
    PopupCase{{-50, 100}, 70, {0, 100}},    // past the left edge
    PopupCase{{100, 500}, 470, {100, 279}}, // no room below: above the control
    PopupCase{{100, 500}, 200, {100, 409}}, // room neither below nor above: pushed up
    PopupCase{{100, 0}, 0, {100, 30}}));    // over the panel
// clang-format on
