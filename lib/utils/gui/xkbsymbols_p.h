#pragma once
// Reading the layouts out of an XKB symbols name such as "pc+us+ru:2+inet(evdev)".

#include <QList>
#include <QString>

#include "vexo/utils_gui_export.h"

namespace vexo {

struct TXkbLayout {
    int Group = 0; // 0-based keyboard group
    QString Code;  // "us", "ru", ... without variant
    bool operator==(const TXkbLayout&) const = default;
};

// The layouts of the symbols name in group order; model and option parts ("pc", "inet(...)",
// "group(...)", ...) are no layouts.
VEXO_UTILS_GUI_EXPORT QList<TXkbLayout> ParseXkbSymbols(const QString& symbols);
// The group of the first layout whose code is one of `codes` (tried in order); -1 when none.
VEXO_UTILS_GUI_EXPORT int FindXkbGroup(const QList<TXkbLayout>& layouts, const QStringList& codes);

} // namespace vexo
