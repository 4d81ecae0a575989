#include "platform/gui/application.h"

#include <QApplication>
#include <QHelpEvent>
#include <gtest/gtest.h>

#include "platform/gui/control.h"
#include "platform/gui/hintwindow.h"
#include "platform/gui/messagebox.h"
#include "platform/runtime/exception.h"

using namespace vexo;

namespace {

struct Boxes {
    std::vector<QMessageBox*> seen;
    QStringList texts, titles;
    std::vector<QMessageBox::Icon> icons;
    Boxes() {
        Application()->MessageBoxHook = [this](QMessageBox& b) {
            texts << b.text();
            titles << b.windowTitle();
            icons.push_back(b.icon());
            EXPECT_EQ(b.buttons().size(), 1);
            EXPECT_EQ(b.standardButtons(), QMessageBox::Ok);
            return int(mrOk);
        };
    }
    ~Boxes() { Application()->MessageBoxHook = nullptr; }
};

void Help(QWidget* w) {
    QHelpEvent e(QEvent::ToolTip, QPoint(1, 1), w->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(w, &e);
}

} // namespace

TEST(MessageBoxes, PlainBoxHasNoIconOneButtonAndTheTitle) {
    Boxes boxes;
    Application()->SetTitle(QStringLiteral(" Title"));
    ShowMessage(QStringLiteral("Hello"));
    ASSERT_EQ(boxes.texts, QStringList{QStringLiteral("Hello")});
    EXPECT_EQ(boxes.titles[0], QStringLiteral(" Title"));
    EXPECT_EQ(boxes.icons[0], QMessageBox::NoIcon);
    auto box = CreatePlainMessageBox(QStringLiteral("x"));
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
}

TEST(MessageBoxes, ExceptionBoxShowsTheMessage) {
    Boxes boxes;
    Application()->ShowException(EFOpenError(QStringLiteral("Cannot open file /x.bmp")));
    ASSERT_EQ(boxes.texts, QStringList{QStringLiteral("Cannot open file /x.bmp")});
    EXPECT_EQ(boxes.icons[0], QMessageBox::Critical);
}

TEST(MessageBoxes, HandledExceptionsGoToOnExceptionOrTheBox) {
    Boxes boxes;
    QStringList handled;
    Application()->OnException = [&](const std::exception& e) { handled << e.what(); };
    Application()->HandleException(EConvertError(QStringLiteral("'x' is not a number")));
    EXPECT_EQ(handled, QStringList{QStringLiteral("'x' is not a number")});
    EXPECT_TRUE(boxes.texts.isEmpty());
    Application()->OnException = nullptr;
    Application()->HandleException(EConvertError(QStringLiteral("'y' is not a number")));
    EXPECT_EQ(boxes.texts, QStringList{QStringLiteral("'y' is not a number")});
}

TEST(MainForm, DestroyedMainFormReadsAsNone) {
    auto* form = new QWidget;
    Application()->SetMainForm(form);
    EXPECT_EQ(Application()->MainForm(), form);
    delete form;
    EXPECT_EQ(Application()->MainForm(), nullptr);
}

TEST(Hints, ShownOnlyWithTextAndShowHint) {
    QWidget window;
    QWidget* child = new QWidget(&window);
    window.show();
    Application()->HintWindow()->hide();
    SetHint(child, QStringLiteral("tip"));
    Help(child); // the window's ShowHint is false and the child follows it
    EXPECT_FALSE(Application()->HintWindow()->isVisible());
    SetShowHint(child, true);
    Help(child);
    EXPECT_TRUE(Application()->HintWindow()->isVisible());
    EXPECT_EQ(Application()->HintWindow()->text(), QStringLiteral("tip"));
    Application()->HintWindow()->hide();
}

TEST(Hints, HandlerAdjustsWidthColourTimeoutAndMayCancel) {
    QWidget window;
    QWidget* child = new QWidget(&window);
    window.show();
    SetShowHint(child, true);
    SetHint(child, QStringLiteral("a rather long hint text that has to wrap onto lines"));
    bool cancel = false;
    Application()->OnShowHint = [&](QString& text, bool& canShow, THintInfo& info) {
        EXPECT_EQ(info.HintControl, child);
        info.HintMaxWidth = 80;
        info.HintColor = RGB(1, 2, 3);
        info.HideTimeout = 1234;
        text += QStringLiteral("!");
        canShow = !cancel;
    };
    Help(child);
    THintWindow* h = Application()->HintWindow();
    EXPECT_TRUE(h->isVisible());
    EXPECT_LE(h->width(), 80);
    EXPECT_GT(h->height(), h->fontMetrics().height() + 4); // wrapped
    EXPECT_EQ(h->palette().color(QPalette::Window), QColor(1, 2, 3));
    EXPECT_EQ(h->HideTimeout(), 1234);
    EXPECT_TRUE(h->text().endsWith(QLatin1Char('!')));
    h->hide();
    cancel = true;
    Help(child);
    EXPECT_FALSE(h->isVisible());
    Application()->OnShowHint = nullptr;
}
