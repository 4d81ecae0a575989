#include "storage/formstorage.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "platform/gui/application.h"
#include "platform/runtime/screen.h"
#include "platform/runtime/typinfo.h"
#include "platform/text/font.h"
#include "storage/placement.h"
#include "support/testdir.h"
#include "testforms.h"
#include "utils/fontconv.h"

using namespace vexo;
using namespace testforms;

namespace {

class FormStorageTest : public ::testing::Test {
protected:
    QString IniName() const { return dir.File("forms.ini"); }

    // A form with a storage hooked as if both had been streamed.
    template <class F = TTestForm> std::unique_ptr<F> MakeForm() {
        auto form = std::make_unique<F>();
        form->BeginLoading();
        auto* storage = new TvexoFormStorage(form.get());
        storage->SetName("FormStorage1");
        storage->SetIniFileName(IniName());
        storage->BeginLoading();
        form->EndLoading();
        return form;
    }
    static TvexoFormStorage* StorageOf(TComponent* form) {
        return dynamic_cast<TvexoFormStorage*>(form->FindComponent("FormStorage1"));
    }
    QStringList Keys(const QString& section) const {
        TStringList list;
        TIniFile(IniName()).ReadSection(section, list);
        return list.ToStringList();
    }
    QString Value(const QString& section, const QString& key) const {
        return TIniFile(IniName()).ReadString(section, key, "<missing>");
    }
    static QString Suffix() { return ScreenResolutionSuffix(); }
    static QString Ppi() { return QString::number(Screen().PixelsPerInch()); }

    TestDir dir;
};

} // namespace

TEST_F(FormStorageTest, Defaults) {
    TTestForm form;
    TvexoFormStorage storage(&form);
    EXPECT_TRUE(storage.Active());
    EXPECT_EQ(storage.Options(), fpState | fpPosition);
    EXPECT_EQ(storage.IniSection(), "TTestForm");
    EXPECT_TRUE(storage.IniFileName().endsWith("/storage_tests.ini"));
    EXPECT_FALSE(storage.Hooked()); // created by code, not streamed
    TvexoFormStorage loose(nullptr);
    EXPECT_EQ(loose.Options(), TvexoPlacementOptions());
    EXPECT_EQ(loose.IniSection(), "");
    loose.SetDesigning(true);
    EXPECT_EQ(loose.IniFileName(), "");
    EXPECT_TRUE(IsDefaultPropValue(&storage, GetPropInfo(&storage, "Options")));
    EXPECT_TRUE(IsDefaultPropValue(&storage, GetPropInfo(&storage, "Active")));
}

TEST_F(FormStorageTest, CloseWritesTheExampleSectionAndShowReadsItBack) {
    auto form = MakeForm();
    ASSERT_TRUE(StorageOf(form.get())->Hooked());
    form->setGeometry(200, 150, 320, 180);
    form->show();
    EXPECT_TRUE(StorageOf(form.get())->Restored());
    EXPECT_EQ(form->geometry(), QRect(200, 150, 320, 180)); // first run: designed placement
    EXPECT_TRUE(form->close());

    EXPECT_EQ(Keys("TTestForm"),
              (QStringList{"Flags", "ShowCmd", "PixelsPerInch", "MinMaxPos" + Suffix(), "MinMaxPos",
                           "NormPos" + Suffix(), "NormPos", "Visible"}));
    EXPECT_EQ(Value("TTestForm", "Flags"), "0");
    EXPECT_EQ(Value("TTestForm", "ShowCmd"), "1");
    EXPECT_EQ(Value("TTestForm", "PixelsPerInch"), Ppi());
    EXPECT_EQ(Value("TTestForm", "NormPos" + Suffix()), "200,150,520,330");
    EXPECT_EQ(Value("TTestForm", "NormPos"), "200,150,520,330");
    EXPECT_EQ(Value("TTestForm", "MinMaxPos"), Value("TTestForm", "MinMaxPos" + Suffix()));
    EXPECT_TRUE(Value("TTestForm", "MinMaxPos").startsWith("-1,-1,"));
    EXPECT_EQ(Value("TTestForm", "Visible"), "0");
    EXPECT_TRUE(StorageOf(form.get())->Saved());

    auto again = MakeForm();
    again->setGeometry(10, 10, 100, 100);
    again->show();
    EXPECT_EQ(again->geometry(), QRect(200, 150, 320, 180));
}

