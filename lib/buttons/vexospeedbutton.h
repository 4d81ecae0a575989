#pragma once
// The library's tool-bar button without a window: alone, sticky, or one of a group of
// buttons of the same parent in which at most one is down; flat (the bevel only under the
// mouse), transparent, with a glyph through a TButtonGlyph or an image of an image list, and
// a drop-down menu shown on press.

#include "buttons/buttonglyph.h"
#include "platform/gui/graphiccontrol.h"
#include "platform/gui/imagelist.h"
#include "platform/gui/popupmenu.h"
#include "platform/text/alignment.h"
#include "vexo/buttons_export.h"

namespace vexo {

class VEXO_BUTTONS_EXPORT TvexoSpeedButton : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_CLASSINFO("Default.Alignment", "taCenter")
    Q_PROPERTY(vexo::AlignmentTypes::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_CLASSINFO("Default.AllowAllUp", "False")
    Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)
    Q_PROPERTY(vexo::TImageList* Images READ Images WRITE SetImages)
    Q_CLASSINFO("Default.ImageIndex", "-1")
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_CLASSINFO("Default.GroupIndex", "0")
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
    Q_CLASSINFO("Default.Down", "False")
    Q_PROPERTY(bool Down READ Down WRITE SetDown)
    Q_PROPERTY(vexo::TPopupMenu* DropDownMenu READ DropDownMenu WRITE SetDropDownMenu)
    Q_CLASSINFO("Default.MenuPosition", "dmpBottom")
    Q_PROPERTY(vexo::ButtonTypes::TvexoDropDownMenuPos MenuPosition READ MenuPosition WRITE
                   SetMenuPosition)
    Q_CLASSINFO("Default.Flat", "False")
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
    Q_CLASSINFO("Default.Layout", "blGlyphLeft")
    Q_PROPERTY(vexo::ButtonTypes::TButtonLayout Layout READ Layout WRITE SetLayout)
    Q_CLASSINFO("Default.Margin", "-1")
    Q_PROPERTY(int Margin READ Margin WRITE SetMargin)
    Q_CLASSINFO("Default.NumGlyphs", "1")
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
    Q_CLASSINFO("Default.Spacing", "4")
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
    Q_CLASSINFO("Default.Transparent", "True")
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    VEXO_CONTROL_COLOR
    VEXO_CONTROL_FONT
    VEXO_CONTROL_STATE
    VEXO_PUBLISH_COMMON
    VEXO_PUBLISH_ONCLICK
    VEXO_PUBLISH_ONDBLCLICK

public:
    // 23 x 22, clBtnFace, capturing the mouse and taking double clicks.
    Q_INVOKABLE explicit TvexoSpeedButton(vexo::TComponent* owner = nullptr);
    TvexoSpeedButton(TComponent* owner, QWidget* parent);
    ~TvexoSpeedButton() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    TAlignment Alignment() const { return alignment_; }
    // Stored and repainted; the layout places the caption.
    void SetAlignment(TAlignment alignment);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allowAllUp);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    bool Down() const { return down_; }
    // Without a group always false; a down button of a group without AllowAllUp stays down.
    // Going down raises the other down button of the group.
    void SetDown(bool down);
    TPopupMenu* DropDownMenu() const { return dropDownMenu_; }
    void SetDropDownMenu(TPopupMenu* menu);
    TvexoDropDownMenuPos MenuPosition() const { return menuPosition_; }
    void SetMenuPosition(TvexoDropDownMenuPos position);
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    const TBitmap& Glyph() const { return glyph_.Glyph(); }
    void SetGlyph(const TBitmap* glyph);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return margin_; }
    // Values below -1 are refused.
    void SetMargin(int margin);
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    // Values above 4 are 4.
    void SetNumGlyphs(int value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    bool Transparent() const { return transparent_; }
    // Not transparent: the button paints every pixel (opaque control).
    void SetTransparent(bool transparent);

    // The paint state: bsUp, bsDown (pressed), bsExclusive (down in a group), bsDisabled.
    TButtonState State() const { return state_; }
    bool MouseInside() const { return mouseInside_; }

    // Tells the other buttons of the group (same parent, same GroupIndex) that this one went
    // down.
    void UpdateExclusive();
    // A flat button takes the mouse-inside state from where the cursor is now.
    void UpdateTracking();
    QPoint GetDropDownMenuPos() const;
    bool CheckMenuDropDown(QPoint pos, bool manual);

    Q_INVOKABLE bool ClickAssigned() const { return bool(OnClick); }
    TButtonGlyph& ButtonGlyph() { return glyph_; }

protected:
    void Paint() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DoMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    void MouseEnter() override;
    void MouseLeave() override;
    void EnabledChanged() override;
    void FontChanged() override;
    bool DialogChar(QChar ch) override;

private:
    // The group notice from `sender` (CM_BUTTONPRESSED).
    void ButtonPressed(int groupIndex, TvexoSpeedButton* sender);
    bool Inside(int x, int y) const;
    void BuildGlyphImage();

    TButtonGlyph glyph_;
    QString caption_;
    TAlignment alignment_ = taCenter;
    bool allowAllUp_ = false;
    TImageList* images_ = nullptr; // cleared by the free notification
    int imageIndex_ = -1;
    int groupIndex_ = 0;
    bool down_ = false;
    TPopupMenu* dropDownMenu_ = nullptr; // cleared by the free notification
    TvexoDropDownMenuPos menuPosition_ = dmpBottom;
    bool flat_ = false;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    bool transparent_ = true;
    TButtonState state_ = bsUp;
    bool tracking_ = false;
    bool mouseInside_ = false;
    bool menuShowing_ = false;
};

} // namespace vexo
