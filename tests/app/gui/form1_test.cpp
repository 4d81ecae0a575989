#include "app/gui/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHelpEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "app/maintexts.h"
#include "gauge_dialogs/browsefolderdialog.h"
#include "guitestsupport.h"
#include "platform/gui/hintwindow.h"
#include "platform/runtime/screen.h"

using namespace varnova;
using namespace varnova::testing;
using vexo::Application;

namespace {

// Answers the next folder dialog by choosing `path` (or cancelling when empty).
void AnswerFolderDialog(const QString& path) {
    QTimer::singleShot(0, [path] {
        auto* d = qobject_cast<vexo::TBrowseFolderDialog*>(QApplication::activeModalWidget());
        if (!d) {
            AnswerFolderDialog(path);
            return;
        }
        if (path.isEmpty()) {
            d->reject();
            return;
        }
        d->SelectPath(path);
        QTest::mouseClick(d->OkButton(), Qt::LeftButton);
    });
}

int FilesIn(const QString& dir) {
    return int(QDir(dir).entryList(QDir::Files).size());
}

} // namespace

using StartState = MainWindowTest;

TEST_F(StartState, RussianWithSourceEraseMode) {
    EXPECT_EQ(form->ComboBox2->currentText(), QStringLiteral("  Source Erase"));
    EXPECT_EQ(WorkState().ModeIndex, 11);
    EXPECT_EQ(WorkState().LangIndex, 0);
    EXPECT_EQ(form->ComboBox1->currentText(), QStringLiteral("Русский"));
    EXPECT_EQ(form->ComboBox2->count(), 15);
    EXPECT_EQ(form->Caption(), QStringLiteral(" Varnova v1.0"));
    EXPECT_EQ(form->Label1->Caption(), QStringLiteral("Папка-источник :  "));
    EXPECT_EQ(form->ProcessBtn1->Caption(), QStringLiteral("Обработка"));
    EXPECT_EQ(vexo::Hint(form->Image3), ModeHint(0, 11));
    EXPECT_TRUE(form->Image3->isVisible());
}

TEST_F(StartState, StopAndEnglishFlagLieHiddenUnderTheirTwins) {
    EXPECT_FALSE(form->ProcessBtn2->isVisible());
    EXPECT_TRUE(form->ProcessBtn1->isVisible());
    EXPECT_EQ(form->ProcessBtn2->pos(), form->ProcessBtn1->pos());
    EXPECT_EQ(form->ProcessBtn1->pos(), QPoint(16, 216));
    EXPECT_FALSE(form->Image5->isVisible());
    EXPECT_TRUE(form->Image4->isVisible());
    EXPECT_EQ(form->Image5->pos(), form->Image4->pos());
}

TEST_F(StartState, ConstructorMovesBevelAndHelpPictureIntoTheGroup) {
    EXPECT_EQ(form->Bevel1->parentWidget(), form->GroupBox1);
    EXPECT_EQ(form->Bevel1->pos(), QPoint(317, 110));
    EXPECT_EQ(form->Image3->parentWidget(), form->GroupBox1);
    EXPECT_EQ(form->Image3->pos(), QPoint(319, 113));
    EXPECT_EQ(form->GroupBox1->geometry(), QRect(8, 8, 377, 193));
    EXPECT_EQ(form->ProgressBar1->geometry(), QRect(144, 220, 233, 17));
    EXPECT_EQ(form->Height(), 280);
    EXPECT_EQ(form->width(), 393);
}

