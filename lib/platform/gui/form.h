#pragma once
// A top-level window built from code: caption, border style, position on first showing,
// background colour, outer bounds, and modal showing with a modal result.

#include <QEventLoop>
#include <QString>
#include <QWidget>

#include "platform/gui/control.h"
#include "platform/gui/messagebox.h"
#include "platform/types.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TForm : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(TPosition Position READ Position WRITE SetPosition)

public:
    enum TFormBorderStyle { bsNone = 0, bsSingle = 1, bsSizeable = 2, bsDialog = 3 };
    Q_ENUM(TFormBorderStyle)
    enum TPosition { poDesigned = 0, poScreenCenter = 4, poDesktopCenter = 5 };
    Q_ENUM(TPosition)

    explicit TForm(QWidget* parent = nullptr);

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& caption) { setWindowTitle(caption); }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    // bsSingle and bsDialog fix the size; bsSingle keeps minimise, bsDialog has only close.
    void SetBorderStyle(TFormBorderStyle style);
    TPosition Position() const { return position_; }
    // Applied when the form is shown for the first time.
    void SetPosition(TPosition position) { position_ = position; }
    void SetColor(TColor color);

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
    // (closing gives mrCancel).
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result);
    bool IsModal() const { return loop_ != nullptr; }

    TMouseMoveEvent OnMouseMove;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

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
};

} // namespace vexo
