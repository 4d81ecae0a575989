// The typed edit: typing each value kind, the checks on leaving, the value routines, the
// substitution table and decimal limit, rounding, the mask typed in overwrite mode, paste.
#include "typed_edits/vexocustomedit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>
#include <algorithm>

#include "platform/runtime/componentstream.h"
#include "platform/text/datetime.h"
#include "typed_edits/typededitsclasses.h"
#include "typedtestkit.h"

using namespace vexo;
using namespace vexo::typedtest;
using E = TvexoCustomEdit;
namespace msg = EditMessages;

TEST(TypedEditTyping, EachKindTakesOnlyWhatItCanHold) {
    struct Case {
        E::TValueKind kind;
        const char* typed;
        const char* text;
        QString message;
    };
    const Case cases[] = {
        {E::vkString, "a1-x", "a1-x", {}},
        {E::vkInteger, "-12a3", "-123", msg::NotInteger},
        // The tenth digit would leave 32 bits: refused, no wrap.
        {E::vkInteger, "99999999999", "999999999", msg::NotInteger},
        {E::vkFloat, "1.5x", "1.5", msg::NotFloat},
        {E::vkFloat, "-2.5e3", "-2.5e3", {}},
        // An exponent beyond the double range is refused at the digit that makes it so.
        {E::vkFloat, "1e999", "1e99", msg::NotFloat},
    };
    for (const Case& c : cases) {
        EditForm f;
        f.edit->SetValueKind(c.kind);
        f.edit->setText({});
        f.Type(c.typed);
        EXPECT_EQ(f.edit->text(), QString(c.text)) << c.typed;
        EXPECT_EQ(f.messages.Last(), c.message) << c.typed;
    }
}

TEST(TypedEditTyping, SubstitutionDecimalLimitAndDirectEnter) {
    EditForm f;
    f.edit->SetValueKind(E::vkFloat);
    f.edit->setText({});
    f.edit->SetFromChars(",;");
    f.edit->SetToChars(".");
    f.edit->SetFloatDigits(2);
    f.Type("1,234");
    EXPECT_EQ(f.edit->text(), "1.23");
    // A third decimal is refused wherever the caret stands in the fraction.
    f.Key(Qt::Key_Home);
    f.Key(Qt::Key_Right);
    f.Key(Qt::Key_Right);
    f.Type("9");
    EXPECT_EQ(f.edit->text(), "1.23");
    EXPECT_TRUE(f.messages.texts.isEmpty());
    // ";" has no partner in ToChars: it stays ";" and the float edit refuses it.
    f.Type(";");
    EXPECT_EQ(f.edit->text(), "1.23");

    EditForm d;
    d.edit->SetDirectEnter(true);
    d.edit->setText("keep");
    d.Type("abc");
    d.Key(Qt::Key_Backspace);
    EXPECT_EQ(d.edit->text(), "keep");
}

TEST(TypedEditExit, WrongValuesKeepTheFocusAndTheValueOfEntry) {
    struct Case {
        E::TValueKind kind;
        const char* entry;
        const char* typed;
        QString message;
    };
    // The C locale's date is M/d/yyyy and its time h:mm:ss AMPM.
    const Case cases[] = {
        {E::vkInteger, "7", "1 2", msg::EnterInteger},
        {E::vkFloat, "7", "1..2", msg::EnterFloat},
        {E::vkDate, "3/5/2004", "13/40/2004", msg::EnterDate},
        {E::vkTime, "10:00:00", "25:61", msg::EnterTime},
        {E::vkDateTime, "3/5/2004 10:00", "3/5/2004 99:00", msg::EnterDateTime},
        {E::vkDate, "3/5/2004", "2/29/2004", {}},
        {E::vkTime, "10:00:00", "23:59", {}},
        {E::vkDate, "3/5/2004", "", {}}, // an empty edit may be left
    };
    for (const Case& c : cases) {
        EditForm f;
        f.edit->SetValueKind(c.kind);
        f.edit->setText(c.entry);
        f.Leave();
        f.edit->SetFocus();
        f.edit->setText(c.typed); // as if typed: the checks run on leaving
        f.Leave();
        EXPECT_EQ(f.messages.Last(), c.message) << c.typed;
        EXPECT_EQ(f.EditFocused(), !c.message.isEmpty()) << c.typed;
        EXPECT_EQ(f.edit->text(), QString(c.message.isEmpty() ? c.typed : c.entry)) << c.typed;
    }
}

