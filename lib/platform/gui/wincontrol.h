#pragma once
// A control with a window of its own in the framework's sense: it can take the keyboard focus,
// has a place in its parent's tab order, and gets key, enter and exit events.
//
// Keys follow the framework's order. For a key pressed in a window control: the form's
// OnKeyDown first when its KeyPreview is on, then the control's KeyDown; a key set to 0 stops
// there. Tab, Enter and Esc that the control does not want (WantsKey) then go to the form as
// dialog keys: Tab moves the focus in tab order, Enter reaches the focused or default button,
// Esc the cancel button; a used dialog key stops there. Then the typed character goes through
// the form's (KeyPreview) and the control's KeyPress, and what is left reaches the Qt widget.
// A character typed with Alt is no key press: it is offered to the form's controls as an
// accelerator (DialogChar) and never typed.
// Releases raise KeyUp the same way (auto-repeat releases are not reported).
//
// Enter and exit are the framework's: when the focus moves inside a form, every window control
// it leaves gets DoExit (innermost first, up to the control that holds both), every one it
// enters DoEnter (outermost first). Focus leaving or returning to the whole window raises
// neither.

#include <QList>
#include <QPointer>

#include "platform/gui/control.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TWinControl : public TControl {
public:
    ~TWinControl() override;

    static TWinControl* FromWidget(const QWidget* widget);

    // The index in the parent's tab order, -1 without a parent window control. Setting it
    // moves the control there (a value past the end puts it last, a negative one first).
    int TabOrder() const;
    void SetTabOrder(int order);
    // A tab stop is reached with Tab; without one the control still takes the focus when
    // clicked or set from code.
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool ctl3D);
    bool ParentCtl3D() const { return parentCtl3D_; }
    void SetParentCtl3D(bool parentCtl3D);
    TImeMode ImeMode() const { return imeMode_; }
    void SetImeMode(TImeMode mode) { imeMode_ = mode; }
    QString ImeName() const { return imeName_; }
    void SetImeName(const QString& name) { imeName_ = name; }

    // Visible and enabled up to its form (a control on no form cannot take the focus).
    bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();

    // The window controls inside this one in tab order, depth first.
    QList<TWinControl*> TabOrderList() const;
    // The next (or previous) control after `current` in this control's tab order list,
    // wrapping around, that can take the focus (and is a tab stop when asked, and a direct
    // child when asked); none when there is none.
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                 bool checkParent) const;
    // Focuses the next control after `current` (checkTabStop: among the tab stops).
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
    // Focuses this control's first tab stop, or the control itself when it has none.
    void SelectFirst();

    // The controls inside this one (nearest enclosing control), in the order they joined.
    int ControlCount() const;
    TControl* Controls(int index) const;
    QList<TControl*> ControlList() const;
    // The child control at `pos` (client coordinates), the topmost visible one; disabled ones
    // only when allowed. None when no child control is there.
    TControl* ControlAtPos(QPoint pos, bool allowDisabled) const;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

protected:
    TWinControl(QWidget* widget, TColor color, QPalette::ColorRole colorRole,
                QPalette::ColorRole textRole, bool parentColor = true);

    // CM_ENTER / CM_EXIT.
    virtual void DoEnter();
    virtual void DoExit();
    virtual void KeyDown(int& key, TShiftState shift);
    virtual void KeyPress(QChar& key);
    virtual void KeyUp(int& key, TShiftState shift);
    // WM_GETDLGCODE: whether the control takes Tab, Enter or Esc itself instead of leaving it
    // to the form as a dialog key. The default takes none of them.
    virtual bool WantsKey(int key, TShiftState shift) const;
    // The Qt focus policy for a tab stop or not; window controls built on Qt widgets keep
    // clicking as a way to focus them.
    virtual Qt::FocusPolicy FocusPolicyFor(bool tabStop) const;

private:
    friend class TControl;
    friend class TForm;
    friend class TFocusTracker;

    bool HandleKey(QObject* watched, QKeyEvent* event);
    void JoinTabParent();
    void LeaveTabParent();
    TWinControl* TabParent() const;
    void AddTabOrderList(QList<TWinControl*>& list) const;

    QList<QPointer<QWidget>> tabList_;
    QPointer<QWidget> tabParent_;
    bool tabStop_ = false;
    bool ctl3D_ = true;
    bool parentCtl3D_ = true;
    TImeMode imeMode_ = imDontCare;
    QString imeName_;
    bool redelivering_ = false;
};

} // namespace vexo
