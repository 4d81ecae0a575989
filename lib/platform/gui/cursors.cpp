#include "platform/gui/cursors.h"

#include <QHash>

namespace vexo {

namespace {

QHash<TCursor, QCursor>& ProgramCursors() {
    static QHash<TCursor, QCursor> cursors;
    return cursors;
}

bool StandardShape(TCursor cursor, Qt::CursorShape& shape) {
    switch (cursor) {
    case crDefault:
    case crArrow:
        shape = Qt::ArrowCursor;
        return true;
    case crNone:
        shape = Qt::BlankCursor;
        return true;
    case crCross:
        shape = Qt::CrossCursor;
        return true;
    case crIBeam:
        shape = Qt::IBeamCursor;
        return true;
    case crSizeNESW:
        shape = Qt::SizeBDiagCursor;
        return true;
    case crSizeNS:
        shape = Qt::SizeVerCursor;
        return true;
    case crSizeNWSE:
        shape = Qt::SizeFDiagCursor;
        return true;
    case crSizeWE:
        shape = Qt::SizeHorCursor;
        return true;
    case crUpArrow:
        shape = Qt::UpArrowCursor;
        return true;
    case crHourGlass:
    case crSQLWait:
        shape = Qt::WaitCursor;
        return true;
    case crDrag:
    case crMultiDrag:
        shape = Qt::DragCopyCursor;
        return true;
    case crNoDrop:
    case crNo:
        shape = Qt::ForbiddenCursor;
        return true;
    case crHSplit:
        shape = Qt::SplitHCursor;
        return true;
    case crVSplit:
        shape = Qt::SplitVCursor;
        return true;
    case crAppStart:
        shape = Qt::BusyCursor;
        return true;
    case crHelp:
        shape = Qt::WhatsThisCursor;
        return true;
    case crHandPoint:
        shape = Qt::PointingHandCursor;
        return true;
    case crSizeAll:
        shape = Qt::SizeAllCursor;
        return true;
    default:
        return false;
    }
}

} // namespace

QCursor ScreenCursor(TCursor cursor) {
    Qt::CursorShape shape = Qt::ArrowCursor;
    if (StandardShape(cursor, shape))
        return QCursor(shape);
    return ProgramCursors().value(cursor, QCursor(Qt::ArrowCursor));
}

void SetScreenCursor(TCursor cursor, const QCursor& shape) {
    Qt::CursorShape standard;
    if (!StandardShape(cursor, standard))
        ProgramCursors().insert(cursor, shape);
}

bool IsKnownCursor(TCursor cursor) {
    Qt::CursorShape shape;
    return StandardShape(cursor, shape) || ProgramCursors().contains(cursor);
}

} // namespace vexo
