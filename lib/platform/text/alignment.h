#pragma once
// Text alignment inside a control and a control's alignment in its parent, with the classic
// identifiers. The enumerations live in a meta-object namespace so that published properties
// of these types stream by name; the identifiers are also visible directly in vexo.

#include <QObject>

#include "vexo/platform_export.h"

namespace vexo {
namespace AlignmentTypes {
Q_NAMESPACE_EXPORT(VEXO_PLATFORM_EXPORT)

enum TAlignment { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
Q_ENUM_NS(TAlignment)

enum TAlign { alNone = 0, alTop = 1, alBottom = 2, alLeft = 3, alRight = 4, alClient = 5 };
Q_ENUM_NS(TAlign)

} // namespace AlignmentTypes

using AlignmentTypes::TAlign;
using AlignmentTypes::TAlignment;
using enum AlignmentTypes::TAlignment;
using enum AlignmentTypes::TAlign;

} // namespace vexo
