#pragma once
// The plain event: a callable that receives the object that fired it. Empty until assigned.

#include <QObject>
#include <functional>

namespace vexo {

using TNotifyEvent = std::function<void(QObject* Sender)>;

} // namespace vexo
