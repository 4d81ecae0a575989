#include "platform/gui/form.h"

#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

#include "platform/gui/application.h"
#include "platform/gui/combobox.h"
#include "platform/gui/edit.h"
#include "platform/gui/groupbox.h"
#include "platform/gui/label.h"
#include "platform/gui/listbox.h"
#include "platform/image/canvas.h"
#include "platform/runtime/screen.h"
#include "platform/runtime/typinfo.h"

using namespace vexo;

TEST(Forms, FixedBorderKeepsTheSize) {
    TForm f;
    f.SetClientSize(200, 100);
    f.SetBorderStyle(TForm::bsSingle);
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    EXPECT_FALSE(f.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    f.SetBorderStyle(TForm::bsDialog);
    EXPECT_EQ(f.minimumSize(), QSize(200, 100));
    f.SetBorderStyle(TForm::bsSizeable);
    f.resize(300, 150);
    EXPECT_EQ(f.size(), QSize(300, 150));
}

TEST(Forms, ShowModalReturnsTheModalResult) {
    TForm f;
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(f.IsModal());
        f.SetModalResult(mrYes);
    });
    EXPECT_EQ(f.ShowModal(), mrYes);
    EXPECT_FALSE(f.isVisible());
    QTimer::singleShot(0, [&] { f.close(); });
    EXPECT_EQ(f.ShowModal(), mrCancel);
}

TEST(Forms, DesktopCentreOnFirstShow) {
    TForm f;
    f.SetClientSize(100, 50);
    f.SetPosition(TForm::poDesktopCenter);
    f.show();
    const QRect desk = f.screen()->virtualGeometry();
    EXPECT_NEAR(f.frameGeometry().center().x(), desk.center().x(), 2);
}

TEST(Controls, ComboBoxRaisesOnChangeOnlyForTheUser) {
    TComboBox c;
    c.SetItems({QStringLiteral("a"), QStringLiteral("b")});
    int changes = 0;
    c.OnChange = [&](QObject* sender) {
        EXPECT_EQ(sender, &c);
        ++changes;
    };
    c.SetItemIndex(1);
    EXPECT_EQ(changes, 0);
    c.setCurrentIndex(0); // as a user's choice arrives
    EXPECT_EQ(changes, 1);
}

TEST(Controls, SortedListBoxIgnoresCase) {
    TListBox l;
    l.SetSorted(true);
    for (const char* s : {"b.bmp", "A.bmp", "c.bmp", "a2.bmp"})
        l.Add(QString::fromLatin1(s));
    EXPECT_EQ(l.Items(), (QStringList{"A.bmp", "a2.bmp", "b.bmp", "c.bmp"}));
}

TEST(Controls, RightAlignedAutoSizeLabelKeepsItsRightEdge) {
    TLabel l;
    l.setGeometry(18, 25, 93, 13);
    l.SetAlignment(taRightJustify);
    l.SetAutoSize(true);
    l.SetCaption(QStringLiteral("A much longer caption than before"));
    EXPECT_EQ(l.geometry().right(), 18 + 93 - 1);
    EXPECT_GT(l.width(), 93);
}

namespace {

// Takes the component part while the form is whole: the checks also run during and after its
// destruction.
QString Where(const TComponent* form) {
    return Screen().HasForm(form) ? QStringLiteral("on-screen") : QStringLiteral("off");
}

// Owned by the form: notes what it sees when the form starts being destroyed.
class TDestroyProbe : public TComponentObject {
public:
    TDestroyProbe(TForm* form, QStringList* log) : TComponentObject(form), form_(form), log_(log) {}

    void Destroying() override {
        if (!(ComponentState() & csDestroying))
            *log_ << QStringLiteral("Destroying %1 %2")
                         .arg(Where(form_), form_->FindComponent(QStringLiteral("Edit1"))
                                                ? QStringLiteral("edit")
                                                : QStringLiteral("-"));
        TComponentObject::Destroying();
    }

private:
    const TComponent* form_;
    QStringList* log_;
};

// Not owned by the form: hears of a control's removal through a free notification.
class TRemovalWatcher : public TComponentObject {
public:
    TRemovalWatcher(const TComponent* form, QStringList* log) : form_(form), log_(log) {}

protected:
    void Notification(TComponent* component, TOperation operation) override {
        if (operation == opRemove)
            *log_ << QStringLiteral("removed %1 %2").arg(component->Name(), Where(form_));
        TComponentObject::Notification(component, operation);
    }

private:
    const TComponent* form_;
    QStringList* log_;
};

} // namespace

TEST(FormComponents, FormFreesItsControlsWhateverTheirVisualParent) {
    auto* form = new TForm;
    auto* other = new TForm;
    auto* group = new TGroupBox(form);
    QPointer<TEdit> inGroup = new TEdit(form, group);
    QPointer<TLabel> elsewhere = new TLabel(form, other); // shown on another window
    EXPECT_EQ(inGroup->parentWidget(), group);
    EXPECT_EQ(inGroup->Owner(), form);
    EXPECT_EQ(form->ComponentCount(), 3);
    delete form;
    EXPECT_TRUE(inGroup.isNull());
    EXPECT_TRUE(elsewhere.isNull());
    EXPECT_TRUE(other->findChildren<QLabel*>().isEmpty());
    delete other;
}

