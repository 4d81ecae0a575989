#include "graphics/gui/componentutils.h"

#include <gtest/gtest.h>

#include "testforms.h"

using namespace vexo;
using namespace testforms;

namespace {

class FindByProperty : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetName("Form1");
        ok = AddEdit(&form, "OkButton");
        ok->caption = "&OK";
        ok->SetTag(7);
        plain = AddEdit(&form, "Plain");
        plain->caption = "ok";
        plain->number = 3;
        plain->ratio = 1.25;
    }
    TTestForm form;
    TTestEdit* ok = nullptr;
    TTestEdit* plain = nullptr;
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
    EXPECT_EQ(FindComponentByProperty(&form, "Number", 3, TCompare()), plain);
    EXPECT_EQ(FindComponentByProperty(&form, "Ratio", 1.25, TCompare()), plain);
    EXPECT_EQ(FindComponentByProperty(&form, "Tag", 7, TCompare()), ok);
    EXPECT_EQ(FindComponentByProperty(&form, "Missing", 7, TCompare()), nullptr);
    EXPECT_EQ(FindComponentByProperty(nullptr, "Tag", 7, TCompare()), nullptr);
    // Kinds without a comparison never match.
    EXPECT_EQ(FindComponentByProperty(&form, "Letter", QString("a"), TCompare()), nullptr);
}

TEST_F(FindByProperty, RootItselfComesFirst) {
    form.SetCaption("ok");
    EXPECT_EQ(FindComponentByProperty(&form, "Caption", QString("ok"), TCompare()), &form);
}

TEST_F(FindByProperty, MenuItemsByTagAndHotChar) {
    EXPECT_EQ(FindMenuItemByTag(plain, 7), ok);
    EXPECT_EQ(FindMenuItemByHotChar(plain, QChar('o')), ok);
    EXPECT_EQ(FindMenuItemByHotChar(plain, QChar('x')), nullptr);
}

TEST(OwnerForms, NearestFormUpTheOwnershipChain) {
    TTestForm form;
    auto* holder = new TTestButton(&form);
    auto* inner = new TTestButton(holder);
    EXPECT_EQ(GetOwnerForm(inner), &form);
    EXPECT_EQ(GetOwnerForm(holder), &form);
    EXPECT_EQ(GetOwnerForm(&form), nullptr);
    TTestButton loose;
    EXPECT_EQ(GetOwnerForm(&loose), nullptr);
}

TEST(OwnerForms, FormExistsAndFindForm) {
    auto* form = new TTestForm;
    form->setGeometry(100, 100, 200, 100);
    form->show();
    EXPECT_TRUE(FormExists(form));
    EXPECT_EQ(FindForm(QPoint(150, 150)), form);
    EXPECT_EQ(FindForm(QPoint(5000, 5000)), nullptr);
    delete form;
    EXPECT_FALSE(FormExists(form));
    EXPECT_FALSE(FormExists(nullptr));
}

TEST(ControlAccess, ColoursAndFonts) {
    TTestForm form;
    TTestEdit* parent = AddEdit(&form, "Panel");
    TTestEdit* child = AddEdit(&form, "Child");
    child->setParent(parent);
    parent->color = 0x123456;
    EXPECT_EQ(GetControlColor(nullptr), clBtnFace);
    EXPECT_EQ(GetControlColor(child), TColor(0x80000005));
    EXPECT_EQ(GetParentColor(child), TColor(0x123456));
    EXPECT_EQ(GetParentColor(parent), clBtnFace); // the form publishes no colour
    TTestEdit orphan;
    EXPECT_EQ(GetParentColor(&orphan), TColor(0x80000005));
    SetControlColor(child, clRed);
    EXPECT_EQ(child->color, clRed);
    SetControlColor(nullptr, clRed);
    EXPECT_EQ(GetControlFont(child), child->font);
    EXPECT_EQ(GetParentFont(child), parent->font);
    EXPECT_EQ(GetControlFont(nullptr), nullptr);
    parent->font->SetSize(14);
    parent->font->SetName("Mono");
    SetControlFont(child, parent->font);
    EXPECT_EQ(child->font->Size(), 14);
    EXPECT_EQ(child->font->Name(), "Mono");
    SetControlFont(child, nullptr);
    EXPECT_EQ(child->font->Size(), 14);
}

TEST(ControlAccess, ClickAssignedAndComponentState) {
    TTestEdit edit;
    EXPECT_FALSE(ClickAssigned(&edit));
    edit.OnClick = [] {};
    EXPECT_TRUE(ClickAssigned(&edit));
    EXPECT_FALSE(ClickAssigned(nullptr));
    TTestButton button;
    EXPECT_FALSE(ClickAssigned(&button));
    SetComponentState(&button, csDesigning | csLoading);
    EXPECT_EQ(button.ComponentState(), csDesigning | csLoading);
    SetComponentState(nullptr, csLoading);
}
