#pragma once
// Shared set-up (header only: the test folder builds only *_test.cpp files) of the main-window
// tests: a fresh main window and About box, answered message boxes, and small real bitmaps in
// temporary folders.

#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "app/gui/aboutform.h"
#include "app/gui/form1.h"
#include "platform/gui/application.h"
#include "platform/image/bitmap.h"
#include "platform/image/canvas.h"
#include <QDir>
#include <QPushButton>
#include <QTest>

namespace varnova::testing {

struct TShownMessage {
    QString Text;
    QString Caption;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    int Buttons = 0;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QStringList MessageTexts() const;
    // A folder (with trailing "/") holding `count` small 24-bit bitmaps f000.bmp, ...
    QString MakeSourceFolder(int count);
    QString MakeWorkImage();
    QString MakeFolder(const QString& name);
    // Runs `step` after every file of a run (a zero timer fires once per pending-event
    // pass of the run).
    void EveryPass(std::function<void()> step);
    void ClickProcess();

    std::unique_ptr<TForm1> form;
    std::unique_ptr<TAboutForm> about;
    std::vector<TShownMessage> messages;
    QTemporaryDir tmp{QStringLiteral("/tmp/vXXXXXX")};
    QTimer pass;
};

inline void MainWindowTest::SetUp() {
    ASSERT_TRUE(tmp.isValid());
    WorkState() = TWorkState{};
    vexo::Application()->SetTitle(QStringLiteral(" Varnova v1.0"));
    vexo::Application()->MessageBoxHook = [this](QMessageBox& box) {
        messages.push_back({box.text(), box.windowTitle(), box.icon(), int(box.buttons().size())});
        return 1;
    };
    form = std::make_unique<TForm1>();
    vexo::Application()->SetMainForm(form.get());
    about = std::make_unique<TAboutForm>();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
}

inline void MainWindowTest::TearDown() {
    pass.stop();
    vexo::Application()->MessageBoxHook = nullptr;
    about.reset();
    form.reset();
}

inline QStringList MainWindowTest::MessageTexts() const {
    QStringList texts;
    for (const auto& m : messages)
        texts << m.Text;
    return texts;
}

inline QString MainWindowTest::MakeFolder(const QString& name) {
    const QString path = tmp.path() + QLatin1Char('/') + name + QLatin1Char('/');
    QDir().mkpath(path);
    return path;
}

inline QString MainWindowTest::MakeSourceFolder(int count) {
    const QString dir = MakeFolder(QStringLiteral("src"));
    for (int i = 0; i < count; ++i) {
        vexo::TBitmap b(3, 2, 24);
        vexo::TCanvas(&b).SetPixel(0, 0, vexo::RGB(10, 20, std::uint8_t(i)));
        b.SaveToFile(dir + QStringLiteral("f%1.bmp").arg(i, 3, 10, QLatin1Char('0')));
    }
    return dir;
}

inline QString MainWindowTest::MakeWorkImage() {
    vexo::TBitmap b(3, 2, 24);
    vexo::TCanvas c(&b);
    c.Brush.Color = vexo::clWhite;
    c.FillRect(c.ClipRect());
    const QString path = tmp.path() + QStringLiteral("/work.bmp");
    b.SaveToFile(path);
    return path;
}

inline void MainWindowTest::EveryPass(std::function<void()> step) {
    pass.setInterval(0);
    QObject::connect(&pass, &QTimer::timeout, &pass, step);
    pass.start();
}

inline void MainWindowTest::ClickProcess() {
    QTest::mouseClick(form->ProcessBtn1, Qt::LeftButton);
}

} // namespace varnova::testing
