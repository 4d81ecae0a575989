#include "storage/propsstorage.h"

#include <QFile>
#include <gtest/gtest.h>
#include <memory>

#include "platform/ini/inifile.h"
#include "platform/runtime/stringlist.h"
#include "platform/text/formatsettings.h"
#include "storage/storeditems.h"
#include "support/testdir.h"
#include "testforms.h"

using namespace vexo;
using namespace testforms;

namespace {

// A property storage bound to a real INI file, as the form storage binds it.
class PropsStorageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ini = std::make_unique<TIniFile>(dir.File("props.ini"));
        Bind(storage);
        storage.Section = "S";
        form = std::make_unique<TTestForm>();
        form->SetName("Form1");
        edit1 = AddEdit(form.get(), "Edit1");
        edit2 = AddEdit(form.get(), "Edit2");
        memo1 = AddEdit(form.get(), "Memo1");
    }
    void Bind(TvexoPropsStorage& s) {
        s.OnReadString = [this](const QString& sec, const QString& key, const QString& def) {
            return ini->ReadString(sec, key, def);
        };
        s.OnWriteString = [this](const QString& sec, const QString& key, const QString& value) {
            ini->WriteString(sec, key, value);
        };
        s.OnEraseSection = [this](const QString& sec) { ini->EraseSection(sec); };
    }
    QStringList Keys(const QString& section) {
        TStringList list;
        ini->ReadSection(section, list);
        return list.ToStringList();
    }
    QString Value(const QString& section, const QString& key) {
        return ini->ReadString(section, key, "<missing>");
    }
    void StoreOne(QObject* instance, const QString& prop, const QString& prefix = "P_") {
        storage.Instance = instance;
        storage.Prefix = prefix;
        storage.StoreAnyProperty(GetPropInfo(instance, prop));
    }
    void LoadOne(QObject* instance, const QString& prop, const QString& prefix = "P_") {
        storage.Instance = instance;
        storage.Prefix = prefix;
        storage.LoadAnyProperty(GetPropInfo(instance, prop));
    }

    TestDir dir;
    std::unique_ptr<TIniFile> ini;
    TvexoPropsStorage storage;
    std::unique_ptr<TTestForm> form;
    TTestEdit* edit1 = nullptr;
    TTestEdit* edit2 = nullptr;
    TTestEdit* memo1 = nullptr;
};

} // namespace

TEST_F(PropsStorageTest, StoredItemsGiveKeysAndListSections) {
    edit1->text = "first";
    edit2->text = "second";
    memo1->lines->SetText("line one\n  line two  \n");
    TStringList stored;
    stored.Add("Edit1.Text");
    stored.Add("Memo1.Lines");
    stored.Add("Edit2.Text|#|LastText");
    storage.StoreObjectsProps(form.get(), &stored);

    EXPECT_EQ(Keys("S"), (QStringList{"Edit1_Text", "LastText"}));
    EXPECT_EQ(Value("S", "Edit1_Text"), "first");
    EXPECT_EQ(Value("S", "LastText"), "second");
    EXPECT_EQ(Keys("S.Memo1_Lines"), (QStringList{"Count", "Item0", "Item1"}));
    EXPECT_EQ(Value("S.Memo1_Lines", "Count"), "2");
    EXPECT_EQ(Value("S.Memo1_Lines", "Item1"), "line two"); // the INI file trims values
    EXPECT_EQ(storage.RootComponent, nullptr);

    edit1->text.clear();
    edit2->text.clear();
    memo1->lines->Clear();
    storage.LoadObjectsProps(form.get(), &stored);
    EXPECT_EQ(edit1->text, "first");
    EXPECT_EQ(edit2->text, "second");
    EXPECT_EQ(memo1->lines->ToStringList(), (QStringList{"line one", "line two"}));
}

TEST_F(PropsStorageTest, LinesNamingMissingComponentsAreDropped) {
    TStringList stored;
    stored.Add("Edit1.Text");
    stored.Add("Ghost.Text");
    stored.Add("not an item");
    stored.Add("Edit1.NoSuchProperty");
    storage.StoreObjectsProps(form.get(), &stored);
    EXPECT_EQ(stored.ToStringList(), (QStringList{"Edit1.Text", "Edit1.NoSuchProperty"}));
    EXPECT_EQ(Keys("S"), QStringList{"Edit1_Text"});
}

