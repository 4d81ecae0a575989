#include "gauge_dialogs/dialogsupport_p.h"

#include <QApplication>
#include <cstdio>

#include "gauge_dialogs/messagedialog.h"
#include "platform/image/canvas.h"

namespace vexo {

std::function<int(TForm& dialog)> DialogRunHook;

TDialogUnits DialogUnits(const QFont& font) {
    TCanvas canvas;
    AssignQFont(canvas.Font, font);
    const TSize size =
        canvas.TextExtent(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {size.cx / 52, size.cy};
}

bool Headless() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr;
}

int ReportHeadless(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    return mrCancel;
}

int RunDialog(TForm& dialog) {
    return DialogRunHook ? DialogRunHook(dialog) : dialog.ShowModal();
}

} // namespace vexo
