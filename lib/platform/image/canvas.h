#pragma once
// A drawing surface on a TBitmap's own pixel buffer with the classic GDI semantics:
// rectangles exclude their right and bottom edges, shapes are outlined with the pen and
// filled with the brush, and block transfers combine pixels with one of the 256 ternary
// raster operations (CopyMode) through RopBlt. Shapes and text are rasterised by QPainter
// into the buffer, aliased, as GDI draws them. Lines and shape outlines honour the pen's
// binary raster operation (TPen::Mode): outside pmCopy their coverage is rasterised into a
// mask and the covered pixels are combined by the same raster engine as block transfers.
//
// Beside the primitives the canvas offers what the classic window system drew on top of
// them: formatted text (DrawText with the DT_ flags of canvasflags.h), 3-D frames and edges,
// the focus rectangle and the push-button frame. They are built from the primitives here, so
// every pixel still goes through the one buffer and raster engine.

#include <QFlags>
#include <QFont>
#include <QImage>
#include <QList>
#include <QString>
#include <cstdint>

#include "platform/image/bitmap.h"
#include "platform/image/canvasflags.h"
#include "platform/runtime/types.h"
#include "platform/text/font.h"

namespace vexo {

// Standard raster-operation codes used by canvas callers.
constexpr std::uint32_t cmBlackness = 0x00000042;
constexpr std::uint32_t cmDstInvert = 0x00550009;
constexpr std::uint32_t cmSrcCopy = 0x00CC0020;
constexpr std::uint32_t cmSrcInvert = 0x00660046;
constexpr std::uint32_t cmSrcAnd = 0x008800C6;
constexpr std::uint32_t cmSrcPaint = 0x00EE0086;
constexpr std::uint32_t cmWhiteness = 0x00FF0062;

enum TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmXor };
enum TBrushStyle { bsSolid, bsClear };

// An RGB colour (red in the low byte) for any TColor: system colours come from the
// application palette when a GUI application runs, otherwise from the classic defaults.
VEXO_PLATFORM_EXPORT TColor ColorToRGB(TColor color);
VEXO_PLATFORM_EXPORT QColor ToQColor(TColor color);
VEXO_PLATFORM_EXPORT TColor FromQColor(const QColor& color);

// "MS Sans Serif" and the other classic Windows faces do not exist here; they map to a sans
// face with Cyrillic letters that is installed with the program's dependencies.
VEXO_PLATFORM_EXPORT QString MapFontFamily(const QString& name);

struct VEXO_PLATFORM_EXPORT TPen {
    TColor Color = clBlack;
    int Width = 1;
    // How lines and shape outlines combine with the pixels under them, bitwise on the raw
    // pixel values (palette indices on paletted bitmaps): pmBlack all bits 0, pmWhite all 1,
    // pmNop unchanged, pmNot inverted, pmCopy the pen colour, pmNotCopy its inverse, pmXor
    // pen XOR pixel. Every covered pixel changes once, so pmXor and pmNot undo themselves.
    // Brush fills and text output ignore it, as text does on GDI.
    TPenMode Mode = pmCopy;
};

struct VEXO_PLATFORM_EXPORT TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

// An aliased QFont of the font's face (mapped, see MapFontFamily) and pixel height; a height
// of 0 means the classic 11 pixels.
VEXO_PLATFORM_EXPORT QFont ToQFont(const TFont& font);
// Name, height and style of `font` from a QFont (colour and the rest stay).
VEXO_PLATFORM_EXPORT void AssignQFont(TFont& font, const QFont& qfont);

class VEXO_PLATFORM_EXPORT TCanvas {
public:
    // The canvas draws on `target`, which it does not own; without a target only text
    // measuring works and drawing does nothing.
    explicit TCanvas(TBitmap* target = nullptr);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TBitmap* Bitmap() const { return target_; }
    void SetBitmap(TBitmap* target) { target_ = target; }
    // The whole bitmap: (0, 0, Width, Height).
    TRect ClipRect() const;

    void FillRect(const TRect& rect);
    // A one-pixel frame inside `rect` in the brush colour.
    void FrameRect(const TRect& rect);
    // Outline with the pen inside `rect`, interior with the brush unless it is clear.
    void Rectangle(const TRect& rect);
    void MoveTo(int x, int y);
    // A line from the pen position up to, not including, (x, y).
    void LineTo(int x, int y);
    void Ellipse(const TRect& rect);
    // The wedge of the ellipse in `rect` from the radial line through `start`
    // counter-clockwise to the one through `end`.
    void Pie(const TRect& rect, TPoint start, TPoint end);
    // Lines with the pen from each point to the next; the last point is left out, as LineTo
    // leaves out its end, and the pen position stays. Pixels where segments meet change once,
    // so pmXor and pmNot still undo themselves.
    void Polyline(const QList<TPoint>& points);
    // The closed outline through the points with the pen, the inside (alternate filling)
    // with the brush unless it is clear.
    void Polygon(const QList<TPoint>& points);

    // Text with its cell's top-left at (x, y); the cell is filled with the brush unless it
    // is clear.
    void TextOut(int x, int y, const QString& text);
    // As TextOut, clipped to `clip`; a brush that is not clear fills the whole of `clip`
    // first.
    void TextRect(const TRect& clip, int x, int y, const QString& text);
    // As TextOut, clipped to `clip`, with the text line turned by `escapement` tenths of a
    // degree counter-clockwise around (x, y); the brush fills the turned cell.
    void TextRectRotated(const TRect& clip, int x, int y, const QString& text, int escapement);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    TSize TextExtent(const QString& text) const;

