// TControl: the framework's handling of the widget's Qt events (mouse, enter and leave, the
// context menu, size and parent changes) and dragging.

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/gui/application.h"
#include "platform/gui/control.h"
#include "platform/gui/controlfilter_p.h"
#include "platform/gui/cursors.h"
#include "platform/gui/wincontrol.h"

namespace vexo {

namespace {

TMouseButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::RightButton:
        return mbRight;
    case Qt::MiddleButton:
        return mbMiddle;
    default:
        return mbLeft;
    }
}

bool IsFrameworkButton(Qt::MouseButton button) {
    return button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
}

} // namespace

bool TControlEventFilter::eventFilter(QObject* watched, QEvent* event) {
    return control_->HandleEvent(watched, event);
}

bool TControl::HandleEvent(QObject* watched, QEvent* event) {
    if (redelivering_)
        return false;
    const TComponent* component = Component();
    if (component != nullptr && (component->ComponentState() & csDestroying))
        return false;
    if (ControlEvent(event))
        return true;
    const bool own = watched == widget_;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return HandleMouse(static_cast<QWidget*>(watched), event);
    case QEvent::ContextMenu:
        return HandleContextMenu(watched, event);
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (auto* win = dynamic_cast<TWinControl*>(this))
            return win->HandleKey(watched, static_cast<QKeyEvent*>(event));
        return false;
    default:
        break;
    }
    if (!own)
        return false;
    switch (event->type()) {
    case QEvent::Enter:
        mouseInControl_ = true;
        MouseEnter();
        break;
    case QEvent::Leave:
        mouseInControl_ = false;
        MouseLeave();
        break;
    case QEvent::Resize:
        SizeMaybeChanged();
        break;
    case QEvent::FontChange:
        ControlChanged(event);
        break;
    case QEvent::ParentChange:
        ParentChanged();
        if (auto* win = dynamic_cast<TWinControl*>(this))
            win->JoinTabParent();
        break;
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        if (align_ != alNone)
            RequestParentAlign();
        VisibleChanged();
        break;
    case QEvent::EnabledChange:
        EnabledChanged();
        break;
    default:
        break;
    }
    return false;
}

void TControl::Redeliver(QObject* target, QEvent* event) {
    redelivering_ = true;
    QCoreApplication::sendEvent(target, event);
    redelivering_ = false;
}

bool TControl::HandleMouse(QWidget* source, QEvent* event) {
    auto* e = static_cast<QMouseEvent*>(event);
    const QPoint pos = source == widget_ ? e->position().toPoint()
                                         : widget_->mapFrom(source, e->position().toPoint());
    const QPoint global = e->globalPosition().toPoint();
    const TShiftState shift = ShiftStateOf(e->modifiers(), e->buttons());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        if (!IsFrameworkButton(e->button()))
            return false;
        const TMouseButton button = ButtonOf(e->button());
        const bool isDouble =
            event->type() == QEvent::MouseButtonDblClick && controlStyle_.testFlag(csDoubleClicks);
        if (button == mbLeft && !isDouble && dragMode_ == dmAutomatic && dragKind_ == dkDrag) {
            // The framework drags at once and reports no mouse down.
            BeginDrag(true);
            return true;
        }
        if (button == mbLeft) {
            captured_ = controlStyle_.testFlag(csCaptureMouse);
            if (isDouble) {
                // Qt reports the second press before the double click; the framework's
                // double click takes its place, so that press makes no click.
                clicked_ = false;
                if (controlStyle_.testFlag(csClickEvents))
                    DblClick();
            } else {
                clicked_ = controlStyle_.testFlag(csClickEvents);
            }
        }
        MouseDown(button, isDouble ? shift | ssDouble : shift, pos.x(), pos.y());
        return false;
    }
    case QEvent::MouseButtonRelease: {
        if (dragPhase_ == TDragPhase::Dragging) {
            DragMoved(global, true);
            return true;
        }
        dragPhase_ = TDragPhase::None;
        if (!IsFrameworkButton(e->button()))
            return false;
        const TMouseButton button = ButtonOf(e->button());
        if (button == mbLeft) {
            captured_ = false;
            if (clicked_) {
                clicked_ = false;
                if (widget_->rect().contains(pos))
                    Click();
            }
        }
        MouseUp(button, shift, pos.x(), pos.y());
        return false;
    }
    default: // MouseMove
        if (dragPhase_ == TDragPhase::Pending && e->buttons().testFlag(Qt::LeftButton) &&
            (global - dragStart_).manhattanLength() >= QApplication::startDragDistance())
            StartDragging();
        if (dragPhase_ == TDragPhase::Dragging) {
            DragMoved(global, false);
            return true;
        }
        MouseMove(shift, pos.x(), pos.y());
        return false;
    }
}

bool TControl::HandleContextMenu(QObject* watched, QEvent* event) {
    auto* e = static_cast<QContextMenuEvent*>(event);
    const bool keyboard = e->reason() == QContextMenuEvent::Keyboard;
    const QPoint global = keyboard ? widget_->mapToGlobal(QPoint(0, 0)) : e->globalPos();
    const QPoint pos = keyboard ? QPoint(-1, -1) : widget_->mapFromGlobal(global);
    if (ContextPopup(pos, global, false))
        return true;
    if (watched != widget_)
        return false; // a viewport's own handling decides
    // The widget's own menu (an edit's), else the request goes on to the parent control.
    e->accept();
    Redeliver(widget_, event);
    if (!e->isAccepted())
        if (TControl* parent = ParentControl())
            parent->ContextPopup(keyboard ? pos : parent->ScreenToClient(global), global, true);
    return true;
}