TEST(TypedEditExit, EmptyRuleCanExitAndModify) {
    EditForm f;
    QStringList modified;
    f.edit->OnModify = [&](QObject*, QString oldValue, QString newValue) {
        modified << oldValue + "->" + newValue;
    };
    f.Leave();
    f.edit->setText("old");
    f.edit->SetFocus();
    f.edit->selectAll();
    f.Type("new");
    f.Leave();
    EXPECT_EQ(modified, QStringList{"old->new"});
    // Left unchanged: no OnModify.
    f.edit->SetFocus();
    f.Leave();
    EXPECT_EQ(modified.size(), 1);

    f.edit->SetMayBeEmpty(false);
    f.edit->SetFocus();
    f.edit->setText({});
    f.Leave();
    EXPECT_EQ(f.messages.Last(), msg::EmptyValue);
    EXPECT_TRUE(f.EditFocused());
    f.messages.texts.clear();
    f.edit->CanExit = [](QObject*, bool& allow) { allow = true; };
    f.Leave();
    EXPECT_TRUE(f.messages.texts.isEmpty());
    EXPECT_FALSE(f.EditFocused());
}

TEST(TypedEditValues, GettersReportWhatTheyCannotRead) {
    struct Case {
        E::TValueKind kind;
        const char* text;
        QString message;
    };
    const Case cases[] = {
        {E::vkInteger, "99999999999", msg::NotInteger},   {E::vkFloat, "1e400", msg::NotFloat},
        {E::vkDate, "2/30/2004", msg::NotDate},           {E::vkTime, "25:00", msg::NotTime},
        {E::vkDateTime, "3/5/2004 xx", msg::NotDateTime},
    };
    for (const Case& c : cases) {
        EditForm f;
        f.edit->SetValueKind(c.kind);
        f.edit->setText(c.text);
        double value = -1;
        switch (c.kind) {
        case E::vkInteger:
            value = f.edit->GetInteger();
            break;
        case E::vkFloat:
            value = f.edit->GetFloat();
            break;
        case E::vkDate:
            value = f.edit->GetDate();
            break;
        case E::vkTime:
            value = f.edit->GetTime();
            break;
        default:
            value = f.edit->GetDateTime();
            break;
        }
        EXPECT_EQ(value, 0) << c.text;
        EXPECT_EQ(f.messages.Last(), c.message) << c.text;
    }
}

TEST(TypedEditValues, SettersOfAnotherKindChangeNothing) {
    EditForm f;
    f.edit->SetValueKind(E::vkDate);
    f.edit->SetDate(EncodeDate(2004, 3, 5));
    const QString date = f.edit->text();
    EXPECT_EQ(date, "3/5/2004");
    f.edit->SetInteger(5);
    f.edit->SetFloat(1.5);
    f.edit->SetString("x");
    f.edit->SetTime(0.5);
    f.edit->SetDateTime(1);
    EXPECT_EQ(f.messages.texts, QStringList({msg::WrongInteger, msg::WrongFloat, msg::WrongString,
                                             msg::WrongTime, msg::WrongDateTime}));
    EXPECT_EQ(f.edit->text(), date);
    EXPECT_EQ(f.edit->GetDate(), EncodeDate(2004, 3, 5));
    // ShowMessage off: silent.
    f.edit->SetShowMessage(false);
    f.edit->SetInteger(5);
    EXPECT_EQ(f.messages.texts.size(), 5);
}

TEST(TypedEditValues, KindChangeConvertsAndAligns) {
    EditForm f;
    f.edit->setText("12abc");
    f.edit->SetValueKind(E::vkInteger);
    EXPECT_EQ(f.edit->text(), "0");
    EXPECT_EQ(f.edit->Alignment(), taRightJustify);
    f.edit->SetInteger(42);
    f.edit->SetValueKind(E::vkFloat);
    EXPECT_EQ(f.edit->text(), "42");
    f.edit->SetAutoFill(true);
    f.edit->SetValueKind(E::vkDate);
    EXPECT_EQ(f.edit->GetDate(), Date());
    EXPECT_EQ(f.edit->Alignment(), taCenter);
    f.edit->SaveAll();
    f.edit->setText("x");
    f.edit->RestoreAll();
    EXPECT_EQ(f.edit->GetDate(), Date());
}

