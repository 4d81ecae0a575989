#include "app/gui/form1.h"

#include <QDir>
#include <utility>

#include "app/batchrun.h"
#include "app/gui/aboutform.h"
#include "app/gui/programlook.h"
#include "app/gui/resources.h"
#include "platform/gui/elidepath.h"
#include "platform/gui/messagebox.h"
#include "platform/runtime/exception.h"

namespace varnova {

using namespace vexo;

TForm1* Form1 = nullptr;

namespace {

constexpr int PathDisplayLimit = 25;    // characters shown unshortened
constexpr int PathDisplayWidth = 190;   // pixels of a shortened path
constexpr int StopButtonThreshold = 50; // more files than this get a Stop button
constexpr TColor HintColor = 0x00D4FFD2;
constexpr int HintHideTimeout = 7000;

// A control owned by `form`, shown on `parent`, named and placed as designed.
template <typename T>
T* Make(TForm* form, QWidget* parent, const char* name, int l, int t, int w, int h) {
    auto* control = new T(form, parent);
    control->SetName(QString::fromLatin1(name));
    control->setGeometry(l, t, w, h);
    return control;
}

TLabel* MakeLabel(TForm* form, QWidget* parent, const char* name, int l, int t, int w, int h,
                  const QString& caption) {
    auto* label = Make<TLabel>(form, parent, name, l, t, w, h);
    label->SetAlignment(taRightJustify);
    label->SetCaption(caption);
    label->SetAutoSize(true);
    return label;
}

TEdit* MakePathEdit(TForm* form, QWidget* parent, const char* name, int l, int t) {
    auto* edit = Make<TEdit>(form, parent, name, l, t, 193, 21);
    edit->SetReadOnly(true);
    edit->SetTabStop(false);
    SetShowHint(edit, true);
    return edit;
}

TImage* MakePicture(TForm* form, QWidget* parent, const char* name, int l, int t, int w, int h,
                    const QString& resource) {
    auto* image = Make<TImage>(form, parent, name, l, t, w, h);
    image->SetAutoSize(true);
    if (!resource.isEmpty())
        image->SetImage(QImage(resource));
    return image;
}

} // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    InitGuiResources();
    // Every window of the program reads alike and speaks the interface language, Qt's own
    // buttons and dialogs included.
    UseProgramFont();
    UseQtTranslations(WorkState().LangIndex);
    Form1 = this;
    CreateDesignedForm();
    TWorkState& state = WorkState();

    // Adjustments of the designed layout, in this order.
    SetHeight(280); // cuts off the strip of hidden helpers below the buttons
    GroupBox1->move(8, 8);
    Image5->move(Image4->pos()); // both flags at one place; only one is visible
    ComboBox1->SetItemIndex(0);
    ComboBox2->SetItemIndex(state.ModeIndex);
    ProcessBtn2->move(ProcessBtn1->pos()); // Stop takes Process's place when shown
    Bevel1->setParent(GroupBox1);
    Bevel1->move(ComboBox2->x() + ComboBox2->width() + 12, ComboBox2->y() - 4);
    Bevel1->show();
    Image3->setParent(GroupBox1);
    Image3->move(Bevel1->x() + 2, Bevel1->y() + 3);
    Image3->show();
    Image3->SetHint(ModeHint(state.LangIndex, state.ModeIndex));

    Application()->OnShowHint = [this](QString& hint, bool& canShow, THintInfo& info) {
        ShowHint(hint, canShow, info);
    };
}

