#pragma once
// Component and form lookups and colour and font access on controls.
//
// A form is a component whose Qt object is a top-level widget or that is listed on the screen
// as a form. Controls publish their colour as the property Color and their font as the class
// property Font; a control tells whether its click event is set through an invokable
// `bool ClickAssigned() const`.

#include <QFlags>
#include <QPoint>
#include <QString>
#include <QVariant>
#include <optional>

#include "platform/runtime/component.h"
#include "platform/runtime/types.h"
#include "vexo/graphics_gui_export.h"

class QWidget;

namespace vexo {

enum TCompareOption { cmpLike = 0x1, cmpCaseSensitive = 0x2 };
Q_DECLARE_FLAGS(TCompare, TCompareOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TCompare)

VEXO_GRAPHICS_GUI_EXPORT bool IsForm(const TComponent* component);
// The nearest owner up the ownership chain (starting with component's own owner) that is a
// form; none when the chain ends.
VEXO_GRAPHICS_GUI_EXPORT TComponent* GetOwnerForm(const TComponent* component);
// The widget of GetOwnerForm, or none.
VEXO_GRAPHICS_GUI_EXPORT QWidget* GetOwnerFormWidget(const TComponent* component);
// True for a form listed on the screen.
VEXO_GRAPHICS_GUI_EXPORT bool FormExists(const TComponent* form);
// First of the screen's forms whose frame contains the screen point; none when no form does.
VEXO_GRAPHICS_GUI_EXPORT TComponent* FindForm(const QPoint& point);

// The design position of a component that is not a control (where a form designer put its
// icon), in its form's client coordinates; none when no position was recorded. Kept as the
// Qt object's dynamic property "DesignInfo", so a stream or a designer can set it.
VEXO_GRAPHICS_GUI_EXPORT void SetDesignInfo(TComponent* component, QPoint position);
VEXO_GRAPHICS_GUI_EXPORT std::optional<QPoint> DesignInfo(const TComponent* component);
// The non-control component of `form` whose 26 x 26 design square holds the screen point
// (ownership order), else the innermost control under the point, disabled ones included; the
// form itself only when allowForm. None when nothing is there.
VEXO_GRAPHICS_GUI_EXPORT TComponent* FindComponentOnForm(const QPoint& point, TComponent* form,
                                                         bool allowForm);

// Root itself, then each component Root owns (ownership order): the first whose published
// property propName matches value. Integers and enumerations compare ordinals, floats values,
// texts (string kinds and class properties read as text) upper-cased unless cmpCaseSensitive,
// by containment with cmpLike; other kinds never match.
VEXO_GRAPHICS_GUI_EXPORT TComponent* FindComponentByProperty(TComponent* root,
                                                             const QString& propName,
                                                             const QVariant& value,
                                                             TCompare compare);
// The component of component's owner form whose Tag equals tag.
VEXO_GRAPHICS_GUI_EXPORT TComponent* FindMenuItemByTag(const TComponent* component, qint32 tag);
// The first component of component's owner form whose Caption contains "&" + ch in any case.
VEXO_GRAPHICS_GUI_EXPORT TComponent* FindMenuItemByHotChar(const TComponent* component, QChar ch);

VEXO_GRAPHICS_GUI_EXPORT bool ClickAssigned(const QObject* control);
// The control's Color; clBtnFace for no control (or one without colour).
VEXO_GRAPHICS_GUI_EXPORT TColor GetControlColor(const QObject* control);
// The control's Font object; none for no control.
VEXO_GRAPHICS_GUI_EXPORT QObject* GetControlFont(const QObject* control);
// The same for the control's parent widget, or for the control itself without a parent.
VEXO_GRAPHICS_GUI_EXPORT TColor GetParentColor(const QObject* control);
VEXO_GRAPHICS_GUI_EXPORT QObject* GetParentFont(const QObject* control);
// Stores the colour and repaints; nothing for no control.
VEXO_GRAPHICS_GUI_EXPORT void SetControlColor(QObject* control, TColor color);
// Copies font's published properties into the control's font and repaints; nothing unless
// both are given.
VEXO_GRAPHICS_GUI_EXPORT void SetControlFont(QObject* control, const QObject* font);
// Overwrites the component's state set.
VEXO_GRAPHICS_GUI_EXPORT void SetComponentState(TComponent* component, TComponentState state);

} // namespace vexo
