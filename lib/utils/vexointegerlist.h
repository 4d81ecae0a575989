#pragma once
// A growable list of 32-bit integers with change events and a text file form.

#include <QString>

#include "utils/vexotypedlist.h"
#include "vexo/utils_export.h"

namespace vexo {

class TvexoIntegerList;
using TIntegerList = qint32*;
using TOnIntItemNotify = std::function<void(TvexoIntegerList* Sender, qint32 Item)>;
using TOnIntItemChange =
    std::function<void(TvexoIntegerList* Sender, qint32 OldItem, qint32 NewItem)>;

class VEXO_UTILS_EXPORT TvexoIntegerList : public TvexoTypedList<qint32, TvexoIntegerList> {
public:
    TvexoIntegerList() = default;
    // Clears the list, events included.
    ~TvexoIntegerList() override;

    // Clear, then Add of each item of `source` in order; assigning a list to itself changes
    // nothing.
    virtual void Assign(const TvexoIntegerList& source);

    // Writes one decimal value a line, CR LF after each, replacing the file atomically.
    // Returns false (the former file untouched) when it cannot be written.
    bool SaveToFile(const QString& fileName) const;
    // Reads a file written by SaveToFile. A missing file changes nothing. Every line is
    // checked before the list is touched: a line that is no integer raises EConvertError
    // naming the line and leaves the list as it was; otherwise the list is cleared and the
    // values appended with Add. An unreadable file raises EFOpenError.
    void LoadFromFile(const QString& fileName);
};

} // namespace vexo
