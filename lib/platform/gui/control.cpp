#include "platform/gui/control.h"

#include <QVariant>

namespace vexo {

namespace {
constexpr const char* HintProperty = "vexoHint";
constexpr const char* ShowHintProperty = "vexoShowHint";
constexpr const char* ParentShowHintProperty = "vexoParentShowHint";
} // namespace

void SetHint(QWidget* control, const QString& hint) {
    control->setProperty(HintProperty, hint);
}

QString Hint(const QWidget* control) {
    return control->property(HintProperty).toString();
}

void SetShowHint(QWidget* control, bool show) {
    control->setProperty(ShowHintProperty, show);
    control->setProperty(ParentShowHintProperty, false);
}

void SetParentShowHint(QWidget* control, bool parentShowHint) {
    control->setProperty(ParentShowHintProperty, parentShowHint);
}

bool ParentShowHint(const QWidget* control) {
    const QVariant v = control->property(ParentShowHintProperty);
    return v.isValid() ? v.toBool() : !control->isWindow();
}

bool ShowHint(const QWidget* control) {
    for (const QWidget* w = control; w; w = w->parentWidget()) {
        if (!ParentShowHint(w) || w->isWindow())
            return w->property(ShowHintProperty).toBool();
    }
    return false;
}

} // namespace vexo
