#include "storage/rttiutils.h"

#include <gtest/gtest.h>

#include "platform/runtime/classregistry.h"
#include "platform/runtime/typinfo.h"
#include "testforms.h"

using namespace vexo;
using namespace testforms;

TEST(RttiUniqueName, CountsUpFromOneWithoutTheLeadingT) {
    TTestForm form;
    auto* first = new TTestButton(&form);
    EXPECT_EQ(GetUniqueName(first, &form), "TestButton1");
    first->SetName(GetUniqueName(first, &form));
    auto* second = new TTestButton(&form);
    EXPECT_EQ(GetUniqueName(second, &form), "TestButton2");
    // A component bearing the first candidate keeps it.
    EXPECT_EQ(GetUniqueName(first, &form), "TestButton1");
}

TEST(RttiUniqueName, SmallTIsKept) {
    TTestForm form;
    auto* thing = new tLowerThing(&form);
    EXPECT_EQ(GetUniqueName(thing, &form), "tLowerThing1");
    EXPECT_EQ(GetUniqueName(thing, nullptr), "tLowerThing1");
}

TEST(RttiIdents, StrToIdentAndIdentToStr) {
    TTestEdit edit;
    EXPECT_EQ(StrToIdent(&edit, "Align", "alclient"), int(TTestEdit::alClient));
    EXPECT_EQ(IdentToStr(&edit, "align", 2), "alBottom");
    EXPECT_EQ(StrToIdent(&edit, "Checked", "True"), 1);
}

TEST(RttiIdents, ErrorsNameTheProperty) {
    TTestEdit edit;
    auto message = [](auto&& call) {
        try {
            call();
        } catch (const EIdentConvertError& e) {
            return e.Message();
        }
        return QString("no error");
    };
    EXPECT_EQ(message([&] { StrToIdent(&edit, "Missing", "x"); }),
              "Property Missing does not exist!");
    EXPECT_EQ(message([&] { StrToIdent(&edit, "Number", "x"); }),
              "Property Number is not cardinal!");
    EXPECT_EQ(message([&] { StrToIdent(&edit, "Align", "alNowhere"); }),
              "Error getting of numerical value!");
    EXPECT_EQ(message([&] { IdentToStr(&edit, "Missing", 0); }),
              "Property Missing does not exist!");
    EXPECT_EQ(message([&] { IdentToStr(&edit, "Text", 0); }), "Property Text is not cardinal!");
    EXPECT_EQ(message([&] { PropType(&edit, "Missing"); }), "Property Missing does not exist!");
}

TEST(RttiProperties, KindCodes) {
    TTestEdit edit;
    EXPECT_EQ(PropType(&edit, "Number"), 1);
    EXPECT_EQ(PropType(&edit, "Align"), 3);
    EXPECT_EQ(PropType(&edit, "Ratio"), 4);
    EXPECT_EQ(PropType(&edit, "Lines"), 7);
    EXPECT_EQ(PropType(&edit, "Letter"), 9);
    EXPECT_EQ(PropType(&edit, "Text"), 10);
    EXPECT_EQ(PropType(&edit, "Data"), 12);
    EXPECT_EQ(PropType(&edit, "Big"), 16);
    EXPECT_EQ(PropType(edit.font, "Style"), 6);
}

TEST(RttiProperties, GettersAndSettersByName) {
    TTestEdit edit;
    EXPECT_TRUE(IsProperty(&edit, "text"));
    EXPECT_FALSE(IsProperty(&edit, "Missing"));
    EXPECT_FALSE(IsProperty(nullptr, "Text"));
    EXPECT_TRUE(SetIntegerProperty(&edit, "Number", 12));
    EXPECT_EQ(GetIntegerProperty(&edit, "number"), 12);
    EXPECT_TRUE(SetFloatProperty(&edit, "Ratio", 0.5));
    EXPECT_EQ(GetFloatProperty(&edit, "Ratio"), 0.5);
    EXPECT_TRUE(SetStringProperty(&edit, "Text", "hello"));
    EXPECT_EQ(GetStringProperty(&edit, "Text"), "hello");
    TTestButton button;
    EXPECT_TRUE(SetClassProperty(&edit, "Link", &button));
    EXPECT_EQ(GetClassProperty(&edit, "Link"), &button);
    EXPECT_FALSE(SetIntegerProperty(&edit, "Missing", 1));
    EXPECT_EQ(GetIntegerProperty(&edit, "Missing"), 0);
    EXPECT_EQ(GetFloatProperty(&edit, "Missing"), 0.0);
    EXPECT_EQ(GetStringProperty(&edit, "Missing"), "");
    EXPECT_EQ(GetClassProperty(&edit, "Missing"), nullptr);
}

TEST(RttiComponents, ComponentByNameIsCaseSensitive) {
    TTestForm form;
    auto* edit = AddEdit(&form, "Edit1");
    EXPECT_EQ(ComponentByName(&form, "Edit1"), edit);
    EXPECT_EQ(ComponentByName(&form, "edit1"), nullptr);
    EXPECT_EQ(ComponentByName(nullptr, "Edit1"), nullptr);
}

TEST(RttiComponents, CreateByClassNameAfterRegistering) {
    TTestForm form;
    new TTestButton(&form);
    auto* plain = new TTestEdit(&form);
    (void)plain;
    RunTimeRegisterComponents(&form);
    TComponent* created = CreateComponentByClassName("TTestButton", &form);
    ASSERT_NE(dynamic_cast<TTestButton*>(created), nullptr);
    EXPECT_EQ(created->Owner(), &form);
    EXPECT_THROW(CreateComponentByClassName("TNeverRegistered", &form), EClassNotFound);
}
