// The page control with its tab sheets, the memo and the timer.
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/gui/form.h"
#include "platform/gui/memo.h"
#include "platform/gui/pagecontrol.h"
#include "platform/gui/timer.h"
#include "platform/runtime/exception.h"

using namespace vexo;

namespace {

TTabSheet* Sheet(TForm& form, TPageControl* control, const QString& caption) {
    auto* sheet = new TTabSheet(&form);
    sheet->SetCaption(caption);
    sheet->SetPageControl(control);
    return sheet;
}

} // namespace

TEST(PageControl, SheetsArePagesInOrderAndMoveBetweenControls) {
    TForm form;
    auto* pages = new TPageControl(&form);
    TTabSheet* a = Sheet(form, pages, QStringLiteral("A"));
    TTabSheet* b = Sheet(form, pages, QStringLiteral("B"));
    TTabSheet* c = Sheet(form, pages, QStringLiteral("C"));
    EXPECT_EQ(pages->PageCount(), 3);
    EXPECT_EQ(pages->ActivePage(), a);
    c->SetPageIndex(0);
    EXPECT_EQ(pages->Pages(0), c);
    EXPECT_EQ(pages->tabText(0), QStringLiteral("C"));
    EXPECT_EQ(a->PageIndex(), 1);
    b->SetTabVisible(false);
    EXPECT_EQ(b->TabIndex(), -1);
    EXPECT_EQ(pages->FindNextPage(a, true, true), c); // B's tab is hidden: wraps to C
    EXPECT_EQ(pages->FindNextPage(a, true, false), b);

    auto* other = new TPageControl(&form);
    b->SetPageControl(other);
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(other->Pages(0), b);
    delete c; // a destroyed sheet leaves its control
    EXPECT_EQ(pages->PageCount(), 1);
    EXPECT_EQ(pages->count(), 1);
}

TEST(PageControl, UserChangesAskOnChangingAndRaiseOnChangeCodeChangesDoNot) {
    TForm form;
    form.SetClientSize(300, 200);
    auto* pages = new TPageControl(&form);
    pages->SetBounds(0, 0, 300, 200);
    Sheet(form, pages, QStringLiteral("First"));
    TTabSheet* second = Sheet(form, pages, QStringLiteral("Second"));
    Sheet(form, pages, QStringLiteral("Third"));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QStringList log;
    bool allow = false;
    pages->OnChanging = [&](QObject*, bool& allowChange) {
        log << QStringLiteral("changing from %1").arg(pages->ActivePageIndex());
        allowChange = allow;
    };
    pages->OnChange = [&](QObject*) {
        log << QStringLiteral("change to %1").arg(pages->ActivePageIndex());
    };
    QTabBar* bar = pages->findChild<QTabBar*>();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(pages->ActivePageIndex(), 0); // refused
    allow = true;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(pages->ActivePage(), second);
    pages->SelectNextPage(true);
    pages->SetActivePageIndex(0);
    EXPECT_EQ(log, (QStringList{"changing from 0", "changing from 0", "change to 1",
                                "changing from 1", "change to 2"}));
    EXPECT_EQ(pages->IndexOfTabAt(bar->tabRect(2).center().x(), bar->tabRect(2).center().y()), 2);
}

TEST(Memo, LinesAreALiveViewOfTheText) {
    TMemo memo;
    TStrings* lines = memo.Lines();
    EXPECT_EQ(lines->Count(), 0);
    lines->Add(QStringLiteral("first"));
    lines->Add(QStringLiteral("third"));
    lines->Insert(1, QStringLiteral("second"));
    EXPECT_EQ(memo.Text(), QStringLiteral("first\nsecond\nthird"));
    lines->Put(2, QStringLiteral("3"));
    lines->Delete(0);
    EXPECT_EQ(lines->ToStringList(), (QStringList{"second", "3"}));
    memo.SetText(QStringLiteral("a\nb\n")); // a final line break makes no line
    EXPECT_EQ(lines->Count(), 2);
    lines->Add(QStringLiteral("c"));
    EXPECT_EQ(memo.Text(), QStringLiteral("a\nb\nc"));
    EXPECT_THROW(lines->Get(3), EListError);
    lines->Clear();
    EXPECT_EQ(lines->Count(), 0);
}

TEST(Memo, PositionsCountLineBreaksTwiceAndCaretPosGivesRowAndColumn) {
    TMemo memo;
    memo.SetText(QStringLiteral("12345\nabc\nxy"));
    memo.SetSelStart(7); // after "12345" and its line break: row 1, column 0
    EXPECT_EQ(memo.CaretPos(), (TPoint{0, 1}));
    memo.SetSelLength(4); // "abc" and the line break
    EXPECT_EQ(memo.SelText(), QStringLiteral("abc\n"));
    // Three letters and the break counted twice: a length that ends inside the break takes
    // all of it.
    EXPECT_EQ(memo.SelLength(), 5);
    memo.SetCaretPos(TPoint{1, 2});
    EXPECT_EQ(memo.SelStart(), 7 + 3 + 2 + 1);
    memo.SetCaretPos(TPoint{99, 99}); // past the end: the end
    EXPECT_EQ(memo.CaretPos(), (TPoint{2, 2}));
}

TEST(Timer, RunsOnlyWhenEnabledWithAnIntervalAndAHandler) {
    TTimer timer;
    int ticks = 0;
    timer.SetInterval(10);
    EXPECT_FALSE(timer.Active()); // no handler yet
    timer.SetOnTimer([&](QObject* sender) {
        EXPECT_EQ(sender, &timer);
        if (++ticks == 3)
            timer.SetEnabled(false);
    });
    EXPECT_TRUE(timer.Active());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 2000));
    EXPECT_FALSE(timer.Active());
    QTest::qWait(50);
    EXPECT_EQ(ticks, 3);
    timer.SetInterval(-5);
    EXPECT_EQ(timer.Interval(), 0);
    timer.SetEnabled(true);
    EXPECT_FALSE(timer.Active());
}
