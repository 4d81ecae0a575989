#pragma once
// The published 3-D label.

#include "edits/vexocustomlabel.h"

namespace vexo {

class VEXO_EDITS_EXPORT TvexoLabel : public TvexoCustomLabel {
    Q_OBJECT
    Q_CLASSINFO("Default.Alive", "False")
    Q_PROPERTY(bool Alive READ Alive WRITE SetAlive)
    Q_PROPERTY(vexo::TColor ColorActive READ ColorActive WRITE SetColorActive)
    Q_PROPERTY(vexo::TFont* FontActive READ FontActive WRITE SetFontActive)
    Q_CLASSINFO("Default.FocusOffset", "2")
    Q_PROPERTY(int FocusOffset READ FocusOffset WRITE SetFocusOffset)
    Q_CLASSINFO("Default.Position", "wlpLeft")
    Q_PROPERTY(vexo::EditTypes::TvexoLabelPosition Position READ Position WRITE SetPosition)
    Q_PROPERTY(QWidget* FocusControl READ FocusControl WRITE SetFocusControl)
    Q_CLASSINFO("Default.AutoSize", "False")
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_CLASSINFO("Default.Alignment", "taLeftJustify")
    Q_PROPERTY(vexo::AlignmentTypes::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_CLASSINFO("Default.WordWrap", "True")
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_CLASSINFO("Default.Bevel", "True")
    Q_PROPERTY(bool Bevel READ Bevel WRITE SetBevel)
    Q_CLASSINFO("Default.BevelInner", "bvRaised")
    Q_PROPERTY(vexo::ControlTypes::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
    Q_CLASSINFO("Default.BevelOuter", "bvLowered")
    Q_PROPERTY(vexo::ControlTypes::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_CLASSINFO("Default.BorderWidth", "0")
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_CLASSINFO("Default.BevelWidth", "1")
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_CLASSINFO("Default.LightColor", "16777215")
    Q_PROPERTY(vexo::TColor LightColor READ LightColor WRITE SetLightColor)
    Q_CLASSINFO("Default.ShadowColor", "8421504")
    Q_PROPERTY(vexo::TColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    // The constructor's lpLeftTop is also the stream default, so an unwritten Light reads
    // back as it was.
    Q_CLASSINFO("Default.Light", "lpLeftTop")
    Q_PROPERTY(vexo::EditTypes::TLightPos Light READ Light WRITE SetLight)
    Q_CLASSINFO("Default.Height3D", "1")
    Q_PROPERTY(int Height3D READ Height3D WRITE SetHeight3D)
    VEXO_PUBLISH_ALIGN
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    VEXO_CONTROL_COLOR
    VEXO_PUBLISH_DRAGCURSOR
    VEXO_PUBLISH_DRAGMODE
    Q_CLASSINFO("Default.Enabled", "True")
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    VEXO_CONTROL_FONT
    Q_CLASSINFO("Default.Layout", "tlCenter")
    Q_PROPERTY(vexo::ControlTypes::TTextLayout Layout READ Layout WRITE SetLayout)
    VEXO_PUBLISH_PARENTCOLOR
    VEXO_PUBLISH_PARENTFONT
    VEXO_PUBLISH_PARENTSHOWHINT
    VEXO_PUBLISH_POPUPMENU
    VEXO_PUBLISH_SHOWHINT
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_CLASSINFO("Default.Visible", "True")
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    VEXO_PUBLISH_ONCLICK
    VEXO_PUBLISH_ONDBLCLICK
    VEXO_PUBLISH_ONDRAGDROP
    VEXO_PUBLISH_ONDRAGOVER
    VEXO_PUBLISH_ONENDDRAG
    VEXO_PUBLISH_MOUSE_EVENTS
    VEXO_PUBLISH_ONMOUSEENTER
    VEXO_PUBLISH_ONMOUSELEAVE
    Q_PROPERTY(vexo::TvexoLabelPaintEvent OnBeforePaint MEMBER OnBeforePaint)
    Q_PROPERTY(vexo::TvexoLabelPaintEvent OnAfterPaint MEMBER OnAfterPaint)
    VEXO_PUBLISH_ANCHORS
    VEXO_PUBLISH_BIDIMODE
    VEXO_PUBLISH_CONSTRAINTS
    VEXO_PUBLISH_DRAGKIND
    VEXO_PUBLISH_PARENTBIDIMODE
    VEXO_PUBLISH_ONCONTEXTPOPUP
    VEXO_PUBLISH_ONRESIZE
    VEXO_PUBLISH_DOCK_EVENTS

public:
    Q_INVOKABLE explicit TvexoLabel(vexo::TComponent* owner = nullptr);
    TvexoLabel(TComponent* owner, QWidget* parent);
};

} // namespace vexo
