#include "gauge_dialogs/messagedialog.h"

#include <QApplication>
#include <QHash>
#include <QIcon>
#include <QScrollArea>
#include <QStyle>
#include <algorithm>
#include <bit>

#include "buttons/vexobitbtn.h"
#include "edits/vexocheckbox.h"
#include "gauge_dialogs/dialogsupport_p.h"
#include "graphics/gui/vexosound.h"
#include "platform/gui/application.h"
#include "platform/gui/customlabel.h"
#include "platform/gui/image.h"
#include "platform/image/canvas.h"
#include "platform/runtime/screen.h"
#include "platform/text/formatargs.h"
#include "platform/text/muldiv.h"

namespace vexo {

TvexoSound* DialogsSound = nullptr;

int TMsgDlgButtons::Count() const {
    return std::popcount(bits_);
}

namespace {

struct TButtonKind {
    const char* name;
    const QString* caption;
    int result;
};

const TButtonKind kButtonKinds[kMsgDlgBtnCount] = {
    {"Yes", &_SMsgDlgYes, mrYes},
    {"No", &_SMsgDlgNo, mrNo},
    {"OK", &_SMsgDlgOK, mrOk},
    {"Cancel", &_SMsgDlgCancel, mrCancel},
    {"Abort", &_SMsgDlgAbort, mrAbort},
    {"Retry", &_SMsgDlgRetry, mrRetry},
    {"Ignore", &_SMsgDlgIgnore, mrIgnore},
    {"All", &_SMsgDlgAll, mrAll},
    {"NoToAll", &_SMsgDlgNoToAll, mrNoToAll},
    {"YesToAll", &_SMsgDlgYesToAll, mrYesToAll},
    {"Help", &_SMsgDlgHelp, mrNone},
};

// The system icon of each type, from the desktop's icon theme, else the style's own.
QIcon TypeIcon(TMsgDlgType type) {
    struct TIconName {
        const char* themeName;
        QStyle::StandardPixmap fallback;
    };
    static const TIconName names[] = {
        {"dialog-warning", QStyle::SP_MessageBoxWarning},
        {"dialog-error", QStyle::SP_MessageBoxCritical},
        {"dialog-information", QStyle::SP_MessageBoxInformation},
        {"dialog-question", QStyle::SP_MessageBoxQuestion},
    };
    const TIconName& name = names[type];
    return QIcon::fromTheme(QString::fromLatin1(name.themeName),
                            QApplication::style()->standardIcon(name.fallback));
}

QString TypeCaption(TMsgDlgType type) {
    switch (type) {
    case mtWarning:
        return _SMsgDlgWarning;
    case mtError:
        return _SMsgDlgError;
    case mtInformation:
        return _SMsgDlgInformation;
    case mtConfirmation:
        return _SMsgDlgConfirm;
    case mtCustom:
        break;
    }
    return Application()->Title();
}

// The measured widths are kept for the life of the process. They are keyed by the caption
// and the font, so a caption or font that changes (another interface language) is measured
// anew instead of being cut by the width of the old one.
int CachedButtonWidth(TCanvas& canvas, const QString& caption) {
    static QHash<QString, int> widths;
    const QString key = caption + QChar(0) + ToQFont(canvas.Font).key();
    auto it = widths.constFind(key);
    if (it != widths.constEnd())
        return *it;
    TRect rect(0, 0, 0, 0);
    canvas.DrawText(caption, rect, DT_CALCRECT | DT_LEFT | DT_SINGLELINE);
    return *widths.insert(key, rect.Right - rect.Left + 8);
}

struct TDialogButton {
    QString name;
    QString caption;
    int result = mrNone;
    bool isDefault = false;
    bool isCancel = false;
    bool isHelp = false;
};

constexpr int kIconSize = 32;

std::unique_ptr<TMessageForm> BuildDialog(const QString& msg, TMsgDlgType dlgType,
                                          const QList<TDialogButton>& buttons,
                                          const QString& checkCaption) {
    auto form = std::make_unique<TMessageForm>();
    form->SetBorderStyle(TForm::bsDialog);
    TBitmap scratch;
    TCanvas canvas(&scratch);
    AssignQFont(canvas.Font, ToQFont(*form->Font()));

    const TDialogUnits units = DialogUnits(ToQFont(*form->Font()));
    const int dx = units.x;
    const int dy = units.y;
    const int marginX = MulDiv(8, dx, 4);
    const int marginY = MulDiv(8, dy, 8);
    const int gapX = MulDiv(10, dx, 4);
    const int gapY = MulDiv(10, dy, 8);
    int btnWidth = MulDiv(50, dx, 4);
    for (const TDialogButton& b : buttons)
        btnWidth = std::max(btnWidth, CachedButtonWidth(canvas, b.caption));
    const int btnHeight = MulDiv(14, dy, 8);
    const int btnGap = MulDiv(4, dx, 4);

    const QRect work = Screen().WorkAreaRect();
    TRect text(0, 0, Screen().Width() / 2, 0);
    canvas.DrawText(msg, text, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    const bool hasIcon = dlgType != mtCustom;
    int iconBodyWidth = text.Right;
    int iconBodyHeight = text.Bottom;
    if (hasIcon) {
        iconBodyWidth += kIconSize + gapX;
        iconBodyHeight = std::max(iconBodyHeight, kIconSize);
    }
    const int count = int(buttons.size());
    const int rowWidth = count == 0 ? 0 : btnWidth * count + btnGap * (count - 1);
    form->SetClientWidth(std::max(iconBodyWidth, rowWidth) + 2 * marginX);

    int checkHeight = 0;
    if (!checkCaption.isEmpty()) {
        checkHeight = 2 * canvas.TextHeight(QStringLiteral("W"));
        auto* check = new TvexoCheckBox(form.get(), form.get());
        check->SetName(QStringLiteral("CHECK"));
        check->SetBounds(2 * marginX + kIconSize + text.Left, text.Bottom + gapY + 5, text.Right,
                         checkHeight);
        check->SetCaption(checkCaption);
        check->SetVertAlign(baTop);
        check->SetWordWrap(true);
    }

    // A message taller than the work area scrolls: the body keeps the height that leaves room
    // for the frame, the margins and the button row.
    const int frameAllowance = 40;
    const int maxBody =
        std::max(kIconSize, work.height() - frameAllowance - btnHeight - gapY - 2 * marginY);
    const int bodyHeight =
        std::min(std::max(text.Bottom - text.Top + checkHeight, iconBodyHeight), maxBody);
    form->SetClientHeight(bodyHeight + btnHeight + gapY + 2 * marginY);
    form->move(work.left() + work.width() / 2 - form->Width() / 2,
               work.top() + work.height() / 2 - form->Height() / 2);
    form->SetCaption(TypeCaption(dlgType));

    if (hasIcon) {
        auto* image = new TImage(form.get(), form.get());
        image->SetName(QStringLiteral("Image"));
        const QImage icon = TypeIcon(dlgType).pixmap(kIconSize, kIconSize).toImage();
        image->Picture().SetGraphic(std::make_unique<TBitmap>(
            BitmapFromQImage(icon.scaled(kIconSize, kIconSize), ColorToRGB(clBtnFace))));
        image->SetBounds(marginX, marginY, kIconSize, kIconSize);
    }

    const int messageLeft = iconBodyWidth - text.Right + marginX;
    // The label draws with the canvas's DrawText, the routine that measured the text above,
    // so it breaks the lines where the measurement did.
    auto* message = new TCustomLabel(form.get(), form.get());
    message->SetName(QStringLiteral("Message"));
    message->SetAutoSize(false);
    message->SetWordWrap(true);
    message->SetCaption(msg);
    if (text.Bottom - text.Top + checkHeight > bodyHeight) {
        auto* scroll = new QScrollArea(form.get());
        scroll->setObjectName(QStringLiteral("MessageScroll"));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        const int barWidth = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        scroll->setGeometry(messageLeft, marginY, text.Right + barWidth, bodyHeight - checkHeight);
        message->setFixedSize(text.Right, text.Bottom);
        scroll->setWidget(message);
        form->SetClientWidth(form->ClientWidth() + barWidth);
    } else {
        message->SetBounds(messageLeft, marginY, text.Right, text.Bottom);
    }

    int x = (form->ClientWidth() - rowWidth) / 2;
    int order = 0;
    for (const TDialogButton& b : buttons) {
        auto* button = new TvexoBitBtn(form.get(), form.get());
        if (!b.name.isEmpty())
            button->SetName(b.name);
        button->SetCaption(b.caption);
        button->SetModalResult(b.result);
        button->SetDefault(b.isDefault);
        button->SetCancel(b.isCancel);
        button->SetTabOrder(order++);
        button->SetBounds(x, bodyHeight + marginY + gapY, btnWidth, btnHeight);
        if (b.isHelp) {
            TMessageForm* owner = form.get();
            button->OnClick = [owner](QObject* sender) { owner->HelpButtonClick(sender); };
        }
        button->SetSound(DialogsSound);
        // The default button starts with the focus, so Enter answers with it even when it is
        // not the first of the row (the second of a custom-button dialog).
        if (b.isDefault)
            form->SetActiveControl(button);
        x += btnWidth + btnGap;
    }
    return form;
}

} // namespace

QString MsgDlgButtonName(TMsgDlgBtn button) {
    return QString::fromLatin1(kButtonKinds[button].name);
}

QString MsgDlgButtonCaption(TMsgDlgBtn button) {
    return *kButtonKinds[button].caption;
}

int MsgDlgButtonResult(TMsgDlgBtn button) {
    return kButtonKinds[button].result;
}

TMessageForm::TMessageForm(TComponent* owner) : TForm(owner) {
    AssignQFont(*Font(), QApplication::font("QMessageBox"));
}

void TMessageForm::HelpButtonClick(QObject*) {
    Application()->HelpContext(helpContext_);
}

std::unique_ptr<TMessageForm> CreateMessageDialog(const QString& msg, TMsgDlgType dlgType,
                                                  TMsgDlgButtons buttons,
                                                  const QString& checkCaption) {
    if (buttons.Empty())
        buttons = {mbOK};
    const TMsgDlgBtn defaultButton =
        buttons.Contains(mbOK) ? mbOK : (buttons.Contains(mbYes) ? mbYes : mbRetry);
    const TMsgDlgBtn cancelButton =
        buttons.Contains(mbCancel) ? mbCancel : (buttons.Contains(mbNo) ? mbNo : mbOK);
    QList<TDialogButton> list;
    for (int i = 0; i < kMsgDlgBtnCount; ++i) {
        const auto kind = TMsgDlgBtn(i);
        if (!buttons.Contains(kind))
            continue;
        list.append({MsgDlgButtonName(kind), MsgDlgButtonCaption(kind), MsgDlgButtonResult(kind),
                     kind == defaultButton, kind == cancelButton, kind == mbHelp});
    }
    return BuildDialog(msg, dlgType, list, checkCaption);
}

std::unique_ptr<TMessageForm> CreateSpecMessageDialog(const QString& msg, TMsgDlgType dlgType,
                                                      const QStringList& captions,
                                                      const QString& checkCaption) {
    QList<TDialogButton> list;
    for (int i = 0; i < captions.size(); ++i)
        list.append({QString(), captions[i], i + 1, i == 1, false, false});
    return BuildDialog(msg, dlgType, list, checkCaption);
}

int MessageDlg(const QString& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int helpCtx) {
    return MessageDlgPosHelp(msg, dlgType, buttons, helpCtx, -1, -1, QString());
}

int MessageDlgPos(const QString& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int helpCtx,
                  int x, int y) {
    return MessageDlgPosHelp(msg, dlgType, buttons, helpCtx, x, y, QString());
}

int MessageDlgPosHelp(const QString& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int helpCtx,
                      int x, int y, const QString& helpFileName) {
    if (Headless())
        return ReportHeadless(msg);
    auto dialog = CreateMessageDialog(msg, dlgType, buttons);
    dialog->SetHelpContext(helpCtx);
    dialog->SetHelpFile(helpFileName);
    if (x >= 0)
        dialog->SetLeft(x);
    if (y >= 0)
        dialog->SetTop(y);
    if (x < 0 && y < 0)
        dialog->SetPosition(TForm::poScreenCenter);
    return RunDialog(*dialog);
}

int MessageCheckDlg(const QString& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int helpCtx,
                    const QString& checkCaption, bool& checked) {
    if (Headless())
        return ReportHeadless(msg);
    auto dialog = CreateMessageDialog(msg, dlgType, buttons, checkCaption);
    auto* check = dynamic_cast<TvexoCheckBox*>(dialog->FindComponent(QStringLiteral("CHECK")));
    if (check != nullptr)
        check->SetChecked(checked);
    dialog->SetHelpContext(helpCtx);
    dialog->SetPosition(TForm::poScreenCenter);
    const int result = RunDialog(*dialog);
    if (check != nullptr)
        checked = check->Checked();
    return result;
}

int SpecMessageDlg(const QString& msg, TMsgDlgType dlgType, const QStringList& captions) {
    if (Headless())
        return ReportHeadless(msg);
    auto dialog = CreateSpecMessageDialog(msg, dlgType, captions);
    dialog->SetPosition(TForm::poScreenCenter);
    return RunDialog(*dialog);
}

namespace dialogs {

void ShowMessage(const QString& msg) {
    ShowMessagePos(msg, -1, -1);
}

void ShowMessageFmt(const QString& format, const QVariantList& args) {
    ShowMessage(Format(format, args));
}

void ShowMessagePos(const QString& msg, int x, int y) {
    MessageDlgPos(msg, mtCustom, {mbOK}, 0, x, y);
}

} // namespace dialogs

} // namespace vexo
