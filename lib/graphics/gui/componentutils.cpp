#include "graphics/gui/componentutils.h"

#include <QApplication>
#include <QMetaMethod>
#include <QWidget>

#include "platform/gui/wincontrol.h"
#include "platform/runtime/screen.h"
#include "platform/runtime/typinfo.h"

namespace vexo {

namespace {

QWidget* WidgetOf(const TComponent* component) {
    return component == nullptr ? nullptr : qobject_cast<QWidget*>(component->Object());
}

const QObject* ParentOrSelf(const QObject* control) {
    if (control == nullptr)
        return nullptr;
    const auto* widget = qobject_cast<const QWidget*>(control);
    if (widget != nullptr && widget->parentWidget() != nullptr)
        return widget->parentWidget();
    return control;
}

void Repaint(QObject* control) {
    if (auto* widget = qobject_cast<QWidget*>(control))
        widget->update();
}

bool TextMatches(QString property, QString value, TCompare compare) {
    if (!(compare & cmpCaseSensitive)) {
        property = property.toUpper();
        value = value.toUpper();
    }
    return (compare & cmpLike) ? property.contains(value) : property == value;
}

bool Matches(const TComponent* component, const QString& propName, const QVariant& value,
             TCompare compare) {
    const QObject* object = component->Object();
    const TPropInfo prop = GetPropInfo(object, propName);
    if (!prop.IsValid())
        return false;
    switch (prop.Kind()) {
    case tkInteger:
    case tkEnumeration: {
        bool ok = false;
        const qint32 wanted = value.toInt(&ok);
        return ok && qint32(GetOrdProp(object, prop)) == wanted;
    }
    case tkFloat: {
        bool ok = false;
        const double wanted = value.toDouble(&ok);
        return ok && GetFloatProp(object, prop) == wanted;
    }
    case tkString:
    case tkLString:
    case tkWString:
    case tkClass:
        return TextMatches(GetStrProp(object, prop), value.toString(), compare);
    default:
        return false;
    }
}

constexpr char kDesignInfo[] = "DesignInfo";
constexpr int kDesignIconSize = 26;

// The framework's drag-target search: the window control under the point, then down through
// the controls it contains.
TComponent* ControlAtScreen(const QPoint& point, QWidget* preferred) {
    QWidget* top = preferred != nullptr && preferred->frameGeometry().contains(point)
                       ? preferred
                       : QApplication::topLevelAt(point);
    TControl* control = top == nullptr ? nullptr : TControl::FromWidget(top);
    if (control == nullptr || !top->rect().contains(top->mapFromGlobal(point)))
        return nullptr;
    while (auto* container = dynamic_cast<TWinControl*>(control)) {
        TControl* child = container->ControlAtPos(container->ScreenToClient(point), true);
        if (child == nullptr)
            break;
        control = child;
    }
    return TComponent::FromObject(control->Widget());
}

} // namespace

void SetDesignInfo(TComponent* component, QPoint position) {
    if (component != nullptr)
        component->Object()->setProperty(kDesignInfo, position);
}

std::optional<QPoint> DesignInfo(const TComponent* component) {
    const QVariant value =
        component == nullptr ? QVariant() : component->Object()->property(kDesignInfo);
    if (!value.canConvert<QPoint>())
        return std::nullopt;
    return value.toPoint();
}

TComponent* FindComponentOnForm(const QPoint& point, TComponent* form, bool allowForm) {
    QWidget* formWidget = WidgetOf(form);
    if (formWidget == nullptr)
        return nullptr;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        TComponent* component = form->Components(i);
        const auto* widget = qobject_cast<const QWidget*>(component->Object());
        const std::optional<QPoint> design = DesignInfo(component);
        if ((widget != nullptr && TControl::FromWidget(widget) != nullptr) || !design)
            continue;
        const QRect square(formWidget->mapToGlobal(*design),
                           QSize(kDesignIconSize, kDesignIconSize));
        if (square.contains(point))
            return component;
    }
    TComponent* found = ControlAtScreen(point, formWidget);
    return found == form && !allowForm ? nullptr : found;
}