TEST_F(FormStorageTest, OtherScreenSizeRestoresFromThePlainKey) {
    TIniFile ini(IniName());
    ini.WriteString("TTestForm", "PixelsPerInch", Ppi());
    ini.WriteString("TTestForm", "NormPos(1x1)", "1,1,50,50");
    ini.WriteString("TTestForm", "NormPos", "100,110,400,310");
    auto form = MakeForm();
    form->show();
    EXPECT_EQ(form->geometry(), QRect(100, 110, 300, 200));

    ini.WriteString("TTestForm", "NormPos" + Suffix(), "50,60,350,260");
    auto second = MakeForm();
    second->show();
    EXPECT_EQ(second->geometry(), QRect(50, 60, 300, 200));
}

TEST_F(FormStorageTest, NonSizeableFormRestoresPositionOnly) {
    TIniFile ini(IniName());
    ini.WriteString("TTestForm", "NormPos", "100,100,700,700");
    auto fixed = MakeForm();
    fixed->setFixedSize(300, 200);
    fixed->show();
    EXPECT_EQ(fixed->geometry(), QRect(100, 100, 300, 200));

    ini.WriteString("TTestDialog", "NormPos", "120,130,700,700");
    auto dialog = MakeForm<TTestDialog>();
    dialog->SetClientSize(250, 150);
    dialog->show();
    EXPECT_EQ(dialog->geometry(), QRect(120, 130, 250, 150));
}

TEST_F(FormStorageTest, PlacementUnderOtherPixelsPerInchIsIgnored) {
    TIniFile ini(IniName());
    ini.WriteInteger("TTestForm", "PixelsPerInch", Screen().PixelsPerInch() + 48);
    ini.WriteString("TTestForm", "NormPos", "100,100,400,300");
    auto form = MakeForm();
    form->setGeometry(20, 30, 200, 100);
    form->show();
    EXPECT_EQ(form->geometry(), QRect(20, 30, 200, 100));
}

TEST_F(FormStorageTest, RightNotBeyondLeftIsNotApplied) {
    TIniFile ini(IniName());
    ini.WriteString("TTestForm", "NormPos", "300,100,300,400");
    auto form = MakeForm();
    form->setGeometry(20, 30, 200, 100);
    form->show();
    EXPECT_EQ(form->geometry(), QRect(20, 30, 200, 100));
}

TEST_F(FormStorageTest, MaximizedFormReopensMaximized) {
    {
        auto form = MakeForm();
        form->setGeometry(60, 70, 300, 200);
        form->show();
        form->setWindowState(Qt::WindowMaximized);
        QApplication::processEvents();
        ASSERT_TRUE(form->isMaximized());
        form->close();
    }
    EXPECT_EQ(Value("TTestForm", "ShowCmd"), "3");
    EXPECT_EQ(Value("TTestForm", "NormPos"), "60,70,360,270");
    auto again = MakeForm();
    again->show();
    EXPECT_TRUE(again->isMaximized());
    EXPECT_EQ(again->normalGeometry(), QRect(60, 70, 300, 200));
}

TEST_F(FormStorageTest, RefusedCloseSavesNothing) {
    auto form = MakeForm();
    form->show();
    form->refuseClose = true;
    EXPECT_FALSE(form->close());
    EXPECT_EQ(form->closeQueries, 1);
    EXPECT_FALSE(QFile::exists(IniName()));
    form->refuseClose = false;
    EXPECT_TRUE(form->close());
    EXPECT_EQ(form->closeQueries, 2);
    EXPECT_TRUE(QFile::exists(IniName()));
}

