#include "platform/gui/form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPalette>
#include <QScreen>
#include <QShowEvent>

#include "platform/gui/application.h"
#include "platform/gui/controlclasses.h"
#include "platform/image/canvas.h"
#include "platform/runtime/screen.h"

namespace vexo {

TForm::TForm(TComponent* owner)
    : QWidget(nullptr, Qt::Window),
      TControl(this, clBtnFace, QPalette::Window, QPalette::WindowText), TComponent(this, owner) {
    // Forms are where components get created by class name.
    RegisterControlClasses();
    setMouseTracking(true);
    ApplyColor();
    Font()->Assign(TFont());
    ApplyFont();
    Screen().AddForm(this);
}

TForm::~TForm() {
    Destroying();
    if (OnDestroy)
        RunEventHandler([this] { OnDestroy(this); });
    Screen().RemoveForm(this);
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    borderStyle_ = style;
    Qt::WindowFlags flags;
    switch (style) {
    case bsNone:
        flags = Qt::Window | Qt::FramelessWindowHint;
        break;
    case bsSingle:
        flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
        break;
    case bsDialog:
        flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        break;
    case bsSizeable:
        flags = Qt::Window;
        break;
    }
    setWindowFlags(flags);
    ApplySizeRule();
}

TForm::TWindowState TForm::WindowState() const {
    const Qt::WindowStates states = windowState();
    if (states.testFlag(Qt::WindowMinimized))
        return wsMinimized;
    return states.testFlag(Qt::WindowMaximized) ? wsMaximized : wsNormal;
}

void TForm::SetWindowState(TWindowState state) {
    if (state == WindowState())
        return;
    Qt::WindowStates states = windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (state == wsMinimized)
        states |= Qt::WindowMinimized;
    else if (state == wsMaximized)
        states |= Qt::WindowMaximized;
    setWindowState(states);
}

void TForm::SetActiveControl(QWidget* control) {
    if (control == nullptr || control == this || control->window() != this ||
        control->focusPolicy() == Qt::NoFocus || !control->isEnabled())
        return;
    control->setFocus(Qt::OtherFocusReason);
}

void TForm::ApplySizeRule() {
    if (borderStyle_ == bsSingle || borderStyle_ == bsDialog)
        setFixedSize(size());
    else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

void TForm::SetClientSize(int width, int height) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(width, height);
    ApplySizeRule();
}

void TForm::SetHeight(int height) {
    const int frame = frameGeometry().height() - this->height();
    SetClientSize(width(), height - frame);
    // The frame is known only once the window is shown; the outer height is met again then.
    outerHeight_ = isVisible() ? -1 : height;
}

void TForm::SetLeft(int left) {
    place_ = QPoint(left, placed_ ? place_.y() : y());
    placed_ = !isVisible();
    move(place_);
}

void TForm::SetTop(int top) {
    place_ = QPoint(placed_ ? place_.x() : x(), top);
    placed_ = !isVisible();
    move(place_);
}

int TForm::ShowModal() {
    if (loop_)
        return mrNone;
    modalResult_ = mrNone;
    closeAccepted_ = false;
    setWindowModality(Qt::ApplicationModal);
    show();
    QEventLoop loop;
    loop_ = &loop;
    for (;;) {
        if (modalResult_ == mrNone)
            loop.exec(QEventLoop::DialogExec);
        // A modal result closes through a real close event, so that whatever watches the
        // form's closing (a settings storage saving its placement) sees this close too.
        if (closeAccepted_ || close())
            break;
        modalResult_ = mrNone;
    }
    loop_ = nullptr;
    hide();
    setWindowModality(Qt::NonModal);
    return modalResult_;
}

void TForm::SetModalResult(int result) {
    modalResult_ = result;
    if (loop_ && result != mrNone)
        loop_->quit();
}

void TForm::showEvent(QShowEvent* event) {
    if (outerHeight_ >= 0) {
        SetClientSize(width(), outerHeight_ - (frameGeometry().height() - height()));
        outerHeight_ = -1;
    }
    if (placed_) {
        // A hidden window's frame may have changed since it was last shown.
        placed_ = false;
        positioned_ = true;
        move(place_);
    }
    if (!positioned_) {
        positioned_ = true;
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen && (position_ == poDesktopCenter || position_ == poScreenCenter)) {
            const QRect area =
                position_ == poDesktopCenter ? screen->virtualGeometry() : screen->geometry();
            move(area.center() - QPoint(Width() / 2, Height() / 2));
        }
    }
    QWidget::showEvent(event);
    if (!event->spontaneous() && OnShow)
        RunEventHandler([this] { OnShow(this); });
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery && !RunEventHandler([&] { OnCloseQuery(this, canClose); }))
        canClose = false;
    return canClose;
}

void TForm::closeEvent(QCloseEvent* event) {
    if (!CloseQuery()) {
        event->ignore();
        return;
    }
    if (loop_) {
        if (modalResult_ == mrNone)
            modalResult_ = mrCancel;
        closeAccepted_ = true;
        loop_->quit();
    }
    QWidget::closeEvent(event);
}

void TForm::mouseMoveEvent(QMouseEvent* event) {
    if (OnMouseMove) {
        const QPoint at = event->position().toPoint();
        RunEventHandler([&] { OnMouseMove(this, event->modifiers(), at.x(), at.y()); });
    }
    QWidget::mouseMoveEvent(event);
}

void TForm::changeEvent(QEvent* event) {
    ControlChanged(event);
    QWidget::changeEvent(event);
}

} // namespace vexo
