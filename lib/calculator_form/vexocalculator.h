#pragma once
// The non-visual calculator component: it shows the pop-up calculator with its settings,
// under its attached edit or in the middle of the screen, and takes the value back when the
// user confirms. GetValue and GetValueWithPos do the same without a component.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <memory>

#include "platform/runtime/component.h"
#include "platform/runtime/types.h"
#include "platform/text/floatformat.h"
#include "vexo/calculator_form_export.h"

class QWidget;

namespace vexo {

class TvexoCalculatorForm;

class VEXO_CALCULATOR_FORM_EXPORT TvexoCalculator : public QObject, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    Q_CLASSINFO("Default.AutoCalc", "True")
    Q_PROPERTY(bool AutoCalc READ AutoCalc WRITE SetAutoCalc)
    Q_CLASSINFO("Default.AutoPrecision", "True")
    Q_PROPERTY(bool AutoPrecision READ AutoPrecision WRITE SetAutoPrecision)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_CLASSINFO("Default.Value", "0")
    Q_PROPERTY(double Value READ Value WRITE SetValue)
    Q_PROPERTY(vexo::TFloatFormat Format READ Format WRITE SetFormat)
    Q_CLASSINFO("Default.Precision", "6")
    Q_PROPERTY(int Precision READ Precision WRITE SetPrecision)
    Q_CLASSINFO("Default.Digits", "0")
    Q_PROPERTY(int Digits READ Digits WRITE SetDigits)
    Q_PROPERTY(QString DisplayFormat READ DisplayFormat WRITE SetDisplayFormat)
    Q_CLASSINFO("Default.Color", "clBtnFace")
    Q_PROPERTY(vexo::TColor Color READ Color WRITE SetColor)
    Q_CLASSINFO("Default.FlatButtons", "True")
    Q_PROPERTY(bool FlatButtons READ FlatButtons WRITE SetFlatButtons)

public:
    Q_INVOKABLE explicit TvexoCalculator(vexo::TComponent* owner = nullptr);
    ~TvexoCalculator() override;

    bool AutoCalc() const { return autoCalc_; }
    void SetAutoCalc(bool autoCalc) { autoCalc_ = autoCalc; }
    bool AutoPrecision() const { return autoPrecision_; }
    void SetAutoPrecision(bool autoPrecision) { autoPrecision_ = autoPrecision; }
    // The window's caption while Execute shows it ("Calculator" until set).
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption) { caption_ = caption; }
    double Value() const { return value_; }
    void SetValue(double value) { value_ = value; }
    TFloatFormat Format() const { return format_; }
    void SetFormat(TFloatFormat format) { format_ = format; }
    int Precision() const { return precision_; }
    void SetPrecision(int precision) { precision_ = precision; }
    int Digits() const { return digits_; }
    void SetDigits(int digits) { digits_ = digits; }
    QString DisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(const QString& displayFormat) { displayFormat_ = displayFormat; }
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    bool FlatButtons() const { return flatButtons_; }
    void SetFlatButtons(bool flat) { flatButtons_ = flat; }
    // The edit under which the window opens; cleared when the edit goes.
    QWidget* AttachedEdit() const { return attachedEdit_; }
    void SetAttachedEdit(QWidget* edit);

    // Shows the calculator modally; true when the user confirmed, and Value is then the
    // calculator's value. Cancelled, Value stays as it was.
    bool Execute();
    // The calculator built and set up as Execute shows it, without showing it.
    std::unique_ptr<TvexoCalculatorForm> CreateCalculatorForm() const;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool autoCalc_ = true;
    bool autoPrecision_ = true;
    QString caption_;
    double value_ = 0;
    TFloatFormat format_ = ffFixed;
    int precision_ = 6;
    int digits_ = 0;
    QString displayFormat_;
    TColor color_ = clBtnFace;
    bool flatButtons_ = true;
    QPointer<QWidget> attachedEdit_;
};

// GetValueWithPos(nullptr, value).
VEXO_CALCULATOR_FORM_EXPORT bool GetValue(double& value);
// Shows a calculator with `value` (13 significant digits, no trailing zeros) under the control,
// or in the middle of the screen when there is none or it has no parent; true when the user
// confirmed, and `value` is then the calculator's value.
VEXO_CALCULATOR_FORM_EXPORT bool GetValueWithPos(QWidget* control, double& value);
// The same with the window's top-left corner at a point of the screen.
VEXO_CALCULATOR_FORM_EXPORT bool GetValueWithPos(QPoint screenPoint, double& value);
// The calculator that Execute or GetValueWithPos shows at the moment, or none.
VEXO_CALCULATOR_FORM_EXPORT TvexoCalculatorForm* ShownCalculatorForm();

} // namespace vexo
