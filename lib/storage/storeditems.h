#pragma once
// Stored-item texts: one line per kept property, "component.property" and optionally "|#|" and
// an explicit key ("Edit1.Text", "Edit2.Text|#|LastText"). Each resolved line carries the
// component it names (its Qt object) as the line's associated object.

#include <QString>

#include "platform/runtime/component.h"
#include "vexo/storage_export.h"

namespace vexo {

class TStrings;

// Component name + "." + property when both are given, then "|#|" + key when key is given.
VEXO_STORAGE_EXPORT QString CreateStoredItem(const QString& compName, const QString& propName,
                                             const QString& key);
// Splits an item at its first "." and the property part at "|#|", trimming each part; true
// when component and property names are both non-empty.
VEXO_STORAGE_EXPORT bool ParseStoredItem(const QString& item, QString& compName, QString& propName,
                                         QString& key);
// Walks the list from the last line to the first and deletes lines that do not parse. With
// fromForm, resolves each line's component among component's own components (deleting lines
// whose component is missing); otherwise deletes lines without a component and rebuilds the
// others with the component's current name.
VEXO_STORAGE_EXPORT void UpdateStoredList(TComponent* component, TStrings* list, bool fromForm);
// First of the screen's forms, then of its data modules, named name in any letter case.
VEXO_STORAGE_EXPORT TComponent* FindScreenComponent(const QString& name);

} // namespace vexo