TEST_F(StartState, EveryDesignedControlIsOwnedByTheFormUnderItsName) {
    const std::vector<std::pair<const char*, QObject*>> designed = {
        {"GroupBox1", form->GroupBox1},
        {"Label1", form->Label1},
        {"Edit1", form->Edit1},
        {"OpenInDirBtn", form->OpenInDirBtn},
        {"Label2", form->Label2},
        {"Edit2", form->Edit2},
        {"OpenInImageBtn", form->OpenInImageBtn},
        {"Label3", form->Label3},
        {"Edit3", form->Edit3},
        {"OpenOutDirBtn", form->OpenOutDirBtn},
        {"Label5", form->Label5},
        {"ComboBox2", form->ComboBox2},
        {"Image6", form->Image6},
        {"Image4", form->Image4},
        {"Image5", form->Image5},
        {"Label4", form->Label4},
        {"ComboBox1", form->ComboBox1},
        {"ProcessBtn1", form->ProcessBtn1},
        {"ProcessBtn2", form->ProcessBtn2},
        {"Image1", form->Image1},
        {"Image2", form->Image2},
        {"ListBox1", form->ListBox1},
        {"Bevel1", form->Bevel1},
        {"Image3", form->Image3},
        {"OpenPictureDialog1", form->OpenPictureDialog1},
        {"ProgressBar1", form->ProgressBar1},
        {"BrowseFolder1", form->BrowseFolder1}};
    EXPECT_EQ(form->Name(), QStringLiteral("Form1"));
    for (const auto& [name, control] : designed) {
        vexo::TComponent* found = form->FindComponent(QString::fromLatin1(name));
        ASSERT_NE(found, nullptr) << name;
        EXPECT_EQ(found->Object(), control) << name;
    }
    // Controls inside the group box belong to the form all the same.
    EXPECT_EQ(form->Edit1->parentWidget(), form->GroupBox1);
    EXPECT_TRUE(vexo::Screen().HasForm(form.get()));
    EXPECT_TRUE(vexo::Screen().HasForm(about.get()));
}

TEST_F(StartState, WindowCannotBeResizedOrMaximised) {
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    const QSize before = form->size();
    form->resize(500, 400);
    EXPECT_EQ(form->size(), before);
    EXPECT_EQ(before.width(), 393);
}

TEST_F(StartState, GaugeAsDesigned) {
    auto* g = form->ProgressBar1;
    EXPECT_EQ(g->Bevel(), vexo::TvexoGauge::bshNone);
    EXPECT_EQ(g->ProgressBevel(), vexo::TvexoGauge::bshLowered);
    EXPECT_EQ(g->ForeColor(), vexo::clBlue);
    EXPECT_EQ(g->Color(), vexo::clBtnFace);
    EXPECT_FALSE(g->ShowPercentSymbol());
    EXPECT_EQ(g->Kind(), vexo::TvexoGauge::gkHorizontalBar);
}

using Language = MainWindowTest;

TEST_F(Language, RoundTripRestoresEveryText) {
    auto texts = [&] {
        return QStringList{form->Label1->Caption(),
                           form->Label2->Caption(),
                           form->Label3->Caption(),
                           form->Label4->Caption(),
                           form->Label5->Caption(),
                           form->ProcessBtn1->Caption(),
                           form->ProcessBtn2->Caption(),
                           form->OpenPictureDialog1->Title(),
                           vexo::Hint(form->Image3),
                           about->Label7->Caption(),
                           about->Label4->Caption(),
                           about->Label3->Caption(),
                           form->Caption(),
                           form->ComboBox2->Items().join('|')};
    };
    const QStringList russian = texts();
    QTest::keyClick(form->ComboBox1, Qt::Key_Down);
    ASSERT_EQ(WorkState().LangIndex, 1);
    const QStringList english = texts();
    EXPECT_EQ(english[0], QStringLiteral("Input directory :  "));
    EXPECT_EQ(english[1], QStringLiteral("Working image :  "));
    EXPECT_EQ(english[2], QStringLiteral("Output directory :  "));
    EXPECT_EQ(english[3], QStringLiteral("Interface language :"));
    EXPECT_EQ(english[4], QStringLiteral("Process method :"));
    EXPECT_EQ(english[5], QStringLiteral("Processing"));
    EXPECT_EQ(english[6], QStringLiteral("Stop"));
    EXPECT_EQ(english[7], QStringLiteral("Open working image"));
    EXPECT_EQ(english[8], ModeHint(1, 11));
    EXPECT_EQ(english[12], russian[12]); // the window caption never changes
    EXPECT_EQ(english[13], russian[13]); // nor do the mode names
    EXPECT_TRUE(form->Image5->isVisible());
    EXPECT_FALSE(form->Image4->isVisible());
    QTest::keyClick(form->ComboBox1, Qt::Key_Up);
    EXPECT_EQ(WorkState().LangIndex, 0);
    EXPECT_EQ(texts(), russian);
    EXPECT_TRUE(form->Image4->isVisible());
    EXPECT_FALSE(form->Image5->isVisible());
}

