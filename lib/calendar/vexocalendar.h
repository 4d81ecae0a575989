#pragma once
// A non-visual component that keeps a date-time with the settings of a month calendar
// (bounds, first day of the week, a selected range, colours) and offers three modal pickers
// on TVxCalendarForm: a date, a time, and a date and time. Bounds of 0 mean no bound; values
// outside the bounds raise EvexoCalendarException and leave the component as it was.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "calendar/calendartypes.h"
#include "calendar/vexomonthcalcolors.h"
#include "platform/runtime/component.h"
#include "platform/text/datetime.h"

namespace vexo {

class TMonthCalendar;
class TVxCalendarForm;

class VEXO_CALENDAR_EXPORT EvexoCalendarException : public Exception {
public:
    using Exception::Exception;
};

class VEXO_CALENDAR_EXPORT TvexoCalendar : public QObject, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(double Date READ GetDate WRITE SetDate)
    Q_PROPERTY(double Time READ GetTime WRITE SetTime)
    Q_PROPERTY(double DateTime READ DateTime WRITE SetDateTime)
    Q_CLASSINFO("Stored.EndDate", "MultiSelect")
    Q_PROPERTY(double EndDate READ EndDate WRITE SetEndDate)
    Q_CLASSINFO("Default.FirstDayOfWeek", "dowLocaleDefault")
    Q_PROPERTY(vexo::CalendarTypes::TCalDayOfWeek FirstDayOfWeek READ FirstDayOfWeek WRITE
                   SetFirstDayOfWeek)
    Q_CLASSINFO("Default.MaxDate", "0")
    Q_PROPERTY(double MaxDate READ MaxDate WRITE SetMaxDate)
    Q_CLASSINFO("Default.MaxSelectRange", "31")
    Q_PROPERTY(int MaxSelectRange READ MaxSelectRange WRITE SetMaxSelectRange)
    Q_CLASSINFO("Default.MinDate", "0")
    Q_PROPERTY(double MinDate READ MinDate WRITE SetMinDate)
    Q_CLASSINFO("Default.MultiSelect", "False")
    Q_PROPERTY(bool MultiSelect READ MultiSelect WRITE SetMultiSelect)
    Q_CLASSINFO("Default.ShowToday", "True")
    Q_PROPERTY(bool ShowToday READ ShowToday WRITE SetShowToday)
    Q_CLASSINFO("Default.ShowTodayCircle", "True")
    Q_PROPERTY(bool ShowTodayCircle READ ShowTodayCircle WRITE SetShowTodayCircle)
    Q_CLASSINFO("Default.WeekNumbers", "False")
    Q_PROPERTY(bool WeekNumbers READ WeekNumbers WRITE SetWeekNumbers)

public:
    enum TCalendarPicker { cpDate, cpTime, cpDateTime };

    // DateTime starts as Now().
    Q_INVOKABLE explicit TvexoCalendar(vexo::TComponent* owner = nullptr);
    ~TvexoCalendar() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption) { caption_ = caption; }
    // Both the whole DateTime (date and time of day).
    TDateTime GetDate() const { return dateTime_; }
    TDateTime GetTime() const { return dateTime_; }
    TDateTime DateTime() const { return dateTime_; }
    TDateTime EndDate() const { return endDate_; }
    TCalDayOfWeek FirstDayOfWeek() const { return firstDayOfWeek_; }
    TDateTime MaxDate() const { return maxDate_; }
    TDateTime MinDate() const { return minDate_; }
    int MaxSelectRange() const { return maxSelectRange_; }
    Q_INVOKABLE bool MultiSelect() const { return multiSelect_; }
    bool ShowToday() const { return showToday_; }
    bool ShowTodayCircle() const { return showTodayCircle_; }
    bool WeekNumbers() const { return weekNumbers_; }
    TvexoMonthCalColors* CalColors() const { return calColors_.get(); }
    // The control the pickers open under; cleared when it goes.
    QWidget* AttachedEdit() const { return attachedEdit_; }

    // The day of `value` with the current time of day, checked against the bounds; raises
    // EvexoCalendarException outside them and keeps the old value.
    void SetDate(TDateTime value);
    // The current day with the time of day of `value`; checked as SetDate.
    void SetTime(TDateTime value);
    // Unchecked. With MultiSelect only the start of the range changes.
    void SetDateTime(TDateTime value);
    // Only with MultiSelect, and only when the day differs: the range's end (a whole day).
    void SetEndDate(TDateTime value);
    // With MultiSelect both ends; otherwise DateTime = date.
    void SetSelectedRange(TDateTime date, TDateTime dateEnd);
    // On: EndDate = DateTime; off: EndDate = 0.
    void SetMultiSelect(bool multiSelect);
    // A bound below MinDate raises "Selected date is less than range minimum <MinDate>" and
    // keeps the range; 0 removes the bound. DateTime and EndDate move inside a new bound.
    void SetMaxDate(TDateTime value);
    // A bound above MaxDate raises "Selected date is bigger than range maximum <MaxDate>".
    void SetMinDate(TDateTime value);
    void SetFirstDayOfWeek(TCalDayOfWeek day) { firstDayOfWeek_ = day; }
    void SetMaxSelectRange(int days) { maxSelectRange_ = days; }
    void SetShowToday(bool show) { showToday_ = show; }
    void SetShowTodayCircle(bool show) { showTodayCircle_ = show; }
    void SetWeekNumbers(bool show) { weekNumbers_ = show; }
    // Copies the colours unless they are the component's own.
    void SetCalColors(const TvexoMonthCalColors* colors);
    void SetAttachedEdit(QWidget* control);

    // Raises "Selected date is not of permissible range <bound>" for a value past a bound.
    virtual void CheckValidDate(TDateTime value);

    // The modal pickers; true (and the value taken) when the user pressed OK. While one runs
    // its dialog is VxCalendarForm.
    bool SelectDate();
    bool SelectTime();
    bool SelectDateTime();
    // The picker's dialog with the settings, title and position, not shown.
    std::unique_ptr<TVxCalendarForm> CreatePickerForm(TCalendarPicker picker);
    // What OK takes from the dialog: the calendar's day (and range end), then the time.
    void TakePickerResult(TCalendarPicker picker, const TVxCalendarForm& form);

protected:
    void Notification(TComponent* component, TOperation operation) override;
    // A stream holds EndDate before MultiSelect: the end read is applied once both are in.
    void Loaded() override;

private:
    bool RunPicker(TCalendarPicker picker);
    void SetRange(TDateTime min, TDateTime max);
    void CheckedSet(TDateTime value);
    void CopyToCalendar(TMonthCalendar& calendar) const;

    std::unique_ptr<TvexoMonthCalColors> calColors_;
    QString caption_;
    TDateTime dateTime_;
    TDateTime endDate_ = 0;
    TDateTime loadedEndDate_ = 0;
    TCalDayOfWeek firstDayOfWeek_ = dowLocaleDefault;
    TDateTime maxDate_ = 0;
    int maxSelectRange_ = 31;
    TDateTime minDate_ = 0;
    bool multiSelect_ = false;
    bool showToday_ = true;
    bool showTodayCircle_ = true;
    bool weekNumbers_ = false;
    QPointer<QWidget> attachedEdit_;
};

// The calendar dialog while a picker runs, otherwise none.
VEXO_CALENDAR_EXPORT extern TVxCalendarForm* VxCalendarForm;

} // namespace vexo