TEST_F(FormStorageTest, ModalResultClosesThroughTheCloseQueryAndSaves) {
    auto form = MakeForm();
    form->setGeometry(30, 40, 200, 100);
    QTimer::singleShot(0, form.get(), [&] {
        form->refuseClose = true;
        form->SetModalResult(mrOk); // refused: the dialog stays
        QTimer::singleShot(0, form.get(), [&] {
            EXPECT_TRUE(form->isVisible());
            EXPECT_FALSE(QFile::exists(IniName()));
            form->refuseClose = false;
            form->SetModalResult(mrOk);
        });
    });
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_EQ(form->closeQueries, 2);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(Value("TTestForm", "NormPos"), "30,40,230,140");
    EXPECT_EQ(Value("TTestForm", "Visible"), "0");
}

TEST_F(FormStorageTest, AutomaticRestoreErrorsGoToTheApplicationAndTheShowGoesOn) {
    std::vector<std::string> errors;
    Application()->OnException = [&](const std::exception& e) { errors.push_back(e.what()); };
    auto form = MakeForm();
    int shows = 0;
    form->OnShow = [&](QObject*) { ++shows; };
    StorageOf(form.get())->OnRestorePlacement = [](QObject*) {
        throw Exception("restore went wrong");
    };
    form->show();
    Application()->OnException = nullptr;
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(shows, 1);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front(), "restore went wrong");
}

TEST_F(FormStorageTest, DestroyingAShownFormSavesOnceWithVisible) {
    {
        auto form = MakeForm();
        form->setGeometry(40, 50, 200, 100);
        form->show();
    }
    EXPECT_EQ(Value("TTestForm", "Visible"), "1");
    EXPECT_EQ(Value("TTestForm", "NormPos"), "40,50,240,150");
}

TEST_F(FormStorageTest, FormNeverShownIsNotSaved) {
    { auto form = MakeForm(); }
    EXPECT_FALSE(QFile::exists(IniName()));
}

TEST_F(FormStorageTest, ClosedFormIsNotSavedAgainOnDestruction) {
    {
        auto form = MakeForm();
        form->show();
        form->close();
        TIniFile(IniName()).WriteString("TTestForm", "Visible", "marker");
    }
    EXPECT_EQ(Value("TTestForm", "Visible"), "marker");
}

TEST_F(FormStorageTest, StorageWithoutOwnerOrSectionRefusesToSave) {
    TvexoFormStorage storage(nullptr);
    storage.SetIniFileName(IniName());
    storage.SetActive(false);
    storage.SaveFormPlacement();
    EXPECT_FALSE(QFile::exists(IniName()));
    EXPECT_FALSE(storage.Saved());
}

TEST_F(FormStorageTest, NoFolderPartOrMissingFolderSavesNothing) {
    auto form = MakeForm();
    StorageOf(form.get())->SetIniFileName("bare.ini");
    form->show();
    form->close();
    EXPECT_FALSE(QFile::exists("bare.ini"));
    StorageOf(form.get())->SetIniFileName(dir.Path() + "missing/x.ini");
    form->show();
    form->close();
    EXPECT_FALSE(QFile::exists(dir.Path() + "missing/x.ini"));
}

TEST_F(FormStorageTest, StoredPropertiesTravelWithThePlacement) {
    auto form = MakeForm();
    TTestEdit* edit1 = AddEdit(form.get(), "Edit1");
    TTestEdit* memo1 = AddEdit(form.get(), "Memo1");
    TStringList items;
    items.Add("Edit1.Text");
    items.Add("Memo1.Lines");
    items.Add("Edit1.Checked|#|Flag");
    StorageOf(form.get())->SetStoredProps(&items);
    form->show();
    edit1->text = "typed";
    edit1->checked = true;
    memo1->lines->SetText("a\nb\n");
    form->close();
    EXPECT_EQ(Value("TTestForm", "Edit1_Text"), "typed");
    EXPECT_EQ(Value("TTestForm", "Flag"), "True");
    EXPECT_EQ(Value("TTestForm.Memo1_Lines", "Item1"), "b");
    EXPECT_EQ(Keys("TTestForm").indexOf("Visible") + 1, Keys("TTestForm").indexOf("Edit1_Text"));

    auto again = MakeForm();
    TTestEdit* edit = AddEdit(again.get(), "Edit1");
    TTestEdit* memo = AddEdit(again.get(), "Memo1");
    StorageOf(again.get())->SetStoredProps(&items);
    again->show();
    EXPECT_EQ(edit->text, "typed");
    EXPECT_TRUE(edit->checked);
    EXPECT_EQ(memo->lines->ToStringList(), (QStringList{"a", "b"}));
}

