#include "utils/vexofloatlist.h"

#include <cmath>
#include <limits>
#include <vector>

#include "platform/text/floatformat.h"
#include "utils/listfile_p.h"
#include "utils/vexointegerlist.h"

namespace vexo {

namespace {

// The texts FloatToStrF writes for values that are not finite.
bool NonFiniteFromText(const QString& text, double& value) {
    if (text == QLatin1String("NAN"))
        value = std::numeric_limits<double>::quiet_NaN();
    else if (text == QLatin1String("INF"))
        value = std::numeric_limits<double>::infinity();
    else if (text == QLatin1String("-INF"))
        value = -std::numeric_limits<double>::infinity();
    else
        return false;
    return true;
}

} // namespace

TvexoFloatList::~TvexoFloatList() {
    ClearOnDestroy();
}

int TvexoFloatList::IndexOf(double value) const {
    for (int i = 0; i < Count(); ++i) {
        if (std::fabs(Items()[i] - value) <= Tolerance)
            return i;
    }
    return -1;
}

void TvexoFloatList::Assign(const TvexoIntegerList& source) {
    Clear();
    for (int i = 0; i < source.Count(); ++i)
        Add(source.Get(i));
}

bool TvexoFloatList::SaveToFile(const QString& fileName) const {
    QList<QByteArray> lines;
    lines.reserve(Count());
    for (int i = 0; i < Count(); ++i)
        lines << FloatToStrF(Get(i), ffGeneral, 15, 4).toUtf8();
    return SaveListLines(fileName, lines);
}

void TvexoFloatList::LoadFromFile(const QString& fileName) {
    const auto lines = ReadListLines(fileName);
    if (!lines)
        return;
    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(lines->size()));
    for (qsizetype i = 0; i < lines->size(); ++i) {
        double value = 0;
        const QString text = QString::fromUtf8(lines->at(i));
        if (!TryStrToFloat(text, value) && !NonFiniteFromText(text, value))
            throw EConvertError(
                QStringLiteral("'%1' is not a valid floating point value (line %2 of %3)")
                    .arg(text)
                    .arg(i + 1)
                    .arg(fileName));
        values.push_back(value);
    }
    Clear();
    for (const double value : values)
        Add(value);
}

} // namespace vexo
