#include "platform/gui/control.h"

#include <QTest>
#include <gtest/gtest.h>

#include "platform/gui/application.h"
#include "platform/gui/bevel.h"
#include "platform/gui/button.h"
#include "platform/gui/combobox.h"
#include "platform/gui/controlclasses.h"
#include "platform/gui/edit.h"
#include "platform/gui/form.h"
#include "platform/gui/groupbox.h"
#include "platform/gui/image.h"
#include "platform/gui/label.h"
#include "platform/gui/listbox.h"
#include "platform/gui/openpicturedialog.h"
#include "platform/gui/speedbutton.h"
#include "platform/image/canvas.h"
#include "platform/runtime/classregistry.h"
#include "platform/runtime/exception.h"
#include "platform/runtime/typinfo.h"

using namespace vexo;

TEST(ControlConstruction, OwnerIsTheVisualParentUnlessAParentIsGiven) {
    TForm form;
    auto* group = new TGroupBox(&form);
    auto* onForm = new TLabel(&form);
    auto* inGroup = new TLabel(&form, group);
    EXPECT_EQ(onForm->parentWidget(), &form);
    EXPECT_EQ(inGroup->parentWidget(), group);
    EXPECT_EQ(inGroup->Owner(), &form);

    TComponentObject nonVisual;
    auto* loose = new TEdit(&nonVisual); // a non-widget owner gives no parent
    EXPECT_EQ(loose->parentWidget(), nullptr);
    EXPECT_EQ(loose->Owner(), &nonVisual);
}

TEST(ControlConstruction, NameAndTagAreTheComponentsOwn) {
    TForm form;
    auto* button = new TButton(&form);
    button->SetName(QStringLiteral("OkBtn"));
    button->SetTag(7);
    EXPECT_EQ(button->objectName(), QStringLiteral("OkBtn"));
    EXPECT_EQ(GetOrdProp(button, GetPropInfo(button, QStringLiteral("Tag"))), 7);
    EXPECT_EQ(button->ClassName(), QStringLiteral("TButton"));
    EXPECT_THROW(button->SetName(QStringLiteral("1st")), EComponentError);
}

// Every platform class can be created by name with an owner; it lands on the owner form.
class CreatedByClassName : public ::testing::TestWithParam<const char*> {};

TEST_P(CreatedByClassName, WithAFormAsOwner) {
    TForm form;
    const QString className = QString::fromLatin1(GetParam());
    TComponent* component = CreateComponent(className, &form);
    ASSERT_NE(component, nullptr);
    EXPECT_EQ(component->ClassName(), className);
    EXPECT_EQ(component->Owner(), &form);
    EXPECT_EQ(form.Components(0), component);
    if (auto* widget = qobject_cast<QWidget*>(component->Object())) {
        EXPECT_EQ(widget->parentWidget(), &form);
    }
}

INSTANTIATE_TEST_SUITE_P(PlatformClasses, CreatedByClassName,
                         ::testing::Values("TLabel", "TEdit", "TButton", "TComboBox", "TListBox",
                                           "TImage", "TBevel", "TSpeedButton", "TGroupBox",
                                           "TOpenPictureDialog", "TMemo", "TPageControl",
                                           "TTabSheet", "TPopupMenu", "TMainMenu", "TMenuItem",
                                           "TImageList", "TTimer"));

TEST(ControlRegistry, FormsAreCreatedByNameAsWindows) {
    RegisterControlClasses();
    TComponent* component = CreateComponent(QStringLiteral("tform"), nullptr);
    auto* form = dynamic_cast<TForm*>(component);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isWindow());
    delete form;
}

// Clickable controls tell whether their OnClick is set, through the meta-object as well.
struct TClickCase {
    const char* ClassName;
    void (*Assign)(QObject* control, TNotifyEvent handler);
};

class ClickAssigned : public ::testing::TestWithParam<TClickCase> {};

