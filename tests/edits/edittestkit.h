#pragma once
// Shared helpers of the edits tests: a shown, active form and pixel searches.

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/gui/form.h"
#include "platform/image/bitmap.h"
#include "platform/image/canvas.h"
#include "support/activeform.h"

namespace vexo::edittest {

inline TColor At(const TBitmap& b, int x, int y) {
    // PixelRgb is 0x00RRGGBB; a TColor has red in the low byte.
    const std::uint32_t v = b.PixelRgb(x, y);
    return TColor(((v >> 16) & 0xFF) | (v & 0xFF00) | ((v & 0xFF) << 16));
}

// The bounding box of the pixels of `color`; empty when there are none.
inline TRect InkBox(const TBitmap& b, TColor color) {
    TRect box = Rect(b.Width(), b.Height(), -1, -1);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (At(b, x, y) == color) {
                box.Left = qMin(box.Left, x);
                box.Top = qMin(box.Top, y);
                box.Right = qMax(box.Right, x + 1);
                box.Bottom = qMax(box.Bottom, y + 1);
            }
    return box.Right < 0 ? TRect{} : box;
}

inline bool Empty(const TRect& r) {
    return r.Width() <= 0 || r.Height() <= 0;
}

// The colours of a widget's screen image, as a bitmap.
inline TBitmap Grab(QWidget& w) {
    QApplication::processEvents();
    return BitmapFromQImage(w.grab().toImage());
}

// The widget's mouse enter or leave as the window system reports it.
inline void Hover(QWidget& w, bool inside) {
    QEvent event(inside ? QEvent::Enter : QEvent::Leave);
    QApplication::sendEvent(&w, &event);
}

} // namespace vexo::edittest
