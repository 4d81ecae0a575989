#include "typed_edits/valuedialogs_p.h"

#include "calculator_form/vexocalculator.h"
#include "calendar/calendarpickers.h"
#include "typed_edits/vexocustomedit.h"

namespace vexo {

bool RunValueDialog(int kind, QWidget* anchor, TComponent* owner, double& value) {
    switch (kind) {
    case TvexoCustomEdit::vkInteger:
    case TvexoCustomEdit::vkFloat: {
        TvexoCalculator calculator(owner); // freed when the dialog is done
        calculator.SetCaption(QStringLiteral("Calculator"));
        calculator.SetAttachedEdit(anchor);
        calculator.SetValue(value);
        if (!calculator.Execute())
            return false;
        value = calculator.Value();
        return true;
    }
    case TvexoCustomEdit::vkDate:
        return SelectDate(anchor, value, QString(), dowLocaleDefault);
    case TvexoCustomEdit::vkTime:
        return SelectTime(anchor, value, QString());
    case TvexoCustomEdit::vkDateTime:
        return SelectDateTime(anchor, value, QString(), dowLocaleDefault);
    default:
        return false;
    }
}

} // namespace vexo
