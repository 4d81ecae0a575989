#pragma once
// One-line message boxes: a beep of the system sound of the kind, then the library's message
// dialog (messagedialog.h) with help context 0. They sit with the dialogs they show: the
// graphics library lies below the dialogs.

#include <QString>
#include <QVariantList>

#include "vexo/gauge_dialogs_export.h"

namespace vexo {

// Error, OK; the screen's cursor is reset to the arrow first. The dialog's result.
VEXO_GAUGE_DIALOGS_EXPORT int ErrorMsg(const QString& msg);
// Information, OK. The dialog's result.
VEXO_GAUGE_DIALOGS_EXPORT int InfoMsg(const QString& msg);
// Question, Yes/No: true only for Yes (closing the dialog counts as No).
VEXO_GAUGE_DIALOGS_EXPORT bool YesNoMsg(const QString& msg);
// Question, Yes/No/Cancel: the dialog's result.
VEXO_GAUGE_DIALOGS_EXPORT int YesNoCancel(const QString& msg);
// Question, OK/Cancel: true only for OK.
VEXO_GAUGE_DIALOGS_EXPORT bool OkCancelMsg(const QString& msg);
// ErrorMsg of the string-table entry (graphics/gui/resourceutils.h: ResString), plain or
// filled with args by the framework's Format.
VEXO_GAUGE_DIALOGS_EXPORT void ErrorRes(quint16 ident);
VEXO_GAUGE_DIALOGS_EXPORT void ErrorResFrm(quint16 ident, const QVariantList& args);

} // namespace vexo
