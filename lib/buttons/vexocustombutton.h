#pragma once
// The library's owner-drawn push button: the platform's button with its own face colour,
// bevel colours and width, a two-cell (image | mask) glyph or an image-list image, a layout, a
// flat look, a click sound and paint events. It publishes nothing itself; its descendants
// (TvexoTransButton, TvexoBitBtn) publish what they use.

#include "buttons/buttontypes.h"
#include "graphics/gui/vexosound.h"
#include "platform/gui/button.h"
#include "platform/gui/imagelist.h"
#include "platform/image/bitmap.h"
#include "platform/image/canvas.h"
#include "vexo/buttons_export.h"

namespace vexo {

// (Sender, Canvas, Rect, IsDown, IsDefault); IsDefault carries whether the button has the
// keyboard focus.
using TvexoButtonPaintEvent = TEvent<QObject* /*Sender*/, TCanvas& /*Canvas*/,
                                     const TRect& /*Rect*/, bool /*IsDown*/, bool /*IsDefault*/>;

class VEXO_BUTTONS_EXPORT TvexoCustomButton : public TButton {
    Q_OBJECT

public:
    // Cursor crHandPoint, 75 x 24; the sound is the first TvexoSound of the owner when the
    // owner is a form.
    Q_INVOKABLE explicit TvexoCustomButton(vexo::TComponent* owner = nullptr);
    TvexoCustomButton(TComponent* owner, QWidget* parent);
    ~TvexoCustomButton() override;

    bool DrawFocus() const { return drawFocus_; }
    void SetDrawFocus(bool drawFocus);
    TImageList* Images() const { return images_; }
    // Repaints always; the list's removal clears it.
    void SetImages(TImageList* images);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    // Two cells side by side: the image (black where transparent) and its mask (white where
    // transparent).
    const TBitmap& Glyph() const { return glyph_; }
    // Takes a copy (none: empty).
    virtual void SetGlyph(const TBitmap* glyph);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    TvexoSound* Sound() const { return sound_; }
    void SetSound(TvexoSound* sound);
    // A wave file name, or "#" and the name of a wave resource; just stored.
    TWaveFileName ClickSound() const { return clickSound_; }
    void SetClickSound(const TWaveFileName& name) { clickSound_ = name; }
    TColor BottomColor() const { return bottomColor_; }
    void SetBottomColor(TColor color);
    TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(TColor color);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);

    // While the mouse is over a flat button.
    bool MouseUnderButton() const { return mouseUnder_; }
    // Whether the button is shown as the active one: it has the focus, or it is the default
    // button while the focus is on a control that is no button.
    bool GetFocused() const;

    // The click sound (through Sound), then the platform's click (modal result, OnClick).
    void Click() override;

    // Paints the button as it shows now into a bitmap of its size.
    TBitmap PaintToBitmap();

    TvexoButtonPaintEvent OnPaint;
    TvexoButtonPaintEvent OnAfterPaint;

protected:
    // The owner drawing of one paint: the state from enabled and pressed, DrawButton on the
    // client rectangle.
    virtual void DrawItem(TCanvas& canvas);
    void DoButtonPaint(TCanvas& canvas, const TRect& rect, bool isDown, bool isFocused);
    void DoButtonAfterPaint(TCanvas& canvas, const TRect& rect, bool isDown, bool isFocused);
    // The face, the glyph with the caption, OnAfterPaint and the focus rectangle; OnPaint
    // instead of all of it.
    virtual void DrawButton(TCanvas& canvas, TButtonState state, const TRect& rect, bool isDown,
                            bool isFocused);
    // Places and draws the glyph (or the image-list image) and the caption into `inner`.
    void DrawGlyphAndCaption(TCanvas& canvas, const TRect& inner);
    // The default-button look: shown as active when `isDefault`.
    virtual void SetButtonStyle(bool isDefault);
    bool IsDesigning() const { return ComponentState().testFlag(csDesigning); }

    void paintEvent(QPaintEvent* event) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void DoEnter() override;
    void DoExit() override;
    void ColorChanged() override;
    void FontChanged() override;
    void EnabledChanged() override;
    void Notification(TComponent* component, TOperation operation) override;

    bool focused_ = false;
    bool mouseUnder_ = false;

private:
    void FocusMoved(QWidget* now);

    QMetaObject::Connection focusWatch_;
    TBitmap buffer_;
    bool drawFocus_ = true;
    TImageList* images_ = nullptr; // cleared by the free notification
    int imageIndex_ = -1;
    bool flat_ = false;
    TBitmap glyph_;
    TButtonLayout layout_ = blGlyphLeft;
    TvexoSound* sound_ = nullptr; // cleared by the free notification
    TWaveFileName clickSound_;
    TColor bottomColor_ = clBlack;
    TColor highlightColor_ = clWhite;
    int bevelWidth_ = 1;
};

} // namespace vexo
