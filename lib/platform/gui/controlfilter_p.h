#pragma once
// The event filter that turns a control widget's Qt events into the framework's handling.

#include <QObject>

namespace vexo {

class TControl;

class TControlEventFilter : public QObject {
    Q_OBJECT

public:
    explicit TControlEventFilter(TControl* control) : control_(control) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TControl* control_;
};

} // namespace vexo
