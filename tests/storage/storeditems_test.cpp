#include "storage/storeditems.h"

#include <gtest/gtest.h>

#include "platform/runtime/stringlist.h"
#include "testforms.h"

using namespace vexo;
using namespace testforms;

TEST(StoredItems, CreateStoredItem) {
    EXPECT_EQ(CreateStoredItem("Edit1", "Text", ""), "Edit1.Text");
    EXPECT_EQ(CreateStoredItem("Edit2", "Text", "LastText"), "Edit2.Text|#|LastText");
    EXPECT_EQ(CreateStoredItem("", "Text", "Key"), "|#|Key");
    EXPECT_EQ(CreateStoredItem("", "", ""), "");
}

TEST(StoredItems, ParseStoredItem) {
    QString comp, prop, key;
    EXPECT_TRUE(ParseStoredItem("Edit1 . Text", comp, prop, key));
    EXPECT_EQ(comp, "Edit1");
    EXPECT_EQ(prop, "Text");
    EXPECT_EQ(key, "");
    EXPECT_TRUE(ParseStoredItem("Edit2.Text |#| LastText", comp, prop, key));
    EXPECT_EQ(prop, "Text");
    EXPECT_EQ(key, "LastText");
    EXPECT_TRUE(ParseStoredItem("Edit1.Font.Name", comp, prop, key));
    EXPECT_EQ(prop, "Font.Name");
    EXPECT_FALSE(ParseStoredItem(".Text", comp, prop, key));
    EXPECT_FALSE(ParseStoredItem("Edit1.", comp, prop, key));
    EXPECT_FALSE(ParseStoredItem("Edit1", comp, prop, key));
    EXPECT_FALSE(ParseStoredItem("", comp, prop, key));
    EXPECT_FALSE(ParseStoredItem("Edit1.|#|Key", comp, prop, key));
}

TEST(StoredItems, UpdateFromTheFormResolvesAndDropsLines) {
    TTestForm form;
    TTestEdit* edit = AddEdit(&form, "Edit1");
    TStringList list;
    list.Add("edit1.Text");
    list.Add("Ghost.Text");
    list.Add("garbage");
    UpdateStoredList(&form, &list, true);
    EXPECT_EQ(list.ToStringList(), QStringList{"edit1.Text"});
    EXPECT_EQ(list.Objects(0), edit);
}

TEST(StoredItems, UpdateFromComponentsFollowsRenames) {
    TTestForm form;
    TTestEdit* edit = AddEdit(&form, "Edit1");
    TStringList list;
    list.AddObject("Edit1.Text|#|K", edit);
    list.Add("Edit9.Text");
    edit->SetName("NameEdit");
    UpdateStoredList(&form, &list, false);
    EXPECT_EQ(list.ToStringList(), QStringList{"NameEdit.Text|#|K"});
}

TEST(StoredItems, FindScreenComponentLooksAtFormsThenDataModules) {
    TTestForm form;
    form.SetName("MainForm");
    EXPECT_EQ(FindScreenComponent("mainform"), &form);
    EXPECT_EQ(FindScreenComponent("Nothing"), nullptr);
}
