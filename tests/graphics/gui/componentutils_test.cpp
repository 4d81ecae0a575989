#include "graphics/gui/componentutils.h"

#include <gtest/gtest.h>
#include <memory>

#include "platform/gui/button.h"
#include "platform/gui/edit.h"
#include "platform/gui/form.h"
#include "platform/gui/label.h"

using namespace vexo;

namespace {

// A non-visual component with the property kinds the framework's controls do not publish.
class TGauge : public TComponentObject {
    Q_OBJECT
    Q_PROPERTY(double Ratio MEMBER ratio)
    Q_PROPERTY(int Number MEMBER number)
    Q_PROPERTY(QChar Letter MEMBER letter)
public:
    explicit TGauge(TComponent* owner = nullptr) : TComponentObject(owner) {}
    double ratio = 0;
    int number = 0;
    QChar letter = QLatin1Char('a');
};

class FindByProperty : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetName("Form1");
        ok = new TButton(&form);
        ok->SetName("OkButton");
        ok->SetCaption("&OK");
        ok->SetTag(7);
        plain = new TLabel(&form);
        plain->SetName("Plain");
        plain->SetCaption("ok");
        gauge = new TGauge(&form);
        gauge->number = 3;
        gauge->ratio = 1.25;
    }
    TForm form;
    TButton* ok = nullptr;
    TLabel* plain = nullptr;
    TGauge* gauge = nullptr;
};

} // namespace

TEST_F(FindByProperty, CaptionWithAndWithoutOptions) {
    EXPECT_EQ(FindComponentByProperty(&form, "Caption", QString("ok"), cmpLike), ok);
    EXPECT_EQ(FindComponentByProperty(&form, "Caption", QString("ok"), cmpLike | cmpCaseSensitive),
              plain);
    EXPECT_EQ(FindComponentByProperty(&form, "Caption", QString("OK"), TCompare()), plain);
    EXPECT_EQ(FindComponentByProperty(&form, "Caption", QString("&ok"), cmpCaseSensitive), nullptr);
    EXPECT_EQ(FindComponentByProperty(&form, "Caption", QString("none"), cmpLike), nullptr);
}

TEST_F(FindByProperty, OrdinalsAndFloats) {
    EXPECT_EQ(FindComponentByProperty(&form, "Number", 3, TCompare()), gauge);
    EXPECT_EQ(FindComponentByProperty(&form, "Ratio", 1.25, TCompare()), gauge);
    EXPECT_EQ(FindComponentByProperty(&form, "Ratio", 1.5, TCompare()), nullptr);
    EXPECT_EQ(FindComponentByProperty(&form, "Tag", 7, TCompare()), ok);
    EXPECT_EQ(FindComponentByProperty(&form, "Missing", 7, TCompare()), nullptr);
    EXPECT_EQ(FindComponentByProperty(nullptr, "Tag", 7, TCompare()), nullptr);
    // Kinds without a comparison never match.
    EXPECT_EQ(FindComponentByProperty(&form, "Letter", QString("a"), TCompare()), nullptr);
}

TEST_F(FindByProperty, RootItselfComesFirstAndOnlyOneLevelIsSearched) {
    form.SetCaption("ok");
    EXPECT_EQ(FindComponentByProperty(&form, "Caption", QString("ok"), TCompare()), &form);
    auto* deep = new TLabel(gauge, &form);
    deep->SetCaption("deep");
    EXPECT_EQ(FindComponentByProperty(&form, "Caption", QString("deep"), TCompare()), nullptr);
    EXPECT_EQ(FindComponentByProperty(gauge, "Caption", QString("deep"), TCompare()), deep);
}

TEST_F(FindByProperty, MenuItemsByTagAndHotChar) {
    EXPECT_EQ(FindMenuItemByTag(plain, 7), ok);
    EXPECT_EQ(FindMenuItemByHotChar(plain, QChar('o')), ok);
    EXPECT_EQ(FindMenuItemByHotChar(plain, QChar('x')), nullptr);
}

TEST(OwnerForms, NearestFormUpTheOwnershipChain) {
    TForm form;
    auto* holder = new TComponentObject(&form);
    auto* inner = new TComponentObject(holder);
    EXPECT_EQ(GetOwnerForm(inner), &form);
    EXPECT_EQ(GetOwnerForm(holder), &form);
    EXPECT_EQ(GetOwnerForm(&form), nullptr);
    TComponentObject loose;
    EXPECT_EQ(GetOwnerForm(&loose), nullptr);
    // A form owned by another form is found as the nearest one.
    auto* child = new TForm(&form);
    auto* onChild = new TButton(child);
    EXPECT_EQ(GetOwnerForm(onChild), child);
}

TEST(OwnerForms, FormExistsAndFindForm) {
    auto* form = new TForm;
    form->setGeometry(100, 100, 200, 100);
    form->show();
    EXPECT_TRUE(FormExists(form));
    EXPECT_EQ(FindForm(QPoint(150, 150)), form);
    EXPECT_EQ(FindForm(QPoint(5000, 5000)), nullptr);
    delete form;
    EXPECT_FALSE(FormExists(form));
    EXPECT_FALSE(FormExists(nullptr));
    EXPECT_EQ(FindForm(QPoint(150, 150)), nullptr);
}

TEST(ControlAccess, ColoursAndFonts) {
    TForm form;
    form.SetColor(0x123456);
    auto* edit = new TEdit(&form);
    auto* label = new TLabel(&form, edit); // shown on the edit, owned by the form
    EXPECT_EQ(GetControlColor(nullptr), clBtnFace);
    EXPECT_EQ(GetControlColor(edit), clWindow);
    EXPECT_EQ(GetParentColor(edit), TColor(0x123456));
    EXPECT_EQ(GetParentColor(label), clWindow);
    EXPECT_EQ(GetParentColor(&form), TColor(0x123456)); // no parent: the form itself
    SetControlColor(edit, clRed);
    EXPECT_EQ(edit->Color(), clRed);
    SetControlColor(nullptr, clRed);

    EXPECT_EQ(GetControlFont(edit), edit->Font());
    EXPECT_EQ(GetParentFont(label), edit->Font());
    EXPECT_EQ(GetParentFont(&form), form.Font());
    EXPECT_EQ(GetControlFont(nullptr), nullptr);
    form.Font()->SetSize(14);
    form.Font()->SetName("Mono");
    SetControlFont(label, form.Font());
    EXPECT_EQ(label->Font()->Size(), 14);
    EXPECT_EQ(label->Font()->Name(), "Mono");
    EXPECT_EQ(label->font().family(), "Mono"); // the widget shows it
    SetControlFont(label, nullptr);
    EXPECT_EQ(label->Font()->Size(), 14);
}

TEST(ControlAccess, ClickAssignedAndComponentState) {
    TButton button;
    EXPECT_FALSE(ClickAssigned(&button));
    button.OnClick = [](QObject*) {};
    EXPECT_TRUE(ClickAssigned(&button));
    EXPECT_FALSE(ClickAssigned(nullptr));
    TEdit edit; // no click event at all
    EXPECT_FALSE(ClickAssigned(&edit));
    SetComponentState(&button, csDesigning | csLoading);
    EXPECT_EQ(button.ComponentState(), csDesigning | csLoading);
    SetComponentState(&button, TComponentState());
    EXPECT_EQ(button.ComponentState(), TComponentState());
    SetComponentState(nullptr, csLoading);
}

#include "componentutils_test.moc"
