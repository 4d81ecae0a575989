// Enter as Tab on a form, its list of controls and the "OutList" stream; the message grabber.
#include "typed_edits/vexoentertab.h"

#include "buttons/vexobitbtn.h"
#include "platform/runtime/componentstream.h"
#include "typed_edits/typededitsclasses.h"
#include "typed_edits/vexomsggrabber.h"
#include "typedtestkit.h"

using namespace vexo;
using namespace vexo::typedtest;

namespace {

struct TabForm : ActiveForm {
    TEdit* edit1 = new TEdit(&form);
    TEdit* edit2 = new TEdit(&form);
    TvexoBitBtn* ok = new TvexoBitBtn(&form);
    TvexoEnterTab* tab = new TvexoEnterTab(&form);
    QString formKeys; // what the form's own OnKeyPress saw
    int clicks = 0;
    TabForm() {
        edit1->SetName("Edit1");
        edit2->SetName("Edit2");
        ok->SetName("OkB");
        tab->SetName("Tab");
        edit2->SetTop(30);
        ok->SetTop(60);
        ok->OnClick = [this](QObject*) { ++clicks; };
        form.OnKeyPress = [this](QObject*, QChar& key) {
            formKeys += key.isNull() ? QChar('0') : key;
        };
        tab->AddControl(ok);
    }
    void Load() {
        tab->BeginLoading();
        tab->EndLoading();
    }
};

} // namespace

TEST(EnterTab, EnterMovesOnExceptOnAListedButton) {
    TabForm f;
    f.Load();
    EXPECT_TRUE(f.form.KeyPreview());
    f.edit1->SetFocus();
    QTest::keyClick(f.edit1, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), f.edit2);
    QTest::keyClicks(f.edit2, "a");
    // The form's own handler runs after the translation: Enter reached it as the null char.
    EXPECT_EQ(f.formKeys, "0a");
    EXPECT_EQ(f.edit2->Text(), "a");
    f.ok->SetFocus();
    QTest::keyClick(f.ok, Qt::Key_Return);
    EXPECT_EQ(f.clicks, 1);
    EXPECT_EQ(QApplication::focusWidget(), f.ok);
    // Gone, it gives the form its own handler back.
    delete f.tab;
    f.edit1->SetFocus();
    QTest::keyClick(f.edit1, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), f.edit1);
    EXPECT_TRUE(f.formKeys.endsWith(QChar(13)));
}

TEST(EnterTab, ListKeepsEachControlOnceAndForgetsFreedOnes) {
    TabForm f;
    f.tab->AddControl(f.ok);
    f.tab->AddControl(f.edit2);
    EXPECT_EQ(f.tab->ControlCount(), 2);
    EXPECT_EQ(f.tab->IndexOf(f.edit2), 1);
    delete f.ok;
    EXPECT_EQ(f.tab->ControlCount(), 1);
    EXPECT_EQ(f.tab->GetControl(0), f.edit2);
    EXPECT_EQ(f.tab->GetControl(5), nullptr);
    f.tab->RemoveControl(f.edit2);
    EXPECT_EQ(f.tab->ControlCount(), 0);
}

TEST(EnterTab, OutListIsStreamedByNameAndUnknownNamesAreReported) {
    RegisterTypedEditsClasses();
    TabForm f;
    const QString text = ComponentToText(&f.form);
    EXPECT_TRUE(text.contains("OutList = (1 'OkB')")) << text.toStdString();
    CaughtMessages messages;
    ReadComponentText("object Form1: TForm\n"
                      "  object Tab: TvexoEnterTab\n"
                      "    OutList = (2 'Edit2' 'Nope')\n"
                      "  end\n"
                      "end\n",
                      &f.form);
    EXPECT_EQ(messages.texts, QStringList{"Nope is not found!"});
    ASSERT_EQ(f.tab->ControlCount(), 1);
    EXPECT_EQ(f.tab->GetControl(0), f.edit2);
    // Loaded from the stream, it took over the form's keys.
    f.edit1->SetFocus();
    QTest::keyClick(f.edit1, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), f.edit2);
}

TEST(MsgGrabber, OnMessageSeesEventsFirstAndMayStopThem) {
    ActiveForm f;
    auto* edit = new TEdit(&f.form);
    edit->SetFocus();
    auto* grabber = new TvexoMsgGrabber(edit);
    QList<QEvent::Type> seen;
    grabber->OnMessage = [&](QObject*, TGrabbedMessage& m) {
        seen << m.Event->type();
        if (m.Event->type() == QEvent::KeyPress)
            m.Result = 1;
    };
    QTest::keyClicks(edit, "ab");
    EXPECT_EQ(edit->Text(), "") << "the key presses were handled by OnMessage";
    EXPECT_TRUE(seen.contains(QEvent::KeyPress));
    EXPECT_TRUE(seen.contains(QEvent::KeyRelease));
    grabber->FreeHandlerHook();
    EXPECT_FALSE(grabber->Hooked());
    QTest::keyClicks(edit, "c");
    EXPECT_EQ(edit->Text(), "c");
}

TEST(MsgGrabber, OwnerMustBeAWindowAndItsEndUnhooks) {
    TComponentObject plain;
    EXPECT_THROW(
        {
            try {
                TvexoMsgGrabber grabber(&plain);
            } catch (const ENonWindowOwner& e) {
                EXPECT_EQ(e.Message(), "Owner must be a window!");
                throw;
            }
        },
        ENonWindowOwner);
    EXPECT_EQ(plain.ComponentCount(), 0);
    EXPECT_THROW(TvexoMsgGrabber grabber(nullptr), ENonWindowOwner);
    // Freed with its owner window.
    auto* edit = new TEdit(nullptr);
    auto* grabber = new TvexoMsgGrabber(edit);
    EXPECT_TRUE(grabber->Hooked());
    QPointer<TvexoMsgGrabber> watch = grabber;
    delete edit;
    EXPECT_TRUE(watch.isNull());
}
