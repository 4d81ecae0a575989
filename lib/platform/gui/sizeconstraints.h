#pragma once
// The size limits of a control: each of MinWidth, MinHeight, MaxWidth, MaxHeight is in pixels,
// 0 meaning no limit. A negative value is taken as 0. Setting a maximum below the minimum
// lowers the minimum to it, setting a minimum above the maximum raises the maximum, so the
// limits never contradict each other. Every change is reported through OnChange.

#include <QObject>

#include "platform/runtime/notifyevent.h"
#include "vexo/platform_gui_export.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TSizeConstraints : public QObject {
    Q_OBJECT
    Q_CLASSINFO("Default.MaxHeight", "0")
    Q_CLASSINFO("Default.MaxWidth", "0")
    Q_CLASSINFO("Default.MinHeight", "0")
    Q_CLASSINFO("Default.MinWidth", "0")
    Q_PROPERTY(int MaxHeight READ MaxHeight WRITE SetMaxHeight)
    Q_PROPERTY(int MaxWidth READ MaxWidth WRITE SetMaxWidth)
    Q_PROPERTY(int MinHeight READ MinHeight WRITE SetMinHeight)
    Q_PROPERTY(int MinWidth READ MinWidth WRITE SetMinWidth)

public:
    explicit TSizeConstraints(QObject* parent = nullptr);

    int MaxHeight() const { return maxHeight_; }
    int MaxWidth() const { return maxWidth_; }
    int MinHeight() const { return minHeight_; }
    int MinWidth() const { return minWidth_; }
    void SetMaxHeight(int value);
    void SetMaxWidth(int value);
    void SetMinHeight(int value);
    void SetMinWidth(int value);
    // Copies all four limits, reporting once.
    void Assign(const TSizeConstraints& source);

    TNotifyEvent OnChange;

private:
    void Change();

    int maxHeight_ = 0;
    int maxWidth_ = 0;
    int minHeight_ = 0;
    int minWidth_ = 0;
};

} // namespace vexo
