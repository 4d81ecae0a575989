#include "platform/gui/application.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMessageBox>
#include <QScreen>

#include "platform/gui/control.h"
#include "platform/gui/hintwindow.h"
#include "platform/gui/messagebox.h"
#include "platform/runtime/exception.h"

namespace vexo {

TApplication* TApplication::Instance() {
    static TApplication* instance = nullptr;
    if (!instance) {
        instance = new TApplication(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(instance);
    }
    return instance;
}

TApplication::TApplication(QObject* parent) : QObject(parent) {}

void TApplication::SetTitle(const QString& title) {
    if (title == title_)
        return;
    title_ = title;
}

bool TApplication::HelpContext(int context) {
    return OnHelp ? OnHelp(context) : false;
}

void TApplication::ProcessMessages() {
    QCoreApplication::processEvents();
}

void TApplication::ShowException(const std::exception& e) {
    QString message;
    if (const auto* ve = dynamic_cast<const Exception*>(&e))
        message = ve->Message();
    else
        message = QString::fromUtf8(e.what());
    auto box = CreateExceptionBox(message);
    RunMessageBox(*box);
}

void TApplication::HandleException(const std::exception& e) {
    if (OnException)
        OnException(e);
    else
        ShowException(e);
}

int TApplication::RunMessageBox(QMessageBox& box) {
    if (MessageBoxHook)
        return MessageBoxHook(box);
    box.exec();
    return mrOk;
}

THintWindow* TApplication::HintWindow() {
    if (!hintWindow_)
        hintWindow_ = new THintWindow();
    return hintWindow_;
}

bool TApplication::ShowHintFor(QWidget* control, QPoint globalPos) {
    QString hint = Hint(control);
    if (hint.isEmpty() || !ShowHint(control))
        return false;
    THintInfo info;
    info.HintControl = control;
    info.HintPos = globalPos + QPoint(0, 20);
    const QScreen* screen = control->screen();
    info.HintMaxWidth = screen ? screen->geometry().width() : 640;
    bool canShow = true;
    if (OnShowHint)
        OnShowHint(hint, canShow, info);
    if (!canShow)
        return true;
    HintWindow()->ActivateHint(hint, info.HintPos, info.HintMaxWidth, info.HintColor,
                               info.HideTimeout);
    return true;
}

bool TApplication::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && watched->isWidgetType()) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (ShowHintFor(static_cast<QWidget*>(watched), help->globalPos()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vexo
