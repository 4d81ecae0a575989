#pragma once
// A control that shows a picture; with AutoSize it takes the picture's size.

#include <QImage>
#include <QWidget>

#include "platform/gui/control.h"
#include "platform/image/canvas.h"
#include "platform/image/picture.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TImage : public QWidget, public TControl, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    VEXO_CONTROL
    Q_CLASSINFO("Default.AutoSize", "False")
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    VEXO_CONTROL_STATE
    VEXO_PUBLISH_COMMON
    VEXO_PUBLISH_ONCLICK
    VEXO_PUBLISH_ONDBLCLICK

public:
    Q_INVOKABLE explicit TImage(vexo::TComponent* owner = nullptr);
    TImage(TComponent* owner, QWidget* parent);

    TPicture& Picture() { return picture_; }
    // Call after changing the picture's graphic: resizes (AutoSize) and repaints.
    void PictureChanged();
    // A drawing surface on the picture's bitmap; raises EInvalidGraphicOperation when the
    // picture holds another kind of graphic.
    TCanvas& Canvas();
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    // Convenience: a bitmap picture made from an image (a compiled-in glyph, for instance);
    // transparent parts take the button-face colour the control stands on.
    void SetImage(const QImage& image);
    Q_INVOKABLE bool ClickAssigned() const { return bool(OnClick); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TPicture picture_;
    TCanvas canvas_;
    bool autoSize_ = false;
};

} // namespace vexo
