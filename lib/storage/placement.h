#pragma once
// Window placement of forms in INI files: the keys Flags, ShowCmd, PixelsPerInch, and
// MinMaxPos and NormPos each under a key with the screen-resolution suffix and under the plain
// key, so that a placement saved at one resolution wins there and the last one saved serves
// all others.
//
// On Qt windows: NormPos is the normal (restored) geometry of the window's client area,
// "left,top,right,bottom" in screen pixels with exclusive right and bottom; ShowCmd is 1
// normal, 2 minimized, 3 maximized; MinMaxPos has no minimized position (-1,-1) and the
// negated frame margins as maximized position. A form is sizeable unless it publishes a
// BorderStyle other than bsSizeable or bsSizeToolWin, or has a fixed size.

#include <QString>

#include "vexo/storage_export.h"

class QWidget;

namespace vexo {

class TIniFile;

// "(%dx%d)" with the primary display's width and height in pixels.
VEXO_STORAGE_EXPORT QString ScreenResolutionSuffix();
// The value under key + suffix, then under key.
VEXO_STORAGE_EXPORT void WritePlacementKey(TIniFile& ini, const QString& section,
                                           const QString& key, const QString& value);
// The value under key + suffix, or under key when that is empty.
VEXO_STORAGE_EXPORT QString ReadPlacementKey(const TIniFile& ini, const QString& section,
                                             const QString& key);

// Restores position and size (loadPosition) and window state (loadState) of form. A placement
// saved under other pixels per inch, or with right not beyond left, is not applied;
// non-sizeable forms keep their size.
VEXO_STORAGE_EXPORT void LoadPlacementFromIni(QWidget* form, const TIniFile& ini,
                                              const QString& section, bool loadPosition,
                                              bool loadState);
VEXO_STORAGE_EXPORT void SavePlacementToIni(QWidget* form, TIniFile& ini, const QString& section);

} // namespace vexo
