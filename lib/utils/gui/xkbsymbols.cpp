#include "utils/gui/xkbsymbols_p.h"

#include <QStringList>
#include <algorithm>

namespace vexo {

namespace {

// Parts of a symbols name that add keys or options rather than a layout.
bool IsOptionPart(const QString& name) {
    static const QStringList options{
        QStringLiteral("pc"),        QStringLiteral("inet"),      QStringLiteral("group"),
        QStringLiteral("level3"),    QStringLiteral("level5"),    QStringLiteral("lv3"),
        QStringLiteral("lv5"),       QStringLiteral("compose"),   QStringLiteral("terminate"),
        QStringLiteral("ctrl"),      QStringLiteral("caps"),      QStringLiteral("capslock"),
        QStringLiteral("altwin"),    QStringLiteral("keypad"),    QStringLiteral("kpdl"),
        QStringLiteral("nbsp"),      QStringLiteral("shift"),     QStringLiteral("eurosign"),
        QStringLiteral("rupeesign"), QStringLiteral("srvr_ctrl"), QStringLiteral("japan"),
        QStringLiteral("korean"),    QStringLiteral("mac"),       QStringLiteral("evdev")};
    return options.contains(name);
}

} // namespace

QList<TXkbLayout> ParseXkbSymbols(const QString& symbols) {
    QList<TXkbLayout> layouts;
    bool firstSeen = false;
    for (const QString& part : symbols.split(QLatin1Char('+'), Qt::SkipEmptyParts)) {
        QString name = part;
        int group = -1;
        if (const qsizetype colon = name.indexOf(QLatin1Char(':')); colon >= 0) {
            bool ok = false;
            group = name.mid(colon + 1).toInt(&ok) - 1;
            if (!ok || group < 0 || group > 3)
                continue;
            name = name.left(colon);
        }
        const QString code = name.left(name.indexOf(QLatin1Char('('))).trimmed();
        if (code.isEmpty() || IsOptionPart(code))
            continue;
        // A layout without ":n" is the first group.
        if (group < 0) {
            if (firstSeen)
                continue;
            group = 0;
        }
        firstSeen = firstSeen || group == 0;
        layouts << TXkbLayout{group, code};
    }
    std::stable_sort(layouts.begin(), layouts.end(),
                     [](const TXkbLayout& a, const TXkbLayout& b) { return a.Group < b.Group; });
    return layouts;
}

int FindXkbGroup(const QList<TXkbLayout>& layouts, const QStringList& codes) {
    for (const QString& code : codes)
        for (const TXkbLayout& layout : layouts)
            if (layout.Code == code)
                return layout.Group;
    return -1;
}

} // namespace vexo
