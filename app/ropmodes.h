#pragma once
// The fifteen raster-operation modes the program offers: codes, display names, start mode.

#include <array>
#include <cstdint>

#include "platform/image/ropengine.h"

class QString;

namespace varnova {

constexpr int ModeCount = 15;
// The program starts with "  Source Erase", not with the first mode.
constexpr int StartModeIndex = 11;

// Standard ternary raster-operation codes, in mode order.
constexpr std::array<std::uint32_t, ModeCount> RopCodes = {
    vexo::BLACKNESS,   vexo::DSTINVERT, vexo::MERGECOPY, vexo::MERGEPAINT, vexo::NOTSRCCOPY,
    vexo::NOTSRCERASE, vexo::PATCOPY,   vexo::PATINVERT, vexo::PATPAINT,   vexo::SRCAND,
    vexo::SRCCOPY,     vexo::SRCERASE,  vexo::SRCINVERT, vexo::SRCPAINT,   vexo::WHITENESS,
};

// Combo-box items; the same in both languages, each with two leading blanks.
constexpr std::array<const char*, ModeCount> ModeNames = {
    "  Blackness",       "  Destination Invert", "  Merge Copy",   "  Merge Paint",
    "  Not Source Copy", "  Not Source Erase",   "  Pattern Copy", "  Pattern Invert",
    "  Pattern Paint",   "  Source And",         "  Source Copy",  "  Source Erase",
    "  Source Invert",   "  Source Paint",       "  Whiteness",
};

// The mode whose name, without its leading blanks, matches `name` ignoring case; -1 if none.
int ModeIndexByName(const QString& name);

} // namespace varnova
