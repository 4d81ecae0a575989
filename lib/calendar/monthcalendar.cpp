#include "calendar/monthcalendar.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QTextCharFormat>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "calendar/calendardates_p.h"
#include "platform/gui/application.h"
#include "platform/image/canvas.h"
#include "platform/text/datetimetext.h"

namespace vexo {

namespace {
const QDate kFirstDay(1, 1, 1);
const QDate kLastDay(9999, 12, 31);
const QColor kTodayCircle(0xC0, 0x00, 0x00);

QColor Mix(const QColor& a, const QColor& b, double share) {
    return QColor::fromRgbF(float(a.redF() * (1 - share) + b.redF() * share),
                            float(a.greenF() * (1 - share) + b.greenF() * share),
                            float(a.blueF() * (1 - share) + b.blueF() * share));
}
} // namespace

// Paints the days itself (colours, selected range, today's circle), notes whether Shift was
// held when the user moved the selection and follows drags over the days.
class TMonthCalendar::TGrid : public QCalendarWidget {
public:
    explicit TGrid(TMonthCalendar* owner)
        : QCalendarWidget(owner), owner_(owner), view_(findChild<QAbstractItemView*>()) {
        setGridVisible(false);
        setVerticalHeaderFormat(NoVerticalHeader);
        setDateRange(kFirstDay, kLastDay);
        view_->installEventFilter(this);
        view_->viewport()->installEventFilter(this);
    }
    void UpdateCells() { updateCells(); }

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override {
        const TvexoMonthCalColors& colors = owner_->colors_;
        painter->save();
        const QColor back = ToQColor(colors.MonthBackColor());
        const QColor dayText = ToQColor(colors.TextColor());
        painter->fillRect(rect, back);
        const bool inMonth = date.month() == monthShown() && date.year() == yearShown();
        QColor text = dayText;
        if (!inMonth) {
            // Where the trailing colour is the days' own (the system's inactive caption text
            // often is), the neighbouring months' days are lightened so they still stand apart.
            text = ToQColor(colors.TrailingTextColor());
            if (text == dayText)
                text = Mix(text, back, 0.55);
        }
        if (date < minimumDate() || date > maximumDate()) {
            text = Mix(text, back, 0.7);
        } else if (owner_->Selected(date)) {
            painter->fillRect(rect.adjusted(1, 1, -1, -1), ToQColor(colors.TitleBackColor()));
            text = ToQColor(colors.TitleTextColor());
        }
        painter->setPen(text);
        painter->drawText(rect, Qt::AlignCenter, QString::number(date.day()));
        if (owner_->showTodayCircle_ && date == ToQDate(vexo::Date())) {
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(QPen(kTodayCircle, 1.5));
            painter->drawEllipse(QRectF(rect).adjusted(1.5, 1.5, -1.5, -1.5));
        }
        painter->restore();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool onView = watched == view_->viewport();
        const auto day = [this, event] {
            return DayAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        };
        const auto left = [event] {
            return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        };
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
            owner_->extending_ =
                static_cast<QInputEvent*>(event)->modifiers().testFlag(Qt::ShiftModifier);
            if (onView && event->type() == QEvent::MouseButtonPress && left() &&
                !owner_->extending_)
                owner_->dragFrom_ = owner_->dragTo_ = day();
            break;
        case QEvent::MouseMove:
            if (onView)
                owner_->DragTo(day());
            break;
        case QEvent::MouseButtonRelease:
            // Qt selects the day released on after this; a drag left `extending_` set, so
            // that day extends the range as well.
            if (onView && left()) {
                owner_->DragTo(day());
                owner_->dragFrom_ = QDate();
            }
            break;
        default:
            break;
        }
        return QCalendarWidget::eventFilter(watched, event);
    }

