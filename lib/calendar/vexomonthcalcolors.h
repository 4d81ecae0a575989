#pragma once
// The six colours of a month calendar, by index: 0 background, 1 day text, 2 title background,
// 3 title text, 4 month background, 5 trailing days (those of the neighbouring months).

#include <QObject>
#include <array>

#include "platform/runtime/types.h"
#include "vexo/calendar_export.h"

namespace vexo {

class VEXO_CALENDAR_EXPORT TvexoMonthCalColors : public QObject {
    Q_OBJECT
    Q_CLASSINFO("Default.BackColor", "2147483653")
    Q_PROPERTY(vexo::TColor BackColor READ BackColor WRITE SetBackColor)
    Q_CLASSINFO("Default.TextColor", "2147483656")
    Q_PROPERTY(vexo::TColor TextColor READ TextColor WRITE SetTextColor)
    Q_CLASSINFO("Default.TitleBackColor", "2147483650")
    Q_PROPERTY(vexo::TColor TitleBackColor READ TitleBackColor WRITE SetTitleBackColor)
    Q_CLASSINFO("Default.TitleTextColor", "16777215")
    Q_PROPERTY(vexo::TColor TitleTextColor READ TitleTextColor WRITE SetTitleTextColor)
    Q_CLASSINFO("Default.MonthBackColor", "16777215")
    Q_PROPERTY(vexo::TColor MonthBackColor READ MonthBackColor WRITE SetMonthBackColor)
    Q_CLASSINFO("Default.TrailingTextColor", "2147483667")
    Q_PROPERTY(vexo::TColor TrailingTextColor READ TrailingTextColor WRITE SetTrailingTextColor)

public:
    enum { ColorCount = 6 };

    Q_INVOKABLE explicit TvexoMonthCalColors(QObject* parent = nullptr);

    // Index 0..5; clNone outside.
    TColor Color(int index) const;
    TColor BackColor() const { return colors_[0]; }
    TColor TextColor() const { return colors_[1]; }
    TColor TitleBackColor() const { return colors_[2]; }
    TColor TitleTextColor() const { return colors_[3]; }
    TColor MonthBackColor() const { return colors_[4]; }
    TColor TrailingTextColor() const { return colors_[5]; }

    // Only stores the value; an index outside 0..5 changes nothing.
    void SetColor(int index, TColor value);
    void SetBackColor(TColor value) { SetColor(0, value); }
    void SetTextColor(TColor value) { SetColor(1, value); }
    void SetTitleBackColor(TColor value) { SetColor(2, value); }
    void SetTitleTextColor(TColor value) { SetColor(3, value); }
    void SetMonthBackColor(TColor value) { SetColor(4, value); }
    void SetTrailingTextColor(TColor value) { SetColor(5, value); }

    // Copies all six colours of another TvexoMonthCalColors; any other source (or none) raises
    // EConvertError "Cannot assign a <source class or nil> to a TvexoMonthCalColors".
    void Assign(const QObject* source);

private:
    std::array<TColor, ColorCount> colors_;
};

} // namespace vexo
