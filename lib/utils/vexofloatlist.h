#pragma once
// A growable list of doubles with change events and a text file form; IndexOf and Remove
// match items within Tolerance.

#include <QString>

#include "utils/vexotypedlist.h"
#include "vexo/utils_export.h"

namespace vexo {

class TvexoFloatList;
class TvexoIntegerList;
using TFloatList = double*;
using TOnFltItemNotify = std::function<void(TvexoFloatList* Sender, double Item)>;
using TOnFltItemChange =
    std::function<void(TvexoFloatList* Sender, double OldItem, double NewItem)>;

class VEXO_UTILS_EXPORT TvexoFloatList : public TvexoTypedList<double, TvexoFloatList> {
public:
    TvexoFloatList() = default;
    // Clears the list, events included.
    ~TvexoFloatList() override;

    // First index whose item differs from `value` by at most Tolerance, or -1.
    int IndexOf(double value) const;

    // Clear, then Add of each integer of `source`, as a float.
    virtual void Assign(const TvexoIntegerList& source);

    // Writes one value a line (general format, 15 digits, the current decimal separator),
    // CR LF after each, replacing the file atomically. Returns false (the former file
    // untouched) when it cannot be written.
    bool SaveToFile(const QString& fileName) const;
    // Reads a file written by SaveToFile under the current decimal separator ("NAN", "INF",
    // "-INF" included). A missing file changes nothing. Every line is checked before the list
    // is touched: a line that is no float raises EConvertError naming the line and leaves the
    // list as it was; otherwise the list is cleared and the values appended with Add. An
    // unreadable file raises EFOpenError.
    void LoadFromFile(const QString& fileName);

    double Tolerance = 0.001;
};

} // namespace vexo
