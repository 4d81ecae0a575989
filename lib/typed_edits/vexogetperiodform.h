#pragma once
// The period dialog: two date edits for the start and the end of a period, OK and Cancel,
// Enter moving from field to field, its placement kept in the program's INI file (section
// "TvexoGetPeriodForm") by a form storage. GetPeriod and GetMaxDate ask through it.

#include "platform/gui/form.h"
#include "platform/text/datetime.h"
#include "vexo/typed_edits_export.h"

namespace vexo {

class TvexoBitBtn;
class TvexoEdit;
class TvexoEnterTab;
class TvexoFormStorage;
class TvexoLabel;

class VEXO_TYPED_EDITS_EXPORT TvexoGetPeriodForm : public TForm {
    Q_OBJECT

public:
    Q_INVOKABLE explicit TvexoGetPeriodForm(vexo::TComponent* owner = nullptr);
    ~TvexoGetPeriodForm() override;

    // ToDateE becomes today; on OK both dates are read into from and to. FromDateE keeps
    // what it held. True when OK was pressed.
    bool Execute(TDateTime& from, TDateTime& to);
    // As Execute with FromDateE disabled (enabled again afterwards); on OK only to is read.
    bool MaxDate(TDateTime& to);

    TvexoLabel* PeriodL;
    TvexoLabel* FromL;
    TvexoLabel* TillB;
    TvexoEdit* FromDateE;
    TvexoEdit* ToDateE;
    TvexoBitBtn* OkB;
    TvexoBitBtn* CancelB;
    TvexoEnterTab* vexoEnterTab1;
    TvexoFormStorage* Ini;

private:
    // The modal showing (or the dialog test seam of the message dialogs).
    bool Run();
};

// The dialog while GetPeriod or GetMaxDate runs it, else none.
VEXO_TYPED_EDITS_EXPORT extern TvexoGetPeriodForm* vexoGetPeriodForm;

// Asks for a period (D1, D2 changed only on OK); true on OK.
VEXO_TYPED_EDITS_EXPORT bool GetPeriod(TDateTime& D1, TDateTime& D2);
// Asks for an end date (D changed only on OK); true on OK.
VEXO_TYPED_EDITS_EXPORT bool GetMaxDate(TDateTime& D);

} // namespace vexo
