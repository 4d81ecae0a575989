#pragma once
// The calculator's resource strings and the captions of its clipboard menu.

#include <QString>

namespace vexo {

inline const QString vexoCalcCaption = QStringLiteral("Calculator");
inline const QString SCalcCut = QStringLiteral("&Вырезать");
inline const QString SCalcCopy = QStringLiteral("&Копировать");
inline const QString SCalcPaste = QStringLiteral("В&ставить");

} // namespace vexo
