#include "typed_edits/vexogetperiodform.h"

#include <memory>

#include "buttons/vexobitbtn.h"
#include "edits/vexolabel.h"
#include "gauge_dialogs/messagedialog.h"
#include "storage/formstorage.h"
#include "typed_edits/vexoedit.h"
#include "typed_edits/vexoentertab.h"

namespace vexo {

TvexoGetPeriodForm* vexoGetPeriodForm = nullptr;

namespace {

TvexoLabel* PeriodLabel(TForm* form, const QString& name, const QRect& r) {
    auto* label = new TvexoLabel(form);
    label->SetName(name);
    label->SetBounds(r.x(), r.y(), r.width(), r.height());
    label->SetAlive(true);
    label->SetHeight3D(0);
    return label;
}

TvexoEdit* DateEdit(TForm* form, const QString& name, int left, int tabOrder) {
    auto* edit = new TvexoEdit(form);
    edit->SetName(name);
    edit->SetBounds(left, 26, 80, 21);
    edit->SetAutoFill(true);
    edit->SetValueKind(TvexoCustomEdit::vkDate);
    edit->SetRightControl(true); // the shared calendar glyph of the date kinds
    edit->SetEditStyle(TvexoCustomEdit::weNormal);
    edit->SetShadow(clBtnHighlight);
    edit->SetHighLight(clBtnShadow);
    edit->SetTabOrder(tabOrder);
    return edit;
}

TvexoBitBtn* DialogButton(TForm* form, const QString& name, int left, int result) {
    auto* button = new TvexoBitBtn(form);
    button->SetName(name);
    button->SetBounds(left, 56, 75, 24);
    button->SetModalResult(result);
    return button;
}

} // namespace

TvexoGetPeriodForm::TvexoGetPeriodForm(TComponent* owner) : TForm(owner) {
    SetName(QStringLiteral("vexoGetPeriodForm"));
    // A fixed dialog frame stands for the tool-window border the platform's forms lack.
    SetBorderStyle(bsDialog);
    SetClientSize(308, 84);
    SetKeyPreview(true);
    SetPosition(poScreenCenter);
    Font()->SetColor(clBlack);

    PeriodL = PeriodLabel(this, QStringLiteral("PeriodL"), QRect(8, 3, 297, 21));
    FromL = PeriodLabel(this, QStringLiteral("FromL"), QRect(8, 26, 41, 21));
    TillB = PeriodLabel(this, QStringLiteral("TillB"), QRect(158, 26, 41, 21));
    FromDateE = DateEdit(this, QStringLiteral("FromDateE"), 51, 2);
    ToDateE = DateEdit(this, QStringLiteral("ToDateE"), 201, 4);
    FromL->SetFocusControl(FromDateE);
    FromL->SetPosition(wlpLeft);
    TillB->SetFocusControl(ToDateE);
    TillB->SetPosition(wlpLeft);
    OkB = DialogButton(this, QStringLiteral("OkB"), 140, mrOk);
    CancelB = DialogButton(this, QStringLiteral("CancelB"), 230, mrCancel);
    CancelB->SetCancel(true);
    OkB->SetTabOrder(0);
    CancelB->SetTabOrder(1);

    vexoEnterTab1 = new TvexoEnterTab(this);
    vexoEnterTab1->SetName(QStringLiteral("vexoEnterTab1"));
    vexoEnterTab1->AddControl(OkB);
    vexoEnterTab1->AddControl(CancelB);
    Ini = new TvexoFormStorage(this);
    Ini->SetName(QStringLiteral("Ini"));
    // Built by code: the work that follows loading from a form file.
    vexoEnterTab1->BeginLoading();
    vexoEnterTab1->EndLoading();
    Ini->SetEvents();

    SetCaption(QStringLiteral("Period"));
    PeriodL->SetCaption(QStringLiteral("Set Period"));
    FromL->SetCaption(QStringLiteral(" from: "));
    TillB->SetCaption(QStringLiteral(" to: "));
    OkB->SetCaption(QStringLiteral("OK"));
    CancelB->SetCaption(QStringLiteral("Cancel"));
}

TvexoGetPeriodForm::~TvexoGetPeriodForm() = default;

bool TvexoGetPeriodForm::Run() {
    return (DialogRunHook ? DialogRunHook(*this) : ShowModal()) == mrOk;
}

bool TvexoGetPeriodForm::Execute(TDateTime& from, TDateTime& to) {
    ToDateE->SetDate(Date());
    if (!Run())
        return false;
    from = FromDateE->GetDate();
    to = ToDateE->GetDate();
    return true;
}

bool TvexoGetPeriodForm::MaxDate(TDateTime& to) {
    ToDateE->SetDate(Date());
    FromDateE->SetEnabled(false);
    const bool ok = Run();
    if (ok)
        to = ToDateE->GetDate();
    FromDateE->SetEnabled(true);
    return ok;
}

namespace {

// The dialog lives in vexoGetPeriodForm for one run and is freed whatever happens. The
// platform's application object owns no components, so the dialog has no owner.
template <class Run> bool WithPeriodForm(Run run) {
    std::unique_ptr<TvexoGetPeriodForm> form(new TvexoGetPeriodForm(nullptr));
    vexoGetPeriodForm = form.get();
    struct Reset {
        ~Reset() { vexoGetPeriodForm = nullptr; }
    } reset;
    return run(*form);
}

} // namespace

bool GetPeriod(TDateTime& D1, TDateTime& D2) {
    return WithPeriodForm([&](TvexoGetPeriodForm& form) { return form.Execute(D1, D2); });
}

bool GetMaxDate(TDateTime& D) {
    return WithPeriodForm([&](TvexoGetPeriodForm& form) { return form.MaxDate(D); });
}

} // namespace vexo
