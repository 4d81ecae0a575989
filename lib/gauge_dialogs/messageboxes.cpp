#include "gauge_dialogs/messageboxes.h"

#include "gauge_dialogs/messagedialog.h"
#include "graphics/gui/resourceutils.h"
#include "graphics/waveplayer.h"
#include "platform/text/formatargs.h"
#include "utils/gui/cursorstack.h"

namespace vexo {

namespace {

// The system's beep of a message kind: the sound theme's sound of that name.
void MessageBeep(const char* systemSound) {
    PlaySoundName(QString::fromLatin1(systemSound), true);
}

int Show(const char* beep, const QString& msg, TMsgDlgType type, TMsgDlgButtons buttons) {
    MessageBeep(beep);
    return MessageDlg(msg, type, buttons, 0);
}

} // namespace

int ErrorMsg(const QString& msg) {
    SetActiveScreenCursor(0);
    return Show("SystemHand", msg, mtError, {mbOK});
}

int InfoMsg(const QString& msg) {
    return Show("SystemDefault", msg, mtInformation, {mbOK});
}

bool YesNoMsg(const QString& msg) {
    return Show("SystemQuestion", msg, mtConfirmation, {mbYes, mbNo}) == mrYes;
}

int YesNoCancel(const QString& msg) {
    return Show("SystemQuestion", msg, mtConfirmation, {mbYes, mbNo, mbCancel});
}

bool OkCancelMsg(const QString& msg) {
    return Show("SystemQuestion", msg, mtConfirmation, {mbOK, mbCancel}) == mrOk;
}

void ErrorRes(quint16 ident) {
    ErrorMsg(ResString(ident));
}

void ErrorResFrm(quint16 ident, const QVariantList& args) {
    ErrorMsg(Format(ResString(ident), args));
}

} // namespace vexo
