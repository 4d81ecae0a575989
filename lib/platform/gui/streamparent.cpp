#include "platform/gui/streamparent.h"

#include <QWidget>

#include "platform/runtime/reader.h"

namespace vexo {

namespace {

void StreamParent(QObject* child, QObject* container, bool show) {
    auto* widget = qobject_cast<QWidget*>(child);
    auto* parent = qobject_cast<QWidget*>(container);
    if (widget == nullptr || parent == nullptr || widget->isWindow())
        return;
    const bool hidden = widget->isHidden();
    if (widget->parentWidget() != parent)
        widget->setParent(parent); // hides the widget
    // A control is visible unless made invisible: with a new parent it shows with it.
    if (show || !hidden)
        widget->show();
}

} // namespace

void InstallStreamParenting() {
    SetStreamParentHook(&StreamParent);
}

} // namespace vexo
