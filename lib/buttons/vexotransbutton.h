#pragma once
// A push button that shows its parent's background through its face: the look of the parent
// (and of the window-less controls under the button) is captured before each paint, and the
// bevel, glyph and caption are drawn over it. Five standard kinds set glyph, caption, Default,
// Cancel and ModalResult at once.

#include "buttons/vexocustombutton.h"

namespace vexo {

class VEXO_BUTTONS_EXPORT TvexoTransButton : public TvexoCustomButton {
    Q_OBJECT
    VEXO_PUBLISH_ALIGN
    Q_CLASSINFO("Default.DrawFocus", "True")
    Q_PROPERTY(bool DrawFocus READ DrawFocus WRITE SetDrawFocus)
    Q_PROPERTY(vexo::TImageList* Images READ Images WRITE SetImages)
    Q_CLASSINFO("Default.ImageIndex", "-1")
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_CLASSINFO("Default.Kind", "sbCustom")
    Q_PROPERTY(vexo::ButtonTypes::TvexoButtonKind Kind READ Kind WRITE SetKind)
    Q_CLASSINFO("Default.BevelWidth", "1")
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_CLASSINFO("Default.HighlightColor", "16777215")
    Q_PROPERTY(vexo::TColor HighlightColor READ HighlightColor WRITE SetHighlightColor)
    Q_CLASSINFO("Default.BottomColor", "8421504")
    Q_PROPERTY(vexo::TColor BottomColor READ BottomColor WRITE SetBottomColor)
    Q_PROPERTY(vexo::TvexoSound* Sound READ Sound WRITE SetSound)
    Q_PROPERTY(QString ClickSound READ ClickSound WRITE SetClickSound)
    Q_CLASSINFO("Default.Cursor", "-21")
    Q_CLASSINFO("Default.Layout", "blGlyphLeft")
    Q_PROPERTY(vexo::ButtonTypes::TButtonLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
    Q_PROPERTY(vexo::TvexoButtonPaintEvent OnPaint MEMBER OnPaint)
    Q_PROPERTY(vexo::TvexoButtonPaintEvent OnAfterPaint MEMBER OnAfterPaint)

public:
    Q_INVOKABLE explicit TvexoTransButton(vexo::TComponent* owner = nullptr);
    TvexoTransButton(TComponent* owner, QWidget* parent);
    ~TvexoTransButton() override;

    TvexoButtonKind Kind() const { return kind_; }
    // sbOk .. sbClose: the kind's glyph, Default (OK, Yes), Cancel (Cancel, No), caption
    // (kept when loaded from a stream with a caption of its own) and ModalResult; sbCustom
    // only clears ModalResult.
    void SetKind(TvexoButtonKind kind);

    // The captured look of what lies under the button, as of the last paint.
    const TBitmap& Background() const { return background_; }

    void Click() override;
    void SetBounds(int left, int top, int width, int height) override;

protected:
    void DrawItem(TCanvas& canvas) override;
    void DrawButton(TCanvas& canvas, TButtonState state, const TRect& rect, bool isDown,
                    bool isFocused) override;
    void DoEnter() override;
    void DoExit() override;

private:
    // Paints the parent's look under the button, then the window-less controls that come
    // before it and overlap it, into the background bitmap.
    void CaptureParentImage();

    TvexoButtonKind kind_ = sbCustom;
    TBitmap background_;
};

} // namespace vexo
