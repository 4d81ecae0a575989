#pragma once
// A framed group of controls.

#include <QGroupBox>

#include "platform/gui/control.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TGroupBox : public QGroupBox {
    Q_OBJECT

public:
    explicit TGroupBox(QWidget* parent = nullptr) : QGroupBox(parent) {}
};

} // namespace vexo
