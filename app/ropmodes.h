#pragma once
// The fifteen raster-operation modes the program offers: codes, display names, start mode.

#include <array>
#include <cstdint>

class QString;

namespace varnova {

constexpr int ModeCount = 15;
// The program starts with "  Source Erase", not with the first mode.
constexpr int StartModeIndex = 11;

// Standard ternary raster-operation codes, in mode order.
constexpr std::array<std::uint32_t, ModeCount> RopCodes = {
    0x00000042, // BLACKNESS
    0x00550009, // DSTINVERT
    0x00C000CA, // MERGECOPY
    0x00BB0226, // MERGEPAINT
    0x00330008, // NOTSRCCOPY
    0x001100A6, // NOTSRCERASE
    0x00F00021, // PATCOPY
    0x005A0049, // PATINVERT
    0x00FB0A09, // PATPAINT
    0x008800C6, // SRCAND
    0x00CC0020, // SRCCOPY
    0x00440328, // SRCERASE
    0x00660046, // SRCINVERT
    0x00EE0086, // SRCPAINT
    0x00FF0062, // WHITENESS
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
