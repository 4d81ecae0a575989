#pragma once
// The event shapes of controls, with the framework's arguments. Keys are Qt key codes
// (Qt::Key_Return, Qt::Key_Escape, ...) where the framework has virtual-key codes: a handler
// that sets Key to 0 swallows the key, one that changes it passes the new key on. KeyPress
// gets the character the key types ('\r' for Enter, '\x1b' for Esc, '\b' for Backspace); a
// null character swallows it, another character is typed instead.

#include <QChar>
#include <QObject>
#include <QPoint>

#include "platform/gui/controltypes.h"
#include "platform/runtime/notifyevent.h"

namespace vexo {

class TDragObject;

using TMouseEvent = TEvent<QObject* /*Sender*/, TMouseButton /*Button*/, TShiftState /*Shift*/,
                           int /*X*/, int /*Y*/>;
using TMouseMoveEvent = TEvent<QObject* /*Sender*/, TShiftState /*Shift*/, int /*X*/, int /*Y*/>;
using TKeyEvent = TEvent<QObject* /*Sender*/, int& /*Key*/, TShiftState /*Shift*/>;
using TKeyPressEvent = TEvent<QObject* /*Sender*/, QChar& /*Key*/>;
// MousePos is in the control's coordinates, (-1, -1) when the menu key asked for the menu.
using TContextPopupEvent = TEvent<QObject* /*Sender*/, QPoint /*MousePos*/, bool& /*Handled*/>;
using TDragOverEvent = TEvent<QObject* /*Sender*/, QObject* /*Source*/, int /*X*/, int /*Y*/,
                              TDragState /*State*/, bool& /*Accept*/>;
using TDragDropEvent = TEvent<QObject* /*Sender*/, QObject* /*Source*/, int /*X*/, int /*Y*/>;
using TStartDragEvent = TEvent<QObject* /*Sender*/, TDragObject*& /*DragObject*/>;
// Target is none when the drag ended over no control that accepted it.
using TEndDragEvent = TEvent<QObject* /*Sender*/, QObject* /*Target*/, int /*X*/, int /*Y*/>;
using TStartDockEvent = TEvent<QObject* /*Sender*/, TDragObject*& /*DragObject*/>;

} // namespace vexo