TEST_F(PropsStorageTest, FontPropertyStoresItsOwnPropertiesUnderNestedKeys) {
    edit1->font->SetName("DejaVu Sans");
    edit1->font->SetColor(0xFF);
    edit1->font->SetSize(12);
    edit1->font->SetPitch(TFont::fpFixed);
    edit1->font->SetStyle(TFont::fsBold | TFont::fsItalic);
    TStringList stored;
    stored.Add("Edit1.Font");
    storage.StoreObjectsProps(form.get(), &stored);
    EXPECT_EQ(Keys("S"), (QStringList{"Edit1_FontCharset", "Edit1_FontColor", "Edit1_FontHeight",
                                      "Edit1_FontName", "Edit1_FontPitch", "Edit1_FontSize",
                                      "Edit1_FontStyle"}));
    EXPECT_EQ(Value("S", "Edit1_FontName"), "DejaVu Sans");
    EXPECT_EQ(Value("S", "Edit1_FontColor"), "255");
    EXPECT_EQ(Value("S", "Edit1_FontHeight"), "-16");
    EXPECT_EQ(Value("S", "Edit1_FontSize"), "12");
    EXPECT_EQ(Value("S", "Edit1_FontPitch"), "fpFixed");
    EXPECT_EQ(Value("S", "Edit1_FontStyle"), "[fsBold,fsItalic]");

    TFont designed;
    edit1->font->Assign(designed);
    int changes = 0;
    edit1->font->OnChange = [&](QObject*) { ++changes; };
    storage.LoadObjectsProps(form.get(), &stored);
    EXPECT_EQ(edit1->font->Name(), "DejaVu Sans");
    EXPECT_EQ(edit1->font->Color(), TColor(0xFF));
    EXPECT_EQ(edit1->font->Size(), 12);
    EXPECT_EQ(edit1->font->Pitch(), TFont::fpFixed);
    EXPECT_EQ(edit1->font->Style(), TFont::fsBold | TFont::fsItalic);
    EXPECT_GT(changes, 0); // loaded through the setters, so the owner hears of it
}

TEST_F(PropsStorageTest, FloatsUseADotWhateverTheDecimalSeparator) {
    const QChar saved = FormatSettings().DecimalSeparator;
    FormatSettings().DecimalSeparator = QLatin1Char(',');
    edit1->ratio = 2.5;
    edit1->scale = 0.25f;
    StoreOne(edit1, "Ratio");
    StoreOne(edit1, "Scale");
    EXPECT_EQ(Value("S", "P_Ratio"), "2.5");
    EXPECT_EQ(Value("S", "P_Scale"), "0.25");
    edit1->ratio = 0;
    LoadOne(edit1, "Ratio");
    EXPECT_EQ(edit1->ratio, 2.5);
    ini->WriteString("S", "P_Ratio", "1.0e3");
    LoadOne(edit1, "Ratio");
    EXPECT_EQ(edit1->ratio, 1000.0);
    FormatSettings().DecimalSeparator = saved;
}

TEST_F(PropsStorageTest, SetsAreBracketedIdentifierLists) {
    StoreOne(edit1->font, "Style");
    EXPECT_EQ(Value("S", "P_Style"), "[]");
    edit1->font->SetStyle(TFont::fsItalic | TFont::fsBold);
    StoreOne(edit1->font, "Style");
    EXPECT_EQ(Value("S", "P_Style"), "[fsBold,fsItalic]");
    ini->WriteString("S", "P_Style", " [ fsunderline , fsNoSuch,fsStrikeOut] ");
    LoadOne(edit1->font, "Style");
    EXPECT_EQ(edit1->font->Style(), TFont::fsUnderline | TFont::fsStrikeOut);
    ini->WriteString("S", "P_Style", "[]");
    LoadOne(edit1->font, "Style");
    EXPECT_EQ(int(edit1->font->Style()), 0);
}

TEST_F(PropsStorageTest, BooleansAndEnumerationsUseIdentifiers) {
    StoreOne(edit1, "Checked");
    StoreOne(edit1, "Align");
    EXPECT_EQ(Value("S", "P_Checked"), "False");
    EXPECT_EQ(Value("S", "P_Align"), "alNone");
    ini->WriteString("S", "P_Checked", "true");
    ini->WriteString("S", "P_Align", "ALCLIENT");
    LoadOne(edit1, "Checked");
    LoadOne(edit1, "Align");
    EXPECT_TRUE(edit1->checked);
    EXPECT_EQ(edit1->align, TTestEdit::alClient);
}