TEST_F(FormStorageTest, RemovedComponentLosesItsStoredLines) {
    auto form = MakeForm();
    TTestEdit* edit1 = AddEdit(form.get(), "Edit1");
    AddEdit(form.get(), "Edit2");
    TStringList items;
    items.Add("Edit1.Text");
    items.Add("Edit2.Text");
    items.Add("Edit1.Number");
    TvexoFormStorage* storage = StorageOf(form.get());
    storage->SetStoredProps(&items);
    storage->WriteState();
    delete edit1;
    EXPECT_EQ(storage->StoredProps()->ToStringList(), QStringList{"Edit2.Text"});
}

TEST_F(FormStorageTest, ActiveControlIsSavedAndRestored) {
    auto form = MakeForm();
    StorageOf(form.get())->SetOptions(fpState | fpPosition | fpActiveControl);
    AddEdit(form.get(), "Edit1")->setFocusPolicy(Qt::StrongFocus);
    TTestEdit* edit2 = AddEdit(form.get(), "Edit2");
    edit2->setFocusPolicy(Qt::StrongFocus);
    form->show();
    form->activateWindow();
    edit2->setFocus();
    QApplication::processEvents();
    form->close();
    EXPECT_EQ(Value("TTestForm", "ActiveControl"), "Edit2");
    EXPECT_EQ(Keys("TTestForm").indexOf("ActiveControl") + 1, Keys("TTestForm").indexOf("Visible"));

    auto again = MakeForm();
    StorageOf(again.get())->SetOptions(fpActiveControl);
    AddEdit(again.get(), "Edit1")->setFocusPolicy(Qt::StrongFocus);
    TTestEdit* second = AddEdit(again.get(), "Edit2");
    second->setFocusPolicy(Qt::StrongFocus);
    again->show();
    EXPECT_EQ(again->focusWidget(), second);
}

TEST_F(FormStorageTest, HandEditedFileSurvivesASave) {
    const QByteArray before = "; my settings\n"
                              "\n"
                              "[Other]\n"
                              "  spaced   =   kept  as is \n"
                              "#note\n"
                              "\n";
    const QByteArray formPart = "[TTestForm]\n"
                                "; placement below\n"
                                "PixelsPerInch = 1\n"
                                "NormPos = 1, 2, 3, 4\n"
                                "Custom=mine\n";
    const QByteArray after = "\n"
                             "[Zeta]\n"
                             "k=v";
    dir.Write("forms.ini", before + formPart + after);
    auto form = MakeForm();
    form->setGeometry(30, 40, 200, 100);
    form->show();
    form->close();
    const QByteArray saved = dir.Read("forms.ini");
    EXPECT_TRUE(saved.startsWith(before + "[TTestForm]\n; placement below\n")) << saved.constData();
    EXPECT_TRUE(saved.endsWith(after)) << saved.constData();
    EXPECT_TRUE(saved.contains("\nCustom=mine\n"));
    EXPECT_EQ(Value("TTestForm", "NormPos"), "30,40,230,140");
}

TEST_F(FormStorageTest, EventsAreUnhookedWhenTheStorageGoes) {
    auto form = MakeForm();
    delete StorageOf(form.get());
    form->show();
    form->close();
    EXPECT_FALSE(QFile::exists(IniName()));
}

