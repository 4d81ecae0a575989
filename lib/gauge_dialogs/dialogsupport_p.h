#pragma once
// What the message and input dialogs share: dialog units, running a dialog, and the fallback
// of a process without a widget application.

#include <QFont>
#include <QString>

namespace vexo {

class TForm;

// Dialog units of a font: x the average width of the 52 letters A-Z a-z (integer division),
// y their height.
struct TDialogUnits {
    int x = 0;
    int y = 0;
};
TDialogUnits DialogUnits(const QFont& font);

// True when no widget application runs (the command line): no window may be opened.
bool Headless();
// The text on standard error; the cancel result.
int ReportHeadless(const QString& text);
// Shows the dialog modally, or hands it to DialogRunHook when that is set.
int RunDialog(TForm& dialog);

} // namespace vexo
