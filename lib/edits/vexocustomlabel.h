#pragma once
// A label with 3-D text, an optional double bevel, a lit look (FontActive on ColorActive)
// while the mouse is over it or its linked edit has the focus, its focus control placed
// beside it, its own auto-size rule, and paint events before and after its painting.

#include <memory>

#include "edits/edittypes.h"
#include "platform/gui/customlabel.h"
#include "vexo/edits_export.h"

namespace vexo {

using TvexoLabelPaintEvent = TEvent<QObject* /*Sender*/, TCanvas* /*Canvas*/, TRect& /*Rect*/>;

class VEXO_EDITS_EXPORT TvexoCustomLabel : public TCustomLabel {
    Q_OBJECT

public:
    // 21 pixels high, transparent, text centred vertically, word wrap on, no auto-size;
    // ColorActive is the label's colour, FontActive a copy of its font.
    Q_INVOKABLE explicit TvexoCustomLabel(vexo::TComponent* owner = nullptr);
    TvexoCustomLabel(TComponent* owner, QWidget* parent);
    ~TvexoCustomLabel() override;

    bool Alive() const { return alive_; }
    void SetAlive(bool alive);
    int FocusOffset() const { return focusOffset_; }
    // Each of these three re-places the focus control.
    void SetFocusOffset(int offset);
    TvexoLabelPosition Position() const { return position_; }
    void SetPosition(TvexoLabelPosition position);
    void SetFocusControl(QWidget* control) override;
    TLightPos Light() const { return light_; }
    void SetLight(TLightPos light);
    // Depth of the 3-D effect; negative values are refused (the old value stays).
    int Height3D() const { return height3D_; }
    void SetHeight3D(int height);
    TColor LightColor() const { return lightColor_; }
    void SetLightColor(TColor color);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor color);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut cut);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut cut);
    // Widths below 0 are taken as 0.
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    // Draw the bevels and the band at all.
    bool Bevel() const { return bevel_; }
    void SetBevel(bool bevel);
    TFont* FontActive() const { return fontActive_.get(); }
    // Copies the font; unless loading, ParentFont goes off.
    void SetFontActive(const TFont* font);
    TColor ColorActive() const { return colorActive_; }
    // Unless loading, ParentColor goes off.
    void SetColorActive(TColor color);

    // The lit look; a linked edit or combo box switches it (only on while Alive).
    bool Lit() const { return lit_; }
    void SetLit(bool lit);

    // Puts the focus control beside the label standing at these bounds (see Position); not
    // when unlinked, without a focus control or when that has another parent.
    void MoveFocusControl(int left, int top, int width, int height);
    // Bounds first, then the focus control follows when any of them changed.
    void SetBounds(int left, int top, int width, int height) override;

    TvexoLabelPaintEvent OnBeforePaint;
    TvexoLabelPaintEvent OnAfterPaint;

protected:
    // The bevels, the background (unless transparent), then the caption as 3-D text; an
    // OnBeforePaint handler replaces all three. OnAfterPaint gets the text's rectangle.
    void Paint() override;
    virtual void BeforePaint(TCanvas* canvas, TRect& rect);
    virtual void AfterPaint(TCanvas* canvas, TRect& rect);
    // The caption's 3-D extent plus the insets and the bevels becomes the size.
    void AdjustBounds() override;
    void Loaded() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void ParentColorChanged() override;
    void ParentFontChanged() override;
    void Click() override;

private:
    void Repaint3D();

    bool alive_ = false;
    int focusOffset_ = 2;
    TvexoLabelPosition position_ = wlpLeft;
    TLightPos light_ = lpLeftTop;
    int height3D_ = 1;
    TColor lightColor_ = clWhite;
    TColor shadowColor_ = clGray;
    TBevelCut bevelInner_ = bvRaised;
    TBevelCut bevelOuter_ = bvLowered;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    bool bevel_ = true;
    std::unique_ptr<TFont> fontActive_;
    TColor colorActive_;
    bool lit_ = false;
    bool autoSizing_ = false;
};

} // namespace vexo
