#pragma once
// The value types of the buttons with the classic identifiers: button states and glyph
// layouts, face styles, shapes, kinds and drop-down menu positions. They live in a
// meta-object namespace so that published properties stream them by name; the identifiers
// are also visible directly in vexo.

#include <QObject>

#include "vexo/buttons_export.h"

namespace vexo {
namespace ButtonTypes {
Q_NAMESPACE_EXPORT(VEXO_BUTTONS_EXPORT)

// The four images of a glyph (cells of the glyph bitmap in this order).
enum TButtonState { bsUp = 0, bsDisabled = 1, bsDown = 2, bsExclusive = 3 };
Q_ENUM_NS(TButtonState)

// Where the glyph stands relative to the caption.
enum TButtonLayout { blGlyphLeft = 0, blGlyphRight = 1, blGlyphTop = 2, blGlyphBottom = 3 };
Q_ENUM_NS(TButtonLayout)

// The look of a face: bsNew the two-ring bevel, bsWin31 the framed old look, bsAutoDetect
// the platform's (new here).
enum TButtonStyle { bsAutoDetect = 0, bsWin31 = 1, bsNew = 2 };
Q_ENUM_NS(TButtonStyle)

enum TvexoButtonType { btRectangle = 0, btEllipse = 1 };
Q_ENUM_NS(TvexoButtonType)

// Where a drop-down menu opens: under the button or beside it.
enum TvexoDropDownMenuPos { dmpBottom = 0, dmpRight = 1 };
Q_ENUM_NS(TvexoDropDownMenuPos)

// Standard kinds of the bitmap button.
enum TBitBtnKind {
    bkCustom = 0,
    bkOK = 1,
    bkCancel = 2,
    bkHelp = 3,
    bkYes = 4,
    bkNo = 5,
    bkClose = 6,
    bkAbort = 7,
    bkRetry = 8,
    bkIgnore = 9,
    bkAll = 10
};
Q_ENUM_NS(TBitBtnKind)

// Standard kinds of the transparent button.
enum TvexoButtonKind { sbOk = 0, sbCancel = 1, sbYes = 2, sbNo = 3, sbClose = 4, sbCustom = 5 };
Q_ENUM_NS(TvexoButtonKind)

} // namespace ButtonTypes

using ButtonTypes::TBitBtnKind;
using ButtonTypes::TButtonLayout;
using ButtonTypes::TButtonState;
using ButtonTypes::TButtonStyle;
using ButtonTypes::TvexoButtonKind;
using ButtonTypes::TvexoButtonType;
using ButtonTypes::TvexoDropDownMenuPos;
using enum ButtonTypes::TButtonState;
using enum ButtonTypes::TButtonLayout;
using enum ButtonTypes::TButtonStyle;
using enum ButtonTypes::TvexoButtonType;
using enum ButtonTypes::TvexoDropDownMenuPos;
using enum ButtonTypes::TBitBtnKind;
using enum ButtonTypes::TvexoButtonKind;

} // namespace vexo
