#include "utils/vexointegerlist.h"

#include <vector>

#include "platform/text/floatformat.h"
#include "utils/listfile_p.h"

namespace vexo {

TvexoIntegerList::~TvexoIntegerList() {
    ClearOnDestroy();
}

void TvexoIntegerList::Assign(const TvexoIntegerList& source) {
    if (&source == this)
        return;
    Clear();
    for (int i = 0; i < source.Count(); ++i)
        Add(source.Get(i));
}

bool TvexoIntegerList::SaveToFile(const QString& fileName) const {
    QList<QByteArray> lines;
    lines.reserve(Count());
    for (int i = 0; i < Count(); ++i)
        lines << QByteArray::number(Get(i));
    return SaveListLines(fileName, lines);
}

void TvexoIntegerList::LoadFromFile(const QString& fileName) {
    const auto lines = ReadListLines(fileName);
    if (!lines)
        return;
    std::vector<qint32> values;
    values.reserve(static_cast<std::size_t>(lines->size()));
    for (qsizetype i = 0; i < lines->size(); ++i) {
        int value = 0;
        const QString text = QString::fromLatin1(lines->at(i));
        if (!TryStrToInt(text, value))
            throw EConvertError(QStringLiteral("'%1' is not a valid integer value (line %2 of %3)")
                                    .arg(text)
                                    .arg(i + 1)
                                    .arg(fileName));
        values.push_back(value);
    }
    Clear();
    for (const qint32 value : values)
        Add(value);
}

} // namespace vexo
