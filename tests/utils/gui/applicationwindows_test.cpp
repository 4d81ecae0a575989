#include "utils/gui/applicationwindows.h"

#include <QDir>
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/gui/application.h"
#include "utils/systemversion.h"

using namespace vexo;

TEST(ApplicationWindows, AboutBoxShowsCaptionTextSystemAndIcon) {
    auto box = CreateStandartAboutBox("About Varnova", "Varnova v1.0\nImage combiner");
    EXPECT_EQ(box->windowTitle(), "About Varnova");
    EXPECT_EQ(box->text(), "Varnova v1.0\nImage combiner");
    EXPECT_EQ(box->informativeText(), WindowsVerStr());
    EXPECT_FALSE(box->iconPixmap().isNull());
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    QDir().mkpath("screenshots");
    box->show();
    box->grab().save("screenshots/standartaboutbox.png");
    box->hide();

    QString shown;
    Application()->MessageBoxHook = [&](QMessageBox& b) {
        return shown = b.text(), int(QMessageBox::Ok);
    };
    StandartAboutBox("About", "Runs through the hook");
    Application()->MessageBoxHook = nullptr;
    EXPECT_EQ(shown, "Runs through the hook");
}

TEST(ApplicationWindows, HideApplicationHidesEveryVisibleWindow) {
    QWidget first, second;
    first.show();
    second.show();
    HideApplication();
    EXPECT_FALSE(first.isVisible());
    EXPECT_FALSE(second.isVisible());
    EXPECT_TRUE(first.windowState() & Qt::WindowMinimized);
}
