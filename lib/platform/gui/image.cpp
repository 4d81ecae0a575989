#include "platform/gui/image.h"

#include <QPainter>

#include "platform/image/jpegimage.h"

namespace vexo {

TImage::TImage(TComponent* owner) : TImage(owner, nullptr) {}

TImage::TImage(TComponent* owner, QWidget* parent)
    : QWidget(VisualParent(owner, parent)),
      TControl(this, clBtnFace, QPalette::Window, QPalette::WindowText), TComponent(this, owner) {}

void TImage::SetAutoSize(bool autoSize) {
    if (autoSize == autoSize_)
        return;
    autoSize_ = autoSize;
    PictureChanged();
}

void TImage::PictureChanged() {
    if (autoSize_ && picture_.Graphic() && !picture_.Graphic()->Empty())
        resize(picture_.Width(), picture_.Height());
    update();
}

TCanvas& TImage::Canvas() {
    canvas_.SetBitmap(&picture_.Bitmap());
    return canvas_;
}

void TImage::SetImage(const QImage& image) {
    picture_.SetGraphic(std::make_unique<TBitmap>(BitmapFromQImage(image, clBtnFace)));
    PictureChanged();
}

void TImage::paintEvent(QPaintEvent*) {
    const TGraphic* g = picture_.Graphic();
    if (!g || g->Empty())
        return;
    QPainter p(this);
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(g))
        p.drawImage(0, 0, BitmapToQImage(*bitmap));
    else if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(g))
        p.drawImage(0, 0, jpeg->Image());
}

} // namespace vexo
