#pragma once
// The value types of the edits, labels and check boxes with their classic identifiers. They
// live in a meta-object namespace so that published properties of these types stream by name;
// the identifiers are also visible directly in vexo.

#include <QFlags>
#include <QObject>

#include "vexo/edits_export.h"

namespace vexo {
namespace EditTypes {
Q_NAMESPACE_EXPORT(VEXO_EDITS_EXPORT)

// Where the light of 3-D text comes from.
enum TLightPos {
    lpLeft = 0,
    lpRight = 1,
    lpTop = 2,
    lpBottom = 3,
    lpLeftTop = 4,
    lpLeftBottom = 5,
    lpRightTop = 6,
    lpRightBottom = 7
};
Q_ENUM_NS(TLightPos)

// Where a label stands relative to its focus control.
enum TvexoLabelPosition { wlpTop = 0, wlpLeft = 1, wlpRight = 2, wlpBottom = 3, wlpUnLinked = 4 };
Q_ENUM_NS(TvexoLabelPosition)

enum TvexoCheckBoxType { btCheckBox = 0, btRadioButton = 1 };
Q_ENUM_NS(TvexoCheckBoxType)

// Vertical placement of a check box's glyph and caption.
enum TvexoCheckAlign { baTop = 0, baCenter = 1, baBottom = 2 };
Q_ENUM_NS(TvexoCheckAlign)

// The framework's check box states.
enum TCheckBoxState { cbUnchecked = 0, cbChecked = 1, cbGrayed = 2 };
Q_ENUM_NS(TCheckBoxState)

// The kinds of the combo box.
enum TComboBoxStyle {
    csDropDown = 0,
    csSimple = 1,
    csDropDownList = 2,
    csOwnerDrawFixed = 3,
    csOwnerDrawVariable = 4
};
Q_ENUM_NS(TComboBoxStyle)

// What an owner-drawn item is showing.
enum TOwnerDrawStateFlag {
    odSelected = 0x0001,
    odGrayed = 0x0002,
    odDisabled = 0x0004,
    odChecked = 0x0008,
    odFocused = 0x0010,
    odComboBoxEdit = 0x1000
};
Q_DECLARE_FLAGS(TOwnerDrawState, TOwnerDrawStateFlag)
Q_FLAG_NS(TOwnerDrawState)

} // namespace EditTypes

Q_DECLARE_OPERATORS_FOR_FLAGS(EditTypes::TOwnerDrawState)

using EditTypes::TCheckBoxState;
using EditTypes::TComboBoxStyle;
using EditTypes::TLightPos;
using EditTypes::TOwnerDrawState;
using EditTypes::TvexoCheckAlign;
using EditTypes::TvexoCheckBoxType;
using EditTypes::TvexoLabelPosition;
using enum EditTypes::TLightPos;
using enum EditTypes::TvexoLabelPosition;
using enum EditTypes::TvexoCheckBoxType;
using enum EditTypes::TvexoCheckAlign;
using enum EditTypes::TCheckBoxState;
using enum EditTypes::TComboBoxStyle;
using enum EditTypes::TOwnerDrawStateFlag;

} // namespace vexo
