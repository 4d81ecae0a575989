#pragma once
// Text placed in rectangles: cell text drawn directly or through an off-screen bitmap,
// text shortened to a width, aligned and wrapped text, angled text and text measuring.
//
// The classic routines took a window's device context; here they take the canvas, the one
// drawing path: a control passes the canvas it paints with.

#include <QString>

#include "platform/image/canvas.h"
#include "platform/text/alignment.h"
#include "vexo/graphics_export.h"

namespace vexo {

enum TVertAlignment { vaTopJustify = 0, vaCenter = 1, vaBottomJustify = 2 };

// DrawText flags by TAlignment (taLeftJustify, taRightJustify, taCenter).
inline constexpr unsigned WriteTextFlags[] = {DT_LEFT | DT_EXPANDTABS | DT_NOPREFIX,
                                              DT_RIGHT | DT_EXPANDTABS | DT_NOPREFIX,
                                              DT_CENTER | DT_EXPANDTABS | DT_NOPREFIX};
inline constexpr unsigned TextInRectFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};

// One cell's text. A single line (no word wrap, no carriage return) on a brush colour the
// canvas shows undithered is written straight into `rect`, clipped, the brush filling it: at
// Left + dx, 3 pixels inside the right edge (dx unused) or centred, dy below the top.
// Otherwise the text is laid out on the off-screen TextBitmap (grown to the rectangle, never
// shrunk) at (dx, dy) with the WriteTextFlags of the alignment, word breaks when wordWrap,
// right-to-left reading when rightToLeft, and the bitmap copied onto `rect`. Our canvas is
// always left-to-right, so the alignment is never mirrored.
VEXO_GRAPHICS_EXPORT void WriteText(TCanvas& canvas, const TRect& rect, int dx, int dy,
                                    const QString& text, TAlignment alignment, bool wordWrap,
                                    bool rightToLeft = false);
// The off-screen bitmap of WriteText: none before its first use, freed at exit.
VEXO_GRAPHICS_EXPORT const TBitmap* TextBitmap();

// A grid cell's text on the control's canvas: WriteText with dx 2 and dy 2 (top), the centre
// offset but at least 1, or the bottom offset but at least 2, measured with the height of "W".
// The column and row are not used; they keep the classic call shape.
VEXO_GRAPHICS_EXPORT void DrawCellTextEx(TCanvas& canvas, int col, int row, const QString& text,
                                         const TRect& rect, TAlignment alignment,
                                         TVertAlignment vertAlignment, bool wordWrap);
// DrawCellTextEx wrapping words exactly when centred.
VEXO_GRAPHICS_EXPORT void DrawCellText(TCanvas& canvas, int col, int row, const QString& text,
                                       const TRect& rect, TAlignment alignment,
                                       TVertAlignment vertAlignment);
// The graphic centred in the rectangle, drawn as it draws itself.
VEXO_GRAPHICS_EXPORT void DrawCellBitmap(TCanvas& canvas, int col, int row, const TGraphic& graphic,
                                         const TRect& rect);

// The text, or its head followed by "..." as long as it is wider than maxWidth on the
// canvas; the first shortening drops two characters, the shortest result is "...".
VEXO_GRAPHICS_EXPORT QString MinimizeText(const QString& text, const TCanvas& canvas, int maxWidth);

// The whole text into the rectangle with TextInRectFlags (line breaks kept, "&" underlining
// the next letter); WrapTextInRect also breaks lines between words.
VEXO_GRAPHICS_EXPORT void TextInRect(TCanvas& canvas, const QString& text, const TRect& rect,
                                     TAlignment alignment);
VEXO_GRAPHICS_EXPORT void WrapTextInRect(TCanvas& canvas, const QString& text, const TRect& rect,
                                         TAlignment alignment);

// The text in the canvas font turned by `angle` degrees counter-clockwise around (x, y),
// clipped to `rect`; the canvas font is left as it was.
VEXO_GRAPHICS_EXPORT void AngleTextInRect(TCanvas& canvas, const QString& text, const TRect& rect,
                                          int x, int y, int angle);

// The text's extent in the canvas font.
VEXO_GRAPHICS_EXPORT int GetStrWidth(const TCanvas& canvas, const QString& text);
VEXO_GRAPHICS_EXPORT int GetStrHeight(const TCanvas& canvas, const QString& text);

} // namespace vexo
