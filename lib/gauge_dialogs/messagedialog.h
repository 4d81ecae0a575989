#pragma once
// The library's message dialogs, built at run time: a message with an optional icon and a row
// of standard buttons (MessageDlg and relatives), the same with a check box under the message
// (MessageCheckDlg), buttons with captions of the caller's (SpecMessageDlg) and plain messages
// (ShowMessage and relatives).
//
// Each Create... routine builds a dialog without running it, so a program (or a test) can look
// at it or change it before it shows it. The routines that run one show it modally and free it
// afterwards, also when an exception passes. A process without a widget application (the
// command line) never opens a window: the text goes to standard error and the result is the
// cancel result, 2.

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <memory>

#include "platform/gui/form.h"
#include "vexo/gauge_dialogs_export.h"

namespace vexo {

class TvexoSound;

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

enum TMsgDlgBtn {
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp
};
constexpr int kMsgDlgBtnCount = mbHelp + 1;

// A set of button kinds: MessageDlg(text, mtConfirmation, {mbYes, mbNo}, 0).
class TMsgDlgButtons {
public:
    constexpr TMsgDlgButtons() = default;
    constexpr TMsgDlgButtons(std::initializer_list<TMsgDlgBtn> buttons) {
        for (TMsgDlgBtn b : buttons)
            bits_ |= 1u << b;
    }
    constexpr bool Contains(TMsgDlgBtn button) const { return bits_ & (1u << button); }
    constexpr bool Empty() const { return bits_ == 0; }
    int Count() const;

private:
    unsigned bits_ = 0;
};

// The captions of the dialog types and buttons.
inline const QString _SMsgDlgWarning = QStringLiteral("Warning");
inline const QString _SMsgDlgError = QStringLiteral("Error");
inline const QString _SMsgDlgInformation = QStringLiteral("Information");
inline const QString _SMsgDlgConfirm = QStringLiteral("Question");
inline const QString _SMsgDlgYes = QStringLiteral("&Yes");
inline const QString _SMsgDlgNo = QStringLiteral("&No");
inline const QString _SMsgDlgOK = QStringLiteral("OK");
inline const QString _SMsgDlgCancel = QStringLiteral("Cancel");
inline const QString _SMsgDlgAbort = QStringLiteral("A&bort");
inline const QString _SMsgDlgRetry = QStringLiteral("&Repeat");
inline const QString _SMsgDlgIgnore = QStringLiteral("S&kip");
inline const QString _SMsgDlgAll = QStringLiteral("&All");
inline const QString _SMsgDlgNoToAll = QStringLiteral("No &for all");
inline const QString _SMsgDlgYesToAll = QStringLiteral("Yes for A&ll");
inline const QString _SMsgDlgHelp = QStringLiteral("&Help");

// The component name, caption and modal result of a button kind.
VEXO_GAUGE_DIALOGS_EXPORT QString MsgDlgButtonName(TMsgDlgBtn button);
VEXO_GAUGE_DIALOGS_EXPORT QString MsgDlgButtonCaption(TMsgDlgBtn button);
VEXO_GAUGE_DIALOGS_EXPORT int MsgDlgButtonResult(TMsgDlgBtn button);

// The sound every button of these dialogs plays on a click; none at start, set by the program.
VEXO_GAUGE_DIALOGS_EXPORT extern TvexoSound* DialogsSound;

// The dialog window. Its font is the desktop's message font; its help button asks the
// application's help for HelpContext.
class VEXO_GAUGE_DIALOGS_EXPORT TMessageForm : public TForm {
    Q_OBJECT

public:
    explicit TMessageForm(TComponent* owner = nullptr);

    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }
    QString HelpFile() const { return helpFile_; }
    void SetHelpFile(const QString& file) { helpFile_ = file; }
    void HelpButtonClick(QObject* sender);

private:
    int helpContext_ = 0;
    QString helpFile_;
};

// The dialog, not shown. An empty button set gives an OK button (a dialog without buttons
// could not be answered with the mouse); an empty checkCaption gives no check box, otherwise
// a TvexoCheckBox named "CHECK" stands under the message. A message taller than the screen's
// work area scrolls inside the dialog.
VEXO_GAUGE_DIALOGS_EXPORT std::unique_ptr<TMessageForm>
CreateMessageDialog(const QString& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons,
                    const QString& checkCaption = QString());
// The same with one button per caption, in order: modal result 1 + index, the second button
// (index 1) the default one, none the cancel one.
VEXO_GAUGE_DIALOGS_EXPORT std::unique_ptr<TMessageForm>
CreateSpecMessageDialog(const QString& msg, TMsgDlgType dlgType, const QStringList& captions,
                        const QString& checkCaption = QString());

VEXO_GAUGE_DIALOGS_EXPORT int MessageDlg(const QString& msg, TMsgDlgType dlgType,
                                         TMsgDlgButtons buttons, int helpCtx);
VEXO_GAUGE_DIALOGS_EXPORT int MessageDlgPos(const QString& msg, TMsgDlgType dlgType,
                                            TMsgDlgButtons buttons, int helpCtx, int x, int y);
// x or y below 0 keeps the dialog centred on the screen in that direction.
VEXO_GAUGE_DIALOGS_EXPORT int MessageDlgPosHelp(const QString& msg, TMsgDlgType dlgType,
                                                TMsgDlgButtons buttons, int helpCtx, int x, int y,
                                                const QString& helpFileName);
// `checked` goes into the check box and comes back with its state, whatever button closed the
// dialog.
VEXO_GAUGE_DIALOGS_EXPORT int MessageCheckDlg(const QString& msg, TMsgDlgType dlgType,
                                              TMsgDlgButtons buttons, int helpCtx,
                                              const QString& checkCaption, bool& checked);
// 1 + the index of the pressed button; 2 when the dialog is closed otherwise.
VEXO_GAUGE_DIALOGS_EXPORT int SpecMessageDlg(const QString& msg, TMsgDlgType dlgType,
                                             const QStringList& captions);

// The plain messages: mtCustom with an OK button. They live in their own namespace because
// the framework has a plain message box of the same name (platform/gui/messagebox.h).
namespace dialogs {
VEXO_GAUGE_DIALOGS_EXPORT void ShowMessage(const QString& msg);
// `format` with %s, %d, ... filled from args (platform's Format); too few arguments raise
// EConvertError before anything is shown.
VEXO_GAUGE_DIALOGS_EXPORT void ShowMessageFmt(const QString& format, const QVariantList& args);
VEXO_GAUGE_DIALOGS_EXPORT void ShowMessagePos(const QString& msg, int x, int y);
} // namespace dialogs

// Runs a built dialog modally (the headless fallback and the exception-safe freeing are the
// callers'); a test seam: when DialogRunHook is set it runs the dialog instead.
VEXO_GAUGE_DIALOGS_EXPORT extern std::function<int(TForm& dialog)> DialogRunHook;

} // namespace vexo