TEST_F(Language, ModeHintFollowsModeAndLanguage) {
    QTest::keyClick(form->ComboBox2, Qt::Key_Down);
    EXPECT_EQ(WorkState().ModeIndex, 12);
    EXPECT_EQ(vexo::Hint(form->Image3), ModeHint(0, 12));
    QTest::keyClick(form->ComboBox1, Qt::Key_Down);
    EXPECT_EQ(vexo::Hint(form->Image3), ModeHint(1, 12));
    form->ComboBox2->SetItemIndex(3); // from code: no change event
    EXPECT_EQ(WorkState().ModeIndex, 12);
}

using Hints = MainWindowTest;

TEST_F(Hints, HintIsPaleGreenTwoThirdsWideAndHidesAfterSevenSeconds) {
    QHelpEvent help(QEvent::ToolTip, QPoint(3, 3), form->Image3->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(form->Image3, &help);
    vexo::THintWindow* hint = Application()->HintWindow();
    ASSERT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->text(), ModeHint(0, 11));
    EXPECT_EQ(hint->MaxWidth(), 2 * form->Width() / 3);
    EXPECT_LE(hint->width(), 2 * form->Width() / 3);
    EXPECT_EQ(hint->Color(), 0x00D4FFD2u);
    EXPECT_EQ(hint->palette().color(QPalette::Window), QColor(0xD2, 0xFF, 0xD4));
    EXPECT_EQ(hint->HideTimeout(), 7000);
    hint->hide();
}

TEST_F(Hints, EditsShowNoHintWithoutText) {
    Application()->HintWindow()->hide();
    QHelpEvent help(QEvent::ToolTip, QPoint(3, 3), form->Edit1->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(form->Edit1, &help);
    EXPECT_FALSE(Application()->HintWindow()->isVisible());
}

using BatchRun = MainWindowTest;

TEST_F(BatchRun, ThreeFilesCountDownAndComplete) {
    WorkState().SourceDir = MakeSourceFolder(3);
    WorkState().WorkImagePath = MakeWorkImage();
    WorkState().ResultDir = MakeFolder(QStringLiteral("out"));
    QStringList captions;
    EveryPass([&] {
        const QString c = form->ProgressBar1->Caption();
        if (form->RunActive() && (captions.isEmpty() || captions.back() != c))
            captions << c;
    });
    ClickProcess();
    EXPECT_EQ(captions, (QStringList{"3", "2", "1"}));
    EXPECT_TRUE(form->ProgressBar1->Caption().isEmpty());
    EXPECT_EQ(form->ProgressBar1->Progress(), 0);
    EXPECT_EQ(form->ProgressBar1->MaxValue(), 3);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Text, QStringLiteral("Обработано рисунков : 3"));
    EXPECT_EQ(messages[0].Caption, QStringLiteral(" Varnova v1.0"));
    EXPECT_EQ(messages[0].Icon, QMessageBox::NoIcon);
    EXPECT_EQ(messages[0].Buttons, 1);
    EXPECT_EQ(FilesIn(WorkState().ResultDir), 3);
    EXPECT_EQ(form->ListBox1->Count(), 3);
    EXPECT_FALSE(form->ProcessBtn2->isVisible());
}

TEST_F(BatchRun, FiftyFilesGetNoStopButton) {
    WorkState().SourceDir = MakeSourceFolder(50);
    WorkState().WorkImagePath = MakeWorkImage();
    WorkState().ResultDir = MakeFolder(QStringLiteral("out"));
    bool stopSeen = false;
    EveryPass([&] { stopSeen = stopSeen || form->ProcessBtn2->isVisible(); });
    ClickProcess();
    EXPECT_FALSE(stopSeen);
    EXPECT_EQ(FilesIn(WorkState().ResultDir), 50);
}

TEST_F(BatchRun, FiftyOneFilesStopAfterThree) {
    WorkState().SourceDir = MakeSourceFolder(51);
    WorkState().WorkImagePath = MakeWorkImage();
    WorkState().ResultDir = MakeFolder(QStringLiteral("out"));
    bool processHidden = false;
    EveryPass([&] {
        if (!form->RunActive())
            return;
        if (form->ProgressBar1->Progress() == 3 && form->ProcessBtn2->isVisible()) {
            processHidden = !form->ProcessBtn1->isVisible();
            QTest::mouseClick(form->ProcessBtn2, Qt::LeftButton);
        }
    });
    ClickProcess();
    EXPECT_TRUE(processHidden);
    EXPECT_EQ(FilesIn(WorkState().ResultDir), 3);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Text, QStringLiteral("Процесс прерван"));
    EXPECT_EQ(form->ProgressBar1->Progress(), 0);
    EXPECT_EQ(form->ProgressBar1->Caption(), QStringLiteral("49"));
    EXPECT_TRUE(form->ProcessBtn1->isVisible());
    EXPECT_FALSE(form->ProcessBtn2->isVisible());
    EXPECT_FALSE(WorkState().StopRequested.Requested());
}

