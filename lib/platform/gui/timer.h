#pragma once
// A timer component: while Enabled, with an Interval above 0 and an OnTimer handler, OnTimer
// runs every Interval milliseconds on the user-interface thread. Changing Enabled, Interval or
// OnTimer (SetOnTimer) starts the period anew.

#include <QObject>
#include <QTimer>

#include "platform/runtime/component.h"
#include "platform/runtime/notifyevent.h"
#include "vexo/platform_gui_export.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TTimer : public QObject, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    Q_CLASSINFO("Default.Enabled", "True")
    Q_CLASSINFO("Default.Interval", "1000")
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(int Interval READ Interval WRITE SetInterval)
    Q_PROPERTY(vexo::TNotifyEvent OnTimer READ OnTimer WRITE SetOnTimer)

public:
    Q_INVOKABLE explicit TTimer(vexo::TComponent* owner = nullptr);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Interval() const { return interval_; }
    // Negative values are taken as 0 (which stops the timer).
    void SetInterval(int interval);
    TNotifyEvent OnTimer() const { return onTimer_; }
    void SetOnTimer(const TNotifyEvent& handler);
    // Whether the timer is counting now.
    bool Active() const { return timer_.isActive(); }

protected:
    // Raises OnTimer (exceptions go to the application's exception handling).
    virtual void Timer();
    void Loaded() override;

private:
    void UpdateTimer();

    QTimer timer_;
    bool enabled_ = true;
    int interval_ = 1000;
    TNotifyEvent onTimer_;
};

} // namespace vexo
