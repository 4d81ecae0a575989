#include "calendar/vexomonthcalcolors.h"

#include "platform/runtime/exception.h"

namespace vexo {

namespace {
QString ShortClassName(const QMetaObject* meta) {
    return QString::fromLatin1(meta->className()).section(QStringLiteral("::"), -1);
}
} // namespace

TvexoMonthCalColors::TvexoMonthCalColors(QObject* parent)
    : QObject(parent), colors_{clWindow, clWindowText, clActiveCaption,
                               clWhite,  clWhite,      clInactiveCaptionText} {}

TColor TvexoMonthCalColors::Color(int index) const {
    return index >= 0 && index < ColorCount ? colors_[size_t(index)] : clNone;
}

void TvexoMonthCalColors::SetColor(int index, TColor value) {
    if (index >= 0 && index < ColorCount)
        colors_[size_t(index)] = value;
}

void TvexoMonthCalColors::Assign(const QObject* source) {
    if (const auto* colors = qobject_cast<const TvexoMonthCalColors*>(source)) {
        colors_ = colors->colors_;
        return;
    }
    throw EConvertError(
        QStringLiteral("Cannot assign a %1 to a %2")
            .arg(source ? ShortClassName(source->metaObject()) : QStringLiteral("nil"),
                 ShortClassName(metaObject())));
}

} // namespace vexo
