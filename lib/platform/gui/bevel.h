#pragma once
// A bevelled line or frame drawn with the button highlight and shadow colours.

#include <QWidget>

#include "platform/gui/control.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TBevel : public QWidget {
    Q_OBJECT

public:
    enum TBevelShape { bsBox = 0, bsFrame = 1, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine };
    Q_ENUM(TBevelShape)
    enum TBevelStyle { bsLowered = 0, bsRaised = 1 };
    Q_ENUM(TBevelStyle)

    explicit TBevel(QWidget* parent = nullptr);

    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape shape);
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle style);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TBevelShape shape_ = bsBox;
    TBevelStyle style_ = bsLowered;
};

} // namespace vexo
