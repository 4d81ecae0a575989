#pragma once
// The library's bitmap button: a TvexoCustomButton whose glyph goes through a TButtonGlyph
// (cells per state, layout with Margin and Spacing), with eleven standard kinds (glyph,
// caption, Default, Cancel, ModalResult), a rectangle or ellipse shape, a drop-down menu
// marked by a small triangle, and a flat mode that shows the face only under the mouse.

#include <memory>

#include "buttons/buttonglyph.h"
#include "buttons/vexocustombutton.h"
#include "platform/gui/popupmenu.h"

namespace vexo {

class VEXO_BUTTONS_EXPORT TvexoBitBtn : public TvexoCustomButton {
    Q_OBJECT
    Q_PROPERTY(bool Down READ Down WRITE SetDown)
    Q_PROPERTY(vexo::TPopupMenu* DropDownMenu READ DropDownMenu WRITE SetDropDownMenu)
    Q_CLASSINFO("Default.MenuPosition", "dmpBottom")
    Q_PROPERTY(vexo::ButtonTypes::TvexoDropDownMenuPos MenuPosition READ MenuPosition WRITE
                   SetMenuPosition)
    Q_CLASSINFO("Default.MarkDropDown", "True")
    Q_PROPERTY(bool MarkDropDown READ MarkDropDown WRITE SetMarkDropDown)
    VEXO_PUBLISH_PARENTCOLOR
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_CLASSINFO("Stored.Cancel", "IsCustom")
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_CLASSINFO("Stored.Default", "IsCustom")
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_CLASSINFO("Stored.ModalResult", "IsCustom")
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_CLASSINFO("Stored.Caption", "IsCustomCaption")
    Q_CLASSINFO("Default.Kind", "bkCustom")
    Q_PROPERTY(vexo::ButtonTypes::TBitBtnKind Kind READ Kind WRITE SetKind)
    Q_CLASSINFO("Default.Layout", "blGlyphLeft")
    Q_PROPERTY(vexo::ButtonTypes::TButtonLayout Layout READ Layout WRITE SetLayout)
    Q_CLASSINFO("Default.Margin", "-1")
    Q_PROPERTY(int Margin READ Margin WRITE SetMargin)
    Q_CLASSINFO("Default.NumGlyphs", "1")
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
    Q_CLASSINFO("Stored.NumGlyphs", "IsCustom")
    Q_CLASSINFO("Default.Style", "bsAutoDetect")
    Q_PROPERTY(vexo::ButtonTypes::TButtonStyle Style READ Style WRITE SetStyle)
    Q_CLASSINFO("Default.Spacing", "4")
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
    Q_CLASSINFO("Default.BtnType", "btRectangle")
    Q_PROPERTY(vexo::ButtonTypes::TvexoButtonType BtnType READ BtnType WRITE SetType)
    Q_PROPERTY(vexo::TColor BackColor READ BackColor WRITE SetBackColor)
    Q_CLASSINFO("Default.DrawFocus", "True")
    Q_PROPERTY(bool DrawFocus READ DrawFocus WRITE SetDrawFocus)
    Q_PROPERTY(vexo::TImageList* Images READ Images WRITE SetImages)
    Q_CLASSINFO("Default.ImageIndex", "-1")
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_CLASSINFO("Default.Flat", "False")
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
    VEXO_CONTROL_COLOR
    Q_PROPERTY(vexo::TvexoSound* Sound READ Sound WRITE SetSound)
    Q_PROPERTY(QString ClickSound READ ClickSound WRITE SetClickSound)
    Q_CLASSINFO("Default.Cursor", "-21")
    Q_PROPERTY(vexo::TvexoButtonPaintEvent OnPaint MEMBER OnPaint)
    Q_PROPERTY(vexo::TvexoButtonPaintEvent OnAfterPaint MEMBER OnAfterPaint)

public:
    // Style bsNew (the stored default is bsAutoDetect, so bsNew is written to streams).
    Q_INVOKABLE explicit TvexoBitBtn(vexo::TComponent* owner = nullptr);
    TvexoBitBtn(TComponent* owner, QWidget* parent);
    ~TvexoBitBtn() override;

