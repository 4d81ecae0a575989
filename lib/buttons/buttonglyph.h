#pragma once
// A button's glyph: one bitmap of one to four equally wide cells side by side (up, disabled,
// down, exclusive) turned into a ready image per button state, kept in the image list shared
// by all glyphs of the same cell size, and drawn with the caption laid out beside it.

#include <QString>
#include <array>
#include <functional>

#include "buttons/buttontypes.h"
#include "platform/image/bitmap.h"
#include "platform/runtime/notifyevent.h"
#include "platform/runtime/types.h"
#include "vexo/buttons_export.h"

namespace vexo {

class TCanvas;
class TGlyphList;

class VEXO_BUTTONS_EXPORT TButtonGlyph {
public:
    // Makes the program's glyph cache if there is none.
    TButtonGlyph();
    // Gives the state images back; the last glyph that leaves the cache empty frees it.
    ~TButtonGlyph();
    TButtonGlyph(const TButtonGlyph&) = delete;
    TButtonGlyph& operator=(const TButtonGlyph&) = delete;

    const TBitmap& Glyph() const { return glyph_; }
    // Takes a copy of `value` (none: an empty glyph). A glyph at least one pixel high sets
    // MaskColor to its transparent colour (the bottom-left pixel, white for 1 bit per pixel)
    // and, when its width is a multiple of its height, NumGlyphs to width / height (more than
    // 4 square cells: 1); otherwise NumGlyphs stays.
    void SetGlyph(const TBitmap* value);
    // Changes the glyph in place and then handles the change (GlyphChanged): the platform's
    // bitmaps have no change notification of their own.
    void ChangeGlyph(const std::function<void(TBitmap&)>& edit);
    // After a change of the glyph: MaskColor from it, Invalidate, OnGlyphChange.
    void GlyphChanged();

    int NumGlyphs() const { return numGlyphs_; }
    // 0 and negative values are ignored, values above 4 are 4; a change drops the images.
    void SetNumGlyphs(int value);
    TColor FaceColor() const { return faceColor_; }
    // The owning button sets it before each paint; a change drops the images made on the old
    // colour.
    void SetFaceColor(TColor color);
    TColor MaskColor() const { return maskColor_; }
    void SetMaskColor(TColor color);

    // Gives every state's image back to the shared list and the list back to the cache.
    void Invalidate();
    // The slot of the state's image in SharedList, made on first use; -1 for an empty glyph.
    // bsDown with fewer than 3 cells is the up image.
    int CreateButtonGlyph(TButtonState state);
    // The state's image at (x, y): transparent (always for bsExclusive) or on FaceColor.
    void DrawButtonGlyph(TCanvas& canvas, int x, int y, TButtonState state, bool transparent);
    // The caption in `textBounds`: centred on one line, or, disabled, over its lines in white
    // one pixel down and right under the same in grey.
    void DrawButtonText(TCanvas& canvas, const QString& caption, const TRect& textBounds,
                        TButtonState state) const;
    // Where the glyph (top-left) and the caption's bounds go in `client` (see
    // CalcGlyphTextLayout); the caption is measured on the canvas, over its lines.
    void CalcButtonLayout(TCanvas& canvas, const TRect& client, const QString& caption,
                          TButtonLayout layout, int margin, int spacing, TPoint& glyphPos,
                          TRect& textBounds) const;
    // Lays out, draws glyph and caption, and returns the caption's bounds.
    TRect Draw(TCanvas& canvas, const TRect& client, const QString& caption, TButtonLayout layout,
               int margin, int spacing, TButtonState state, bool transparent);

    // One cell of the glyph.
    int CellWidth() const { return glyph_.Width() / numGlyphs_; }
    int CellHeight() const { return glyph_.Height(); }
    TGlyphList* SharedList() const { return sharedList_; }
    int StateIndex(TButtonState state) const { return stateIndex_[state]; }

    TNotifyEvent OnGlyphChange;

private:
    TColor faceColor_ = clBtnFace;
    TBitmap glyph_;
    TGlyphList* sharedList_ = nullptr;
    std::array<int, 4> stateIndex_{-1, -1, -1, -1};
    TColor maskColor_ = clOlive;
    int numGlyphs_ = 1;
};

} // namespace vexo
