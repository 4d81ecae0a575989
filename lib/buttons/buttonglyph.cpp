#include "buttons/buttonglyph.h"

#include <algorithm>

#include "buttons/buttonface_p.h"
#include "buttons/buttonlayout.h"
#include "buttons/embossedglyph.h"
#include "buttons/glyphcache_p.h"
#include "platform/image/canvas.h"

namespace vexo {

TButtonGlyph::TButtonGlyph() {
    TakeGlyphCache();
}

TButtonGlyph::~TButtonGlyph() {
    Invalidate();
    ReleaseGlyphCacheIfEmpty();
}

void TButtonGlyph::SetGlyph(const TBitmap* value) {
    Invalidate();
    glyph_ = value ? *value : TBitmap();
    if (value == nullptr || value->Height() < 1)
        return;
    maskColor_ = value->TransparentColor();
    if (value->Width() % value->Height() == 0) {
        int n = value->Width() / value->Height();
        if (n > 4)
            n = 1;
        SetNumGlyphs(n);
    }
}

void TButtonGlyph::ChangeGlyph(const std::function<void(TBitmap&)>& edit) {
    edit(glyph_);
    GlyphChanged();
}

void TButtonGlyph::GlyphChanged() {
    maskColor_ = glyph_.TransparentColor();
    Invalidate();
    if (OnGlyphChange)
        OnGlyphChange(nullptr);
}

void TButtonGlyph::SetNumGlyphs(int value) {
    value = std::min(value, 4);
    if (value <= 0 || value == numGlyphs_)
        return;
    Invalidate();
    numGlyphs_ = value;
}

void TButtonGlyph::SetFaceColor(TColor color) {
    if (color == faceColor_)
        return;
    Invalidate();
    faceColor_ = color;
}

void TButtonGlyph::SetMaskColor(TColor color) {
    if (color == maskColor_)
        return;
    Invalidate();
    maskColor_ = color;
}

void TButtonGlyph::Invalidate() {
    for (int& index : stateIndex_)
        if (index != -1) {
            sharedList_->Delete(index);
            index = -1;
        }
    if (GlyphCache() != nullptr)
        GlyphCache()->ReturnList(sharedList_);
    sharedList_ = nullptr;
}

int TButtonGlyph::CreateButtonGlyph(TButtonState state) {
    if (state == bsDown && numGlyphs_ < 3)
        state = bsUp;
    if (stateIndex_[state] != -1)
        return stateIndex_[state];
    const int w = CellWidth(), h = CellHeight();
    if (w == 0 || h == 0)
        return -1;
    if (sharedList_ == nullptr)
        sharedList_ = TakeGlyphCache().GetList(w, h);

    TBitmap image(w, h, 24);
    TCanvas canvas(&image);
    canvas.Brush.Color = faceColor_;
    canvas.FillRect(canvas.ClipRect());
    const int cell = state < numGlyphs_ ? int(state) : 0;
    const TRect source = Rect(cell * w, 0, (cell + 1) * w, h);
    const TRect dest = Rect(0, 0, w, h);
    int index = -1;
    switch (state) {
    case bsUp:
    case bsDown:
        canvas.BrushCopy(dest, glyph_, source, maskColor_);
        index = sharedList_->AddMasked(image, ColorToRGB(faceColor_));
        break;
    case bsExclusive:
        canvas.CopyRect(dest, glyph_, source);
        index = sharedList_->AddMasked(image, maskColor_);
        break;
    case bsDisabled:
        if (numGlyphs_ > 1) {
            canvas.BrushCopy(dest, glyph_, Rect(w, 0, 2 * w, h), maskColor_);
            index = sharedList_->Add(image, nullptr);
        } else {
            index =
                sharedList_->Add(CreateEmbossedGlyph(glyph_, w, maskColor_, faceColor_), nullptr);
        }
        break;
    }
    stateIndex_[state] = index;
    return index;
}

void TButtonGlyph::DrawButtonGlyph(TCanvas& canvas, int x, int y, TButtonState state,
                                   bool transparent) {
    if (glyph_.Width() == 0 || glyph_.Height() == 0)
        return;
    const int index = CreateButtonGlyph(state);
    if (index == -1)
        return;
    if (transparent || state == bsExclusive)
        sharedList_->DrawWith(canvas, x, y, index, clNone, clNone, TImageList::dsTransparent,
                              TImageList::itImage);
    else
        sharedList_->DrawWith(canvas, x, y, index, ColorToRGB(faceColor_), clNone,
                              TImageList::dsNormal, TImageList::itImage);
}

void TButtonGlyph::DrawButtonText(TCanvas& canvas, const QString& caption, const TRect& textBounds,
                                  TButtonState state) const {
    canvas.Brush.Style = bsClear;
    TRect r = textBounds;
    if (state == bsDisabled) {
        r = Moved(r, 1, 1);
        canvas.Font.SetColor(clWhite);
        canvas.DrawText(caption, r, 0);
        r = textBounds;
        canvas.Font.SetColor(clGray);
        canvas.DrawText(caption, r, 0);
    } else {
        canvas.DrawText(caption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

void TButtonGlyph::CalcButtonLayout(TCanvas& canvas, const TRect& client, const QString& caption,
                                    TButtonLayout layout, int margin, int spacing, TPoint& glyphPos,
                                    TRect& textBounds) const {
    TRect measured = Rect(0, 0, 0, 0);
    if (!caption.isEmpty()) {
        measured = Rect(0, 0, client.Width(), 0);
        canvas.DrawText(caption, measured, DT_CALCRECT);
    }
    const TGlyphTextLayout at =
        CalcGlyphTextLayout(client, CellWidth(), CellHeight(), measured, layout, margin, spacing);
    glyphPos = at.GlyphPos;
    textBounds = at.TextBounds;
}

TRect TButtonGlyph::Draw(TCanvas& canvas, const TRect& client, const QString& caption,
                         TButtonLayout layout, int margin, int spacing, TButtonState state,
                         bool transparent) {
    TPoint glyphPos;
    TRect textBounds;
    CalcButtonLayout(canvas, client, caption, layout, margin, spacing, glyphPos, textBounds);
    DrawButtonGlyph(canvas, glyphPos.X, glyphPos.Y, state, transparent);
    DrawButtonText(canvas, caption, textBounds, state);
    return textBounds;
}

} // namespace vexo