    // Formatted text inside `rect` in the font and its colour, each line's cell filled with
    // the brush unless it is clear, clipped to `rect` unless DT_NOCLIP. Flags (canvasflags.h):
    // DT_LEFT, DT_CENTER, DT_RIGHT; DT_VCENTER and DT_BOTTOM (single line only);
    // DT_SINGLELINE (line breaks are blanks); DT_WORDBREAK (lines broken between words to
    // fit the width, a longer word standing alone); DT_EXPANDTABS (tab stops every eight
    // average character widths; otherwise a tab is a blank); DT_NOPREFIX (otherwise "&x"
    // draws x underlined and "&&" an "&"); DT_END_ELLIPSIS and DT_PATH_ELLIPSIS (a line too
    // wide ends in "..." or loses the middle of its path, keeping the text after the last
    // "/" or "\"); DT_EXTERNALLEADING; DT_RTLREADING. With DT_CALCRECT nothing is drawn and
    // `rect` gets the extent: the right edge at left + the widest line, the bottom at top +
    // the text's height. Returns the text's height, or for a vertically placed single line
    // the distance from the top to its bottom.
    int DrawText(const QString& text, TRect& rect, unsigned flags);

    // The pixel's colour as RGB; clNone outside the bitmap.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // Block transfer from `source`'s `sourceRect` to `dest` on this canvas with CopyMode and
    // this canvas's brush as the pattern; the source is stretched (nearest pixel) when the
    // sizes differ. Both rectangles are clipped to their bitmaps.
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);
    void CopyRect(const TRect& dest, const TBitmap& source, const TRect& sourceRect);
    // As CopyRect with a plain copy, except that source pixels of `transparentColor` leave
    // the canvas as it was (none do for clNone).
    void TransparentCopy(const TRect& dest, const TBitmap& source, const TRect& sourceRect,
                         TColor transparentColor);
    // As CopyRect with a plain copy, except that source pixels of `color` become the brush
    // colour.
    void BrushCopy(const TRect& dest, const TBitmap& source, const TRect& sourceRect, TColor color);
    // The graphic with its top-left at (x, y), or stretched onto `dest`, as the graphic draws
    // itself: a bitmap in CopyMode, or transparently when it is Transparent.
    void Draw(int x, int y, const TGraphic& graphic);
    void StretchDraw(const TRect& dest, const TGraphic& graphic);

    // A frame of `width` one-pixel rings inside `rect`: top and left in `topColor`, bottom
    // and right in `bottomColor` (which also takes the top-right and bottom-left corners);
    // `rect` becomes the inside. The pen is left as it was.
    void Frame3D(TRect& rect, TColor topColor, TColor bottomColor, int width);
    // The edges of `edge` (an outer and an inner BDR_ line, or one) on the BF_ sides of
    // `rect`, in the 3-D system colours: raised outer cl3DLight / cl3DDkShadow, sunken outer
    // clBtnShadow / clBtnHighlight, raised inner clBtnHighlight / clBtnShadow, sunken inner
    // cl3DDkShadow / cl3DLight (top-left / bottom-right; BF_SOFT lightens the top-left of
    // raised and darkens that of sunken edges). BF_MIDDLE fills the inside with clBtnFace,
    // BF_ADJUST leaves `rect` as the inside. False for an edge without lines.
    bool DrawEdge(TRect& rect, unsigned edge, unsigned flags);
    // A dotted frame that inverts every other pixel of the rectangle's border: drawing it
    // twice restores the picture.
    void DrawFocusRect(const TRect& rect);
    // The push-button frame (DFC_BUTTON with DFCS_BUTTONPUSH; DFCS_PUSHED for the pressed
    // look, DFCS_ADJUSTRECT to leave `rect` as the inside); false, drawing nothing, for other
    // frame controls.
    bool DrawFrameControl(TRect& rect, unsigned type, unsigned state);

    TPen Pen;
    TBrush Brush;
    TFont Font;
    std::uint32_t CopyMode = cmSrcCopy;

private:
    template <typename Paint> void PaintWith(Paint&& paint);
    // A closed shape: `draw` is called with the pen and brush set up (pmCopy), or once for the
    // brush's interior and once into the pen's coverage mask (other pen modes).
    template <typename Trace> void PaintShape(Trace&& draw);
    // What becomes of the destination where the source has the key colour.
    enum class TKeyFill { None, Destination, Brush };
    void Transfer(const TRect& dest, const TBitmap& source, const TRect& sourceRect,
                  std::uint32_t rop, TKeyFill keyFill = TKeyFill::None, TColor key = clNone);

    TBitmap* target_ = nullptr;
    TPoint penPos_;
};

// The bitmap's colours as an RGB32 image (for showing it on a widget).
VEXO_PLATFORM_EXPORT QImage BitmapToQImage(const TBitmap& bitmap);
// A 24-bit bitmap of an image's colours, transparent parts laid onto `background`.
VEXO_PLATFORM_EXPORT TBitmap BitmapFromQImage(const QImage& image, TColor background = clBlack);
// The raw pixel value that represents `rgb` in the bitmap's format (the nearest palette
// entry for paletted depths).
VEXO_PLATFORM_EXPORT std::uint32_t RgbToPixelValue(const TBitmap& bitmap, TColor rgb);

} // namespace vexo
