#include "platform/gui/form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
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
      TWinControl(this, clBtnFace, QPalette::Window, QPalette::WindowText, false),
      TComponent(this, owner) {
    // Forms are where components get created by class name.
    RegisterControlClasses();
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
    if (control == nullptr || control == this || control->window() != this)
        return;
    if (const TWinControl* win = TWinControl::FromWidget(control)) {
        if (!win->CanFocus())
            return;
    } else if (control->focusPolicy() == Qt::NoFocus || !control->isEnabled()) {
        return;
    }
    control->setFocus(Qt::OtherFocusReason);
}

void TForm::FocusNextControl(bool goForward) {
    TWinControl* active = nullptr;
    for (QWidget* w = focusWidget(); w != nullptr && active == nullptr; w = w->parentWidget())
        active = TWinControl::FromWidget(w);
    SelectNext(active == this ? nullptr : active, goForward, true);
}

bool TForm::DialogKey(int key, TShiftState shift) {
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        FocusNextControl(key == Qt::Key_Tab && !shift.testFlag(ssShift));
        return true;
    }
    return TWinControl::DialogKey(key, shift);
}

bool TForm::IsShortCut(int key, TShiftState shift) {
    bool handled = false;
    if (OnShortCut)
        RunEventHandler([&] { OnShortCut(key, shift, handled); });
    if (!handled && menu_)
        handled = menu_->IsShortCut(key, shift);
    return handled;
}

void TForm::SetMenu(TMainMenu* menu) {
    if (menu == menu_)
        return;
    if (menu_ && menu_->MenuBar())
        menu_->MenuBar()->hide();
    menu_ = menu;
    QMenuBar* bar = menu != nullptr ? menu->CreateMenuBar(this) : nullptr;
    if (bar != nullptr) {
        bar->setGeometry(0, 0, width(), bar->sizeHint().height());
        bar->show();
    }
    // Aligned controls share the client area under the bar.
    setContentsMargins(0, bar != nullptr ? bar->height() : 0, 0, 0);
    Realign();
}

void TForm::Resize() {
    if (menu_ && menu_->MenuBar())
        menu_->MenuBar()->resize(width(), menu_->MenuBar()->height());
    TWinControl::Resize();
}

void TForm::ApplySizeRule() {
    if (borderStyle_ == bsSingle || borderStyle_ == bsDialog)
        setFixedSize(size());
    else
        ApplyConstraints();
}

void TForm::SetClientSize(int width, int height) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(std::max(width, 0), std::max(height, 0));
    ApplySizeRule();
    // Aligned controls follow at once, also while the form is hidden.
    SizeMaybeChanged();
}

void TForm::SetWidth(int width) {
    const int frame = frameGeometry().width() - this->width();
    SetClientSize(width - frame, height());
}

void TForm::SetBounds(int left, int top, int width, int height) {
    SetLeft(left);
    SetTop(top);
    SetWidth(width);
    SetHeight(height);
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

} // namespace vexo
