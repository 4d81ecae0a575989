#pragma once
// The lines of a memo as a string list: a live view of its document, one line per text block.
// A final empty block (after a last line break) is no line. Lines keep no objects.

#include "platform/runtime/stringlist.h"

class QPlainTextEdit;

namespace vexo {

class TMemoStrings : public TStrings {
    Q_OBJECT

public:
    explicit TMemoStrings(QPlainTextEdit* edit);

    int Count() const override;
    QString Get(int index) const override;
    void Put(int index, const QString& text) override;
    void InsertObject(int index, const QString& text, QObject* object) override;
    void Delete(int index) override;
    void Clear() override;

private:
    void CheckIndex(int index, int limit) const;

    QPlainTextEdit* edit_;
};

} // namespace vexo
