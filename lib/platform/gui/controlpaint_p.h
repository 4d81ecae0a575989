#pragma once
// The off-screen surface of self-painted controls: Paint draws on a bitmap of the control's
// size through the platform's canvas, which is then shown on the widget. Before Paint the
// bitmap holds what the control stands on: its parent's look (graphic controls) or its
// Color (controls with a window); an opaque control paints every pixel itself.

#include <QWidget>

#include "platform/image/bitmap.h"
#include "platform/image/canvas.h"
#include "platform/runtime/types.h"

namespace vexo {

class TPaintBuffer {
public:
    TCanvas& Canvas();
    TBitmap& Bitmap() { return bitmap_; }

    enum class TBackground { ParentLook, Color, None };
    // Sizes the bitmap to the widget and lays the background into it. A widget too large
    // for a bitmap gets an empty one: drawing on it does nothing.
    void Prepare(QWidget* widget, TBackground background, TColor color);
    // Shows the bitmap on the widget (call inside its paint event).
    void Show(QWidget* widget) const;
    // The canvas for drawing outside a paint cycle: on the bitmap, sized to the widget.
    TCanvas& CanvasFor(QWidget* widget, TColor color);
    // One paint cycle: the background (none for opaque controls, else `background`), then
    // `paint`.
    template <class Paint>
    void Run(QWidget* widget, bool opaque, TBackground background, TColor color, Paint&& paint) {
        Prepare(widget, opaque ? TBackground::None : background, color);
        paint();
    }

private:
    TBitmap bitmap_;
    TCanvas canvas_;
};

} // namespace vexo
