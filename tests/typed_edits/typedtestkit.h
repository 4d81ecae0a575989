#pragma once
// Shared helpers of the typed-edit tests: a shown form with an edit and a second control to
// move the focus to, and the library's error boxes caught instead of shown.

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

#include "gauge_dialogs/messagedialog.h"
#include "platform/gui/customlabel.h"
#include "platform/gui/edit.h"
#include "support/activeform.h"
#include "typed_edits/vexoedit.h"

// Readable failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace vexo::typedtest {

// Every message dialog's text while it lives; dialogs answer OK.
struct CaughtMessages {
    QStringList texts;
    CaughtMessages() {
        DialogRunHook = [this](TForm& dialog) {
            auto* label = dialog.findChild<TCustomLabel*>(QStringLiteral("Message"));
            texts << (label != nullptr ? label->Caption() : QString());
            return int(mrOk);
        };
    }
    ~CaughtMessages() { DialogRunHook = nullptr; }
    QString Last() const { return texts.isEmpty() ? QString() : texts.last(); }
};

struct EditForm : ActiveForm {
    TvexoEdit* edit;
    TEdit* other;
    CaughtMessages messages;
    EditForm() {
        edit = new TvexoEdit(&form);
        edit->SetBounds(10, 10, 120, 21);
        other = new TEdit(&form);
        other->SetBounds(10, 60, 120, 21);
        edit->SetFocus();
    }
    void Type(const QString& keys) { QTest::keyClicks(edit, keys); }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(edit, key, mods);
    }
    // Tab to the other control: the edit's exit runs.
    void Leave() { other->SetFocus(); }
    bool EditFocused() const { return QApplication::focusWidget() == edit; }
};

} // namespace vexo::typedtest