TEST(TypedEditDisplay, RoundingFormatsAndPassword) {
    struct Case {
        E::TValueKind kind;
        const char* text;
        bool round;
        int digits;
        const char* format;
        const char* shown;
    };
    const Case cases[] = {
        {E::vkFloat, "3.14159", true, 2, "", "3.14"},
        {E::vkFloat, "3.14159", false, 2, "", "3.14159"},
        {E::vkInteger, "1234", true, -2, "", "1200"},
        {E::vkFloat, "1234.5", false, 2, "#,##0.00", "1,234.50"},
        {E::vkFloat, "2.345", true, 1, "0.000", "2.300"},
        {E::vkDate, "3/5/2004", false, 2, "yyyy-mm-dd", "2004-03-05"},
        {E::vkFloat, "oops", true, 2, "0.00", "oops"}, // unreadable: the plain text
    };
    for (const Case& c : cases) {
        EditForm f;
        f.edit->SetValueKind(c.kind);
        f.edit->setText(c.text);
        f.edit->SetRoundValue(c.round);
        f.edit->SetRoundDigits(c.digits);
        f.edit->SetDisplayFormat(c.format);
        EXPECT_EQ(f.edit->GetDisplayText(), QString(c.shown)) << c.text << " " << c.format;
        EXPECT_TRUE(f.messages.texts.isEmpty()) << "painting never reports";
    }
    EditForm p;
    p.edit->setText("secret");
    p.edit->SetPasswordChar(QLatin1Char('*'));
    p.edit->OnGetDisplayText = [](QObject*, QString& t) { t += "!"; };
    EXPECT_EQ(p.edit->GetDisplayText(), "******!");
}

TEST(TypedEditMask, OverwriteTypingWithDividersAndFieldRules) {
    EditForm f;
    f.edit->SetValueKind(E::vkTime);
    f.edit->SetMask("hh:mm");
    EXPECT_TRUE(f.edit->UseMask());
    EXPECT_EQ(f.edit->text(), "__:__");
    EXPECT_EQ(f.edit->MaxLength(), 5);
    f.Type("25"); // after a 2 only 0-3
    EXPECT_EQ(f.edit->text(), "2_:__");
    f.Type("36"); // the caret jumps the colon; a 6 cannot start the minutes
    EXPECT_EQ(f.edit->text(), "23:__");
    f.Type("45");
    EXPECT_EQ(f.edit->text(), "23:45");
    f.Type("1"); // full: the last position is overwritten
    EXPECT_EQ(f.edit->text(), "23:41");
    f.Leave();
    EXPECT_TRUE(f.messages.texts.isEmpty());
    EXPECT_DOUBLE_EQ(f.edit->GetTime(), EncodeTime(23, 41, 0, 0));
}

TEST(TypedEditMask, CaretKeysDeleteAndBackspace) {
    EditForm f;
    f.edit->SetValueKind(E::vkDate);
    f.edit->SetMask("dd.MM.yyyy");
    f.Type("05032004");
    EXPECT_EQ(f.edit->text(), "05.03.2004");
    f.Key(Qt::Key_Home);
    f.Key(Qt::Key_Right);
    f.Key(Qt::Key_Right); // over the dot
    EXPECT_EQ(f.edit->selectionStart(), 3);
    f.Key(Qt::Key_Left); // back over the dot
    EXPECT_EQ(f.edit->selectionStart(), 1);
    f.Key(Qt::Key_Delete); // blanks the position, the caret stays
    EXPECT_EQ(f.edit->text(), "0_.03.2004");
    EXPECT_EQ(f.edit->selectionStart(), 1);
    f.Type("7");
    f.Key(Qt::Key_Backspace); // blanks the 7 and stands on it
    EXPECT_EQ(f.edit->text(), "0_.03.2004");
    EXPECT_EQ(f.edit->selectionStart(), 1);
    // Moving the caret never blanks a selection; typing over one does.
    f.edit->selectAll();
    f.Key(Qt::Key_Right);
    EXPECT_EQ(f.edit->text(), "0_.03.2004");
    f.edit->selectAll();
    f.Type("1");
    EXPECT_EQ(f.edit->text(), "1_.__.____");
}

TEST(TypedEditMask, AmPmSuffixAndDateRoundTrip) {
    EditForm f;
    f.edit->SetValueKind(E::vkTime);
    f.edit->SetMask("hh:mm am/pm");
    EXPECT_EQ(f.edit->text(), "__:__ __");
    EXPECT_EQ(f.edit->AmPmMode(), 1);
    f.Type("1130xp9m");
    EXPECT_EQ(f.edit->text(), "11:30 pm");
    EXPECT_DOUBLE_EQ(f.edit->GetTime(), EncodeTime(23, 30, 0, 0));

    EditForm d;
    d.edit->SetValueKind(E::vkDate);
    d.edit->SetMask("dd.MM.yyyy");
    d.edit->SetDate(EncodeDate(2004, 3, 5));
    EXPECT_EQ(d.edit->text(), "05.03.2004");
    EXPECT_EQ(d.edit->GetDate(), EncodeDate(2004, 3, 5));
    d.edit->SetBlankChar(QLatin1Char(' '));
    EXPECT_EQ(d.edit->text(), "  .  .    ");
}