TEST_F(FormStorageTest, SaveAndRestoreEventsFire) {
    auto form = MakeForm();
    int saves = 0;
    int restores = 0;
    StorageOf(form.get())->OnSavePlacement = [&](QObject* sender) {
        EXPECT_EQ(sender, StorageOf(form.get()));
        ++saves;
    };
    StorageOf(form.get())->OnRestorePlacement = [&](QObject*) { ++restores; };
    form->show();
    form->close();
    EXPECT_EQ(restores, 1);
    EXPECT_EQ(saves, 1);
}

TEST_F(FormStorageTest, InactiveStorageSkipsTheAutomaticWork) {
    TIniFile(IniName()).WriteString("TTestForm", "NormPos", "100,100,400,300");
    auto form = MakeForm();
    StorageOf(form.get())->SetActive(false);
    form->setGeometry(5, 5, 50, 50);
    form->show();
    EXPECT_EQ(form->geometry(), QRect(5, 5, 50, 50));
    form->close();
    EXPECT_EQ(Keys("TTestForm"), QStringList{"NormPos"});
}

class FormStorageIniTest : public FormStorageTest {
protected:
    void SetUp() override {
        storage.SetIniFileName(IniName());
        storage.SetIniSection("S");
    }
    TvexoFormStorage storage{nullptr};
};

TEST_F(FormStorageIniTest, DirectValues) {
    storage.WriteBool("A", "b", true);
    storage.WriteInteger("A", "i", -3);
    EXPECT_EQ(Value("A", "b"), "1");
    EXPECT_TRUE(storage.ReadBool("A", "b", false));
    storage.WriteString("A", "y", "Yes");
    EXPECT_TRUE(storage.ReadBool("A", "y", false));
    storage.WriteString("A", "on", "on");
    EXPECT_FALSE(storage.ReadBool("A", "on", true));
    EXPECT_TRUE(storage.ReadBool("A", "missing", true));
    EXPECT_EQ(storage.ReadInteger("A", "i", 0), -3);
    EXPECT_EQ(storage.ReadInteger("A", "y", 9), 9);
    QList<qint32> values{0, 0, 0};
    storage.ReadIntegers("A", {"i", "missing"}, {1, 2, 3}, values);
    EXPECT_EQ(values, (QList<qint32>{-3, 2, 0}));
    storage.WriteStrings("B", {"k1", "k2", "k3"}, {"v1", "v2"});
    EXPECT_EQ(Keys("B"), (QStringList{"k1", "k2"}));
    TStringList list;
    storage.ReadKeyValues("B", list);
    EXPECT_EQ(list.ToStringList(), (QStringList{"v1", "v2"}));
    storage.ReadSectionValues("B", list);
    EXPECT_EQ(list.ToStringList(), (QStringList{"k1=v1", "k2=v2"}));
}

TEST_F(FormStorageIniTest, ColoursAndFontsAsText) {
    storage.WriteColors("C", {"face", "rgb", "extra"}, {clBtnFace, TColor(0x00123456)});
    EXPECT_EQ(Keys("C"), (QStringList{"face", "rgb"}));
    EXPECT_EQ(Value("C", "face"), "clBtnFace");
    EXPECT_EQ(Value("C", "rgb"), "$00123456");
    storage.WriteString("C", "bad", "reddish");
    QList<TColor> colors{0, 0, 0, 0};
    storage.ReadColors("C", {"face", "rgb", "missing", "bad"}, {clRed, clRed, clLime, clAqua},
                       colors);
    EXPECT_EQ(colors, (QList<TColor>{clBtnFace, TColor(0x00123456), clLime, clAqua}));

    TFont font;
    font.SetName("DejaVu Sans");
    font.SetColor(clRed);
    font.SetStyle(TFont::fsBold | TFont::fsUnderline);
    font.SetSize(11);
    TFont other;
    storage.WriteFonts("F", {"title", "body"}, {&font, &other});
    EXPECT_EQ(Value("F", "title"), "DejaVu Sans,clRed,BU,11");
    storage.WriteString("F", "broken", "Mono,notacolour,B,9");

    TFont designed;
    designed.SetName("Liberation Sans");
    TFont title;
    TFont fallback;
    TFont broken;
    storage.ReadFonts("F", {"title", "missing", "broken"}, {&designed, &designed, &designed},
                      {&title, &fallback, &broken});
    EXPECT_EQ(FontToStr(&title), "DejaVu Sans,clRed,BU,11");
    EXPECT_EQ(fallback.Name(), "Liberation Sans");
    EXPECT_EQ(FontToStr(&broken), FontToStr(&designed));
}