    // The day of the cell under a point of the view, or none (a header, a day out of bounds).
    // Qt's model keeps its dates to itself, but its layout is plain to see: the day
    // names on row 0 and the week numbers in column 0 when shown, and the page starting on
    // the first day of the week before the 1st -- a whole week before when the 1st opens a
    // row. The cell's own number checks the result.
    QDate DayAt(const QPoint& pos) const {
        const QModelIndex cell = view_->indexAt(pos);
        const int row = cell.row() - (horizontalHeaderFormat() != NoHorizontalHeader ? 1 : 0);
        const int column = cell.column() - (verticalHeaderFormat() != NoVerticalHeader ? 1 : 0);
        if (!cell.isValid() || row < 0 || column < 0)
            return {};
        const QDate first(yearShown(), monthShown(), 1);
        const int lead = (first.dayOfWeek() - firstDayOfWeek() + 6) % 7 + 1;
        const QDate day = first.addDays(7 * row + column - lead);
        if (day.day() != cell.data().toInt() || day < minimumDate() || day > maximumDate())
            return {};
        return day;
    }

private:
    TMonthCalendar* owner_;
    QAbstractItemView* view_; // the day grid (Qt's calendar always has it)
};

TMonthCalendar::TMonthCalendar(TComponent* owner) : TMonthCalendar(owner, nullptr) {}