TEST_P(ClickAssigned, FollowsTheOnClickEvent) {
    TForm form;
    TComponent* component = CreateComponent(QString::fromLatin1(GetParam().ClassName), &form);
    QObject* control = component->Object();
    auto assigned = [&] {
        bool result = true;
        EXPECT_TRUE(
            QMetaObject::invokeMethod(control, "ClickAssigned", Q_RETURN_ARG(bool, result)));
        return result;
    };
    EXPECT_FALSE(assigned());
    GetParam().Assign(control, [](QObject*) {});
    EXPECT_TRUE(assigned());
    GetParam().Assign(control, nullptr);
    EXPECT_FALSE(assigned());
}

template <class T> void AssignClick(QObject* control, TNotifyEvent handler) {
    static_cast<T*>(control)->OnClick = std::move(handler);
}

INSTANTIATE_TEST_SUITE_P(Clickable, ClickAssigned,
                         ::testing::Values(TClickCase{"TButton", AssignClick<TButton>},
                                           TClickCase{"TSpeedButton", AssignClick<TSpeedButton>},
                                           TClickCase{"TLabel", AssignClick<TLabel>},
                                           TClickCase{"TImage", AssignClick<TImage>}),
                         [](const auto& info) { return std::string(info.param.ClassName); });

TEST(ControlFont, FontChangesReachTheWidget) {
    TForm form;
    auto* label = new TLabel(&form);
    label->Font()->SetStyle(fsUnderline);
    EXPECT_TRUE(label->font().underline());
    label->Font()->SetColor(clBlue);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    label->Font()->SetName(QStringLiteral("Times New Roman"));
    label->Font()->SetSize(12);
    EXPECT_EQ(label->font().family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(label->font().pixelSize(), 16);

    auto* edit = new TEdit(&form);
    edit->Font()->SetColor(clRed);
    EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(255, 0, 0));
}

TEST(ControlFont, FontFollowsTheFontInheritedFromTheParent) {
    TForm form;
    auto* group = new TGroupBox(&form);
    auto* label = new TLabel(&form, group);
    EXPECT_EQ(label->Font()->Height(), -11); // the form's classic font from the start
    form.Font()->SetStyle(fsBold);
    form.Font()->SetHeight(-15);
    EXPECT_TRUE(label->font().bold());
    EXPECT_EQ(label->Font()->Style(), TFontStyles(fsBold));
    EXPECT_EQ(label->Font()->Height(), -15);
    EXPECT_EQ(group->Font()->Height(), -15);
    // Its own font wins over the parent's afterwards, as in Qt.
    label->Font()->SetHeight(-9);
    form.Font()->SetHeight(-20);
    EXPECT_EQ(label->font().pixelSize(), 9);
    EXPECT_EQ(label->Font()->Height(), -9);
}

TEST(ControlFont, FontSetThroughQtIsSeen) {
    TEdit edit;
    QFont italic = edit.font();
    italic.setItalic(true);
    italic.setPixelSize(13);
    edit.setFont(italic);
    EXPECT_TRUE(edit.Font()->Style().testFlag(fsItalic));
    EXPECT_EQ(edit.Font()->Height(), -13);
}

TEST(ControlFont, LabelCanvasMeasuresInTheLabelsFont) {
    TLabel label;
    label.Font()->SetHeight(-30);
    EXPECT_EQ(label.Canvas().Font.Height(), -30);
    EXPECT_GT(label.Canvas().TextWidth(QStringLiteral("Wide text")),
              TCanvas().TextWidth(QStringLiteral("Wide text")));
}

TEST(ControlColor, ColorFillsTheControlsRole) {
    TLabel label;
    EXPECT_EQ(label.Color(), clBtnFace);
    EXPECT_FALSE(label.autoFillBackground()); // shows its parent until a colour is set
    label.SetColor(clYellow);
    EXPECT_TRUE(label.autoFillBackground());
    EXPECT_EQ(label.palette().color(QPalette::Window), QColor(255, 255, 0));

    TEdit edit;
    EXPECT_EQ(edit.Color(), clWindow);
    SetOrdProp(&edit, GetPropInfo(&edit, QStringLiteral("Color")), clLime);
    EXPECT_EQ(edit.palette().color(QPalette::Base), QColor(0, 255, 0));
}

