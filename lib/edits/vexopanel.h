#pragma once
// A panel with a background bitmap tiled over its face (the library's DEFAULTPANEL pattern
// unless another is given), its bevels and its caption centred vertically.

#include "platform/gui/custompanel.h"
#include "platform/image/bitmap.h"
#include "vexo/edits_export.h"

namespace vexo {

class VEXO_EDITS_EXPORT TvexoPanel : public TCustomPanel {
    Q_OBJECT
    VEXO_PUBLISH_ALIGN
    Q_CLASSINFO("Default.Alignment", "taCenter")
    Q_PROPERTY(vexo::AlignmentTypes::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_CLASSINFO("Default.BevelInner", "bvNone")
    Q_PROPERTY(vexo::ControlTypes::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
    Q_CLASSINFO("Default.BevelOuter", "bvRaised")
    Q_PROPERTY(vexo::ControlTypes::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_CLASSINFO("Default.BevelWidth", "1")
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_CLASSINFO("Default.BorderWidth", "0")
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_CLASSINFO("Default.BorderStyle", "bsNone")
    Q_PROPERTY(vexo::ControlTypes::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    VEXO_PUBLISH_DRAGCURSOR
    VEXO_PUBLISH_DRAGMODE
    VEXO_CONTROL_STATE
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_CLASSINFO("Default.Color", "clBtnFace")
    VEXO_CONTROL_COLOR
    VEXO_PUBLISH_CTL3D
    VEXO_CONTROL_FONT
    Q_CLASSINFO("Default.Locked", "False")
    Q_PROPERTY(bool Locked READ Locked WRITE SetLocked)
    VEXO_PUBLISH_PARENTCOLOR
    VEXO_PUBLISH_PARENTCTL3D
    VEXO_PUBLISH_PARENTFONT
    VEXO_PUBLISH_PARENTSHOWHINT
    VEXO_PUBLISH_POPUPMENU
    VEXO_PUBLISH_SHOWHINT
    VEXO_PUBLISH_TABORDER
    VEXO_PUBLISH_TABSTOP
    VEXO_PUBLISH_ONCLICK
    VEXO_PUBLISH_ONDBLCLICK
    VEXO_PUBLISH_ONDRAGDROP
    VEXO_PUBLISH_ONDRAGOVER
    VEXO_PUBLISH_ONENDDRAG
    VEXO_PUBLISH_ONENTER
    VEXO_PUBLISH_ONEXIT
    VEXO_PUBLISH_MOUSE_EVENTS
    VEXO_PUBLISH_ANCHORS
    VEXO_PUBLISH_BIDIMODE
    VEXO_PUBLISH_CONSTRAINTS
    VEXO_PUBLISH_DRAGKIND
    VEXO_PUBLISH_PARENTBIDIMODE
    VEXO_PUBLISH_IMEMODE
    VEXO_PUBLISH_IMENAME
    VEXO_PUBLISH_ONCONTEXTPOPUP
    VEXO_PUBLISH_ONRESIZE
    VEXO_PUBLISH_DOCK_EVENTS

public:
    // The back image is the DEFAULTPANEL pattern.
    Q_INVOKABLE explicit TvexoPanel(vexo::TComponent* owner = nullptr);
    TvexoPanel(TComponent* owner, QWidget* parent);

    // The bitmap tiled over the face (kept by the panel). Drawing on it directly shows at the
    // next paint; SetBackImage repaints.
    TBitmap* BackImage() { return &backImage_; }
    // Copies `image`; none brings the DEFAULTPANEL pattern back. An image without pixels
    // leaves the face in Color.
    void SetBackImage(const TBitmap* image);

protected:
    // Outer bevel, band (in Color), inner bevel, the tiled face, then the caption.
    void Paint() override;

private:
    TBitmap backImage_;
};

} // namespace vexo
