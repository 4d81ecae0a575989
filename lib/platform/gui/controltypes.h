#pragma once
// The value types of the control surface with the classic identifiers: anchors, drag and
// bi-directional modes, mouse buttons and shift states, control styles, bevel cuts, border
// styles and cursors. The enumerations live in a meta-object namespace so that published
// properties of these types stream by name; the identifiers are also visible directly in vexo.

#include <QFlags>
#include <QObject>

#include "vexo/platform_gui_export.h"

namespace vexo {
namespace ControlTypes {
Q_NAMESPACE_EXPORT(VEXO_PLATFORM_GUI_EXPORT)

// Sides of the parent a control keeps its distance to when the parent is resized.
enum TAnchorKind { akLeft = 0x1, akTop = 0x2, akRight = 0x4, akBottom = 0x8 };
Q_DECLARE_FLAGS(TAnchors, TAnchorKind)
Q_FLAG_NS(TAnchors)

enum TDragMode { dmManual = 0, dmAutomatic = 1 };
Q_ENUM_NS(TDragMode)
enum TDragKind { dkDrag = 0, dkDock = 1 };
Q_ENUM_NS(TDragKind)
enum TDragState { dsDragEnter = 0, dsDragLeave = 1, dsDragMove = 2 };
Q_ENUM_NS(TDragState)

enum TBiDiMode {
    bdLeftToRight = 0,
    bdRightToLeft = 1,
    bdRightToLeftNoAlign = 2,
    bdRightToLeftReadingOnly = 3
};
Q_ENUM_NS(TBiDiMode)

enum THelpType { htKeyword = 0, htContext = 1 };
Q_ENUM_NS(THelpType)

// Input-method modes of window controls; stored, the platform's input method decides.
enum TImeMode {
    imDisable = 0,
    imClose = 1,
    imOpen = 2,
    imDontCare = 3,
    imSAlpha = 4,
    imAlpha = 5,
    imHira = 6,
    imSKata = 7,
    imKata = 8,
    imChinese = 9,
    imSHanguel = 10,
    imHanguel = 11
};
Q_ENUM_NS(TImeMode)

enum TMouseButton { mbLeft = 0, mbRight = 1, mbMiddle = 2 };
Q_ENUM_NS(TMouseButton)

enum TShiftStateFlag {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40
};
Q_DECLARE_FLAGS(TShiftState, TShiftStateFlag)
Q_FLAG_NS(TShiftState)

// What a control class does by itself (the framework's control styles). csCaptureMouse keeps
// the mouse while a button is down, csClickEvents makes a left press and release inside a
// click, csDoubleClicks turns a second press into a double click, csOpaque means Paint covers
// every pixel (nothing of the parent is put under it); the others are recorded for the
// classes that test them.
enum TControlStyleFlag {
    csAcceptsControls = 0x0001,
    csCaptureMouse = 0x0002,
    csDesignInteractive = 0x0004,
    csClickEvents = 0x0008,
    csFramed = 0x0010,
    csSetCaption = 0x0020,
    csOpaque = 0x0040,
    csDoubleClicks = 0x0080,
    csFixedWidth = 0x0100,
    csFixedHeight = 0x0200,
    csNoDesignVisible = 0x0400,
    csReplicatable = 0x0800,
    csNoStdEvents = 0x1000,
    csDisplayDragImage = 0x2000,
    csReflector = 0x4000,
    csActionClient = 0x8000,
    csMenuEvents = 0x10000
};
Q_DECLARE_FLAGS(TControlStyle, TControlStyleFlag)
Q_FLAG_NS(TControlStyle)

// Where a text stands vertically in its area.
enum TTextLayout { tlTop = 0, tlCenter = 1, tlBottom = 2 };
Q_ENUM_NS(TTextLayout)

enum TBevelCut { bvNone = 0, bvLowered = 1, bvRaised = 2, bvSpace = 3 };
Q_ENUM_NS(TBevelCut)

// A window control's own border: none or a single line.
enum TBorderStyle { bsNone = 0, bsSingle = 1 };
Q_ENUM_NS(TBorderStyle)

} // namespace ControlTypes

Q_DECLARE_OPERATORS_FOR_FLAGS(ControlTypes::TAnchors)
Q_DECLARE_OPERATORS_FOR_FLAGS(ControlTypes::TShiftState)
Q_DECLARE_OPERATORS_FOR_FLAGS(ControlTypes::TControlStyle)

using ControlTypes::TAnchorKind;
using ControlTypes::TAnchors;
using ControlTypes::TBevelCut;
using ControlTypes::TBiDiMode;
using ControlTypes::TBorderStyle;
using ControlTypes::TControlStyle;
using ControlTypes::TControlStyleFlag;
using ControlTypes::TDragKind;
using ControlTypes::TDragMode;
using ControlTypes::TDragState;
using ControlTypes::THelpType;
using ControlTypes::TImeMode;
using ControlTypes::TMouseButton;
using ControlTypes::TShiftState;
using ControlTypes::TShiftStateFlag;
using ControlTypes::TTextLayout;
using enum ControlTypes::TAnchorKind;
using enum ControlTypes::TDragMode;
using enum ControlTypes::TDragKind;
using enum ControlTypes::TDragState;
using enum ControlTypes::TBiDiMode;
using enum ControlTypes::THelpType;
using enum ControlTypes::TImeMode;
using enum ControlTypes::TMouseButton;
using enum ControlTypes::TShiftStateFlag;
using enum ControlTypes::TControlStyleFlag;
using enum ControlTypes::TBevelCut;
using enum ControlTypes::TTextLayout;
using enum ControlTypes::TBorderStyle;

// Cursors: the framework's numbers; negative ones are the standard shapes, positive ones
// are registered by the program (cursors.h).
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

} // namespace vexo
