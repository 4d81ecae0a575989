#include "typed_edits/editimages.h"

#include <QBitmap>
#include <QPixmap>

#include "platform/gui/imagelist.h"
#include "platform/image/bitmapresource.h"

namespace vexo {

TImageList* EditImages() {
    static TImageList* images = [] {
        auto* list = new TImageList(14, 12);
        list->AddMasked(LoadBitmapResource(QStringLiteral("VEXOEDITBMPS")), TColor(0xFFFF00));
        return list;
    }();
    return images;
}

QCursor EditHandCursor() {
    // Kept to the end of the process: a pixmap must not outlive the application object.
    static const QCursor* cursor = [] {
        QPixmap hand(QStringLiteral(":/vexo/bitmaps/POINTCURSOR.bmp"));
        hand.setMask(hand.createMaskFromColor(QColor(255, 0, 255)));
        return new QCursor(hand, 7, 2);
    }();
    return *cursor;
}

} // namespace vexo
