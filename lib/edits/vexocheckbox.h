#pragma once
// The published check box and radio button.

#include "edits/vexocustomcheckbox.h"

namespace vexo {

class VEXO_EDITS_EXPORT TvexoCheckBox : public TvexoCustomCheckBox {
    Q_OBJECT
    VEXO_PUBLISH_ANCHORS
    VEXO_PUBLISH_BIDIMODE
    VEXO_PUBLISH_CONSTRAINTS
    VEXO_PUBLISH_DRAGKIND
    VEXO_PUBLISH_PARENTBIDIMODE
    VEXO_PUBLISH_IMEMODE
    VEXO_PUBLISH_IMENAME
    Q_CLASSINFO("Default.AllowGrayed", "False")
    Q_PROPERTY(bool AllowGrayed READ AllowGrayed WRITE SetAllowGrayed)
    Q_CLASSINFO("Default.Alive", "False")
    Q_PROPERTY(bool Alive READ Alive WRITE SetAlive)
    Q_PROPERTY(vexo::TFont* FontActive READ FontActive WRITE SetFontActive)
    Q_CLASSINFO("Default.WordWrap", "False")
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_CLASSINFO("Default.VertAlign", "baCenter")
    Q_PROPERTY(vexo::EditTypes::TvexoCheckAlign VertAlign READ VertAlign WRITE SetVertAlign)
    // The constructor's taLeftJustify is also the stream default, so an unwritten Alignment
    // reads back as it was.
    Q_CLASSINFO("Default.Alignment", "taLeftJustify")
    Q_PROPERTY(vexo::AlignmentTypes::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    // Streamed through State.
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked STORED false)
    VEXO_CONTROL_COLOR
    VEXO_PUBLISH_CTL3D
    VEXO_PUBLISH_DRAGCURSOR
    VEXO_PUBLISH_DRAGMODE
    VEXO_CONTROL_FONT
    VEXO_PUBLISH_PARENTCOLOR
    VEXO_PUBLISH_PARENTCTL3D
    VEXO_PUBLISH_PARENTFONT
    VEXO_PUBLISH_PARENTSHOWHINT
    VEXO_PUBLISH_POPUPMENU
    VEXO_PUBLISH_SHOWHINT
    Q_CLASSINFO("Default.State", "cbUnchecked")
    Q_PROPERTY(vexo::EditTypes::TCheckBoxState State READ State WRITE SetState)
    Q_CLASSINFO("Default.Style", "btCheckBox")
    Q_PROPERTY(vexo::EditTypes::TvexoCheckBoxType Style READ Style WRITE SetStyle)
    VEXO_CONTROL_STATE
    VEXO_PUBLISH_ONCLICK
    VEXO_PUBLISH_ONDRAGDROP
    VEXO_PUBLISH_ONDRAGOVER
    VEXO_PUBLISH_ONENDDRAG
    VEXO_PUBLISH_ONENTER
    VEXO_PUBLISH_ONEXIT
    VEXO_PUBLISH_KEY_EVENTS
    VEXO_PUBLISH_MOUSE_EVENTS
    VEXO_PUBLISH_ONSTARTDRAG
    Q_PROPERTY(vexo::TNotifyEvent OnChange MEMBER OnChange)
    Q_PROPERTY(vexo::TNotifyEvent OnUndo MEMBER OnUndo)

public:
    Q_INVOKABLE explicit TvexoCheckBox(vexo::TComponent* owner = nullptr);
    TvexoCheckBox(TComponent* owner, QWidget* parent);
};

} // namespace vexo
