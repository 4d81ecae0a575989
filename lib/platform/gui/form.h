#pragma once
// A top-level window built from code and a component: it owns the controls on it (whatever
// their visual parent), joins the screen's form list while it lives, and has a caption, a
// colour, a font, a border style, a position on first showing, outer bounds, modal showing
// with a modal result, and the show, close-query and destroy events.

#include <QEventLoop>
#include <QString>
#include <QWidget>
#include <functional>

#include "platform/gui/control.h"
#include "platform/gui/messagebox.h"
#include "platform/runtime/component.h"
#include "platform/runtime/types.h"

namespace vexo {

using TCloseQueryEvent = std::function<void(QObject* Sender, bool& CanClose)>;

class VEXO_PLATFORM_GUI_EXPORT TForm : public QWidget, public TControl, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    VEXO_CONTROL_COLOR
    VEXO_CONTROL_FONT
    Q_CLASSINFO("Default.BorderStyle", "bsSizeable")
    Q_CLASSINFO("Default.Position", "poDesigned")
    Q_PROPERTY(TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(TPosition Position READ Position WRITE SetPosition)
    Q_CLASSINFO("Default.WindowState", "wsNormal")
    Q_PROPERTY(TWindowState WindowState READ WindowState WRITE SetWindowState)

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
    // Only a control on this form that can take the focus; anything else changes nothing.
    void SetActiveControl(QWidget* control);

    // Outer bounds. Before a window manager has framed the window (and on platforms without
    // frames) the outer size equals the client size.
    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return frameGeometry().width(); }
    int Height() const { return frameGeometry().height(); }
    void SetLeft(int left);
    void SetTop(int top);
    void SetHeight(int height);
    void SetClientSize(int width, int height);

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
    TMouseMoveEvent OnMouseMove;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

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
};

} // namespace vexo
