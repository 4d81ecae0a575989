#pragma once
// The published typed edit. The button's glyph is reached through BtnGlyph/SetBtnGlyph; it
// is no streamed property (the framework layer streams no bitmaps).

#include "edits/vexocustomlabel.h"
#include "graphics/gui/vexosound.h"
#include "platform/gui/imagelist.h"
#include "platform/gui/published.h"
#include "typed_edits/vexocustomedit.h"

namespace vexo {

class VEXO_TYPED_EDITS_EXPORT TvexoEdit : public TvexoCustomEdit {
    Q_OBJECT
    VEXO_COMPONENT
    VEXO_CONTROL
    VEXO_PUBLISH_ANCHORS
    VEXO_PUBLISH_BIDIMODE
    VEXO_PUBLISH_CONSTRAINTS
    VEXO_PUBLISH_DRAGKIND
    VEXO_PUBLISH_PARENTBIDIMODE
    Q_CLASSINFO("Default.CenterDialog", "True")
    Q_PROPERTY(bool CenterDialog READ CenterDialog WRITE SetCenterDialog)
    Q_PROPERTY(vexo::TImageList* Images READ Images WRITE SetImages)
    Q_CLASSINFO("Default.ImageIndex", "-1")
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    VEXO_PUBLISH_ALIGN
    Q_CLASSINFO("Default.Alignment", "taLeftJustify")
    Q_PROPERTY(vexo::AlignmentTypes::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_CLASSINFO("Default.AutoFill", "False")
    Q_PROPERTY(bool AutoFill READ AutoFill WRITE SetAutoFill)
    Q_PROPERTY(QString BtnHint READ BtnHint WRITE SetBtnHint)
    Q_CLASSINFO("Default.BtnNumGlyphs", "2")
    Q_PROPERTY(int BtnNumGlyphs READ BtnNumGlyphs WRITE SetBtnNumGlyphs)
    Q_CLASSINFO("Default.DirectEnter", "False")
    Q_PROPERTY(bool DirectEnter READ DirectEnter WRITE SetDirectEnter)
    Q_PROPERTY(QString DisplayFormat READ DisplayFormat WRITE SetDisplayFormat)
    Q_CLASSINFO("Default.RoundValue", "False")
    Q_PROPERTY(bool RoundValue READ RoundValue WRITE SetRoundValue)
    Q_CLASSINFO("Default.RoundDigits", "2")
    Q_PROPERTY(int RoundDigits READ RoundDigits WRITE SetRoundDigits)
    Q_CLASSINFO("Default.EditStyle", "weNormal")
    Q_PROPERTY(TvexoEditStyle EditStyle READ EditStyle WRITE SetEditStyle)
    Q_PROPERTY(vexo::TColor Shadow READ Shadow WRITE SetShadow)
    Q_PROPERTY(vexo::TColor HighLight READ HighLight WRITE SetHighLight)
    Q_CLASSINFO("Default.ShowMessage", "True")
    Q_PROPERTY(bool ShowMessage READ ShowMessage WRITE SetShowMessage)
    Q_PROPERTY(QString FromChars READ FromChars WRITE SetFromChars)
    Q_PROPERTY(QString ToChars READ ToChars WRITE SetToChars)
    Q_CLASSINFO("Default.ValueKind", "vkString")
    Q_PROPERTY(TValueKind ValueKind READ ValueKind WRITE SetValueKind)
    Q_PROPERTY(vexo::TvexoSound* Sound READ Sound WRITE SetSound)
    Q_PROPERTY(QString ErrorSound READ ErrorSound WRITE SetErrorSound)
    Q_CLASSINFO("Default.MayBeEmpty", "True")
    Q_PROPERTY(bool MayBeEmpty READ MayBeEmpty WRITE SetMayBeEmpty)
    Q_CLASSINFO("Default.MultiLine", "False")
    Q_PROPERTY(bool MultiLine READ MultiLine WRITE SetMultiLine)
    Q_CLASSINFO("Default.RightControl", "False")
    Q_PROPERTY(bool RightControl READ RightControl WRITE SetRightControl)
    Q_CLASSINFO("Default.HeightAuto", "True")
    Q_PROPERTY(bool HeightAuto READ HeightAuto WRITE SetHeightAuto)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_CLASSINFO("Default.CharCase", "ecNormal")
    Q_PROPERTY(TEditCharCase CharCase READ CharCase WRITE SetCharCase)
    VEXO_CONTROL_COLOR
    VEXO_CONTROL_FONT
    VEXO_CONTROL_STATE
    VEXO_PUBLISH_CTL3D
    VEXO_PUBLISH_DRAGCURSOR
    VEXO_PUBLISH_DRAGMODE
    Q_CLASSINFO("Default.MaxLength", "0")
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    VEXO_PUBLISH_PARENTCOLOR
    VEXO_PUBLISH_PARENTCTL3D
    VEXO_PUBLISH_PARENTFONT
    VEXO_PUBLISH_PARENTSHOWHINT
    Q_PROPERTY(QChar PasswordChar READ PasswordChar WRITE SetPasswordChar)
    Q_CLASSINFO("Default.ReadOnly", "False")
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    VEXO_PUBLISH_SHOWHINT
    VEXO_PUBLISH_TABORDER
    Q_PROPERTY(vexo::TNotifyEvent OnChange MEMBER OnChange)
    Q_PROPERTY(vexo::TvexoModifyEvent OnModify MEMBER OnModify)
    Q_PROPERTY(vexo::TvexoGetDisplayTextEvent OnGetDisplayText MEMBER OnGetDisplayText)
    Q_PROPERTY(vexo::TNotifyEvent OnRightClick MEMBER OnRightClick)
    Q_PROPERTY(vexo::TvexoCanExit CanExit MEMBER CanExit)
    VEXO_PUBLISH_ONCLICK
    VEXO_PUBLISH_ONDBLCLICK
    VEXO_PUBLISH_DRAG_EVENTS
    VEXO_PUBLISH_ONENTER
    VEXO_PUBLISH_ONEXIT
    VEXO_PUBLISH_KEY_EVENTS
    VEXO_PUBLISH_MOUSE_EVENTS
    Q_PROPERTY(vexo::TNotifyEvent OnUndo MEMBER OnUndo)
    VEXO_PUBLISH_ONCONTEXTPOPUP
    VEXO_PUBLISH_ONRESIZE
    VEXO_PUBLISH_DOCK_EVENTS
    Q_PROPERTY(QString Mask READ Mask WRITE SetMask)
    Q_CLASSINFO("Default.UseMask", "False")
    Q_PROPERTY(bool UseMask READ UseMask WRITE SetUseMask)
    Q_PROPERTY(QChar BlankChar READ BlankChar WRITE SetBlankChar)
    Q_PROPERTY(vexo::TvexoCustomLabel* LightLabel READ LightLabel WRITE SetLightLabel)
    Q_CLASSINFO("Default.FloatDigits", "0")
    Q_PROPERTY(int FloatDigits READ FloatDigits WRITE SetFloatDigits)

public:
    Q_INVOKABLE explicit TvexoEdit(vexo::TComponent* owner = nullptr);
    TvexoEdit(TComponent* owner, QWidget* parent);
    ~TvexoEdit() override;
};

} // namespace vexo
