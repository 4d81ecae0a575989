#include "platform/gui/memostrings_p.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include "platform/runtime/exception.h"

namespace vexo {

TMemoStrings::TMemoStrings(QPlainTextEdit* edit) : TStrings(nullptr), edit_(edit) {}

int TMemoStrings::Count() const {
    const QTextDocument* document = edit_->document();
    int count = document->blockCount();
    if (document->lastBlock().length() <= 1) // only its end mark: an empty last block
        --count;
    return count;
}

void TMemoStrings::CheckIndex(int index, int limit) const {
    if (index < 0 || index > limit)
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

QString TMemoStrings::Get(int index) const {
    CheckIndex(index, Count() - 1);
    return edit_->document()->findBlockByNumber(index).text();
}

void TMemoStrings::Put(int index, const QString& text) {
    CheckIndex(index, Count() - 1);
    QTextCursor cursor(edit_->document()->findBlockByNumber(index));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(text);
}

void TMemoStrings::InsertObject(int index, const QString& text, QObject*) {
    const int count = Count();
    CheckIndex(index, count);
    QTextDocument* document = edit_->document();
    if (index < count) {
        QTextCursor cursor(document->findBlockByNumber(index));
        cursor.insertText(text + QLatin1Char('\n'));
        return;
    }
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    // After a final line break the new line takes the empty last block.
    if (count == 0 || document->lastBlock().length() <= 1)
        cursor.insertText(text);
    else
        cursor.insertText(QLatin1Char('\n') + text);
}

void TMemoStrings::Delete(int index) {
    CheckIndex(index, Count() - 1);
    const QTextBlock block = edit_->document()->findBlockByNumber(index);
    QTextCursor cursor(block);
    if (block.next().isValid()) {
        cursor.setPosition(block.next().position(), QTextCursor::KeepAnchor);
    } else {
        // The last line: its preceding line break goes with it.
        if (block.previous().isValid())
            cursor.setPosition(block.previous().position() + block.previous().length() - 1);
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    }
    cursor.removeSelectedText();
}

void TMemoStrings::Clear() {
    edit_->clear();
}

} // namespace vexo