bool TControl::ContextPopup(QPoint pos, QPoint globalPos, bool passOn) {
    bool handled = false;
    DoContextPopup(pos, handled);
    if (handled)
        return true;
    if (popupMenu_ && popupMenu_->AutoPopup()) {
        popupMenu_->SetPopupComponent(widget_);
        popupMenu_->Popup(globalPos.x(), globalPos.y());
        return true;
    }
    TControl* parent = passOn ? ParentControl() : nullptr;
    return parent != nullptr &&
           parent->ContextPopup(pos.x() < 0 ? pos : parent->ScreenToClient(globalPos), globalPos,
                                true);
}

void TControl::Click() {
    if (OnClick)
        RunEventHandler([this] { OnClick(widget_); });
}

void TControl::DblClick() {
    if (OnDblClick)
        RunEventHandler([this] { OnDblClick(widget_); });
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        RunEventHandler([&] { OnMouseDown(widget_, button, shift, x, y); });
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove)
        RunEventHandler([&] { OnMouseMove(widget_, shift, x, y); });
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp)
        RunEventHandler([&] { OnMouseUp(widget_, button, shift, x, y); });
}

void TControl::MouseEnter() {
    if (OnMouseEnter)
        RunEventHandler([this] { OnMouseEnter(widget_); });
}

void TControl::MouseLeave() {
    if (OnMouseLeave)
        RunEventHandler([this] { OnMouseLeave(widget_); });
}

void TControl::Resize() {
    if (OnResize)
        RunEventHandler([this] { OnResize(widget_); });
}

void TControl::DoContextPopup(QPoint mousePos, bool& handled) {
    if (OnContextPopup)
        RunEventHandler([&] { OnContextPopup(widget_, mousePos, handled); });
}

void TControl::DragOver(QObject* source, int x, int y, TDragState state, bool& accept) {
    accept = bool(OnDragOver);
    if (OnDragOver)
        RunEventHandler([&] { OnDragOver(widget_, source, x, y, state, accept); });
}

void TControl::DragDrop(QObject* source, int x, int y) {
    if (OnDragDrop)
        RunEventHandler([&] { OnDragDrop(widget_, source, x, y); });
}

void TControl::DoStartDrag(TDragObject*& dragObject) {
    if (OnStartDrag)
        RunEventHandler([&] { OnStartDrag(widget_, dragObject); });
}

void TControl::DoEndDrag(QObject* target, int x, int y) {
    if (OnEndDrag)
        RunEventHandler([&] { OnEndDrag(widget_, target, x, y); });
}

void TControl::BeginDrag(bool immediate) {
    if (dragPhase_ != TDragPhase::None)
        return;
    dragStart_ = QCursor::pos();
    if (immediate)
        StartDragging();
    else
        dragPhase_ = TDragPhase::Pending;
}

bool TControl::Dragging() const {
    return dragPhase_ == TDragPhase::Dragging;
}

void TControl::StartDragging() {
    dragPhase_ = TDragPhase::Dragging;
    dragTarget_ = nullptr;
    dragAccept_ = false;
    // A drag object a handler makes stays the handler's.
    TDragObject* dragObject = nullptr;
    DoStartDrag(dragObject);
    QApplication::setOverrideCursor(ScreenCursor(dragCursor_));
}

void TControl::DragMoved(QPoint globalPos, bool released) {
    QWidget* window = widget_->window();
    const QPoint inWindow = window->mapFromGlobal(globalPos);
    QWidget* under = window->childAt(inWindow);
    if (under == nullptr && window->rect().contains(inWindow))
        under = window;
    TControl* target = nullptr;
    for (QWidget* w = under; w != nullptr && target == nullptr; w = w->parentWidget())
        target = FromWidget(w);
    const QPoint local = target != nullptr ? target->ScreenToClient(globalPos) : QPoint();
    TControl* current = FromWidget(dragTarget_);
    if (target != current) {
        if (current != nullptr) {
            bool ignored = false;
            const QPoint at = current->ScreenToClient(globalPos);
            current->DragOver(widget_, at.x(), at.y(), dsDragLeave, ignored);
        }
        dragTarget_ = target != nullptr ? target->widget_ : nullptr;
        dragAccept_ = false;
        if (target != nullptr)
            target->DragOver(widget_, local.x(), local.y(), dsDragEnter, dragAccept_);
    } else if (target != nullptr && !released) {
        // The release drops with the answer of the last move.
        target->DragOver(widget_, local.x(), local.y(), dsDragMove, dragAccept_);
    }
    QApplication::changeOverrideCursor(
        ScreenCursor(target != nullptr && dragAccept_ ? dragCursor_ : crNoDrop));
    if (!released)
        return;
    dragPhase_ = TDragPhase::None;
    QApplication::restoreOverrideCursor();
    QObject* dropTarget = nullptr;
    if (target != nullptr && dragAccept_) {
        target->DragDrop(widget_, local.x(), local.y());
        dropTarget = target->widget_;
    }
    const QPoint end = dropTarget != nullptr ? local : ScreenToClient(globalPos);
    dragTarget_ = nullptr;
    DoEndDrag(dropTarget, end.x(), end.y());
}

} // namespace vexo