TForm1::~TForm1() {
    Application()->OnShowHint = nullptr;
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::CreateDesignedForm() {
    SetName(QStringLiteral("Form1"));
    SetCaption(QStringLiteral(" Varnova v1.0"));
    // The form's font is the classic "MS Sans Serif", height -11, which maps to an installed
    // sans face with Cyrillic letters.
    SetClientSize(393, 323);
    SetBorderStyle(bsSingle);
    SetPosition(poDesktopCenter);
    // The designed texts are the Russian ones; the language switch replaces them.
    GroupBox1 = Make<TGroupBox>(this, this, "GroupBox1", 8, 8, 377, 193);
    Label1 = MakeLabel(this, GroupBox1, "Label1", 18, 25, 93, 13, MainText(0, mtSourceLabel));
    Edit1 = MakePathEdit(this, GroupBox1, "Edit1", 112, 22);
    OpenInDirBtn = Make<TSpeedButton>(this, GroupBox1, "OpenInDirBtn", 320, 23, 24, 19);
    Label2 = MakeLabel(this, GroupBox1, "Label2", 13, 51, 98, 13, MainText(0, mtWorkImageLabel));
    Edit2 = MakePathEdit(this, GroupBox1, "Edit2", 112, 48);
    OpenInImageBtn = Make<TSpeedButton>(this, GroupBox1, "OpenInImageBtn", 320, 49, 24, 19);
    Label3 = MakeLabel(this, GroupBox1, "Label3", 13, 77, 98, 13, MainText(0, mtResultLabel));
    Edit3 = MakePathEdit(this, GroupBox1, "Edit3", 112, 74);
    OpenOutDirBtn = Make<TSpeedButton>(this, GroupBox1, "OpenOutDirBtn", 320, 75, 24, 19);
    const QPixmap folder(QStringLiteral(":/glyphs/openfolder.png"));
    for (TSpeedButton* b : {OpenInDirBtn, OpenInImageBtn, OpenOutDirBtn})
        b->SetGlyph(folder);
    Label5 = MakeLabel(this, GroupBox1, "Label5", 11, 117, 94, 13, MainText(0, mtModeLabel));
    ComboBox2 = Make<TComboBox>(this, GroupBox1, "ComboBox2", 112, 114, 193, 21);
    QStringList modes;
    for (const char* name : ModeNames)
        modes << QString::fromLatin1(name);
    ComboBox2->SetItems(modes);
    ComboBox2->SetTabStop(false);
    Image6 = MakePicture(this, GroupBox1, "Image6", 10, 166, 17, 17,
                         QStringLiteral(":/glyphs/information.png"));
    Image4 =
        MakePicture(this, GroupBox1, "Image4", 136, 164, 32, 20, QStringLiteral(":/flags/ru.png"));
    Image5 =
        MakePicture(this, GroupBox1, "Image5", 248, 144, 32, 20, QStringLiteral(":/flags/en.png"));
    Image5->hide();
    Label4 = MakeLabel(this, GroupBox1, "Label4", 184, 168, 98, 13, MainText(0, mtLanguageLabel));
    ComboBox1 = Make<TComboBox>(this, GroupBox1, "ComboBox1", 288, 163, 81, 21);
    ComboBox1->SetItems({QStringLiteral("Русский"), QStringLiteral("English")});
    ComboBox1->SetTabStop(false);

    ProcessBtn1 = Make<TButton>(this, this, "ProcessBtn1", 16, 216, 105, 25);
    ProcessBtn1->SetCaption(MainText(0, mtProcessCaption));
    ProcessBtn1->SetTabStop(false);
    ProgressBar1 = new TvexoGauge(this);
    ProgressBar1->SetName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(144, 220, 233, 17);
    ProgressBar1->SetColor(clBtnFace);
    ProgressBar1->SetBevel(TvexoGauge::bshNone);
    ProgressBar1->SetProgressBevel(TvexoGauge::bshLowered);
    ProgressBar1->SetForeColor(clBlue);
    ProgressBar1->SetProgress(0);
    ProgressBar1->SetShowPercentSymbol(false);
    ProcessBtn2 = Make<TButton>(this, this, "ProcessBtn2", 288, 248, 105, 25);
    ProcessBtn2->SetCaption(MainText(0, mtStopCaption));
    ProcessBtn2->SetTabStop(false);
    ProcessBtn2->hide();
    Image1 = MakePicture(this, this, "Image1", 80, 272, 33, 33, QString());
    Image1->hide();
    Image2 = MakePicture(this, this, "Image2", 120, 272, 33, 33, QString());
    Image2->hide();
    ListBox1 = Make<TListBox>(this, this, "ListBox1", 160, 272, 33, 33);
    ListBox1->SetSorted(true);
    ListBox1->hide();
    Bevel1 = Make<TBevel>(this, this, "Bevel1", 200, 274, 30, 30);
    Bevel1->SetShape(TBevel::bsFrame);
    Bevel1->SetStyle(TBevel::bsRaised);
    Image3 = MakePicture(this, this, "Image3", 280, 280, 24, 24,
                         QStringLiteral(":/glyphs/question.png"));
    Image3->SetShowHint(true);

    OpenPictureDialog1 = new TOpenPictureDialog(this);
    OpenPictureDialog1->SetName(QStringLiteral("OpenPictureDialog1"));
    OpenPictureDialog1->SetDefaultExt(QStringLiteral("*.bmp"));
    OpenPictureDialog1->SetFilter(QStringLiteral("Bitmaps (*.bmp)|*.bmp"));
    OpenPictureDialog1->SetTitle(MainText(0, mtOpenPictureTitle));
    BrowseFolder1 = new TvexoBrowseFolder(this);
    BrowseFolder1->SetName(QStringLiteral("BrowseFolder1"));

    ProcessBtn1->OnClick = [this](QObject* s) { ProcessBtn1Click(s); };
    ProcessBtn2->OnClick = [this](QObject* s) { ProcessBtn2Click(s); };
    OpenInDirBtn->OnClick = [this](QObject* s) { OpenInDirBtnClick(s); };
    OpenInImageBtn->OnClick = [this](QObject* s) { OpenInImageBtnClick(s); };
    OpenOutDirBtn->OnClick = [this](QObject* s) { OpenOutDirBtnClick(s); };
    ComboBox1->OnChange = [this](QObject* s) { ChangeLanguage(s); };
    ComboBox2->OnChange = [this](QObject* s) { ChangeIndex(s); };
    Image6->OnClick = [this](QObject* s) { ShowAboutBox(s); };
    Image6->OnDblClick = [this](QObject* s) { ShowAboutBox(s); };
}

void TForm1::ShowHint(QString&, bool&, THintInfo& info) {
    info.HintMaxWidth = (2 * Form1->Width()) / 3;
    info.HideTimeout = HintHideTimeout;
    info.HintColor = HintColor;
}

void TForm1::ChangeIndex(QObject*) {
    TWorkState& state = WorkState();
    state.ModeIndex = ComboBox2->ItemIndex();
    Image3->SetHint(ModeHint(state.LangIndex, state.ModeIndex));
}

void TForm1::ChangeLanguage(QObject*) {
    TWorkState& state = WorkState();
    state.LangIndex = ComboBox1->ItemIndex();
    const int l = state.LangIndex;
    Label1->SetCaption(MainText(l, mtSourceLabel));
    Label2->SetCaption(MainText(l, mtWorkImageLabel));
    Label3->SetCaption(MainText(l, mtResultLabel));
    Label4->SetCaption(MainText(l, mtLanguageLabel));
    Label5->SetCaption(MainText(l, mtModeLabel));
    OpenPictureDialog1->SetTitle(MainText(l, mtOpenPictureTitle));
    ProcessBtn1->SetCaption(MainText(l, mtProcessCaption));
    ProcessBtn2->SetCaption(MainText(l, mtStopCaption));
    Image3->SetHint(ModeHint(l, state.ModeIndex));
    UseQtTranslations(l);
    if (AboutForm)
        AboutForm->ApplyLanguage(l);
    Image4->setVisible(l == 0);
    Image5->setVisible(l == 1);
}

void TForm1::ShowAboutBox(QObject*) {
    if (!AboutForm)
        return;
    AboutForm->SetTop(Form1->Top() + 30);
    AboutForm->SetLeft(Form1->Left() + 12);
    AboutForm->ShowModal();
}

void TForm1::ShowPath(TEdit* edit, const QString& path) {
    edit->SetText(path.size() > PathDisplayLimit
                      ? ElidePath(path, Label1->Canvas(), PathDisplayWidth)
                      : path);
}

void TForm1::OpenInDirBtnClick(QObject*) {
    TWorkState& state = WorkState();
    try {
        BrowseFolder1->SetTitle(MainText(state.LangIndex, mtOpenSourceTitle));
        BrowseFolder1->SetCaption(BrowseFolderCaption(state.LangIndex));
        if (!BrowseFolder1->Execute())
            return;
        const QString dir = BrowseFolder1->Directory();
        // A folder without pictures is refused and the previous choice stays in force, so
        // the source folder in use is always the one Edit1 shows.
        if (BuildFileList(dir).isEmpty()) {
            ShowMessage(MainText(state.LangIndex, mtSourceEmpty));
            return;
        }
        state.SourceDir = dir;
        ShowPath(Edit1, dir);
    } catch (const Exception& e) {
        Application()->ShowException(e);
    }
}

void TForm1::OpenInImageBtnClick(QObject*) {
    TWorkState& state = WorkState();
    try {
        OpenPictureDialog1->SetFilter(MainText(state.LangIndex, mtPictureFilter));
        if (!OpenPictureDialog1->Execute(this))
            return;
        state.WorkImagePath = OpenPictureDialog1->FileName();
        ShowPath(Edit2, state.WorkImagePath);
    } catch (const Exception& e) {
        Application()->ShowException(e);
    }
}

void TForm1::OpenOutDirBtnClick(QObject*) {
    TWorkState& state = WorkState();
    try {
        BrowseFolder1->SetTitle(MainText(state.LangIndex, mtOpenResultTitle));
        BrowseFolder1->SetCaption(BrowseFolderCaption(state.LangIndex));
        if (!BrowseFolder1->Execute())
            return;
        state.ResultDir = BrowseFolder1->Directory();
        ShowPath(Edit3, state.ResultDir);
        // Every entry counts (hidden files, sub-folders, links); "." and ".." never do.
        const QDir dir(state.ResultDir);
        if (!dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                 .isEmpty())
            ShowMessage(MainText(state.LangIndex, mtResultNotEmpty));
    } catch (const Exception& e) {
        Application()->ShowException(e);
    }
}

void TForm1::ProcessBtn2Click(QObject*) {
    WorkState().StopRequested.Request();
}

bool TForm1::CloseQuery() {
    if (runActive_) {
        // The run notices between two files; ProcessBtn1Click closes the window then.
        closeAfterRun_ = true;
        WorkState().StopRequested.Request();
        return false;
    }
    return TForm::CloseQuery();
}

void TForm1::ShowProcessButton() {
    ProcessBtn1->show();
    ProcessBtn2->hide();
    WorkState().StopRequested.Clear();
}

void TForm1::ProcessBtn1Click(QObject*) {
    // Between two files of a run with 50 files or fewer the Process button stays usable;
    // a click then starts nothing, so the running batch keeps its list, gauge and flags.
    if (runActive_)
        return;
    WorkState().StopRequested.Clear();

    TBatchRun run;
    run.Settings = [] {
        const TWorkState& s = WorkState();
        return TBatchSettings{s.SourceDir, s.WorkImagePath, s.ResultDir, s.ModeIndex, s.LangIndex};
    };
    run.OnMessage = [](const TBatchMessage& m) { ShowMessage(m.Text); };
    run.OnStart = [this](const QStringList& names) {
        // The list box shows the very list the run takes.
        ListBox1->Clear();
        for (const QString& name : names)
            ListBox1->Add(name);
        const int count = int(names.size());
        ProgressBar1->SetProgress(0);
        ProgressBar1->SetMaxValue(count);
        if (count > StopButtonThreshold) {
            ProcessBtn1->hide();
            ProcessBtn2->show();
        }
    };
    run.OnFileDone = [this](int, int remaining) {
        ProgressBar1->SetCaption(QString::number(remaining));
        ProgressBar1->SetProgress(ProgressBar1->Progress() + 1);
    };
    run.ProcessEvents = [] { Application()->ProcessMessages(); };
    run.Stop = &WorkState().StopRequested;

    runActive_ = true;
    TBatchResult result;
    try {
        result = run.Run();
    } catch (const std::exception& e) {
        runActive_ = false;
        ShowProcessButton();
        Application()->ShowException(e);
        return;
    }
    runActive_ = false;
    const bool closing = std::exchange(closeAfterRun_, false);

    switch (result.Outcome) {
    case boRefused:
        ShowMessage(result.Message);
        break;
    case boStopped:
        ProgressBar1->SetProgress(0);
        ShowProcessButton();
        if (!closing) // the user asked to leave, not to be told
            ShowMessage(result.Message);
        break;
    case boFailed:
        // The gauge keeps its progress and caption; results written so far stay. A message
        // that names no file is followed by the source the run stopped at.
        ShowProcessButton();
        Application()->ShowException(
            Exception(MessageNamesFile(result.ErrorKind)
                          ? result.Message
                          : result.Message + QLatin1Char('\n') + result.FailedPath));
        break;
    case boCompleted:
        ProgressBar1->SetCaption(QString());
        ShowProcessButton();
        if (!closing)
            ShowMessage(result.Message);
        ProgressBar1->SetProgress(0);
        break;
    }
    if (closing)
        close();
}

} // namespace varnova
