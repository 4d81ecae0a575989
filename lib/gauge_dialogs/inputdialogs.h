#pragma once
// One-line text prompts sized in the message dialogs' dialog units.

#include <QString>
#include <memory>

#include "platform/gui/form.h"

#include "vexo/gauge_dialogs_export.h"

namespace vexo {

// The prompt dialog, not shown: a label named "Prompt", an edit named "Edit" (at most 255
// characters, holding `value`, all selected), "OK" (result 1, default) and "Cancel" (result 2,
// cancel).
VEXO_GAUGE_DIALOGS_EXPORT std::unique_ptr<TForm>
CreateInputDialog(const QString& caption, const QString& prompt, const QString& value);
// True when confirmed with OK; `value` then holds the entered text, otherwise it is unchanged.
// Without a widget application: the prompt goes to standard error and the answer is false.
VEXO_GAUGE_DIALOGS_EXPORT bool InputQuery(const QString& caption, const QString& prompt,
                                          QString& value);
// The entered text, or `defaultValue` when the dialog is cancelled.
VEXO_GAUGE_DIALOGS_EXPORT QString InputBox(const QString& caption, const QString& prompt,
                                           const QString& defaultValue);

} // namespace vexo