TEST(FormComponents, ControlFreedWithItsVisualParentLeavesTheOwner) {
    TForm form;
    auto* group = new TGroupBox(&form);
    group->SetName(QStringLiteral("GroupBox1"));
    auto* edit = new TEdit(&form, group);
    edit->SetName(QStringLiteral("Edit1"));
    delete group; // Qt frees the edit with its visual parent
    EXPECT_EQ(form.ComponentCount(), 0);
    EXPECT_EQ(form.FindComponent(QStringLiteral("Edit1")), nullptr);
}

TEST(FormComponents, FindComponentFindsControlsInAnyCase) {
    TForm form;
    auto* group = new TGroupBox(&form);
    auto* edit = new TEdit(&form, group);
    edit->SetName(QStringLiteral("Edit1"));
    EXPECT_EQ(form.FindComponent(QStringLiteral("edit1")), edit);
    EXPECT_EQ(form.FindComponent(QStringLiteral("EDIT1")), edit);
    EXPECT_EQ(group->FindComponent(QStringLiteral("Edit1")), nullptr); // not the owner
    EXPECT_THROW(TLabel(&form).SetName(QStringLiteral("EDIT1")), EComponentError);
}

TEST(FormComponents, ScreenListsAFormWhileItLives) {
    const int before = Screen().FormCount();
    auto* form = new TForm;
    const TComponent* component = form;
    EXPECT_TRUE(Screen().HasForm(form));
    EXPECT_EQ(Screen().FormCount(), before + 1);
    EXPECT_EQ(Screen().Forms(before), component);
    delete form;
    EXPECT_FALSE(Screen().HasForm(component));
    EXPECT_EQ(Screen().FormCount(), before);
}

TEST(FormComponents, DestructionRunsDestroyingThenOnDestroyThenLeavesTheScreen) {
    QStringList log;
    auto* form = new TForm;
    new TDestroyProbe(form, &log);
    auto* edit = new TEdit(form);
    edit->SetName(QStringLiteral("Edit1"));
    TRemovalWatcher watcher(form, &log);
    const TComponent* component = form;
    watcher.FreeNotification(edit);
    form->OnDestroy = [&](QObject* sender) {
        EXPECT_EQ(sender, form);
        log << QStringLiteral("OnDestroy %1 %2")
                   .arg(Where(component), form->FindComponent(QStringLiteral("Edit1"))
                                              ? QStringLiteral("edit")
                                              : QStringLiteral("-"));
    };
    delete form;
    EXPECT_EQ(log, (QStringList{"Destroying on-screen edit", "OnDestroy on-screen edit",
                                "removed Edit1 off"}));
}

TEST(FormComponents, ExceptionOfOnDestroyGoesToTheApplication) {
    QStringList seen;
    Application()->OnException = [&](const std::exception& e) { seen << e.what(); };
    auto* form = new TForm;
    const TComponent* component = form;
    form->OnDestroy = [](QObject*) { throw std::runtime_error("gone wrong"); };
    delete form;
    Application()->OnException = nullptr;
    EXPECT_EQ(seen, QStringList{"gone wrong"});
    EXPECT_FALSE(Screen().HasForm(component));
}

