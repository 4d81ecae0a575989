#include "utils/gui/cursorstack.h"

#include <QCursor>
#include <QGuiApplication>
#include <iterator>

#include "utils/vexointegerlist.h"

namespace vexo {

namespace {

constexpr int DefaultCursor = 0;
constexpr int HourGlassCursor = -11;

struct CursorState {
    int Active = DefaultCursor;
    bool Overriding = false; // an override cursor of ours is in place
    TvexoIntegerList Stack;
};

CursorState& State() {
    static CursorState state;
    return state;
}

// The standard shapes by number (crNone -1 ... crSizeAll -22); others show the arrow.
Qt::CursorShape ShapeOf(int cursor) {
    static const Qt::CursorShape shapes[] = {
        Qt::BlankCursor,        Qt::ArrowCursor,     Qt::CrossCursor,   Qt::IBeamCursor,
        Qt::ArrowCursor,        Qt::SizeBDiagCursor, Qt::SizeVerCursor, Qt::SizeFDiagCursor,
        Qt::SizeHorCursor,      Qt::UpArrowCursor,   Qt::WaitCursor,    Qt::DragMoveCursor,
        Qt::ForbiddenCursor,    Qt::SplitHCursor,    Qt::SplitVCursor,  Qt::DragCopyCursor,
        Qt::WaitCursor,         Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor,
        Qt::PointingHandCursor, Qt::SizeAllCursor};
    const int index = -cursor - 1;
    return index >= 0 && index < int(std::size(shapes)) ? shapes[index] : Qt::ArrowCursor;
}

} // namespace

int ActiveScreenCursor() {
    return State().Active;
}

void SetActiveScreenCursor(int cursor) {
    CursorState& state = State();
    state.Active = cursor;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return;
    if (cursor == DefaultCursor) {
        if (state.Overriding)
            QGuiApplication::restoreOverrideCursor();
        state.Overriding = false;
    } else if (state.Overriding) {
        QGuiApplication::changeOverrideCursor(QCursor(ShapeOf(cursor)));
    } else {
        QGuiApplication::setOverrideCursor(QCursor(ShapeOf(cursor)));
        state.Overriding = true;
    }
}

void PushCursor(int cursor) {
    State().Stack.Add(ActiveScreenCursor());
    SetActiveScreenCursor(cursor);
}

void RestoreCursor() {
    TvexoIntegerList& stack = State().Stack;
    if (stack.Count() == 0) {
        SetActiveScreenCursor(DefaultCursor);
        return;
    }
    const int cursor = stack.Last();
    stack.Delete(stack.Count() - 1);
    SetActiveScreenCursor(cursor);
}

void RefreshCursor() {
    SetActiveScreenCursor(HourGlassCursor);
    SetActiveScreenCursor(DefaultCursor);
}

} // namespace vexo
