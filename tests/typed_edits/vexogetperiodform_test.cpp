// The period dialog: what GetPeriod and GetMaxDate give back, and its placement kept in an
// INI file between runs.
#include "typed_edits/vexogetperiodform.h"

#include "buttons/vexobitbtn.h"
#include "platform/ini/inifile.h"
#include "storage/formstorage.h"
#include "support/testdir.h"
#include "typed_edits/vexoentertab.h"
#include "typedtestkit.h"

using namespace vexo;
using namespace vexo::typedtest;

namespace {

// Runs the dialog through the dialog seam: `act` plays the user, `result` closes it.
struct PeriodRun {
    std::function<void(TvexoGetPeriodForm&)> act;
    int result = mrOk;
    bool sawDialog = false;
    PeriodRun() {
        DialogRunHook = [this](TForm& dialog) {
            auto& form = static_cast<TvexoGetPeriodForm&>(dialog);
            sawDialog = vexoGetPeriodForm == &form;
            if (act)
                act(form);
            return result;
        };
    }
    ~PeriodRun() { DialogRunHook = nullptr; }
};

} // namespace

TEST(PeriodDialog, GetPeriodGivesBothDatesOnlyOnOk) {
    const TDateTime from = EncodeDate(2004, 3, 5);
    for (const int result : {int(mrOk), int(mrCancel)}) {
        PeriodRun run;
        run.result = result;
        run.act = [&](TvexoGetPeriodForm& form) {
            EXPECT_EQ(form.ToDateE->GetDate(), Date());
            EXPECT_EQ(form.vexoEnterTab1->ControlCount(), 2);
            form.FromDateE->SetDate(from);
        };
        TDateTime d1 = 1, d2 = 2;
        EXPECT_EQ(GetPeriod(d1, d2), result == mrOk);
        EXPECT_TRUE(run.sawDialog);
        EXPECT_EQ(vexoGetPeriodForm, nullptr);
        EXPECT_EQ(d1, result == mrOk ? from : 1);
        EXPECT_EQ(d2, result == mrOk ? Date() : 2);
    }
}

TEST(PeriodDialog, MaxDateDisablesTheStartWhileItRuns) {
    PeriodRun run;
    bool fromEnabled = true;
    run.act = [&](TvexoGetPeriodForm& form) {
        fromEnabled = form.FromDateE->Enabled();
        form.ToDateE->SetDate(EncodeDate(2010, 1, 2));
    };
    TDateTime d = 0;
    EXPECT_TRUE(GetMaxDate(d));
    EXPECT_FALSE(fromEnabled);
    EXPECT_EQ(d, EncodeDate(2010, 1, 2));
    TvexoGetPeriodForm form;
    EXPECT_TRUE(form.MaxDate(d));
    EXPECT_TRUE(form.FromDateE->Enabled());
}

TEST(PeriodDialog, EnterWalksTheDatesAndPressesOk) {
    PeriodRun run;
    run.act = [](TvexoGetPeriodForm& form) {
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        form.FromDateE->SetFocus();
        QTest::keyClick(form.FromDateE, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), form.ToDateE);
        int clicks = 0;
        form.OkB->OnClick = [&](QObject*) { ++clicks; };
        form.OkB->SetFocus();
        QTest::keyClick(form.OkB, Qt::Key_Return);
        EXPECT_EQ(clicks, 1);
        form.close();
    };
    TDateTime d1 = 0, d2 = 0;
    GetPeriod(d1, d2);
}

TEST(PeriodDialog, PlacementIsKeptInTheIniSection) {
    TestDir dir;
    const QString ini = dir.File("program.ini");
    QPoint moved;
    {
        PeriodRun run;
        run.act = [&](TvexoGetPeriodForm& form) {
            EXPECT_EQ(form.Ini->IniSection(), "TvexoGetPeriodForm");
            form.Ini->SetIniFileName(ini);
            form.show();
            form.move(123, 77);
            moved = form.geometry().topLeft();
            form.close();
        };
        TDateTime d = 0;
        GetMaxDate(d);
    }
    TIniFile file(ini);
    const QString norm = file.ReadString("TvexoGetPeriodForm", "NormPos", {});
    EXPECT_TRUE(norm.startsWith(QString("%1,%2,").arg(moved.x()).arg(moved.y())))
        << norm.toStdString();
    EXPECT_EQ(file.ReadString("TvexoGetPeriodForm", "Visible", {}), "0");

    PeriodRun again;
    QPoint shownAt;
    again.act = [&](TvexoGetPeriodForm& form) {
        form.Ini->SetIniFileName(ini);
        form.show();
        shownAt = form.geometry().topLeft();
        form.close();
    };
    TDateTime d = 0;
    GetMaxDate(d);
    EXPECT_EQ(shownAt, moved);
}