bool IsForm(const TComponent* component) {
    if (component == nullptr)
        return false;
    if (Screen().HasForm(component))
        return true;
    const QWidget* widget = WidgetOf(component);
    return widget != nullptr && widget->isWindow();
}

TComponent* GetOwnerForm(const TComponent* component) {
    for (TComponent* owner = component == nullptr ? nullptr : component->Owner(); owner != nullptr;
         owner = owner->Owner())
        if (IsForm(owner))
            return owner;
    return nullptr;
}

QWidget* GetOwnerFormWidget(const TComponent* component) {
    return WidgetOf(GetOwnerForm(component));
}

bool FormExists(const TComponent* form) {
    return form != nullptr && Screen().HasForm(form);
}

TComponent* FindForm(const QPoint& point) {
    for (int i = 0; i < Screen().FormCount(); ++i) {
        const QWidget* widget = WidgetOf(Screen().Forms(i));
        if (widget != nullptr && widget->frameGeometry().contains(point))
            return Screen().Forms(i);
    }
    return nullptr;
}

TComponent* FindComponentByProperty(TComponent* root, const QString& propName,
                                    const QVariant& value, TCompare compare) {
    if (root == nullptr)
        return nullptr;
    if (Matches(root, propName, value, compare))
        return root;
    for (int i = 0; i < root->ComponentCount(); ++i)
        if (Matches(root->Components(i), propName, value, compare))
            return root->Components(i);
    return nullptr;
}

TComponent* FindMenuItemByTag(const TComponent* component, qint32 tag) {
    return FindComponentByProperty(GetOwnerForm(component), QStringLiteral("Tag"), QVariant(tag),
                                   TCompare());
}

TComponent* FindMenuItemByHotChar(const TComponent* component, QChar ch) {
    return FindComponentByProperty(GetOwnerForm(component), QStringLiteral("Caption"),
                                   QVariant(QLatin1Char('&') + QString(ch)), cmpLike);
}

bool ClickAssigned(const QObject* control) {
    if (control == nullptr)
        return false;
    const int index = control->metaObject()->indexOfMethod("ClickAssigned()");
    if (index < 0)
        return false;
    bool assigned = false;
    control->metaObject()->method(index).invoke(const_cast<QObject*>(control), Qt::DirectConnection,
                                                Q_RETURN_ARG(bool, assigned));
    return assigned;
}

TColor GetControlColor(const QObject* control) {
    const TPropInfo prop = GetPropInfo(control, QStringLiteral("Color"));
    return prop.IsValid() ? TColor(GetOrdProp(control, prop)) : clBtnFace;
}

QObject* GetControlFont(const QObject* control) {
    return GetObjectProp(control, GetPropInfo(control, QStringLiteral("Font")));
}

TColor GetParentColor(const QObject* control) {
    return GetControlColor(ParentOrSelf(control));
}

QObject* GetParentFont(const QObject* control) {
    return GetControlFont(ParentOrSelf(control));
}

void SetControlColor(QObject* control, TColor color) {
    const TPropInfo prop = GetPropInfo(control, QStringLiteral("Color"));
    if (!prop.IsValid())
        return;
    SetOrdProp(control, prop, qint64(color));
    Repaint(control);
}

void SetControlFont(QObject* control, const QObject* font) {
    QObject* target = GetControlFont(control);
    if (target == nullptr || font == nullptr)
        return;
    for (const TPropInfo& prop : GetPropList(font)) {
        const TPropInfo into = GetPropInfo(target, prop.Name());
        if (into.IsValid() && into.Property().isWritable())
            into.Property().write(target, prop.Property().read(font));
    }
    Repaint(control);
}

void SetComponentState(TComponent* component, TComponentState state) {
    if (component != nullptr)
        component->SetComponentState(state);
}

} // namespace vexo
