#pragma once
// What every control of the framework shares: event types, the visual-parent rule of the
// constructors, colour and font as the platform's TColor and TFont, hints and their
// visibility, alignment. Controls are components named by their QObject objectName.
//
// Constructor convention of every control: `Q_INVOKABLE explicit TX(vexo::TComponent* owner =
// nullptr)` for the class registry, and `TX(vexo::TComponent* owner, QWidget* parent)`. The
// owner frees the control; the parent shows it. Without a parent a widget owner is the parent,
// so a control created by class name with a form as owner appears on that form.

#include <QPalette>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/runtime/component.h"
#include "platform/runtime/notifyevent.h"
#include "platform/runtime/types.h"
#include "platform/text/alignment.h"
#include "platform/text/font.h"
#include "vexo/platform_gui_export.h"

class QEvent;

namespace vexo {

using TMouseMoveEvent =
    std::function<void(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y)>;

enum TTextLayout { tlTop = 0, tlCenter = 1, tlBottom = 2 };

// Publishes a control's colour, font and state; put the lines a class has after
// VEXO_COMPONENT.
#define VEXO_CONTROL_COLOR Q_PROPERTY(vexo::TColor Color READ Color WRITE SetColor)
#define VEXO_CONTROL_FONT Q_PROPERTY(vexo::TFont* Font READ Font WRITE SetFont)
#define VEXO_CONTROL_STATE                                                                         \
    Q_CLASSINFO("Default.Enabled", "True")                                                         \
    Q_CLASSINFO("Default.Visible", "True")                                                         \
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)                                         \
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

// The visual parent of a new control: `parent` when given, else the owner when it is a
// widget, else none.
VEXO_PLATFORM_GUI_EXPORT QWidget* VisualParent(TComponent* owner, QWidget* parent);

// The control part of a widget class, a mixin like TComponent. It comes between the Qt base
// and TComponent, so that ~TComponent frees the owned components while the whole control
// still exists. Color fills one palette role of the widget; the Font is owned by the
// control, its changes go to the widget's QFont and its colour to the text role. The Font
// also follows the widget's QFont when that changes from outside (inherited from the visual
// parent, set through Qt) as long as the class passes its change events to ControlChanged.
class VEXO_PLATFORM_GUI_EXPORT TControl {
public:
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    // The control of a widget, or none when the widget is no framework control.
    static TControl* FromWidget(const QWidget* widget);
    QWidget* Widget() const { return widget_; }

    TColor Color() const { return color_; }
    // Stores the colour and fills the control's background (or text field) with it.
    void SetColor(TColor color);
    TFont* Font() const { return font_.get(); }
    // Copies `font` into the control's font; none changes nothing.
    void SetFont(const TFont* font);
    // The control's own flags, not those inherited from its parents.
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;
    void SetVisible(bool visible);

protected:
    // `colorRole` is the role Color fills (Window roles also switch on background filling),
    // `textRole` the one the font colour sets. The Font starts as the widget's QFont.
    TControl(QWidget* widget, TColor color, QPalette::ColorRole colorRole,
             QPalette::ColorRole textRole);
    // Apply Color or Font to the widget now (forms start with their colour and the classic
    // font this way).
    void ApplyColor();
    void ApplyFont();
    // Call from changeEvent before the Qt base.
    void ControlChanged(const QEvent* event);

private:
    QWidget* widget_;
    TColor color_;
    QPalette::ColorRole colorRole_;
    QPalette::ColorRole textRole_;
    std::unique_ptr<TFont> font_;
    bool applying_ = false; // our own setFont, or the Font taking the widget's QFont
};

// The hint text of a control (kept apart from Qt's tool tip, which the framework's own hint
// window replaces).
VEXO_PLATFORM_GUI_EXPORT void SetHint(QWidget* control, const QString& hint);
VEXO_PLATFORM_GUI_EXPORT QString Hint(const QWidget* control);
// ShowHint of a control; setting it also clears ParentShowHint.
VEXO_PLATFORM_GUI_EXPORT void SetShowHint(QWidget* control, bool show);
VEXO_PLATFORM_GUI_EXPORT void SetParentShowHint(QWidget* control, bool parentShowHint);
VEXO_PLATFORM_GUI_EXPORT bool ParentShowHint(const QWidget* control);
// The effective value: the control's own, or its parent's while ParentShowHint is set
// (controls start with ParentShowHint set, forms with ShowHint false).
VEXO_PLATFORM_GUI_EXPORT bool ShowHint(const QWidget* control);

} // namespace vexo
