#include "platform/gui/control.h"

#include <QEvent>
#include <QVariant>

#include "platform/gui/streamparent.h"
#include "platform/image/canvas.h"

namespace vexo {

namespace {
constexpr const char* HintProperty = "vexoHint";
constexpr const char* ShowHintProperty = "vexoShowHint";
constexpr const char* ParentShowHintProperty = "vexoParentShowHint";
} // namespace

QWidget* VisualParent(TComponent* owner, QWidget* parent) {
    if (parent != nullptr || owner == nullptr)
        return parent;
    QObject* object = owner->Object();
    return object != nullptr && object->isWidgetType() ? static_cast<QWidget*>(object) : nullptr;
}

TControl::TControl(QWidget* widget, TColor color, QPalette::ColorRole colorRole,
                   QPalette::ColorRole textRole)
    : widget_(widget), color_(color), colorRole_(colorRole), textRole_(textRole),
      font_(std::make_unique<TFont>()) {
    // A control may be read from a component stream: it then joins its container there.
    InstallStreamParenting();
    AssignQFont(*font_, widget_->font());
    QObject::connect(font_.get(), &TFont::Changed, font_.get(), [this] {
        if (!applying_)
            ApplyFont();
    });
}

TControl::~TControl() = default;

TControl* TControl::FromWidget(const QWidget* widget) {
    return dynamic_cast<TControl*>(const_cast<QWidget*>(widget));
}

void TControl::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    ApplyColor();
}

void TControl::ApplyColor() {
    QPalette pal = widget_->palette();
    pal.setColor(colorRole_, ToQColor(color_));
    widget_->setPalette(pal);
    if (colorRole_ == QPalette::Window)
        widget_->setAutoFillBackground(true);
}

void TControl::SetFont(const TFont* font) {
    if (font != nullptr)
        font_->Assign(*font);
}

void TControl::ApplyFont() {
    applying_ = true;
    // Controls draw their text smoothed, as every other window does: aliased letters at the
    // classic small sizes are hard to tell apart. Only canvas output stays aliased.
    QFont font = ToQFont(*font_);
    font.setStyleStrategy(QFont::PreferAntialias);
    widget_->setFont(font);
    QPalette pal = widget_->palette();
    pal.setColor(textRole_, ToQColor(font_->Color()));
    widget_->setPalette(pal);
    applying_ = false;
}

void TControl::ControlChanged(const QEvent* event) {
    if (event->type() != QEvent::FontChange || applying_)
        return;
    applying_ = true;
    AssignQFont(*font_, widget_->font());
    applying_ = false;
}

bool TControl::Enabled() const {
    return !widget_->testAttribute(Qt::WA_ForceDisabled);
}

void TControl::SetEnabled(bool enabled) {
    widget_->setEnabled(enabled);
}

bool TControl::Visible() const {
    return widget_->isVisibleTo(widget_->parentWidget());
}

void TControl::SetVisible(bool visible) {
    widget_->setVisible(visible);
}

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