TEST_F(PropsStorageTest, BadStoredValuesKeepTheCurrentValue) {
    edit1->align = TTestEdit::alTop;
    edit1->number = 17;
    edit1->ratio = 1.5;
    edit1->big = 99;
    ini->WriteString("S", "P_Align", "7");
    ini->WriteString("S", "P_Number", "12abc");
    ini->WriteString("S", "P_Ratio", "two");
    ini->WriteString("S", "P_Big", "");
    for (const char* name : {"Align", "Number", "Ratio", "Big"})
        LoadOne(edit1, name);
    EXPECT_EQ(edit1->align, TTestEdit::alTop);
    EXPECT_EQ(edit1->number, 17);
    EXPECT_EQ(edit1->ratio, 1.5);
    EXPECT_EQ(edit1->big, 99);
}

TEST_F(PropsStorageTest, MissingKeyReloadsTheCurrentValue) {
    edit1->number = 5;
    edit1->text = "kept";
    LoadOne(edit1, "Number");
    LoadOne(edit1, "Text");
    EXPECT_EQ(edit1->number, 5);
    EXPECT_EQ(edit1->text, "kept");
}

TEST_F(PropsStorageTest, TextsAreTrimmedOfBlanksAndControlCharacters) {
    edit1->text = "\t  padded \x01";
    StoreOne(edit1, "Text");
    EXPECT_EQ(Value("S", "P_Text"), "padded");
    edit1->text.clear();
    StoreOne(edit1, "Text"); // empty texts are written
    EXPECT_EQ(Value("S", "P_Text"), "");
    edit1->number = 0;
    StoreOne(edit1, "Number");
    EXPECT_EQ(Value("S", "P_Number"), "0");
}

TEST_F(PropsStorageTest, CharactersVariantsAndLargeIntegers) {
    edit1->letter = QChar(0x416);
    edit1->big = -(1LL << 40);
    edit1->data = 42;
    StoreOne(edit1, "Letter");
    StoreOne(edit1, "Big");
    StoreOne(edit1, "Data");
    EXPECT_EQ(Value("S", "P_Letter"), QString(QChar(0x416)));
    EXPECT_EQ(Value("S", "P_Big"), "-1099511627776");
    EXPECT_EQ(Value("S", "P_Data"), "42");
    edit1->letter = 'x';
    edit1->big = 0;
    edit1->data = "other"; // an empty variant would not be read at all
    LoadOne(edit1, "Letter");
    LoadOne(edit1, "Big");
    LoadOne(edit1, "Data");
    EXPECT_EQ(edit1->letter, QChar(0x416));
    EXPECT_EQ(edit1->big, -(1LL << 40));
    EXPECT_EQ(edit1->data, QVariant("42"));
}

TEST_F(PropsStorageTest, EmptyStringListLeavesOnlyTheErasedSectionAndLoadKeepsLines) {
    ini->WriteString("S.P_Lines", "Count", "3");
    StoreOne(memo1, "Lines");
    EXPECT_FALSE(ini->SectionExists("S.P_Lines"));
    memo1->lines->Add("existing");
    LoadOne(memo1, "Lines");
    EXPECT_EQ(memo1->lines->ToStringList(), QStringList{"existing"});
}

TEST_F(PropsStorageTest, AbsurdListCountsAreCapped) {
    ini->WriteString("S.P_Lines", "Count", "999999999999");
    ini->WriteString("S.P_Lines", "Item0", "a");
    LoadOne(memo1, "Lines");
    EXPECT_EQ(memo1->lines->Count(), TvexoPropsStorage::MaxStoredCount);
    EXPECT_EQ(memo1->lines->Strings(0), "a");
}

TEST_F(PropsStorageTest, CollectionsStoreCountAndItemsInTheirOwnSection) {
    auto* a = static_cast<TTestColumn*>(edit1->columns->Add());
    a->title = "Name";
    a->width = 120;
    auto* b = static_cast<TTestColumn*>(edit1->columns->Add());
    b->title = "Size";
    TStringList stored;
    stored.Add("Edit1.Columns");
    storage.StoreObjectsProps(form.get(), &stored);
    EXPECT_EQ(Value("S", "Edit1_Columns.Count"), "2");
    EXPECT_EQ(Keys("S.Edit1_Columns"),
              (QStringList{"Item0_Title", "Item0_Width", "Item1_Title", "Item1_Width"}));
    EXPECT_EQ(Value("S.Edit1_Columns", "Item0_Width"), "120");

    edit1->columns->Clear();
    edit1->columns->Add();
    storage.LoadObjectsProps(form.get(), &stored);
    ASSERT_EQ(edit1->columns->Count(), 2);
    EXPECT_EQ(static_cast<TTestColumn*>(edit1->columns->Items(0))->title, "Name");
    EXPECT_EQ(static_cast<TTestColumn*>(edit1->columns->Items(0))->width, 120);
    EXPECT_EQ(static_cast<TTestColumn*>(edit1->columns->Items(1))->title, "Size");
}

