#pragma once
// A self-painted check box or radio button: a flat glyph from the library's glyph strips, a
// caption that may wrap and is aligned horizontally and vertically, a hot look while the
// mouse is over it, an optional grayed third state, exclusivity among the radio buttons of
// one parent, a keyboard toggle and a one-step undo.

#include <memory>

#include "edits/edittypes.h"
#include "platform/gui/customcontrol.h"
#include "vexo/edits_export.h"

namespace vexo {

class TGroupBox;

class VEXO_EDITS_EXPORT TvexoCustomCheckBox : public TCustomControl {
    Q_OBJECT

public:
    // 75 x 14, a tab stop, unchecked check box, caption left-justified and centred vertically.
    Q_INVOKABLE explicit TvexoCustomCheckBox(vexo::TComponent* owner = nullptr);
    TvexoCustomCheckBox(TComponent* owner, QWidget* parent);
    ~TvexoCustomCheckBox() override;

    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool allow) { allowGrayed_ = allow; }
    bool Alive() const { return alive_; }
    void SetAlive(bool alive);
    TvexoCheckBoxType Style() const { return style_; }
    // A grayed box that becomes a radio button is unchecked without OnChange; a checked one
    // unchecks the other radio buttons of its parent.
    void SetStyle(TvexoCheckBoxType style);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    TvexoCheckAlign VertAlign() const { return vertAlign_; }
    void SetVertAlign(TvexoCheckAlign align);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    TFont* FontActive() const { return fontActive_.get(); }
    void SetFontActive(const TFont* font);

    TCheckBoxState State() const { return state_; }
    // Nothing happens for the same state, or cbGrayed on a radio button. A radio button
    // that becomes checked unchecks every other radio button of its parent (each through
    // SetChecked, so each fires OnChange); then OnChange.
    void SetState(TCheckBoxState state);
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }
    // With AllowGrayed unchecked -> grayed -> checked -> unchecked; otherwise checked and
    // unchecked alternate (grayed becomes unchecked).
    void ToggleCheck();
    // Swaps the checked value with the one kept for undo (at first unchecked), then OnUndo.
    virtual void Undo();

    // The glyph cell of the strips for a state, hot and enabled.
    static int GlyphIndex(TCheckBoxState state, bool hot, bool enabled);

    TNotifyEvent OnChange;
    TNotifyEvent OnUndo;

protected:
    virtual void Changed();
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(int& key, TShiftState shift) override;
    bool DialogChar(QChar ch) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void DoEnter() override;
    void DoExit() override;
    void FontChanged() override;
    void EnabledChanged() override;
    void ParentFontChanged() override;
    bool ControlEvent(QEvent* event) override;

private:
    // A click or the keyboard: a radio button only ever checks itself.
    void Activate();
    void UncheckRadioSiblings();

    bool allowGrayed_ = false;
    bool alive_ = false;
    bool undoValue_ = false;
    TvexoCheckBoxType style_ = btCheckBox;
    bool wordWrap_ = false;
    TvexoCheckAlign vertAlign_ = baCenter;
    QString caption_;
    TAlignment alignment_ = taLeftJustify;
    TCheckBoxState state_ = cbUnchecked;
    std::unique_ptr<TFont> fontActive_;
};

// The index, in the group box's list of child controls, of the first checked check box or
// radio button; 0 when none is checked.
VEXO_EDITS_EXPORT int GetGroupIndex(TGroupBox* box);
// Checks the child control at `index` when it is a check box or radio button.
VEXO_EDITS_EXPORT void SetGroupIndex(TGroupBox* box, int index);

} // namespace vexo
