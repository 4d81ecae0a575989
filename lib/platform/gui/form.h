#pragma once
// A top-level window built from code and a component: it owns the controls on it (whatever
// their visual parent), joins the screen's form list while it lives, and has a caption, a
// colour, a font, a border style, a position on first showing, outer bounds, modal showing
// with a modal result, and the show, close-query and destroy events.
//
// As the framework's forms it is the window control its controls' keys go through: with
// KeyPreview its OnKeyDown, OnKeyPress and OnKeyUp see every key before the focused control,
// it moves the focus on Tab and hands Enter and Esc to its default and cancel buttons
// (DialogKey), and it raises its main menu's short cuts.

#include <QEventLoop>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "platform/gui/mainmenu.h"
#include "platform/gui/messagebox.h"
#include "platform/gui/wincontrol.h"
#include "platform/runtime/component.h"
#include "platform/runtime/types.h"

namespace vexo {

using TCloseQueryEvent = TEvent<QObject* /*Sender*/, bool& /*CanClose*/>;

class VEXO_PLATFORM_GUI_EXPORT TForm : public QWidget, public TWinControl, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    VEXO_CONTROL
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    VEXO_CONTROL_COLOR
    VEXO_CONTROL_FONT
    Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth STORED false)
    Q_PROPERTY(int ClientHeight READ ClientHeight WRITE SetClientHeight STORED false)
    Q_CLASSINFO("Default.KeyPreview", "False")
    Q_PROPERTY(bool KeyPreview READ KeyPreview WRITE SetKeyPreview)
    Q_PROPERTY(QWidget* ActiveControl READ ActiveControl WRITE SetActiveControl)
    Q_PROPERTY(vexo::TMainMenu* Menu READ Menu WRITE SetMenu)
    VEXO_PUBLISH_SHOWHINT
    VEXO_PUBLISH_POPUPMENU
    Q_CLASSINFO("Default.BorderStyle", "bsSizeable")
    Q_CLASSINFO("Default.Position", "poDesigned")
    Q_PROPERTY(TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(TPosition Position READ Position WRITE SetPosition)
    Q_CLASSINFO("Default.WindowState", "wsNormal")
    Q_PROPERTY(TWindowState WindowState READ WindowState WRITE SetWindowState)
    VEXO_PUBLISH_ONCLICK
    VEXO_PUBLISH_ONDBLCLICK
    VEXO_PUBLISH_ONMOUSEDOWN
    VEXO_PUBLISH_ONMOUSEMOVE
    VEXO_PUBLISH_ONMOUSEUP
    VEXO_PUBLISH_ONKEYDOWN
    VEXO_PUBLISH_ONKEYPRESS
    VEXO_PUBLISH_ONKEYUP
    VEXO_PUBLISH_ONRESIZE
    VEXO_PUBLISH_ONCONTEXTPOPUP
    Q_PROPERTY(vexo::TNotifyEvent OnShow MEMBER OnShow)
    Q_PROPERTY(vexo::TCloseQueryEvent OnCloseQuery MEMBER OnCloseQuery)
    Q_PROPERTY(vexo::TNotifyEvent OnDestroy MEMBER OnDestroy)

public:
    enum TFormBorderStyle { bsNone = 0, bsSingle = 1, bsSizeable = 2, bsDialog = 3 };
    Q_ENUM(TFormBorderStyle)
    enum TPosition { poDesigned = 0, poScreenCenter = 4, poDesktopCenter = 5 };
    Q_ENUM(TPosition)
    enum TWindowState { wsNormal = 0, wsMinimized = 1, wsMaximized = 2 };
    Q_ENUM(TWindowState)

    // Always a top-level window; the owner only frees it. Colour clBtnFace, the classic font.
    Q_INVOKABLE explicit TForm(vexo::TComponent* owner = nullptr);
    // Marks the form and its components as being destroyed (a component that saves on
    // destruction sees the whole form), then OnDestroy, then the form leaves the screen; the
    // owned components are freed after that.
    ~TForm() override;

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& caption) { setWindowTitle(caption); }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    // bsSingle and bsDialog fix the size; bsSingle keeps minimise, bsDialog has only close.
    void SetBorderStyle(TFormBorderStyle style);
    TPosition Position() const { return position_; }
    // Applied when the form is shown for the first time.
    void SetPosition(TPosition position) { position_ = position; }

    // Minimized wins over maximized when the window system reports both.
    TWindowState WindowState() const;
    // A hidden form takes the state when it is shown.
    void SetWindowState(TWindowState state);
    // The control that has (or gets, when the form is activated) the keyboard focus; none
    // when no control of the form had it.
    QWidget* ActiveControl() const { return focusWidget(); }
    // Only a control on this form that can take the focus (a window control: CanFocus;
    // another widget: its focus policy allows it); anything else changes nothing.
    void SetActiveControl(QWidget* control);
    // With KeyPreview the form's key events run before those of the focused control.
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool keyPreview) { keyPreview_ = keyPreview; }
    // The form's menu bar; none removes it.
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    // The short cut handling of the form's keys (OnShortCut, then the main menu's items):
    // true when the key was used.
    virtual bool IsShortCut(int key, TShiftState shift);
    // Moves the focus to the next (or previous) tab stop after the active control.
    void FocusNextControl(bool goForward);

    // Outer bounds. Before a window manager has framed the window (and on platforms without
    // frames) the outer size equals the client size.
    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return frameGeometry().width(); }
    int Height() const { return frameGeometry().height(); }
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);
    // Outer bounds, as Left, Top, Width and Height together.
    void SetBounds(int left, int top, int width, int height) override;
    void SetClientSize(int width, int height);
    int ClientWidth() const { return width(); }
    int ClientHeight() const { return height(); }
    void SetClientWidth(int width) { SetClientSize(width, height()); }
    void SetClientHeight(int height) { SetClientSize(width(), height); }

    // Shows the form modally; returns when a modal result is set or the form is closed
    // (closing gives mrCancel). A modal result ends the showing only when CloseQuery agrees.
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result);
    bool IsModal() const { return loop_ != nullptr; }
    // Asks OnCloseQuery whether the form may close; true without a handler. An exception of
    // the handler goes to the application's exception handling and keeps the form open.
    virtual bool CloseQuery();

    // Each runs on the user-interface thread from the form's events; exceptions go to the
    // application's exception handling.
    TNotifyEvent OnShow; // every time the form is shown (not on restoring from an icon)
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnDestroy;
    // Raised first for every key the form's controls get; Handled stops the key.
    TEvent<int /*Key*/, TShiftState /*Shift*/, bool& /*Handled*/> OnShortCut;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Tab and Shift+Tab move the focus; other keys go to the controls in turn.
    bool DialogKey(int key, TShiftState shift) override;
    void Resize() override;

private:
    void ApplySizeRule();

    TFormBorderStyle borderStyle_ = bsSizeable;
    TPosition position_ = poDesigned;
    bool positioned_ = false;
    int outerHeight_ = -1;
    bool placed_ = false; // Left or Top set while hidden: re-applied when shown
    QPoint place_;
    int modalResult_ = mrNone;
    QEventLoop* loop_ = nullptr;
    bool closeAccepted_ = false; // a close event of the modal showing was agreed to
    bool keyPreview_ = false;
    QPointer<TMainMenu> menu_;
};

} // namespace vexo
