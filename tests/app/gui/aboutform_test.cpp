#include "app/gui/aboutform.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "app/maintexts.h"
#include "guitestsupport.h"
#include "platform/image/jpegimage.h"

using namespace varnova;
using namespace varnova::testing;

namespace {

void MoveMouse(QWidget* w, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

} // namespace

using AboutBox = MainWindowTest;

TEST_F(AboutBox, DesignedFormInRussian) {
    EXPECT_EQ(about->Caption(), QStringLiteral(" О программе "));
    EXPECT_EQ(about->width(), 374);
    EXPECT_EQ(about->height(), 213);
    EXPECT_EQ(about->BorderStyle(), vexo::TForm::bsDialog);
    EXPECT_EQ(about->Label1->Caption(), QStringLiteral("Varnova v1.0"));
    EXPECT_EQ(about->Label6->Caption(), AboutText(0, atAuthor));
    EXPECT_EQ(about->Label4->Caption(), QStringLiteral("Домашняя страница автора:"));
    EXPECT_EQ(about->Label3->Caption(),
              QStringLiteral("Все замечания и предложения присылайте на ящики:"));
    EXPECT_EQ(about->Label2->Caption(), TAboutForm::HomePage());
    EXPECT_TRUE(about->Label2->Caption().startsWith(QStringLiteral("https://")));
    EXPECT_TRUE(about->Label5->Caption().contains(QLatin1Char('@')));
    EXPECT_EQ(about->Label2->geometry(), QRect(40, 160, 311, 13));
}

TEST_F(AboutBox, ControlsAreOwnedByTheBoxUnderTheirNames) {
    EXPECT_EQ(about->Name(), QStringLiteral("AboutForm"));
    const std::vector<std::pair<const char*, QObject*>> designed = {
        {"Bevel1", about->Bevel1}, {"Image1", about->Image1}, {"Label1", about->Label1},
        {"Label6", about->Label6}, {"Label7", about->Label7}, {"Label4", about->Label4},
        {"Label2", about->Label2}, {"Label3", about->Label3}, {"Label5", about->Label5}};
    EXPECT_EQ(about->ComponentCount(), int(designed.size()));
    for (const auto& [name, control] : designed) {
        vexo::TComponent* found = about->FindComponent(QString::fromLatin1(name));
        ASSERT_NE(found, nullptr) << name;
        EXPECT_EQ(found->Object(), control) << name;
    }
    EXPECT_EQ(about->Label2->Font()->Color(), vexo::clBlue);
    EXPECT_EQ(about->Label2->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

TEST_F(AboutBox, PictureIsA160By120Jpeg) {
    const auto* jpeg = dynamic_cast<const vexo::TJPEGImage*>(about->Image1->Picture().Graphic());
    ASSERT_NE(jpeg, nullptr);
    EXPECT_EQ(jpeg->Width(), 160);
    EXPECT_EQ(jpeg->Height(), 120);
    EXPECT_EQ(about->Image1->size(), QSize(160, 120));
    EXPECT_EQ(about->Image1->pos(), QPoint(12, 12));
}

TEST_F(AboutBox, FollowsTheLanguage) {
    QTest::keyClick(form->ComboBox1, Qt::Key_Down);
    EXPECT_EQ(about->Caption(), QStringLiteral(" About"));
    EXPECT_EQ(about->Label7->Caption(), AboutText(1, atPlace));
    EXPECT_EQ(about->Label4->Caption(), QStringLiteral("Home page of the author:"));
    EXPECT_EQ(about->Label3->Caption(), QStringLiteral("All remarks and offers send on boxes:"));
    EXPECT_EQ(about->Label6->Caption(), QStringLiteral("Author: Irina Varnova"));
    const QString link = about->Label2->Caption();
    QTest::keyClick(form->ComboBox1, Qt::Key_Up);
    EXPECT_EQ(about->Caption(), QStringLiteral(" О программе"));
    EXPECT_EQ(about->Label6->Caption(), QStringLiteral("Автор: Ирина Варнова"));
    EXPECT_EQ(about->Label2->Caption(), link); // never changes
}

TEST_F(AboutBox, OpensThirtyBelowAndTwelveRightOfTheMainWindow) {
    for (const QPoint at : {QPoint(100, 120), QPoint(61, 90)}) {
        form->move(at);
        QTest::qWait(20); // let the window system settle the new position
        QPoint shownAt;
        QTimer::singleShot(0, [&] {
            shownAt = about->pos();
            EXPECT_TRUE(about->IsModal());
            about->close();
        });
        QTest::mouseClick(form->Image6, Qt::LeftButton);
        EXPECT_EQ(shownAt, form->pos() + QPoint(12, 30));
        EXPECT_FALSE(about->isVisible());
    }
}

TEST_F(AboutBox, LinkUnderlinedOnlyUnderTheMouse) {
    EXPECT_FALSE(about->Label2->font().underline());
    MoveMouse(about->Label2, QPoint(5, 5));
    EXPECT_TRUE(about->Label2->font().underline());
    MoveMouse(about->Label3, QPoint(5, 5)); // another label: the underline stays
    EXPECT_TRUE(about->Label2->font().underline());
    MoveMouse(about.get(), QPoint(300, 5));
    EXPECT_FALSE(about->Label2->font().underline());
}

TEST_F(AboutBox, LinkClickOpensTheHomePage) {
    QUrl opened;
    TAboutForm::OpenUrlHook = [&](const QUrl& url) { opened = url; };
    about->show();
    QTest::mouseClick(about->Label2, Qt::LeftButton);
    TAboutForm::OpenUrlHook = nullptr;
    EXPECT_EQ(opened, QUrl(TAboutForm::HomePage()));
}

TEST(ScrambledTexts, UnscrambleLowersEveryCodeUnit) {
    EXPECT_EQ(UnscrambleText(u"Ibm", 1), QStringLiteral("Hal"));
    EXPECT_EQ(UnscrambleText(AuthorLines[1], AuthorLineShift),
              QStringLiteral("Author: Irina Varnova"));
}
