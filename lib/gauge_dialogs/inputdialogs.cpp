#include "gauge_dialogs/inputdialogs.h"

#include "buttons/vexobitbtn.h"
#include "edits/vexocustomlabel.h"
#include "edits/vexoflatedit.h"
#include "gauge_dialogs/dialogsupport_p.h"
#include "gauge_dialogs/messagedialog.h"
#include "platform/gui/label.h"
#include "platform/image/canvas.h"
#include "platform/text/muldiv.h"

namespace vexo {

namespace {
constexpr int kMaxInputLength = 255;
}

std::unique_ptr<TForm> CreateInputDialog(const QString& caption, const QString& prompt,
                                         const QString& value) {
    auto form = std::make_unique<TForm>();
    form->SetBorderStyle(TForm::bsDialog);
    form->SetCaption(caption);
    const TDialogUnits u = DialogUnits(ToQFont(*form->Font()));
    form->SetClientSize(MulDiv(180, u.x, 4), MulDiv(63, u.y, 8));
    form->SetPosition(TForm::poScreenCenter);

    auto* label = new TLabel(form.get(), form.get());
    label->SetName(QStringLiteral("Prompt"));
    label->SetAutoSize(true);
    label->SetCaption(prompt);
    label->SetBounds(MulDiv(8, u.x, 4), MulDiv(8, u.y, 8), label->Width(), label->Height());

    auto* edit = new TvexoFlatEdit(form.get(), form.get());
    edit->SetName(QStringLiteral("Edit"));
    edit->SetBounds(label->Left(), MulDiv(19, u.y, 8), MulDiv(164, u.x, 4), edit->Height());
    edit->setMaxLength(kMaxInputLength);
    edit->setText(value);
    edit->selectAll();

    const int top = MulDiv(41, u.y, 8);
    const int width = MulDiv(50, u.x, 4);
    const int height = MulDiv(14, u.y, 8);
    const struct {
        const char* name;
        QString caption;
        int left, result;
    } buttons[] = {{"OK", _SMsgDlgOK, MulDiv(38, u.x, 4), mrOk},
                   {"Cancel", _SMsgDlgCancel, MulDiv(92, u.x, 4), mrCancel}};
    for (const auto& b : buttons) {
        auto* button = new TvexoBitBtn(form.get(), form.get());
        button->SetName(QString::fromLatin1(b.name));
        button->SetCaption(b.caption);
        button->SetModalResult(b.result);
        button->SetDefault(b.result == mrOk);
        button->SetCancel(b.result == mrCancel);
        button->SetBounds(b.left, top, width, height);
        button->SetSound(DialogsSound);
    }
    form->SetActiveControl(edit);
    return form;
}

bool InputQuery(const QString& caption, const QString& prompt, QString& value) {
    if (Headless()) {
        ReportHeadless(prompt);
        return false;
    }
    auto form = CreateInputDialog(caption, prompt, value);
    if (RunDialog(*form) != mrOk)
        return false;
    value = form->findChild<TvexoFlatEdit*>(QStringLiteral("Edit"))->text();
    return true;
}

QString InputBox(const QString& caption, const QString& prompt, const QString& defaultValue) {
    QString value = defaultValue;
    InputQuery(caption, prompt, value);
    return value;
}

} // namespace vexo