TEST_F(PropsStorageTest, AbsurdCollectionCountsAreCappedAndBadOnesIgnored) {
    edit1->columns->Add();
    ini->WriteString("S", "Edit1_Columns.Count", "x");
    TStringList stored;
    stored.Add("Edit1.Columns");
    storage.LoadObjectsProps(form.get(), &stored);
    EXPECT_EQ(edit1->columns->Count(), 1);
    ini->WriteString("S", "Edit1_Columns.Count", "-5");
    storage.LoadObjectsProps(form.get(), &stored);
    EXPECT_EQ(edit1->columns->Count(), 1);
    ini->WriteString("S", "Edit1_Columns.Count", "2147483647");
    storage.LoadObjectsProps(form.get(), &stored);
    EXPECT_EQ(edit1->columns->Count(), TvexoPropsStorage::MaxStoredCount);
}

TEST_F(PropsStorageTest, ComponentReferencesAcrossForms) {
    TTestForm form2;
    form2.SetName("Form2");
    auto* button1 = new TTestButton(&form2);
    button1->SetName("Button1");
    edit1->link = button1;
    edit2->link = edit1; // same form: the name alone
    TStringList stored;
    stored.Add("Edit1.Link");
    stored.Add("Edit2.Link");
    storage.StoreObjectsProps(form.get(), &stored);
    EXPECT_EQ(Value("S", "Edit1_Link"), "Form2.Button1");
    EXPECT_EQ(Value("S", "Edit2_Link"), "Edit1");

    edit1->link = nullptr;
    edit1->link = edit2; // loading resolves only references that are set, as streamed forms do
    edit2->link = edit2;
    storage.LoadObjectsProps(form.get(), &stored);
    EXPECT_EQ(edit1->link, button1);
    EXPECT_EQ(edit2->link, edit1);

    ini->WriteString("S", "Edit1_Link", "(NULL)");
    storage.LoadObjectsProps(form.get(), &stored);
    EXPECT_EQ(edit1->link, nullptr);
}

TEST_F(PropsStorageTest, ReferenceToAComponentOfAnUnnamedOwnerUsesItsClassName) {
    TTestForm unnamed;
    auto* button = new TTestButton(&unnamed);
    button->SetName("Ok");
    edit1->link = button;
    StoreOne(edit1, "Link");
    EXPECT_EQ(Value("S", "P_Link"), "TestForm.Ok");
    // A reference whose owner is gone or unknown leaves the property alone.
    ini->WriteString("S", "P_Link", "Nowhere.Ok");
    LoadOne(edit1, "Link");
    EXPECT_EQ(edit1->link, button);
}

TEST_F(PropsStorageTest, WithoutCallbacksNothingIsReadOrWritten) {
    TvexoPropsStorage bare;
    bare.Section = "S";
    bare.Instance = edit1;
    edit1->text = "x";
    bare.StoreAnyProperty(GetPropInfo(edit1, "Text"));
    bare.LoadAnyProperty(GetPropInfo(edit1, "Text"));
    EXPECT_EQ(edit1->text, "");
    EXPECT_EQ(bare.ReadString("S", "k", "d"), "");
    EXPECT_FALSE(QFile::exists(dir.File("props.ini")));
}

TEST_F(PropsStorageTest, StorePropertiesByNameSkipsUnknownNames) {
    edit1->text = "t";
    edit1->number = 3;
    TStringList names;
    names.Add("text");
    names.Add("Missing");
    names.Add("NUMBER");
    storage.Instance = edit1;
    storage.Prefix = "E.";
    storage.StoreProperties(names);
    EXPECT_EQ(Keys("S"), (QStringList{"E.Text", "E.Number"}));
    edit1->number = 0;
    storage.LoadProperties(names);
    EXPECT_EQ(edit1->number, 3);
}

TEST_F(PropsStorageTest, InfoListNamesEachComponentOnce) {
    TStringList stored;
    stored.Add("edit2.Text");
    stored.Add("Edit1.Text");
    stored.Add("Edit1.Number");
    std::unique_ptr<TStringList> info = storage.CreateInfoList(form.get(), &stored);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->ToStringList(), (QStringList{"Edit1", "Edit2"}));
    EXPECT_NE(info->Objects(0), nullptr);
    TvexoPropsStorage::FreeInfoLists(info);
    EXPECT_FALSE(info);
    EXPECT_FALSE(storage.CreateInfoList(nullptr, &stored));
}
