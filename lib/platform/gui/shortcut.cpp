#include "platform/gui/shortcut.h"

#include <QKeyCombination>
#include <QKeySequence>

namespace vexo {

int ShortCut(int key, TShiftState shift) {
    if (key == 0)
        return 0;
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ShiftModifier, shift.testFlag(ssShift));
    modifiers.setFlag(Qt::ControlModifier, shift.testFlag(ssCtrl));
    modifiers.setFlag(Qt::AltModifier, shift.testFlag(ssAlt));
    return QKeyCombination(modifiers, Qt::Key(key)).toCombined();
}

void ShortCutToKey(int shortCut, int& key, TShiftState& shift) {
    const QKeyCombination combination = QKeyCombination::fromCombined(shortCut);
    key = shortCut == 0 ? 0 : int(combination.key());
    shift = {};
    shift.setFlag(ssShift, combination.keyboardModifiers().testFlag(Qt::ShiftModifier));
    shift.setFlag(ssCtrl, combination.keyboardModifiers().testFlag(Qt::ControlModifier));
    shift.setFlag(ssAlt, combination.keyboardModifiers().testFlag(Qt::AltModifier));
}

QString ShortCutToText(int shortCut) {
    if (shortCut == 0)
        return QString();
    return QKeySequence(QKeyCombination::fromCombined(shortCut))
        .toString(QKeySequence::PortableText);
}

int TextToShortCut(const QString& text) {
    const QKeySequence sequence = QKeySequence::fromString(text, QKeySequence::PortableText);
    if (sequence.isEmpty() || sequence[0].key() == Qt::Key_unknown)
        return 0;
    return sequence[0].toCombined();
}

} // namespace vexo
