#pragma once
// What every control of the framework shares: event types, hints and their visibility,
// alignment. Controls are QWidgets named by their QObject objectName.

#include <QString>
#include <QWidget>
#include <functional>

#include "platform/alignment.h"
#include "platform/notifyevent.h"
#include "vexo/platform_gui_export.h"

namespace vexo {

using TMouseMoveEvent =
    std::function<void(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y)>;

enum TTextLayout { tlTop = 0, tlCenter = 1, tlBottom = 2 };

// The hint text of a control (kept apart from Qt's tool tip, which the framework's own hint
// window replaces).
VEXO_PLATFORM_GUI_EXPORT void SetHint(QWidget* control, const QString& hint);
VEXO_PLATFORM_GUI_EXPORT QString Hint(const QWidget* control);
// ShowHint of a control; setting it also clears ParentShowHint.
VEXO_PLATFORM_GUI_EXPORT void SetShowHint(QWidget* control, bool show);
VEXO_PLATFORM_GUI_EXPORT void SetParentShowHint(QWidget* control, bool parentShowHint);
VEXO_PLATFORM_GUI_EXPORT bool ParentShowHint(const QWidget* control);
// The effective value: the control's own, or its parent's while ParentShowHint is set
// (controls start with ParentShowHint set, forms with ShowHint false).
VEXO_PLATFORM_GUI_EXPORT bool ShowHint(const QWidget* control);

} // namespace vexo