    // The stored kind while the button still matches it (Default, Cancel, ModalResult, no
    // glyph of its own), else bkCustom.
    TBitBtnKind Kind() const;
    // A standard kind sets Default, Cancel, the caption (kept when loaded from a stream with
    // one of its own), ModalResult and the kind's shared two-cell glyph.
    void SetKind(TBitBtnKind kind);
    Q_INVOKABLE bool IsCustom() const { return Kind() == bkCustom; }
    // The caption differs (in letter case too) from the kind's.
    Q_INVOKABLE bool IsCustomCaption() const;

    const TBitmap& Glyph() const { return glyph_.Glyph(); }
    // Assigns to the glyph (which takes its mask colour and cell count) and marks it as the
    // button's own.
    void SetGlyph(const TBitmap* glyph) override;
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    // Values above 4 are 4.
    void SetNumGlyphs(int value);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return margin_; }
    // Values below -1 are refused.
    void SetMargin(int margin);
    int Spacing() const { return spacing_; }
    // Values below -1 are refused.
    void SetSpacing(int spacing);
    TButtonStyle Style() const { return style_; }
    void SetStyle(TButtonStyle style);
    TvexoButtonType BtnType() const { return btnType_; }
    void SetType(TvexoButtonType type);
    // The colour around the face; a change switches ParentColor off (not while loading).
    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor color);
    bool Down() const { return down_; }
    void SetDown(bool down);
    TPopupMenu* DropDownMenu() const { return dropDownMenu_; }
    void SetDropDownMenu(TPopupMenu* menu);
    TvexoDropDownMenuPos MenuPosition() const { return menuPosition_; }
    void SetMenuPosition(TvexoDropDownMenuPos position);
    bool MarkDropDown() const { return markDropDown_; }
    void SetMarkDropDown(bool mark);

    // Where the drop-down menu opens, in client coordinates.
    QPoint GetDropDownMenuPos() const;
    // Shows the drop-down menu at `pos`; see PopupDropDownMenu.
    bool CheckMenuDropDown(QPoint pos, bool manual);
    bool CheckBtnMenuDropDown();
    // The downward triangle of a drop-down button, 7 pixels wide, its top row at y - 1.
    void DrawPopupMark(TCanvas& canvas, int x, int y) const;

    // Help: the help context of the button or its nearest parent that has one, then no
    // click event (without any: the ordinary click). Close: closes the owner form, no click
    // event (without a form: the ordinary click).
    void Click() override;

    TButtonGlyph& ButtonGlyph() { return glyph_; }

protected:
    void DrawButton(TCanvas& canvas, TButtonState state, const TRect& rect, bool isDown,
                    bool isFocused) override;
    bool ControlEvent(QEvent* event) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DoMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // The platform button's own press handling, left out for a press that showed the menu
    // (the menu took the press: no click follows it).
    void mousePressEvent(QMouseEvent* event) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void ParentColorChanged() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void DrawEllipseButton(TCanvas& canvas, TButtonState state, bool isDown, bool isFocused);

    TButtonGlyph glyph_;
    TBitBtnKind kind_ = bkCustom;
    bool customGlyph_ = false;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    TButtonStyle style_ = bsNew;
    TvexoButtonType btnType_ = btRectangle;
    TColor backColor_ = clBtnFace;
    bool down_ = false;
    TPopupMenu* dropDownMenu_ = nullptr; // cleared by the free notification
    TvexoDropDownMenuPos menuPosition_ = dmpBottom;
    bool markDropDown_ = true;
    bool pressed_ = false;
    bool menuShowing_ = false;
    bool menuTookPress_ = false;
};

} // namespace vexo
