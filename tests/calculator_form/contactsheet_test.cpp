// A picture of the calculator in its states. With VARNOVA_SHEET_DIR set it is written there as
// calculator.png (the one in docs/ comes from here).
#include <QMenu>
#include <QTest>

#include "buttons/vexospeedbutton.h"
#include "calculator_form/vexocalculator.h"
#include "calculator_form/vexocalculatorform.h"
#include "platform/gui/popupmenu.h"
#include "support/contactsheet.h"

using namespace vexo;
using vexo::test::Shot;
using vexo::test::TContactSheet;

TEST(ContactSheet, CalculatorInItsStates) {
    struct State {
        const char* title;
        double value;
        bool flat;
        TColor color;
        const char* keys;
        const char* hot = nullptr; // the key under the mouse
    };
    const State states[] = {
        {"opened on 0", 0, true, clBtnFace, ""},
        {"12+3*4= (left to right)", 0, true, clBtnFace, "12+3*4="},
        {"raised buttons (FlatButtons off)", 1234.5, false, clBtnFace, ""},
        {"8/0= (the error state)", 0, true, clBtnFace, "8/0="},
        {"1/3 with 13 significant digits", 0, true, clBtnFace, "1/3="},
        {"Color clInfoBk, 2*(3+4)=", 0, false, clInfoBk, "2*(3+4)="},
        {"the mouse over the flat key 7", 0, true, clBtnFace, "4.2", "Digit7"},
    };
    constexpr int columns = 4, cellWidth = 250, cellHeight = 222;
    TContactSheet sheet(columns * cellWidth + 10, 2 * cellHeight + 34);
    sheet.Heading(10, 4, QStringLiteral("TvexoCalculator / GetValueWithPos"));
    int n = 0;
    QStringList displays;
    for (const State& s : states) {
        TvexoCalculator calc;
        calc.SetValue(s.value);
        calc.SetFlatButtons(s.flat);
        calc.SetColor(s.color);
        auto form = calc.CreateCalculatorForm();
        form->show();
        QTest::keyClicks(form.get(), QString::fromLatin1(s.keys));
        displays << form->DisplayText();
        QEvent enter(QEvent::Enter);
        if (s.hot != nullptr)
            QCoreApplication::sendEvent(form->Button(QString::fromLatin1(s.hot)), &enter);
        sheet.Put(10 + (n % columns) * cellWidth, 26 + (n / columns) * cellHeight,
                  QString::fromLatin1(s.title), Shot(*form));
        ++n;
        if (n == int(std::size(states))) {
            QMenu* menu = form->ClipMenu()->Menu();
            menu->popup(QPoint(0, 0));
            sheet.Put(10 + (n % columns) * cellWidth, 26 + (n / columns) * cellHeight,
                      QStringLiteral("the clipboard menu (right click)"), Shot(*menu));
            menu->hide();
        }
    }
    // Each state shows something of its own.
    EXPECT_EQ(displays, QStringList({"0 ", "60 ", "1234.5 ", "Zero divide ", "0.3333333333333 ",
                                     "14 ", "4.2 "}));
    sheet.Save(QStringLiteral("calculator.png"));
}