TEST_F(FormStorageIniTest, DeleteAndRenameIdentKeepKeyOrder) {
    dir.Write("forms.ini", "[S]\na=1\n; note\nb=2\nc=3\n[T]\nb=9\n");
    storage.DeleteIdent("S", "B");
    EXPECT_EQ(Keys("S"), (QStringList{"a", "c"}));
    storage.WriteString("S", "d", "4");
    storage.RenameIdent("S", "a", "z");
    EXPECT_EQ(Keys("S"), (QStringList{"z", "c", "d"}));
    EXPECT_EQ(Value("S", "z"), "1");
    storage.RenameIdent("S", "missing", "q");
    EXPECT_EQ(Keys("S"), (QStringList{"z", "c", "d"}));
    EXPECT_EQ(Value("T", "b"), "9");
    EXPECT_TRUE(dir.Read("forms.ini").contains("; note\n"));
}

TEST_F(FormStorageIniTest, RenameSectionMovesKeysInOrder) {
    dir.Write("forms.ini", "[Old]\na=1\nb=2\n[New]\nb=0\nc=3\n");
    storage.RenameSection("Old", "New");
    EXPECT_FALSE(TIniFile(IniName()).SectionExists("Old"));
    EXPECT_EQ(Keys("New"), (QStringList{"b", "c", "a"}));
    EXPECT_EQ(Value("New", "b"), "2");
}

TEST_F(FormStorageIniTest, EraseSectionsTakesSubsectionsButNotLookAlikes) {
    dir.Write("forms.ini",
              "[S]\na=1\n[S.x]\nb=1\n[S\\y]\nc=1\n[S2]\nd=1\n[s.lower]\ne=1\n[T]\nf=1\n");
    storage.EraseSections();
    TStringList sections;
    TIniFile(IniName()).ReadSections(sections);
    EXPECT_EQ(sections.ToStringList(), (QStringList{"S2", "s.lower", "T"}));
}

TEST_F(FormStorageIniTest, ClearErasesTheOwnSection) {
    dir.Write("forms.ini", "[S]\na=1\n[T]\nb=2\n");
    storage.Clear();
    EXPECT_EQ(dir.Read("forms.ini"), "[T]\nb=2\n");
}

// A stored minimized state minimizes the program through its main form (or a form of a program
// without one) once the window is up; any other form gets the state directly.
TEST_F(FormStorageTest, MinimizedStateFollowsTheMainFormRule) {
    enum TMain { NoMain, ThisForm, OtherForm };
    struct TCase {
        TMain main;
        int showCmd;
        bool minimizedAtOnce, minimizedLater, maximized;
    } const cases[] = {
        {NoMain, 2, false, true, false},   {ThisForm, 6, false, true, false},
        {OtherForm, 2, true, true, false}, {OtherForm, 7, true, true, false},
        {ThisForm, 3, false, false, true}, {OtherForm, 1, false, false, false},
    };
    TIniFile ini(IniName());
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "main " << c.main << ", ShowCmd " << c.showCmd);
        ini.WriteInteger("Placement", "ShowCmd", c.showCmd);
        TTestForm form, other;
        Application()->SetMainForm(c.main == ThisForm    ? &form
                                   : c.main == OtherForm ? &other
                                                         : nullptr);
        LoadPlacementFromIni(&form, ini, "Placement", false, true);
        EXPECT_EQ(form.isMinimized(), c.minimizedAtOnce);
        QApplication::processEvents();
        EXPECT_EQ(form.isMinimized(), c.minimizedLater);
        EXPECT_EQ(form.isMaximized(), c.maximized);
        Application()->SetMainForm(nullptr);
    }
}
