#pragma once
// Fixes the library's clock (Now/Date/Time) for the lifetime of the object.

#include "platform/text/datetime.h"

class FixedClock {
public:
    explicit FixedClock(vexo::TDateTime now) : previous_(vexo::SetClock([now] { return now; })) {}
    ~FixedClock() { vexo::SetClock(std::move(previous_)); }
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

private:
    vexo::TClockFunction previous_;
};
