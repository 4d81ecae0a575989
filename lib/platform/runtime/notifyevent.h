#pragma once
// Events: assignable callables, empty until assigned. An event can be tested for "assigned",
// read, replaced and chained (keep the old handler and call it from the new one).
//
// TEvent is a std::function that published properties can carry: the type information
// recognises it as a method (event) property. Handlers cannot be compared, so two events are
// equal only when both are unassigned; a property write therefore always stores a handler.

#include <QObject>
#include <functional>

namespace vexo {

template <class... Args> class TEvent : public std::function<void(Args...)> {
public:
    using std::function<void(Args...)>::function;
    TEvent() = default;

    friend bool operator==(const TEvent& a, const TEvent& b) { return !a && !b; }
};

using TNotifyEvent = TEvent<QObject*>;

} // namespace vexo