TMonthCalendar::TMonthCalendar(TComponent* owner, QWidget* parent)
    : QWidget(VisualParent(owner, parent)),
      TWinControl(this, clWindow, QPalette::Base, QPalette::Text, false), TComponent(this, owner),
      grid_(new TGrid(this)), todayButton_(new QToolButton(this)) {
    SetTabStop(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(grid_, 1);
    layout->addWidget(todayButton_);
    todayButton_->setAutoRaise(true);
    todayButton_->setFocusPolicy(Qt::NoFocus);
    todayButton_->setText(QStringLiteral("Today: ") + DateToStr(vexo::Date()));
    setFocusProxy(grid_);
    connect(todayButton_, &QToolButton::clicked, this, [this] { SetDate(vexo::Date()); });
    connect(grid_, &QCalendarWidget::selectionChanged, this,
            [this] { DateClicked(grid_->selectedDate()); });
    SetFirstDayOfWeek(dowLocaleDefault);
    start_ = end_ = anchor_ = grid_->selectedDate();
    ApplyColors();
}

TMonthCalendar::~TMonthCalendar() = default;

QCalendarWidget* TMonthCalendar::Grid() const {
    return grid_;
}

TDateTime TMonthCalendar::Date() const {
    return FromQDate(start_);
}

TDateTime TMonthCalendar::EndDate() const {
    return FromQDate(end_);
}

void TMonthCalendar::SetDate(TDateTime date) {
    SetSelectedRange(date, date);
}

void TMonthCalendar::SetSelectedRange(TDateTime date, TDateTime endDate) {
    const auto inside = [this](TDateTime value) {
        const QDate day = ToQDate(value);
        if (!day.isValid())
            return value < 0 ? grid_->minimumDate() : grid_->maximumDate();
        return std::clamp(day, grid_->minimumDate(), grid_->maximumDate());
    };
    const QDate first = inside(date);
    const QDate last = SelectFrom(first, multiSelect_ ? inside(endDate) : first);
    anchor_ = first;
    selecting_ = true;
    grid_->setSelectedDate(last);
    grid_->setCurrentPage(first.year(), first.month());
    selecting_ = false;
    Changed();
}

void TMonthCalendar::DateClicked(const QDate& date) {
    if (selecting_)
        return;
    if (!multiSelect_ || !extending_ || !anchor_.isValid()) {
        anchor_ = start_ = end_ = date;
        Changed();
        return;
    }
    const QDate last = SelectFrom(anchor_, date);
    if (last != date) {
        selecting_ = true;
        grid_->setSelectedDate(last);
        selecting_ = false;
    }
    Changed();
}

// Selects from `first` towards `last`, never past MaxSelectRange days; returns the last day
// selected.
QDate TMonthCalendar::SelectFrom(const QDate& first, const QDate& last) {
    const int limit = maxSelectRange_ - 1;
    QDate cut = last;
    if (first.daysTo(last) > limit)
        cut = first.addDays(limit);
    else if (last.daysTo(first) > limit)
        cut = first.addDays(-limit);
    start_ = std::min(first, cut);
    end_ = std::max(first, cut);
    return cut;
}

// A drag with the left button from one day to another extends the range from the day pressed
// as Shift with a click does; Qt alone would only select the day released on.
void TMonthCalendar::DragTo(const QDate& day) {
    if (!multiSelect_ || !dragFrom_.isValid() || !day.isValid() || day == dragTo_)
        return;
    dragTo_ = day;
    anchor_ = dragFrom_;
    extending_ = true;
    DateClicked(day);
}

bool TMonthCalendar::Selected(const QDate& date) const {
    return date >= start_ && date <= end_;
}

void TMonthCalendar::Changed() {
    grid_->UpdateCells();
    if (OnChange)
        RunEventHandler([this] { OnChange(this); });
}

void TMonthCalendar::SetMultiSelect(bool multiSelect) {
    if (multiSelect == multiSelect_)
        return;
    multiSelect_ = multiSelect;
    SetSelectedRange(Date(), Date());
}

void TMonthCalendar::SetMaxSelectRange(int days) {
    days = std::max(days, 1);
    if (days == maxSelectRange_)
        return;
    maxSelectRange_ = days;
    SetSelectedRange(Date(), EndDate());
}

void TMonthCalendar::SetFirstDayOfWeek(TCalDayOfWeek day) {
    firstDayOfWeek_ = day;
    grid_->setFirstDayOfWeek(day == dowLocaleDefault ? QLocale().firstDayOfWeek()
                                                     : Qt::DayOfWeek(int(day) + 1));
}

void TMonthCalendar::SetMinDate(TDateTime date) {
    if (date == minDate_)
        return;
    minDate_ = date;
    ApplyBounds();
}

void TMonthCalendar::SetMaxDate(TDateTime date) {
    if (date == maxDate_)
        return;
    maxDate_ = date;
    ApplyBounds();
}

void TMonthCalendar::ApplyBounds() {
    const QDate min = minDate_ != 0 ? ToQDate(minDate_) : kFirstDay;
    const QDate max = maxDate_ != 0 ? ToQDate(maxDate_) : kLastDay;
    selecting_ = true;
    grid_->setDateRange(min.isValid() ? min : kFirstDay, max.isValid() ? max : kLastDay);
    selecting_ = false;
    SetSelectedRange(Date(), EndDate());
}

void TMonthCalendar::SetShowToday(bool show) {
    showToday_ = show;
    todayButton_->setVisible(show);
}

void TMonthCalendar::SetShowTodayCircle(bool show) {
    if (show == showTodayCircle_)
        return;
    showTodayCircle_ = show;
    grid_->UpdateCells();
}

void TMonthCalendar::SetWeekNumbers(bool show) {
    weekNumbers_ = show;
    grid_->setVerticalHeaderFormat(show ? QCalendarWidget::ISOWeekNumbers
                                        : QCalendarWidget::NoVerticalHeader);
}

void TMonthCalendar::SetCalColor(int index, TColor color) {
    colors_.SetColor(index, color);
    ApplyColors();
}

void TMonthCalendar::ApplyColors() {
    const auto set = [](QWidget* widget, std::initializer_list<QPalette::ColorRole> roles,
                        TColor color) {
        QPalette palette = widget->palette();
        for (QPalette::ColorRole role : roles)
            palette.setColor(role, ToQColor(color));
        widget->setPalette(palette);
    };
    setAutoFillBackground(true);
    set(this, {QPalette::Window, QPalette::Button}, colors_.BackColor());
    set(todayButton_, {QPalette::ButtonText, QPalette::WindowText}, colors_.TextColor());
    if (auto* bar = grid_->findChild<QWidget*>(QStringLiteral("qt_calendar_navigationbar"))) {
        bar->setAutoFillBackground(true);
        set(bar, {QPalette::Window, QPalette::Button}, colors_.TitleBackColor());
        set(bar, {QPalette::WindowText, QPalette::ButtonText}, colors_.TitleTextColor());
    }
    if (auto* view = grid_->findChild<QAbstractItemView*>())
        set(view, {QPalette::Base, QPalette::Window}, colors_.MonthBackColor());
    // The day names and week numbers: title colour on the month's background, the weekend
    // like the other days.
    QTextCharFormat header;
    header.setForeground(ToQColor(colors_.TitleBackColor()));
    header.setBackground(ToQColor(colors_.MonthBackColor()));
    grid_->setHeaderTextFormat(header);
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
        grid_->setWeekdayTextFormat(Qt::DayOfWeek(day), header);
    grid_->UpdateCells();
}

} // namespace vexo
