#include "calendar/vexocalendar.h"

#include <QApplication>

#include "calendar/calendardates_p.h"
#include "calendar/datetimepicker.h"
#include "calendar/monthcalendar.h"
#include "calendar/pickerplacement.h"
#include "calendar/vxcalendarform.h"
#include "platform/text/datetimetext.h"

namespace vexo {

TVxCalendarForm* VxCalendarForm = nullptr;

TvexoCalendar::TvexoCalendar(TComponent* owner)
    : QObject(nullptr), TComponent(this, owner),
      calColors_(std::make_unique<TvexoMonthCalColors>()), dateTime_(Now()) {}

TvexoCalendar::~TvexoCalendar() = default;

void TvexoCalendar::SetDate(TDateTime value) {
    CheckedSet(ComposeDateTime(value, TimeOfDay(dateTime_)));
}

void TvexoCalendar::SetTime(TDateTime value) {
    CheckedSet(ComposeDateTime(dateTime_, TimeOfDay(value)));
}

void TvexoCalendar::CheckedSet(TDateTime value) {
    const TDateTime old = dateTime_;
    try {
        CheckValidDate(WholeDays(value));
        SetDateTime(value);
    } catch (...) {
        SetDateTime(old);
        throw;
    }
}

void TvexoCalendar::SetDateTime(TDateTime value) {
    if (multiSelect_)
        SetSelectedRange(value, endDate_);
    else
        dateTime_ = value;
}

void TvexoCalendar::SetEndDate(TDateTime value) {
    if (ComponentState().testFlag(csLoading))
        loadedEndDate_ = value;
    if (WholeDays(endDate_) != WholeDays(value))
        SetSelectedRange(dateTime_, WholeDays(value));
}

void TvexoCalendar::SetSelectedRange(TDateTime date, TDateTime dateEnd) {
    if (multiSelect_) {
        dateTime_ = date;
        endDate_ = dateEnd;
    } else {
        SetDateTime(date);
    }
}

void TvexoCalendar::SetMultiSelect(bool multiSelect) {
    if (multiSelect == multiSelect_)
        return;
    multiSelect_ = multiSelect;
    endDate_ = multiSelect ? dateTime_ : 0;
}

// 0 is no bound, so removing one bound never conflicts with the other.
void TvexoCalendar::SetMaxDate(TDateTime value) {
    if (value != 0 && minDate_ != 0 && value < minDate_)
        throw EvexoCalendarException(
            QStringLiteral("Selected date is less than range minimum %1").arg(DateToStr(minDate_)));
    if (value != maxDate_) {
        SetRange(minDate_, value);
        maxDate_ = value;
    }
}

void TvexoCalendar::SetMinDate(TDateTime value) {
    if (value != 0 && maxDate_ != 0 && value > maxDate_)
        throw EvexoCalendarException(QStringLiteral("Selected date is bigger than range maximum %1")
                                         .arg(DateToStr(maxDate_)));
    if (value != minDate_) {
        SetRange(value, maxDate_);
        minDate_ = value;
    }
}

void TvexoCalendar::SetRange(TDateTime min, TDateTime max) {
    min = WholeDays(min);
    max = WholeDays(max);
    // Without MultiSelect there is no range end to move (SetEndDate would change nothing).
    if (min != 0) {
        if (WholeDays(dateTime_) < min)
            SetDate(min);
        if (multiSelect_ && WholeDays(endDate_) < min)
            SetEndDate(min);
    }
    if (max != 0) {
        if (WholeDays(dateTime_) > max)
            SetDate(max);
        if (multiSelect_ && WholeDays(endDate_) > max)
            SetEndDate(max);
    }
}

void TvexoCalendar::CheckValidDate(TDateTime value) {
    const auto refuse = [](TDateTime bound) {
        throw EvexoCalendarException(
            QStringLiteral("Selected date is not of permissible range %1").arg(DateToStr(bound)));
    };
    if (maxDate_ != 0 && value > maxDate_)
        refuse(maxDate_);
    if (minDate_ != 0 && value < minDate_)
        refuse(minDate_);
}

void TvexoCalendar::SetCalColors(const TvexoMonthCalColors* colors) {
    if (colors != calColors_.get())
        calColors_->Assign(colors);
}

void TvexoCalendar::SetAttachedEdit(QWidget* control) {
    attachedEdit_ = control;
    if (TComponent* component = control ? TComponent::FromObject(control) : nullptr)
        FreeNotification(component);
}

void TvexoCalendar::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && attachedEdit_ && component->Object() == attachedEdit_)
        attachedEdit_ = nullptr;
}

void TvexoCalendar::Loaded() {
    TComponent::Loaded();
    if (multiSelect_ && loadedEndDate_ != 0)
        SetEndDate(loadedEndDate_);
    loadedEndDate_ = 0;
}

bool TvexoCalendar::SelectDate() {
    return RunPicker(cpDate);
}

bool TvexoCalendar::SelectTime() {
    return RunPicker(cpTime);
}

bool TvexoCalendar::SelectDateTime() {
    return RunPicker(cpDateTime);
}

bool TvexoCalendar::RunPicker(TCalendarPicker picker) {
    // A command line has no windows to show.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    const std::unique_ptr<TVxCalendarForm> form = CreatePickerForm(picker);
    struct Current {
        explicit Current(TVxCalendarForm* form) { VxCalendarForm = form; }
        ~Current() { VxCalendarForm = nullptr; }
    } current(form.get());
    if (form->ShowModal() != mrOk)
        return false;
    TakePickerResult(picker, *form);
    return true;
}

std::unique_ptr<TVxCalendarForm> TvexoCalendar::CreatePickerForm(TCalendarPicker picker) {
    auto form = std::make_unique<TVxCalendarForm>(this);
    if (picker == cpTime)
        form->CalendarP->hide();
    else
        CopyToCalendar(*form->MonthE);
    if (picker == cpDate)
        form->TimeP->hide();
    else
        form->TimeE->SetTime(GetTime());
    static const char* const titles[] = {"Select date", "Select time", "Select date and time"};
    form->SetCaption(caption_.isEmpty() ? QString::fromLatin1(titles[picker]) : caption_);
    form->AlignPanels();
    PlaceUnderControl(*form, attachedEdit_);
    form->SetActiveControl(picker == cpTime ? static_cast<QWidget*>(form->TimeE) : form->MonthE);
    return form;
}

void TvexoCalendar::CopyToCalendar(TMonthCalendar& calendar) const {
    calendar.SetMultiSelect(multiSelect_);
    calendar.SetFirstDayOfWeek(firstDayOfWeek_);
    calendar.SetMaxDate(maxDate_);
    calendar.SetMaxSelectRange(maxSelectRange_);
    calendar.SetMinDate(minDate_);
    calendar.SetShowToday(showToday_);
    calendar.SetShowTodayCircle(showTodayCircle_);
    calendar.SetWeekNumbers(weekNumbers_);
    // The whole range, so that a multi-select picker shows what is selected.
    calendar.SetSelectedRange(GetDate(), multiSelect_ ? endDate_ : GetDate());
    for (int i = 0; i < TvexoMonthCalColors::ColorCount; ++i)
        calendar.SetCalColor(i, calColors_->Color(i));
}

void TvexoCalendar::TakePickerResult(TCalendarPicker picker, const TVxCalendarForm& form) {
    if (picker != cpTime) {
        SetDate(form.MonthE->Date());
        // The range the user chose, not only its first day.
        if (multiSelect_)
            SetEndDate(form.MonthE->EndDate());
    }
    if (picker != cpDate)
        SetTime(form.TimeE->Time());
}

} // namespace vexo