TEST(FormProperties, PublishedThroughTypeInformation) {
    TForm form;
    const TPropInfo caption = GetPropInfo(&form, QStringLiteral("caption"));
    ASSERT_TRUE(caption.IsValid());
    SetStrProp(&form, caption, QStringLiteral("Settings"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Settings"));

    const TPropInfo color = GetPropInfo(&form, QStringLiteral("Color"));
    EXPECT_EQ(color.Kind(), tkInteger);
    EXPECT_EQ(GetOrdProp(&form, color), qint64(clBtnFace));
    SetOrdProp(&form, color, clRed);
    EXPECT_EQ(form.Color(), clRed);
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(255, 0, 0));

    const TPropInfo border = GetPropInfo(&form, QStringLiteral("BorderStyle"));
    EXPECT_EQ(border.Kind(), tkEnumeration);
    EXPECT_EQ(border.EnumName(GetOrdProp(&form, border)), QStringLiteral("bsSizeable"));
    EXPECT_TRUE(IsDefaultPropValue(&form, border));
    SetOrdProp(&form, border, border.EnumValue(QStringLiteral("bsDialog")));
    EXPECT_EQ(form.BorderStyle(), TForm::bsDialog);
    EXPECT_FALSE(IsDefaultPropValue(&form, border));

    const TPropInfo font = GetPropInfo(&form, QStringLiteral("Font"));
    EXPECT_EQ(font.Kind(), tkClass);
    QObject* fontObject = GetObjectProp(&form, font);
    ASSERT_EQ(fontObject, form.Font());
    const TPropInfo style = GetPropInfo(fontObject, QStringLiteral("Style"));
    EXPECT_EQ(style.Kind(), tkSet);
    EXPECT_EQ(style.SetElementName(0), QStringLiteral("fsBold"));
    SetOrdProp(fontObject, style, fsBold | fsItalic);
    EXPECT_TRUE(form.font().bold());
    EXPECT_TRUE(form.font().italic());
    SetOrdProp(fontObject, GetPropInfo(fontObject, QStringLiteral("Height")), -20);
    EXPECT_EQ(form.font().pixelSize(), 20);

    // Name and Tag come with the component; Qt's own properties are not published.
    EXPECT_TRUE(GetPropInfo(&form, QStringLiteral("Name")).IsValid());
    EXPECT_TRUE(GetPropInfo(&form, QStringLiteral("Tag")).IsValid());
    EXPECT_FALSE(GetPropInfo(&form, QStringLiteral("windowTitle")).IsValid());
}

TEST(FormProperties, StartsWithTheClassicFontAndFontAssignmentCopies) {
    TForm form;
    EXPECT_EQ(form.Font()->Name(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(form.font().pixelSize(), 11);
    EXPECT_EQ(form.font().family(), MapFontFamily(QStringLiteral("MS Sans Serif")));
    TFont source;
    source.SetName(QStringLiteral("Courier New"));
    source.SetColor(clBlue);
    form.SetFont(&source);
    EXPECT_NE(form.Font(), &source);
    EXPECT_EQ(form.font().family(), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(form.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    form.SetFont(nullptr);
    EXPECT_EQ(form.Font()->Name(), QStringLiteral("Courier New"));
}

TEST(FormEvents, OnShowRunsEachTimeTheFormIsShown) {
    TForm form;
    int shows = 0;
    form.OnShow = [&](QObject* sender) {
        EXPECT_EQ(sender, &form);
        EXPECT_TRUE(form.isVisible());
        ++shows;
    };
    form.show();
    EXPECT_EQ(shows, 1);
    form.hide();
    form.show();
    EXPECT_EQ(shows, 2);
}

TEST(FormEvents, CloseQueryDecidesWhetherTheFormCloses) {
    TForm form;
    bool allow = false;
    int asked = 0;
    form.OnCloseQuery = [&](QObject* sender, bool& canClose) {
        EXPECT_EQ(sender, &form);
        EXPECT_TRUE(canClose);
        ++asked;
        canClose = allow;
    };
    form.show();
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    allow = true;
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(asked, 2);
}

TEST(FormEvents, FailingCloseQueryKeepsTheFormOpenAndReportsTheError) {
    TForm form;
    QStringList seen;
    Application()->OnException = [&](const std::exception& e) { seen << e.what(); };
    form.OnCloseQuery = [](QObject*, bool&) { throw std::runtime_error("not now"); };
    form.show();
    EXPECT_FALSE(form.close());
    Application()->OnException = nullptr;
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(seen, QStringList{"not now"});
}

TEST(FormEvents, ModalResultEndsTheShowingOnlyWhenCloseQueryAgrees) {
    TForm form;
    bool allow = false;
    int asked = 0;
    form.OnCloseQuery = [&](QObject*, bool& canClose) {
        ++asked;
        canClose = allow;
    };
    bool stillModal = false;
    QTimer::singleShot(0, [&] {
        form.SetModalResult(mrOk); // refused: the showing goes on
        QTimer::singleShot(0, [&] {
            stillModal = form.IsModal() && form.isVisible();
            allow = true;
            form.SetModalResult(mrOk);
        });
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_TRUE(stillModal);
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(form.isVisible());
}

TEST(FormProperties, WindowStateAndActiveControl) {
    TForm form;
    auto* first = new TEdit(&form);
    auto* second = new TEdit(&form);
    auto* label = new TLabel(&form);
    TForm other;
    auto* foreign = new TEdit(&other);
    EXPECT_EQ(form.WindowState(), TForm::wsNormal);
    form.SetWindowState(TForm::wsMaximized);
    EXPECT_TRUE(form.windowState().testFlag(Qt::WindowMaximized));
    EXPECT_EQ(form.WindowState(), TForm::wsMaximized);
    EXPECT_FALSE(IsDefaultPropValue(&form, GetPropInfo(&form, QStringLiteral("WindowState"))));
    form.SetWindowState(TForm::wsNormal);
    EXPECT_EQ(form.windowState(), Qt::WindowNoState);

    form.show();
    form.SetActiveControl(second);
    EXPECT_EQ(form.ActiveControl(), second);
    form.SetActiveControl(label);   // cannot take the focus
    form.SetActiveControl(foreign); // on another form
    EXPECT_EQ(form.ActiveControl(), second);
    form.SetActiveControl(first);
    EXPECT_EQ(form.ActiveControl(), first);
}
