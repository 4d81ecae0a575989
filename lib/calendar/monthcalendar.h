#pragma once
// The framework's month calendar over Qt's calendar widget: one day or, with MultiSelect, a
// range of at most MaxSelectRange days (Shift with a click or an arrow key extends it from
// the last day chosen alone), optional bounds, the first day of the week, ISO week numbers,
// a "Today:" line that goes to today, a circle round today and the six colours of
// TvexoMonthCalColors. Today is the library's Date().

#include <QDate>
#include <QWidget>
#include <memory>

#include "calendar/calendartypes.h"
#include "calendar/vexomonthcalcolors.h"
#include "platform/gui/wincontrol.h"
#include "platform/runtime/component.h"
#include "platform/text/datetime.h"

class QCalendarWidget;
class QToolButton;

namespace vexo {

class VEXO_CALENDAR_EXPORT TMonthCalendar : public QWidget, public TWinControl, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT

public:
    Q_INVOKABLE explicit TMonthCalendar(vexo::TComponent* owner = nullptr);
    TMonthCalendar(TComponent* owner, QWidget* parent);
    ~TMonthCalendar() override;

    // The first day of the selection and its last (the same day without MultiSelect); whole
    // days.
    TDateTime Date() const;
    TDateTime EndDate() const;
    // Selects that day alone, moved inside the bounds; shows its month.
    void SetDate(TDateTime date);
    // With MultiSelect the days from `date` to `endDate` (either order), cut to MaxSelectRange
    // days from `date` and to the bounds; without it `date` alone.
    void SetSelectedRange(TDateTime date, TDateTime endDate);

    bool MultiSelect() const { return multiSelect_; }
    // Switching off keeps the first day alone.
    void SetMultiSelect(bool multiSelect);
    int MaxSelectRange() const { return maxSelectRange_; }
    // Values below 1 are taken as 1; a longer selection is cut.
    void SetMaxSelectRange(int days);
    TCalDayOfWeek FirstDayOfWeek() const { return firstDayOfWeek_; }
    // dowLocaleDefault takes the first day of the default QLocale.
    void SetFirstDayOfWeek(TCalDayOfWeek day);
    // 0: no bound. The selection moves inside new bounds.
    TDateTime MinDate() const { return minDate_; }
    void SetMinDate(TDateTime date);
    TDateTime MaxDate() const { return maxDate_; }
    void SetMaxDate(TDateTime date);
    bool ShowToday() const { return showToday_; }
    void SetShowToday(bool show);
    bool ShowTodayCircle() const { return showTodayCircle_; }
    void SetShowTodayCircle(bool show);
    bool WeekNumbers() const { return weekNumbers_; }
    void SetWeekNumbers(bool show);
    const TvexoMonthCalColors& CalColors() const { return colors_; }
    // Index 0..5 as in TvexoMonthCalColors; repaints.
    void SetCalColor(int index, TColor color);

    // The Qt calendar inside (its grid, navigation bar and today line are its children).
    QCalendarWidget* Grid() const;
    QToolButton* TodayButton() const { return todayButton_; }

    TNotifyEvent OnChange; // the selection changed, by the user or by code

private:
    class TGrid;
    friend class TGrid;

    void DateClicked(const QDate& date);
    void DragTo(const QDate& day);
    QDate SelectFrom(const QDate& first, const QDate& last);
    void ApplyColors();
    void ApplyBounds();
    void Changed();
    bool Selected(const QDate& date) const;

    TGrid* grid_;
    QToolButton* todayButton_;
    TvexoMonthCalColors colors_;
    QDate start_;
    QDate end_;
    QDate anchor_;
    QDate dragFrom_; // the day the left button went down on, until it comes up
    QDate dragTo_;
    bool extending_ = false; // the grid's selection moved with Shift held
    bool selecting_ = false; // the grid's selection is being set from here
    bool multiSelect_ = false;
    int maxSelectRange_ = 31;
    TCalDayOfWeek firstDayOfWeek_ = dowLocaleDefault;
    TDateTime minDate_ = 0;
    TDateTime maxDate_ = 0;
    bool showToday_ = true;
    bool showTodayCircle_ = true;
    bool weekNumbers_ = false;
};

} // namespace vexo
