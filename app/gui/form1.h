#pragma once
// The main window: three path rows, the mode and language rows, the Process and Stop
// buttons and the progress gauge. Its handlers keep the working state (workstate.h).

#include "app/gui/workstate.h"
#include "gauge_dialogs/vexobrowsefolder.h"
#include "gauge_dialogs/vexogauge.h"
#include "platform/gui/application.h"
#include "platform/gui/bevel.h"
#include "platform/gui/button.h"
#include "platform/gui/combobox.h"
#include "platform/gui/edit.h"
#include "platform/gui/form.h"
#include "platform/gui/groupbox.h"
#include "platform/gui/image.h"
#include "platform/gui/label.h"
#include "platform/gui/listbox.h"
#include "platform/gui/openpicturedialog.h"
#include "platform/gui/speedbutton.h"

namespace varnova {

class TForm1 : public vexo::TForm {
    Q_OBJECT

public:
    explicit TForm1(vexo::TComponent* owner = nullptr);
    ~TForm1() override;

    // Handlers, named as the controls' events bind them.
    void ProcessBtn1Click(QObject* Sender);
    void ProcessBtn2Click(QObject* Sender);
    void OpenInDirBtnClick(QObject* Sender);
    void OpenInImageBtnClick(QObject* Sender);
    void OpenOutDirBtnClick(QObject* Sender);
    void ChangeLanguage(QObject* Sender);
    void ChangeIndex(QObject* Sender);
    void ShowHint(QString& HintStr, bool& CanShow, vexo::THintInfo& HintInfo);
    void ShowAboutBox(QObject* Sender);

    // True while ProcessBtn1Click runs its batch.
    bool RunActive() const { return runActive_; }

    // Closing during a run stops it as the Stop button does and closes once the file in
    // progress is done (results are then exactly those of the first files of the list).
    bool CloseQuery() override;

    vexo::TGroupBox* GroupBox1;
    vexo::TLabel* Label1;
    vexo::TEdit* Edit1;
    vexo::TSpeedButton* OpenInDirBtn;
    vexo::TLabel* Label2;
    vexo::TEdit* Edit2;
    vexo::TSpeedButton* OpenInImageBtn;
    vexo::TLabel* Label3;
    vexo::TEdit* Edit3;
    vexo::TSpeedButton* OpenOutDirBtn;
    vexo::TLabel* Label5;
    vexo::TComboBox* ComboBox2;
    vexo::TImage* Image6;
    vexo::TImage* Image4;
    vexo::TImage* Image5;
    vexo::TLabel* Label4;
    vexo::TComboBox* ComboBox1;
    vexo::TButton* ProcessBtn1;
    vexo::TvexoGauge* ProgressBar1;
    vexo::TButton* ProcessBtn2;
    vexo::TImage* Image1;
    vexo::TImage* Image2;
    vexo::TListBox* ListBox1;
    vexo::TBevel* Bevel1;
    vexo::TImage* Image3;
    vexo::TOpenPictureDialog* OpenPictureDialog1;
    vexo::TvexoBrowseFolder* BrowseFolder1;

private:
    // The designed form: every control at its designed place with its designed settings,
    // owned by the form and named as designed.
    void CreateDesignedForm();
    // The edit shows the path whole up to 25 characters, shortened to 190 pixels beyond.
    void ShowPath(vexo::TEdit* edit, const QString& path);
    void ShowProcessButton();

    bool runActive_ = false;
    bool closeAfterRun_ = false;
};

// The main window, set before its constructor body runs.
extern TForm1* Form1;

} // namespace varnova
