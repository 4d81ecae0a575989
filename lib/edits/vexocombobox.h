#pragma once
// The published flat combo box.

#include "edits/vexocustomcombobox.h"
#include "edits/vexocustomlabel.h"

namespace vexo {

class VEXO_EDITS_EXPORT TvexoComboBox : public TvexoCustomComboBox {
    Q_OBJECT
    Q_CLASSINFO("Default.Style", "csDropDown")
    Q_PROPERTY(vexo::EditTypes::TComboBoxStyle Style READ Style WRITE SetStyle)
    VEXO_PUBLISH_ANCHORS
    VEXO_PUBLISH_BIDIMODE
    VEXO_PUBLISH_CONSTRAINTS
    VEXO_PUBLISH_DRAGKIND
    VEXO_PUBLISH_PARENTBIDIMODE
    VEXO_PUBLISH_ONCONTEXTPOPUP
    VEXO_PUBLISH_ONRESIZE
    VEXO_PUBLISH_DOCK_EVENTS
    VEXO_CONTROL_COLOR
    VEXO_PUBLISH_CTL3D
    VEXO_PUBLISH_DRAGCURSOR
    VEXO_PUBLISH_DRAGMODE
    Q_CLASSINFO("Default.DropDownCount", "8")
    Q_PROPERTY(int DropDownCount READ DropDownCount WRITE SetDropDownCount)
    VEXO_CONTROL_FONT
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_CLASSINFO("Default.MaxLength", "0")
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    VEXO_PUBLISH_PARENTCOLOR
    VEXO_PUBLISH_PARENTCTL3D
    VEXO_PUBLISH_PARENTFONT
    VEXO_PUBLISH_PARENTSHOWHINT
    VEXO_PUBLISH_POPUPMENU
    VEXO_PUBLISH_SHOWHINT
    Q_CLASSINFO("Default.Sorted", "False")
    Q_PROPERTY(bool Sorted READ Sorted WRITE SetSorted)
    VEXO_PUBLISH_TABORDER
    Q_CLASSINFO("Default.TabStop", "True")
    VEXO_PUBLISH_TABSTOP
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    VEXO_CONTROL_STATE
    Q_PROPERTY(vexo::TNotifyEvent OnChange MEMBER OnChange)
    VEXO_PUBLISH_ONCLICK
    VEXO_PUBLISH_ONDBLCLICK
    VEXO_PUBLISH_ONDRAGDROP
    VEXO_PUBLISH_ONDRAGOVER
    Q_PROPERTY(vexo::TDrawItemEvent OnDrawItem MEMBER OnDrawItem)
    Q_PROPERTY(vexo::TNotifyEvent OnDropDown MEMBER OnDropDown)
    VEXO_PUBLISH_ONENDDRAG
    VEXO_PUBLISH_ONENTER
    VEXO_PUBLISH_ONEXIT
    VEXO_PUBLISH_KEY_EVENTS
    Q_PROPERTY(vexo::TMeasureItemEvent OnMeasureItem MEMBER OnMeasureItem)
    VEXO_PUBLISH_ONSTARTDRAG
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(vexo::TvexoCustomLabel* LightLabel READ LightLabel WRITE SetLightLabel)

public:
    Q_INVOKABLE explicit TvexoComboBox(vexo::TComponent* owner = nullptr);
    TvexoComboBox(TComponent* owner, QWidget* parent);
};

} // namespace vexo
