#include "calendar/vxcalendarform.h"

#include <QCalendarWidget>

#include "buttons/vexobitbtn.h"
#include "calendar/datetimepicker.h"
#include "calendar/monthcalendar.h"
#include "edits/vexolabel.h"

namespace vexo {

namespace {
TCustomPanel* AddPanel(TForm* form, const char* name, int height, int borderWidth) {
    auto* panel = new TCustomPanel(form, form);
    panel->SetName(QString::fromLatin1(name));
    panel->SetBevelOuter(bvNone);
    panel->SetBorderWidth(borderWidth);
    panel->SetAlign(alTop);
    panel->SetHeight(height);
    return panel;
}

TvexoBitBtn* AddButton(TForm* form, QWidget* panel, const char* name, int left, int result) {
    auto* button = new TvexoBitBtn(form, panel);
    button->SetName(QString::fromLatin1(name));
    button->SetBounds(left, 4, 75, 24);
    button->SetModalResult(result);
    button->SetDefault(result == mrOk);
    button->SetCancel(result == mrCancel);
    return button;
}
} // namespace

TVxCalendarForm::TVxCalendarForm(TComponent* owner) : TForm(owner) {
    SetName(QStringLiteral("VxCalendarForm"));
    SetBorderStyle(bsDialog);
    setWindowFlag(Qt::Tool);
    SetShowHint(true);

    CalendarP = AddPanel(this, "CalendarP", 157, 2);
    MonthE = new TMonthCalendar(this, CalendarP);
    MonthE->SetName(QStringLiteral("MonthE"));
    MonthE->SetAlign(alClient);
    MonthE->Grid()->setCursor(Qt::PointingHandCursor);
    // Enter or a double click on a day chooses it, as OK does.
    connect(MonthE->Grid(), &QCalendarWidget::activated, this, [this] { SetModalResult(mrOk); });

    TimeP = AddPanel(this, "TimeP", 29, 4);
    TimeE = new TDateTimePicker(this, TimeP);
    TimeE->SetName(QStringLiteral("TimeE"));
    TimeE->SetBounds(65, 4, 101, 21);
    TimeL = new TvexoLabel(this, TimeP);
    TimeL->SetName(QStringLiteral("TimeL"));
    TimeL->SetBounds(2, 4, 61, 21);
    TimeL->SetHeight3D(0);
    TimeL->SetAlive(false);
    TimeL->SetFocusControl(TimeE);
    TimeE->SetBounds(65, 4, 101, 21);

    ButtonsP = AddPanel(this, "ButtonsP", 32, 4);
    OkB = AddButton(this, ButtonsP, "OkB", 10, mrOk);
    CancelB = AddButton(this, ButtonsP, "CancelB", 91, mrCancel);

    TimeL->SetCaption(QStringLiteral("Time"));
    OkB->SetCaption(QStringLiteral("OK"));
    CancelB->SetCaption(QStringLiteral("Cancel"));
    SetClientSize(194, 218);
    SetActiveControl(MonthE);
}

void TVxCalendarForm::AlignPanels() {
    // The classic layout is 194 x 218; a calendar that needs more room for its font, its week
    // numbers or its today line gets it, and the rows below stay centred.
    int width = 194;
    if (!CalendarP->isHidden()) {
        const QSize need = MonthE->sizeHint();
        width = std::max(width, need.width() + 2 * CalendarP->BorderWidth());
        CalendarP->SetHeight(std::max(157, need.height() + 2 * CalendarP->BorderWidth()));
    }
    const int shift = (width - 194) / 2;
    TimeL->SetLeft(2 + shift);
    TimeE->SetLeft(65 + shift);
    OkB->SetLeft(10 + shift);
    CancelB->SetLeft(91 + shift);
    SetClientSize(width, CalendarP->Height() + TimeP->Height() + ButtonsP->Height());
    if (CalendarP->isHidden())
        SetClientHeight(TimeP->Height() + ButtonsP->Height());
    else if (TimeP->isHidden())
        SetClientHeight(CalendarP->Height() + ButtonsP->Height());
}

} // namespace vexo