TEST(TypedEditMask, UseMaskNeedsAMask) {
    EditForm f;
    f.edit->SetUseMask(true);
    EXPECT_FALSE(f.edit->UseMask());
    EXPECT_EQ(f.messages.Last(), msg::MaskUse);
    f.edit->SetMask("00");
    f.edit->SetUseMask(false);
    f.edit->SetUseMask(true);
    EXPECT_EQ(f.messages.texts.size(), 1);
}

TEST(TypedEditPaste, RefusedWholeOrTakenWhole) {
    struct Case {
        E::TValueKind kind;
        const char* mask;
        const char* clip;
        const char* text;
        QString message;
    };
    const Case cases[] = {
        {E::vkInteger, "", "12x", "5", msg::NotInteger},
        {E::vkInteger, "", "42", "542", {}},
        {E::vkInteger, "", "99999999999", "5", msg::NotInteger},
        {E::vkDate, "", "2/30/2004", "", msg::NotDate},
        {E::vkTime, "hh:mm", "12:30", "12:30", {}},
        {E::vkTime, "hh:mm", "1230", "12:30", {}},
        {E::vkTime, "hh:mm", "29:30", "__:__", {}},
    };
    for (const Case& c : cases) {
        EditForm f;
        f.edit->SetValueKind(c.kind);
        f.edit->setText(c.kind == E::vkInteger ? "5" : "");
        f.edit->SetMask(c.mask);
        f.edit->end(false);
        if (f.edit->UseMask())
            f.edit->setSelection(1, -1);
        QGuiApplication::clipboard()->setText(c.clip);
        f.Key(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(f.edit->text(), QString(c.text)) << c.clip;
        EXPECT_EQ(f.messages.Last(), c.message) << c.clip;
    }
}

// The edit's own menu makes the same checks as the keys.
TEST(TypedEditPaste, ContextMenuPasteCutAndDeleteAreChecked) {
    struct Case {
        E::TValueKind kind;
        const char* mask;
        const char* text;
        int from, length;
        const char* action;
        const char* clip; // on the clipboard before, and after
        const char* after;
        QString message;
    };
    const Case cases[] = {
        {E::vkInteger, "", "5", 1, 0, "&Paste", "12x", "5", msg::NotInteger},
        {E::vkInteger, "", "5", 1, 0, "&Paste", "42", "542", {}},
        {E::vkTime, "hh:mm", "12:30", 0, 5, "Cu&t", "12:30", "__:__", {}},
        {E::vkTime, "hh:mm", "12:30", 0, 2, "Delete", "", "__:30", {}},
    };
    for (const Case& c : cases) {
        EditForm f;
        f.edit->SetValueKind(c.kind);
        f.edit->SetMask(c.mask);
        f.edit->setText(c.text);
        f.edit->setSelection(c.from, c.length);
        QGuiApplication::clipboard()->setText(QString(c.clip));
        QTimer::singleShot(0, f.edit, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            const QList<QAction*> actions = menu->actions();
            const auto action = std::find_if(actions.begin(), actions.end(), [&](QAction* a) {
                return a->text().startsWith(QString::fromLatin1(c.action));
            });
            ASSERT_NE(action, actions.end()) << c.action;
            (*action)->trigger();
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                f.edit->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(f.edit, &event);
        EXPECT_EQ(f.edit->text(), QString(c.after)) << c.action;
        EXPECT_EQ(f.messages.Last(), c.message) << c.action;
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QString(c.clip)) << c.action;
    }
}

TEST(TypedEditStream, PropertiesReadBackAndTheButtonIsNoStreamedComponent) {
    RegisterTypedEditsClasses();
    TForm form;
    auto* edit = new TvexoEdit(&form);
    edit->SetName("Edit1");
    edit->SetValueKind(E::vkFloat);
    edit->SetFloatDigits(2);
    edit->SetMask("00.00");
    edit->SetEditStyle(E::weFlat);
    edit->SetRightControl(true);
    const QString text = ComponentToText(&form);
    EXPECT_FALSE(text.contains("TvexoBitBtn")) << text.toStdString();
    TForm copy;
    ReadComponentText(text, &copy);
    auto* read = static_cast<TvexoEdit*>(copy.FindComponent("Edit1")->Object());
    EXPECT_EQ(read->ValueKind(), E::vkFloat);
    EXPECT_EQ(read->FloatDigits(), 2);
    EXPECT_EQ(read->Mask(), "00.00");
    EXPECT_EQ(read->EditStyle(), E::weFlat);
    EXPECT_TRUE(read->RightControl());
    EXPECT_EQ(ComponentToText(&copy), text);
}
