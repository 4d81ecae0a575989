#include "platform/gui/memo.h"

#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

#include "platform/gui/application.h"
#include "platform/gui/memostrings_p.h"

namespace vexo {

TMemo::TMemo(TComponent* owner) : TMemo(owner, nullptr) {}

TMemo::TMemo(TComponent* owner, QWidget* parent)
    : QPlainTextEdit(VisualParent(owner, parent)),
      TWinControl(this, clWindow, QPalette::Base, QPalette::Text, false), TComponent(this, owner),
      lines_(std::make_unique<TMemoStrings>(this)) {
    SetTabStop(true);
    setTabChangesFocus(false);
    SetScrollBars(ssNone);
    AddInputWidget(viewport());
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (OnChange)
            RunEventHandler([this] { OnChange(this); });
    });
}

TMemo::~TMemo() = default;

void TMemo::SetLines(const TStrings* lines) {
    if (lines != nullptr && lines != lines_.get())
        setPlainText(lines->ToStringList().join(QLatin1Char('\n')));
}

void TMemo::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(alignment == taRightJustify ? Qt::AlignRight
                        : alignment == taCenter     ? Qt::AlignHCenter
                                                    : Qt::AlignLeft);
    document()->setDefaultTextOption(option);
}

void TMemo::SetScrollBars(TScrollStyle scrollBars) {
    scrollBars_ = scrollBars;
    const bool horizontal = scrollBars == ssHorizontal || scrollBars == ssBoth;
    const bool vertical = scrollBars == ssVertical || scrollBars == ssBoth;
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TMemo::SetWantTabs(bool wantTabs) {
    wantTabs_ = wantTabs;
}

bool TMemo::WantsKey(int key, TShiftState) const {
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return wantTabs_;
    // A memo that takes Enter takes all keys, Esc too (the framework's edit windows do).
    return wantReturns_;
}

void TMemo::KeyPress(QChar& key) {
    TWinControl::KeyPress(key);
    if (key == QLatin1Char('\r') && !wantReturns_)
        key = QChar();
    const bool typing = !key.isNull() && (key.isPrint() || key == QLatin1Char('\r'));
    if (typing && maxLength_ > 0 && !textCursor().hasSelection() &&
        toPlainText().size() >= maxLength_)
        key = QChar();
}

int TMemo::ToFramework(int position) const {
    // Each line break before the position counts twice.
    return position + document()->findBlock(position).blockNumber();
}

int TMemo::FromFramework(int position) const {
    int rest = std::max(position, 0);
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const int length = block.length() - 1; // without its line break
        if (rest <= length || !block.next().isValid())
            return block.position() + std::min(rest, length);
        rest -= length + 2;
        if (rest < 0) // inside the line break: its end
            return block.next().position();
    }
    return 0;
}

int TMemo::SelStart() const {
    return ToFramework(textCursor().selectionStart());
}

void TMemo::SetSelStart(int position) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(FromFramework(position));
    setTextCursor(cursor);
}

int TMemo::SelLength() const {
    const QTextCursor cursor = textCursor();
    return ToFramework(cursor.selectionEnd()) - ToFramework(cursor.selectionStart());
}

void TMemo::SetSelLength(int length) {
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    cursor.setPosition(FromFramework(ToFramework(start) + std::max(length, 0)),
                       QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString TMemo::SelText() const {
    return textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

void TMemo::SetSelText(const QString& text) {
    textCursor().insertText(text);
}

TPoint TMemo::CaretPos() const {
    const QTextCursor cursor = textCursor();
    return TPoint{cursor.positionInBlock(), cursor.blockNumber()};
}

void TMemo::SetCaretPos(TPoint pos) {
    const int row = std::clamp(pos.Y, 0, document()->blockCount() - 1);
    const QTextBlock block = document()->findBlockByNumber(row);
    QTextCursor cursor = textCursor();
    cursor.setPosition(block.position() + std::clamp(pos.X, 0, block.length() - 1));
    setTextCursor(cursor);
}

} // namespace vexo