TEST_F(BatchRun, SecondClickDuringARunStartsNothing) {
    WorkState().SourceDir = MakeSourceFolder(3);
    WorkState().WorkImagePath = MakeWorkImage();
    WorkState().ResultDir = MakeFolder(QStringLiteral("out"));
    int clicks = 0;
    EveryPass([&] {
        if (form->RunActive() && clicks == 0) {
            ++clicks;
            ClickProcess();
        }
    });
    ClickProcess();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("Обработано рисунков : 3")});
    EXPECT_EQ(FilesIn(WorkState().ResultDir), 3);
}

TEST_F(BatchRun, MissingFoldersAreRefused) {
    ClickProcess();
    EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("Выберите рабочие папки")});
    WorkState().SourceDir = MakeSourceFolder(1);
    WorkState().ResultDir = MakeFolder(QStringLiteral("out"));
    QTest::keyClick(form->ComboBox1, Qt::Key_Down); // English
    ClickProcess();
    EXPECT_EQ(MessageTexts().back(), QStringLiteral("Select working image"));
}

TEST_F(BatchRun, EmptySourceGivesTwoMessages) {
    WorkState().SourceDir = MakeFolder(QStringLiteral("empty"));
    WorkState().WorkImagePath = MakeWorkImage();
    WorkState().ResultDir = MakeFolder(QStringLiteral("out"));
    ClickProcess();
    EXPECT_EQ(MessageTexts(), (QStringList{QStringLiteral("Ошибка: папка-источник пуста"),
                                           QStringLiteral("Обработано рисунков : 0")}));
}

TEST_F(BatchRun, BrokenBitmapEndsTheRunWithTheExceptionBox) {
    const QString src = MakeSourceFolder(2);
    QFile bad(src + QStringLiteral("f001.bmp"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a bitmap");
    bad.close();
    WorkState().SourceDir = src;
    WorkState().WorkImagePath = MakeWorkImage();
    WorkState().ResultDir = MakeFolder(QStringLiteral("out"));
    ClickProcess();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Icon, QMessageBox::Critical);
    EXPECT_FALSE(messages[0].Text.isEmpty());
    EXPECT_EQ(FilesIn(WorkState().ResultDir), 1);
    EXPECT_EQ(form->ProgressBar1->Progress(), 1); // the gauge keeps its progress
    EXPECT_TRUE(form->ProcessBtn1->isVisible());
}

using Paths = MainWindowTest;

TEST_F(Paths, TwentyFiveCharactersShownWholeTwentySixThroughElision) {
    const QString base = tmp.path() + QLatin1Char('/');
    const QString p25 = MakeFolder(QString(25 - base.size() - 1, QLatin1Char('a')));
    ASSERT_EQ(p25.size(), 25);
    AnswerFolderDialog(p25);
    form->OpenOutDirBtnClick(form->OpenOutDirBtn);
    EXPECT_EQ(form->Edit3->Text(), p25);
    EXPECT_EQ(WorkState().ResultDir, p25);
    const QString p26 = MakeFolder(QString(26 - base.size() - 1, QLatin1Char('b')));
    ASSERT_EQ(p26.size(), 26);
    AnswerFolderDialog(p26);
    QTest::mouseClick(form->OpenOutDirBtn, Qt::LeftButton);
    EXPECT_EQ(form->Edit3->Text(), p26); // fits in 190 pixels
    const QString longPath =
        MakeFolder(QStringLiteral("a-rather-long-folder-name/with-more-inside/and-even-more"));
    AnswerFolderDialog(longPath);
    QTest::mouseClick(form->OpenOutDirBtn, Qt::LeftButton);
    EXPECT_EQ(WorkState().ResultDir, longPath);
    EXPECT_TRUE(form->Edit3->Text().startsWith(QStringLiteral("/.../")));
    EXPECT_TRUE(form->Edit3->Text().endsWith(QStringLiteral("/and-even-more/")));
    EXPECT_LE(form->Label1->Canvas().TextWidth(form->Edit3->Text()), 190);
}

TEST_F(Paths, SourceWithoutBitmapsIsRefusedAndKeepsThePreviousChoice) {
    const QString good = MakeSourceFolder(1);
    AnswerFolderDialog(good);
    QTest::mouseClick(form->OpenInDirBtn, Qt::LeftButton);
    ASSERT_EQ(WorkState().SourceDir, good);
    const QString shown = form->Edit1->Text();
    AnswerFolderDialog(MakeFolder(QStringLiteral("nothing")));
    QTest::mouseClick(form->OpenInDirBtn, Qt::LeftButton);
    EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("Ошибка: папка-источник пуста")});
    EXPECT_EQ(form->Edit1->Text(), shown);
    EXPECT_EQ(WorkState().SourceDir, good);
    EXPECT_EQ(form->BrowseFolder1->Title(), QStringLiteral("Открыть папку-источник"));
}

