#pragma once
// The application object: its title, its main form, running pending events, the standard
// exception box and the application-wide hint-show event.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <exception>
#include <functional>

#include "platform/runtime/types.h"
#include "vexo/platform_gui_export.h"

class QMessageBox;

namespace vexo {

class THintWindow;

// What a hint-show handler may adjust before a hint appears.
struct THintInfo {
    QWidget* HintControl = nullptr;
    QPoint HintPos;       // global top-left of the hint window
    int HintMaxWidth = 0; // pixels
    TColor HintColor = clInfoBk;
    int HideTimeout = 2500; // milliseconds
};

using TShowHintEvent = std::function<void(QString& HintStr, bool& CanShow, THintInfo& HintInfo)>;

class VEXO_PLATFORM_GUI_EXPORT TApplication : public QObject {
    Q_OBJECT

public:
    // The one application object; needs a running QApplication.
    static TApplication* Instance();

    QString Title() const { return title_; }
    void SetTitle(const QString& title);
    // The first form shown with SetMainForm; it is the owner of message boxes.
    // A destroyed main form reads as none.
    QWidget* MainForm() const { return mainForm_; }
    void SetMainForm(QWidget* form) { mainForm_ = form; }

    // Lets pending events run (QCoreApplication::processEvents).
    void ProcessMessages();
    // The standard exception box: the exception's message with an error sign and OK.
    void ShowException(const std::exception& e);
    // Where exceptions of event handlers end up: OnException when assigned, else the
    // standard exception box.
    void HandleException(const std::exception& e);
    std::function<void(const std::exception&)> OnException;

    // Asks for the help topic `context`: OnHelp when assigned (its result), else false, as
    // there is no help viewer of the platform's own.
    bool HelpContext(int context);
    std::function<bool(int context)> OnHelp;

    // Raised before any hint is shown, for every control of every window.
    TShowHintEvent OnShowHint;
    THintWindow* HintWindow();

    // Test seam: when set, modal message boxes are handed to it instead of being run, and
    // its result is the box's result.
    std::function<int(QMessageBox& box)> MessageBoxHook;
    // Runs a built message box modally (or through MessageBoxHook).
    int RunMessageBox(QMessageBox& box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TApplication(QObject* parent);
    bool ShowHintFor(QWidget* control, QPoint globalPos);

    QString title_;
    QPointer<QWidget> mainForm_;
    THintWindow* hintWindow_ = nullptr;
};

inline TApplication* Application() {
    return TApplication::Instance();
}

// Runs an event handler as the message loop does: an exception goes to the application's
// HandleException instead of through Qt's event dispatch. Returns false after an exception.
template <class Handler> bool RunEventHandler(Handler&& handler) {
    try {
        handler();
        return true;
    } catch (const std::exception& e) {
        Application()->HandleException(e);
        return false;
    }
}

} // namespace vexo
