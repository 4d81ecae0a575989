#pragma once
// Conversion of 8-bit texts between the Windows-1251 and KOI8-R code pages, byte by byte
// through two exported 256-entry tables.

#include <QByteArray>
#include <array>

#include "vexo/utils_export.h"

namespace vexo {

VEXO_UTILS_EXPORT extern const std::array<unsigned char, 256> Win2KOI8Table;
VEXO_UTILS_EXPORT extern const std::array<unsigned char, 256> KOI82WinTable;

VEXO_UTILS_EXPORT QByteArray Win2KOI8(const QByteArray& text);
VEXO_UTILS_EXPORT QByteArray KOI82Win(const QByteArray& text);

} // namespace vexo