TEST(ControlState, EnabledAndVisibleAreTheControlsOwnFlags) {
    TForm form;
    auto* group = new TGroupBox(&form);
    auto* edit = new TEdit(&form, group);
    EXPECT_TRUE(edit->Visible()); // hidden only with its window
    group->SetEnabled(false);
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_TRUE(edit->Enabled());
    edit->SetVisible(false);
    form.show();
    EXPECT_FALSE(edit->Visible());
    EXPECT_TRUE(group->Visible());
    const TPropInfo visible = GetPropInfo(edit, QStringLiteral("Visible"));
    EXPECT_EQ(visible.Kind(), tkEnumeration);
    EXPECT_FALSE(IsDefaultPropValue(edit, visible)); // hidden: streamed
    SetOrdProp(edit, visible, 1);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_TRUE(IsDefaultPropValue(edit, visible));
}

TEST(ControlProperties, PublishedPerControl) {
    struct TExpected {
        QObject* Control;
        QStringList Published;
    };
    TForm form;
    const QList<TExpected> expected = {
        {new TLabel(&form), {"Caption", "Color", "Font", "AutoSize", "Enabled", "Visible"}},
        {new TEdit(&form), {"Text", "Color", "Font", "ReadOnly", "Enabled"}},
        {new TButton(&form), {"Caption", "Font", "Enabled", "Visible"}},
        {new TComboBox(&form), {"Color", "Font", "ItemIndex"}},
        {new TListBox(&form), {"Color", "Font", "ItemIndex", "Sorted"}},
        {new TGroupBox(&form), {"Caption", "Color", "Font"}},
        {new TSpeedButton(&form), {"Caption", "Font", "Enabled"}},
        {new TImage(&form), {"AutoSize", "Visible"}},
        {new TBevel(&form), {"Shape", "Style"}},
    };
    for (const TExpected& e : expected)
        for (const QString& name : e.Published)
            EXPECT_TRUE(GetPropInfo(e.Control, name).IsValid())
                << e.Control->metaObject()->className() << " " << name.toStdString();
}

TEST(ControlEvents, FailingHandlerGoesToTheApplicationNotThroughQt) {
    TForm form;
    auto* button = new TButton(&form);
    auto* label = new TLabel(&form);
    label->SetBounds(0, 40, 40, 13); // apart from the button: clicks go where the mouse is
    form.show();
    QStringList seen;
    Application()->OnException = [&](const std::exception& e) { seen << e.what(); };
    button->OnClick = [](QObject*) { throw EConvertError(QStringLiteral("button failed")); };
    label->OnClick = [](QObject*) { throw EConvertError(QStringLiteral("label failed")); };
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
    Application()->OnException = nullptr;
    EXPECT_EQ(seen, (QStringList{"button failed", "label failed"}));
}

TEST(DialogComponents, OpenPictureDialogRunsOverItsOwnerForm) {
    TForm form;
    auto* dialog = new TOpenPictureDialog(&form);
    dialog->SetName(QStringLiteral("OpenPictureDialog1"));
    EXPECT_EQ(form.FindComponent(QStringLiteral("openpicturedialog1")), dialog);
    QWidget* shownOver = nullptr;
    TOpenPictureDialog::ExecuteHook = [&](QFileDialog& d) {
        shownOver = d.parentWidget();
        return int(QDialog::Rejected);
    };
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(shownOver, &form);
    QWidget other;
    dialog->Execute(&other);
    TOpenPictureDialog::ExecuteHook = nullptr;
    EXPECT_EQ(shownOver, &other);
}