TEST_F(Paths, ResultFolderNotEmptyIsWarnedAndKept) {
    const QString out = MakeFolder(QStringLiteral("out"));
    QDir().mkpath(out + QStringLiteral(".hidden"));
    AnswerFolderDialog(out);
    QTest::mouseClick(form->OpenOutDirBtn, Qt::LeftButton);
    EXPECT_EQ(WorkState().ResultDir, out);
    EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("Внимание: папка результатов не пуста")});
    EXPECT_EQ(form->BrowseFolder1->Title(), QStringLiteral("Открыть папку результатов"));
}

TEST_F(Paths, CancelLeavesEverythingUnchanged) {
    AnswerFolderDialog(QString());
    QTest::mouseClick(form->OpenOutDirBtn, Qt::LeftButton);
    EXPECT_TRUE(WorkState().ResultDir.isEmpty());
    EXPECT_TRUE(form->Edit3->Text().isEmpty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(Paths, WorkingPictureDialogSpeaksTheLanguage) {
    const QString work = MakeWorkImage();
    QString title, filter;
    vexo::TOpenPictureDialog::ExecuteHook = [&](QFileDialog& d) {
        title = d.windowTitle();
        filter = d.nameFilters().join('|');
        d.selectFile(work);
        return int(QDialog::Accepted);
    };
    QTest::keyClick(form->ComboBox1, Qt::Key_Down);
    QTest::mouseClick(form->OpenInImageBtn, Qt::LeftButton);
    vexo::TOpenPictureDialog::ExecuteHook = nullptr;
    EXPECT_EQ(title, QStringLiteral("Open working image"));
    EXPECT_EQ(filter, QStringLiteral("Bitmap images (*.bmp)"));
    EXPECT_EQ(WorkState().WorkImagePath, work);
    EXPECT_EQ(form->OpenPictureDialog1->Filter(), QStringLiteral("Bitmap images (*.bmp)|*.bmp"));
    EXPECT_EQ(form->OpenPictureDialog1->DefaultExt(), QStringLiteral("*.bmp"));
}

using CloseDuringRun = MainWindowTest;

TEST_F(CloseDuringRun, StopsAfterTheCurrentFileLeavesAPrefixAndCloses) {
    for (int count : {3, 60}) { // without and with a Stop button
        WorkState().SourceDir = MakeSourceFolder(count);
        WorkState().WorkImagePath = MakeWorkImage();
        const QString out = MakeFolder(QStringLiteral("out%1").arg(count));
        WorkState().ResultDir = out;
        form->show();
        messages.clear();
        bool closedWhileRunning = false;
        EveryPass([&] {
            if (form->RunActive() && form->ProgressBar1->Progress() == 2 && !closedWhileRunning) {
                closedWhileRunning = true;
                EXPECT_FALSE(form->close()); // refused for now: the run stops first
                EXPECT_TRUE(form->isVisible());
            }
        });
        ClickProcess();
        pass.stop();
        QObject::disconnect(&pass, nullptr, nullptr, nullptr);
        EXPECT_TRUE(closedWhileRunning);
        EXPECT_FALSE(form->RunActive());
        EXPECT_FALSE(form->isVisible()) << count;
        EXPECT_TRUE(messages.empty()) << count; // no "Process aborted" on the way out
        // Exactly the first two results, and no temporary file.
        EXPECT_EQ(QDir(out).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList({"f000.bmp", "f001.bmp"}))
            << count;
        EXPECT_FALSE(WorkState().StopRequested.Requested());
        EXPECT_EQ(form->ProgressBar1->Progress(), 0);
        QDir(WorkState().SourceDir).removeRecursively();
    }
}

TEST_F(CloseDuringRun, IdleWindowClosesAtOnce) {
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
}

using WindowTexts = MainWindowTest;

TEST_F(WindowTexts, BadFileIsNamedOnTheLineAfterTheMessage) {
    const QString src = MakeSourceFolder(2);
    QFile bad(src + QStringLiteral("f001.bmp"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("BM not a bitmap");
    bad.close();
    WorkState().SourceDir = src;
    WorkState().WorkImagePath = MakeWorkImage();
    WorkState().ResultDir = MakeFolder(QStringLiteral("out"));
    ClickProcess();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Text, "Bitmap image is not valid\n" + src + "f001.bmp");
    // A message that names its file already is shown as it is.
    QFile::remove(src + QStringLiteral("f001.bmp"));
    QDir().mkpath(src + QStringLiteral("f001.bmp"));
    messages.clear();
    ClickProcess();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Text, "Cannot open file " + src + "f001.bmp");
}

TEST_F(WindowTexts, EveryWindowUsesTheMainWindowsFontSmoothed) {
    const QFont label = form->Label1->font();
    EXPECT_EQ(label.styleStrategy() & QFont::NoAntialias, 0);
    EXPECT_EQ(label.pixelSize(), 11); // the designed size
    const QFont app = QApplication::font();
    EXPECT_EQ(app.family(), label.family());
    EXPECT_EQ(app.pixelSize(), label.pixelSize());
    EXPECT_EQ(app.styleStrategy() & QFont::NoAntialias, 0);
    for (QWidget* w :
         std::initializer_list<QWidget*>{form->ProcessBtn1, form->Edit1, form->ComboBox2})
        EXPECT_EQ(w->font().styleStrategy() & QFont::NoAntialias, 0)
            << w->objectName().toStdString();
}

namespace {

// The texts of the standard buttons of a dialog's button box.
QStringList ButtonTexts(QWidget& dialog) {
    QStringList texts;
    for (auto* box : dialog.findChildren<QDialogButtonBox*>())
        for (QAbstractButton* b : box->buttons())
            texts << b->text();
    return texts;
}

} // namespace

TEST_F(WindowTexts, DialogsSpeakTheInterfaceLanguage) {
    const QString folder = MakeFolder(QStringLiteral("pick"));
    QStringList folderButtons, pictureButtons, boxButtons;
    QString caption;
    const auto look = [&] {
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<vexo::TBrowseFolderDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            folderButtons = ButtonTexts(*d);
            caption = d->windowTitle();
            d->reject();
        });
        QTest::mouseClick(form->OpenInDirBtn, Qt::LeftButton);
        vexo::TOpenPictureDialog::ExecuteHook = [&](QFileDialog& d) {
            pictureButtons = ButtonTexts(d);
            return int(QDialog::Rejected);
        };
        QTest::mouseClick(form->OpenInImageBtn, Qt::LeftButton);
        vexo::TOpenPictureDialog::ExecuteHook = nullptr;
        vexo::Application()->MessageBoxHook = [&](QMessageBox& box) {
            boxButtons.clear();
            for (QAbstractButton* b : box.buttons())
                boxButtons << b->text();
            return 1;
        };
        ClickProcess(); // "Select work directories"
    };
    look();
    EXPECT_EQ(caption, QString::fromUtf8("Обзор папок"));
    EXPECT_TRUE(folderButtons.contains(QString::fromUtf8("Отмена")))
        << folderButtons.join('|').toStdString();
    EXPECT_TRUE(pictureButtons.contains(QString::fromUtf8("Отмена")))
        << pictureButtons.join('|').toStdString();
    ASSERT_EQ(boxButtons.size(), 1);
    const QString russianOk = boxButtons[0];
    QTest::keyClick(form->ComboBox1, Qt::Key_Down); // English
    look();
    EXPECT_EQ(caption, "Browse for Folder");
    EXPECT_TRUE(folderButtons.contains("Cancel")) << folderButtons.join('|').toStdString();
    EXPECT_TRUE(pictureButtons.contains("Cancel")) << pictureButtons.join('|').toStdString();
    EXPECT_EQ(boxButtons, QStringList{"OK"}) << russianOk.toStdString();
    QTest::keyClick(form->ComboBox1, Qt::Key_Up); // back to Russian
    look();
    EXPECT_TRUE(folderButtons.contains(QString::fromUtf8("Отмена")));
}
