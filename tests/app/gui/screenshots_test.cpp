// Saves screenshots of the main window (both languages, mid-run) and of the About box under
// the build folder (<test binary folder>/screenshots), for people to look at. With
// VARNOVA_SHEET_DIR set, the mid-run window in each language is also written there as
// window-ru.png and window-en.png (the README's pictures, kept in docs/).
#include <QDir>
#include <QPixmap>
#include <gtest/gtest.h>

#include "gauge_dialogs/browsefolderdialog.h"
#include "guitestsupport.h"
#include "platform/gui/messagebox.h"

using namespace varnova;
using namespace varnova::testing;

namespace {

QString ShotPath(const QString& name) {
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + name;
}

// The README's copy of a screenshot, when asked for.
void SaveForDocs(const QPixmap& shot, const char* name) {
    const QString dir = qEnvironmentVariable("VARNOVA_SHEET_DIR");
    if (!dir.isEmpty()) {
        EXPECT_TRUE(shot.save(dir + QLatin1Char('/') + QString::fromLatin1(name)));
    }
}

} // namespace

using Screenshots = MainWindowTest;

TEST_F(Screenshots, MainWindowInBothLanguagesAndMidRun) {
    const QPixmap ru = form->grab();
    EXPECT_EQ(ru.width(), 393);
    ASSERT_TRUE(ru.save(ShotPath(QStringLiteral("main_ru.png"))));

    WorkState().SourceDir = MakeSourceFolder(6);
    WorkState().WorkImagePath = MakeWorkImage();
    WorkState().ResultDir = MakeFolder(QStringLiteral("out"));
    form->Edit1->SetText(WorkState().SourceDir);
    form->Edit2->SetText(WorkState().WorkImagePath);
    form->Edit3->SetText(WorkState().ResultDir);
    // A run of the six files, shot after the second; `saved` outlives the pass timer's step.
    const auto runAndShoot = [this](bool& saved, const QString& name, const char* docsName) {
        EveryPass([this, &saved, name, docsName] {
            if (!saved && form->RunActive() && form->ProgressBar1->Progress() == 2) {
                const QPixmap shot = form->grab();
                saved = shot.save(ShotPath(name));
                SaveForDocs(shot, docsName);
            }
        });
        ClickProcess();
    };
    bool saved = false;
    runAndShoot(saved, QStringLiteral("main_run.png"), "window-ru.png");
    EXPECT_TRUE(saved);

    // The dialogs beside the main window: the folder dialog and a message box, in Russian.
    bool dialogSaved = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<vexo::TBrowseFolderDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        dialogSaved = d->grab().save(ShotPath(QStringLiteral("folder_ru.png")));
        d->reject();
    });
    QTest::mouseClick(form->OpenInDirBtn, Qt::LeftButton);
    EXPECT_TRUE(dialogSaved);
    bool boxSaved = false;
    vexo::Application()->MessageBoxHook = [&](QMessageBox& box) {
        box.show();
        boxSaved = box.grab().save(ShotPath(QStringLiteral("message_ru.png")));
        box.hide();
        return 1;
    };
    vexo::ShowMessage(MainText(0, mtResultNotEmpty));
    EXPECT_TRUE(boxSaved);
    vexo::Application()->MessageBoxHook = [](QMessageBox&) { return 1; };

    QTest::keyClick(form->ComboBox1, Qt::Key_Down);
    ASSERT_TRUE(form->grab().save(ShotPath(QStringLiteral("main_en.png"))));
    // The same run in English.
    bool savedEn = false;
    runAndShoot(savedEn, QStringLiteral("main_run_en.png"), "window-en.png");
    EXPECT_TRUE(savedEn);
    about->show();
    ASSERT_TRUE(about->grab().save(ShotPath(QStringLiteral("about_en.png"))));
    QTest::keyClick(form->ComboBox1, Qt::Key_Up);
    ASSERT_TRUE(about->grab().save(ShotPath(QStringLiteral("about_ru.png"))));
}
