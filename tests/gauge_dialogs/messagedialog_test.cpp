#include "gauge_dialogs/messagedialog.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "buttons/vexobitbtn.h"
#include "edits/vexocheckbox.h"
#include "edits/vexocustomlabel.h"
#include "edits/vexoflatedit.h"
#include "gauge_dialogs/inputdialogs.h"
#include "gauge_dialogs/messageboxes.h"
#include "platform/gui/application.h"
#include "platform/gui/customlabel.h"
#include "platform/runtime/exception.h"
#include "utils/gui/cursorstack.h"

using namespace vexo;

namespace {

// Answers the next modal dialog as soon as it shows: `act` gets the dialog. A dialog that
// never shows fails the test instead of holding it.
void AnswerNextDialog(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr && ++*tries < 200)
            return;
        timer->deleteLater();
        timer->stop();
        ASSERT_NE(dialog, nullptr) << "no dialog showed";
        act(dialog);
    });
    timer->start(10);
}

void Click(const QString& name) {
    AnswerNextDialog([name](QWidget* dialog) {
        auto* button = dialog->findChild<QWidget*>(name);
        ASSERT_NE(button, nullptr) << name.toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    });
}

void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    AnswerNextDialog([=](QWidget* dialog) {
        QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key(key),
                        modifiers);
    });
}

QList<TvexoBitBtn*> Buttons(const TForm& form) {
    return form.findChildren<TvexoBitBtn*>();
}

} // namespace

TEST(MessageDialog, DefaultAndCancelButtonsFollowTheButtonSet) {
    const struct {
        TMsgDlgButtons set;
        const char* defaultName;
        const char* cancelName;
    } cases[] = {{{mbYes, mbNo}, "Yes", "No"},
                 {{mbAbort, mbIgnore}, "", ""},
                 {{mbOK, mbCancel}, "OK", "Cancel"},
                 {{mbYes, mbNo, mbCancel}, "Yes", "Cancel"},
                 {{mbRetry, mbCancel}, "Retry", "Cancel"},
                 {{mbOK}, "OK", "OK"},
                 {{}, "OK", "OK"}};
    for (const auto& c : cases) {
        auto dialog = CreateMessageDialog("Proceed?", mtConfirmation, c.set);
        QString defaults, cancels;
        for (TvexoBitBtn* b : Buttons(*dialog)) {
            if (b->Default())
                defaults += b->Name();
            if (b->Cancel())
                cancels += b->Name();
        }
        EXPECT_EQ(defaults, c.defaultName);
        EXPECT_EQ(cancels, c.cancelName);
    }
}

TEST(MessageDialog, LayoutOfTypesAndTexts) {
    const int halfScreen = QGuiApplication::primaryScreen()->geometry().width() / 2;
    const QString longText = QString("word ").repeated(200);
    const struct {
        TMsgDlgType type;
        QString text;
    } cases[] = {{mtWarning, "Short"},
                 {mtCustom, "Short"},
                 {mtError, "Line one\nLine two\nLine three"},
                 {mtInformation, longText}};
    for (const auto& c : cases) {
        auto dialog = CreateMessageDialog(c.text, c.type, {mbYes, mbNo, mbCancel});
        auto* message = dialog->findChild<TCustomLabel*>("Message");
        auto* image = dialog->findChild<QWidget*>("Image");
        ASSERT_NE(message, nullptr);
        EXPECT_EQ(image != nullptr, c.type != mtCustom);
        EXPECT_LE(message->width(), halfScreen);
        EXPECT_EQ(dialog->Caption(), c.type == mtCustom    ? Application()->Title()
                                     : c.type == mtWarning ? QString("Warning")
                                     : c.type == mtError   ? QString("Error")
                                                           : QString("Information"));
        if (image != nullptr) {
            EXPECT_GT(message->x(), image->geometry().right()) << "text right of the icon";
        }
        const QList<TvexoBitBtn*> buttons = Buttons(*dialog);
        ASSERT_EQ(buttons.size(), 3);
        // The row is centred, in kind order, under the text, with one width for all.
        const int left = buttons.front()->x();
        const int right = dialog->ClientWidth() - buttons.back()->geometry().right() - 1;
        EXPECT_LE(std::abs(left - right), 1);
        for (int i = 1; i < 3; ++i) {
            EXPECT_GT(buttons[i]->x(), buttons[i - 1]->geometry().right());
            EXPECT_EQ(buttons[i]->width(), buttons[0]->width());
            EXPECT_EQ(buttons[i]->TabOrder(), i);
        }
        EXPECT_GE(buttons[0]->y(), message->geometry().bottom());
        EXPECT_GE(dialog->ClientWidth(), message->geometry().right());
    }
}

