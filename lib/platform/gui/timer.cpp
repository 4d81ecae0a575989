#include "platform/gui/timer.h"

#include "platform/gui/application.h"

namespace vexo {

TTimer::TTimer(TComponent* owner) : QObject(nullptr), TComponent(this, owner) {
    connect(&timer_, &QTimer::timeout, this, [this] { Timer(); });
}

TTimer::~TTimer() = default;

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(int interval) {
    interval = std::max(interval, 0);
    if (interval == interval_)
        return;
    interval_ = interval;
    UpdateTimer();
}

void TTimer::SetOnTimer(const TNotifyEvent& handler) {
    onTimer_ = handler;
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    timer_.stop();
    // A timer being read from a stream starts when reading ends (Loaded).
    if (enabled_ && interval_ > 0 && onTimer_ && !(ComponentState() & csLoading))
        timer_.start(interval_);
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::Timer() {
    if (onTimer_)
        RunEventHandler([this] { onTimer_(this); });
}

} // namespace vexo
