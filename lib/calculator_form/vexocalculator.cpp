#include "calculator_form/vexocalculator.h"

#include <QWidget>

#include "calculator_form/calculatorstrings.h"
#include "calculator_form/vexocalculatorform.h"

namespace vexo {

namespace {

// The calculator being shown (there is one modal calculator at a time).
QPointer<TvexoCalculatorForm> shownForm;

// Shows the form modally; on OK `value` takes the calculator's value.
bool Run(TvexoCalculatorForm& form, double& value) {
    shownForm = &form;
    const int result = form.ShowModal();
    shownForm = nullptr;
    if (result != mrOk)
        return false;
    value = form.Calculator().X();
    return true;
}

} // namespace

TvexoCalculator::TvexoCalculator(TComponent* owner)
    : QObject(nullptr), TComponent(this, owner), caption_(vexoCalcCaption) {}

TvexoCalculator::~TvexoCalculator() = default;

void TvexoCalculator::SetAttachedEdit(QWidget* edit) {
    if (attachedEdit_ == edit)
        return;
    if (TComponent* old = TComponent::FromObject(attachedEdit_))
        RemoveFreeNotification(old);
    attachedEdit_ = edit;
    if (TComponent* component = TComponent::FromObject(edit))
        FreeNotification(component);
}

void TvexoCalculator::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && attachedEdit_ != nullptr && component->Object() == attachedEdit_)
        attachedEdit_ = nullptr;
}

std::unique_ptr<TvexoCalculatorForm> TvexoCalculator::CreateCalculatorForm() const {
    auto form = std::make_unique<TvexoCalculatorForm>();
    TvexoCalculating& calc = form->Calculator();
    calc.AutoCalc = autoCalc_;
    calc.AutoPrecision = autoPrecision_;
    calc.Format = format_;
    calc.Precision = precision_;
    calc.Digits = digits_;
    calc.DisplayFormat = displayFormat_;
    calc.NextValue(value_);
    form->SetColor(color_);
    form->ButtonsFlat(flatButtons_);
    // The component's caption is shown: a program in another language gives it there.
    form->SetCaption(caption_);
    form->PlaceUnder(attachedEdit_);
    return form;
}

bool TvexoCalculator::Execute() {
    const std::unique_ptr<TvexoCalculatorForm> form = CreateCalculatorForm();
    return Run(*form, value_);
}

bool GetValue(double& value) {
    return GetValueWithPos(nullptr, value);
}

namespace {

// The free routines' calculator: the value with 13 significant digits, no trailing zeros.
std::unique_ptr<TvexoCalculatorForm> ValueForm(double value) {
    auto form = std::make_unique<TvexoCalculatorForm>();
    form->Calculator().AutoPrecision = true;
    form->Calculator().NextValue(value);
    return form;
}

} // namespace

bool GetValueWithPos(QWidget* control, double& value) {
    const std::unique_ptr<TvexoCalculatorForm> form = ValueForm(value);
    form->PlaceUnder(control);
    return Run(*form, value);
}

bool GetValueWithPos(QPoint screenPoint, double& value) {
    const std::unique_ptr<TvexoCalculatorForm> form = ValueForm(value);
    form->PlaceAt(screenPoint);
    return Run(*form, value);
}

TvexoCalculatorForm* ShownCalculatorForm() {
    return shownForm;
}

} // namespace vexo