TEST(MessageDialog, AMessageTallerThanTheScreenScrollsInsideIt) {
    auto dialog = CreateMessageDialog(QString("line\n").repeated(500), mtError, {mbOK});
    EXPECT_LE(dialog->Height(), QGuiApplication::primaryScreen()->availableGeometry().height());
    EXPECT_NE(dialog->findChild<QScrollArea*>("MessageScroll"), nullptr);
    EXPECT_LE(Buttons(*dialog).front()->geometry().bottom(), dialog->ClientHeight());
}

TEST(MessageDialog, EachButtonGivesItsModalResult) {
    for (int kind = mbYes; kind < mbHelp; ++kind) {
        const auto button = TMsgDlgBtn(kind);
        Click(MsgDlgButtonName(button));
        EXPECT_EQ(MessageDlg("Choose", mtConfirmation, {button, mbHelp}, 0),
                  MsgDlgButtonResult(button))
            << kind;
    }
}

TEST(MessageDialog, KeyboardEnterEscAndAccelerators) {
    Key(Qt::Key_Return);
    EXPECT_EQ(MessageDlg("Save?", mtConfirmation, {mbYes, mbNo, mbCancel}, 0), mrYes);
    Key(Qt::Key_Escape);
    EXPECT_EQ(MessageDlg("Save?", mtConfirmation, {mbYes, mbNo, mbCancel}, 0), mrCancel);
    Key(Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(MessageDlg("Save?", mtConfirmation, {mbYes, mbNo, mbCancel}, 0), mrNo);
    AnswerNextDialog([](QWidget* dialog) { dialog->close(); });
    EXPECT_EQ(SpecMessageDlg("Pick", mtCustom, {"One", "Two", "Three"}), mrCancel);
    Key(Qt::Key_Return);
    EXPECT_EQ(SpecMessageDlg("Pick", mtCustom, {"One", "Two", "Three"}), 2) << "second is default";
}

TEST(MessageDialog, CheckDialogReturnsTheBoxWhateverClosedIt) {
    for (const char* answer : {"OK", "Cancel"}) {
        bool checked = false;
        AnswerNextDialog([answer](QWidget* dialog) {
            QTest::mouseClick(dialog->findChild<QWidget*>("CHECK"), Qt::LeftButton);
            QTest::mouseClick(dialog->findChild<QWidget*>(answer), Qt::LeftButton);
        });
        MessageCheckDlg("Delete?", mtWarning, {mbOK, mbCancel}, 0, "Do not ask again", checked);
        EXPECT_TRUE(checked) << answer;
    }
}

TEST(MessageBoxes, AnswersAsTheirKindSays) {
    const struct {
        const char* click; // nullptr: the window is closed
        bool yesNo, okCancel;
        int yesNoCancel;
    } cases[] = {
        {"Yes", true, false, mrYes}, {"No", false, false, mrNo}, {nullptr, false, false, mrCancel}};
    for (const auto& c : cases) {
        auto answer = [&c] {
            if (c.click != nullptr) {
                Click(QString::fromLatin1(c.click));
            } else {
                AnswerNextDialog([](QWidget* d) { d->close(); });
            }
        };
        answer();
        EXPECT_EQ(YesNoMsg("?"), c.yesNo);
        answer();
        EXPECT_EQ(YesNoCancel("?"), c.yesNoCancel);
    }
    Click("OK");
    EXPECT_TRUE(OkCancelMsg("?"));
    Click("Cancel");
    EXPECT_FALSE(OkCancelMsg("?"));
    SetActiveScreenCursor(-11);
    Click("OK");
    EXPECT_EQ(ErrorMsg("Broken"), mrOk);
    EXPECT_EQ(ActiveScreenCursor(), 0) << "the hourglass is gone over the error";
}

TEST(InputDialogs, ConfirmedTextCancelAndLengthLimit) {
    QString value = "old";
    AnswerNextDialog([](QWidget* dialog) {
        auto* edit = dialog->findChild<TvexoFlatEdit*>("Edit");
        QTest::keyClicks(edit, QString("x").repeated(300));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_TRUE(InputQuery("Name", "Enter a name:", value));
    EXPECT_EQ(value, QString("x").repeated(255));
    Click("Cancel");
    EXPECT_EQ(InputBox("Name", "Enter a name:", "default"), "default");
}

TEST(ShowMessageFmt, TooFewArgumentsRaiseBeforeAnythingShows) {
    EXPECT_THROW(dialogs::ShowMessageFmt("%s and %s", {QString("one")}), EConvertError);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
