// The speed button: groups and the down-state rules with QTest clicks, double clicks, the flat
// edge, refused values and the paint states while tracking.
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "buttons/vexospeedbutton.h"
#include "platform/gui/form.h"
#include "platform/gui/menuitem.h"
#include "platform/image/pixelformat.h"

using namespace vexo;

namespace {

struct Group {
    TForm form;
    TvexoSpeedButton* buttons[3];
    int clicks[3] = {0, 0, 0};
    explicit Group(int groupIndex, bool allowAllUp = false) {
        form.SetClientSize(200, 100);
        for (int i = 0; i < 3; ++i) {
            buttons[i] = new TvexoSpeedButton(&form);
            buttons[i]->SetBounds(10 + 30 * i, 10, 23, 22);
            buttons[i]->SetGroupIndex(groupIndex);
            buttons[i]->OnClick = [this, i](QObject*) { ++clicks[i]; };
        }
        buttons[0]->SetAllowAllUp(allowAllUp);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void Click(int i) { QTest::mouseClick(buttons[i], Qt::LeftButton, {}, QPoint(5, 5)); }
    QString Downs() const {
        QString s;
        for (auto* b : buttons)
            s += b->Down() ? u'D' : u'-';
        return s;
    }
};

} // namespace

TEST(SpeedButtonDefaults, SizeAndClampedValues) {
    TvexoSpeedButton button;
    EXPECT_EQ(button.Width(), 23);
    EXPECT_EQ(button.Height(), 22);
    EXPECT_TRUE(button.Transparent());
    button.SetMargin(-2);
    EXPECT_EQ(button.Margin(), -1);
    button.SetNumGlyphs(9);
    EXPECT_EQ(button.NumGlyphs(), 4);
}

struct GroupCase {
    const char* name;
    bool allowAllUp;
    std::vector<int> clicks;
    const char* downs;
};

class SpeedButtonGroup : public testing::TestWithParam<GroupCase> {};

TEST_P(SpeedButtonGroup, AtMostOneButtonOfTheGroupIsDown) {
    const GroupCase& c = GetParam();
    Group g(1, c.allowAllUp);
    for (int i : c.clicks)
        g.Click(i);
    EXPECT_EQ(g.Downs(), c.downs);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, SpeedButtonGroup,
    testing::Values(GroupCase{"FirstThenSecond", false, {0, 1}, "-D-"},
                    GroupCase{"SecondThenThird", false, {1, 2}, "--D"},
                    // Every press ends with Down false, so a release inside puts it down again,
                    // whatever AllowAllUp says.
                    GroupCase{"DownButtonAgain", false, {1, 1}, "-D-"},
                    GroupCase{"DownButtonAgainAllowAllUp", true, {1, 1}, "-D-"},
                    GroupCase{"AllowAllUpThreeButtons", true, {0, 2, 1}, "-D-"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpeedButtonGroupRules, SetDownFollowsGroupAndAllowAllUp) {
    Group g(1);
    g.buttons[0]->SetDown(true);
    EXPECT_EQ(g.Downs(), "D--");
    g.buttons[0]->SetDown(false); // no AllowAllUp: stays down
    EXPECT_EQ(g.Downs(), "D--");
    g.buttons[2]->SetDown(true);
    EXPECT_EQ(g.Downs(), "--D");
    EXPECT_EQ(g.buttons[0]->State(), bsUp);
    // AllowAllUp set on one goes to the whole group.
    g.buttons[1]->SetAllowAllUp(true);
    EXPECT_TRUE(g.buttons[2]->AllowAllUp());
    g.buttons[2]->SetDown(false);
    EXPECT_EQ(g.Downs(), "---");
    // Another group index is another group.
    g.buttons[1]->SetGroupIndex(2);
    g.buttons[1]->SetDown(true);
    g.buttons[0]->SetDown(true);
    EXPECT_EQ(g.Downs(), "DD-");
}

TEST(SpeedButtonGroupRules, WithoutGroupNeverDown) {
    Group g(0);
    g.buttons[0]->SetDown(true);
    EXPECT_FALSE(g.buttons[0]->Down());
    g.Click(0);
    EXPECT_FALSE(g.buttons[0]->Down());
    EXPECT_EQ(g.clicks[0], 1);
    EXPECT_EQ(g.buttons[0]->State(), bsUp);
}

TEST(SpeedButtonMouse, DownButtonReleasedOutsideGoesUpWithoutClick) {
    Group g(1);
    g.Click(1);
    ASSERT_EQ(g.Downs(), "-D-");
    EXPECT_EQ(g.clicks[1], 1);
    QTest::mousePress(g.buttons[1], Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(g.buttons[1], Qt::LeftButton, {}, QPoint(40, 5));
    EXPECT_EQ(g.Downs(), "---");
    EXPECT_EQ(g.clicks[1], 1);
}

TEST(SpeedButtonMouse, PaintStateFollowsTheMouseWhileTracking) {
    Group g(0);
    TvexoSpeedButton* b = g.buttons[0];
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(b->State(), bsDown);
    QTest::mouseMove(b, QPoint(60, 5));
    EXPECT_EQ(b->State(), bsUp);
    QTest::mouseMove(b, QPoint(6, 6));
    EXPECT_EQ(b->State(), bsDown);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(b->State(), bsUp);
    EXPECT_EQ(g.clicks[0], 1);
}

TEST(SpeedButtonMouse, DoubleClickOnlyOnADownButton) {
    Group g(1, true);
    int doubles = 0;
    g.buttons[0]->OnDblClick = [&](QObject*) { ++doubles; };
    g.buttons[0]->SetDown(true);
    QTest::mouseDClick(g.buttons[0], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(doubles, 1);
    // A button without a group is never down: its double click raises nothing.
    g.buttons[1]->SetGroupIndex(0);
    g.buttons[1]->OnDblClick = [&](QObject*) { ++doubles; };
    QTest::mouseDClick(g.buttons[1], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(doubles, 1);
}

TEST(SpeedButtonPaint, FlatEdgeOnlyUnderTheMouse) {
    Group g(0);
    TvexoSpeedButton* b = g.buttons[0];
    b->SetFlat(true);
    g.form.SetColor(clTeal);
    const TBitmap idle = b->PaintToBitmap();
    EXPECT_EQ(RgbToColor(idle.PixelRgb(0, 0)), clTeal);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(b, &enter);
    EXPECT_TRUE(b->MouseInside());
    const TBitmap hot = b->PaintToBitmap();
    EXPECT_EQ(RgbToColor(hot.PixelRgb(0, 0)), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(RgbToColor(hot.PixelRgb(22, 21)), ColorToRGB(clBtnShadow));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(b, &leave);
    EXPECT_FALSE(b->MouseInside());
    // At design time the edge always shows.
    b->SetDesigning(true);
    EXPECT_EQ(RgbToColor(b->PaintToBitmap().PixelRgb(0, 0)), ColorToRGB(clBtnHighlight));
}

TEST(SpeedButtonPaint, OpaqueButtonFillsItsFaceAndSinksWhenDown) {
    Group g(1, true);
    g.form.SetColor(clTeal);
    TvexoSpeedButton* b = g.buttons[0];
    b->SetTransparent(false);
    b->SetColor(clSilver);
    // The platform's push-button frame, filled with the button face.
    const TBitmap up = b->PaintToBitmap();
    EXPECT_EQ(RgbToColor(up.PixelRgb(11, 11)), ColorToRGB(clBtnFace));
    b->SetDown(true);
    const TBitmap down = b->PaintToBitmap();
    EXPECT_NE(up.PixelRgb(0, 0), down.PixelRgb(0, 0));
    // Flat and opaque: the button's own colour, no edge while idle and up.
    b->SetDown(false);
    b->SetFlat(true);
    const TBitmap flat = b->PaintToBitmap();
    EXPECT_EQ(RgbToColor(flat.PixelRgb(0, 0)), clSilver);
    EXPECT_EQ(RgbToColor(flat.PixelRgb(11, 11)), clSilver);
}

TEST(SpeedButtonKeys, AcceleratorTogglesAGroupButtonAndClicks) {
    Group g(1, true);
    g.buttons[2]->SetCaption(QStringLiteral("&Go"));
    QTest::keyClick(&g.form, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(g.Downs(), "--D");
    EXPECT_EQ(g.clicks[2], 1);
}

TEST(SpeedButtonImages, ImageOfTheListReplacesTheGlyphDisabledInTheListsLook) {
    Group g(0);
    TvexoSpeedButton* b = g.buttons[0];
    auto* images = new TImageList(8, 8, &g.form);
    TBitmap red(8, 8, 24), blue(8, 8, 24);
    TCanvas paintRed(&red);
    paintRed.Brush.Color = clRed;
    paintRed.FillRect(Rect(0, 0, 8, 8));
    TCanvas paintBlue(&blue);
    paintBlue.Brush.Color = clBlue;
    paintBlue.FillRect(Rect(0, 0, 8, 8));
    images->Add(&red, nullptr);
    images->Add(&blue, nullptr);
    b->SetImages(images);
    b->SetImageIndex(0);
    // Centred in the frame's inside (1, 1, 22, 21): spacing 0, margin 21 / 2 - 4 = 6.
    EXPECT_EQ(RgbToColor(b->PaintToBitmap().PixelRgb(7 + 3, 6 + 3)), clRed);
    b->SetEnabled(false);
    const TColor disabled = RgbToColor(b->PaintToBitmap().PixelRgb(7 + 3, 6 + 3));
    EXPECT_EQ(disabled, ColorToRGB(clBtnShadow));
    delete images;
    EXPECT_EQ(b->Images(), nullptr);
}

TEST(SpeedButtonMenu, PressShowsTheMenuAndLeavesTheButtonUp) {
    Group g(0);
    TvexoSpeedButton* b = g.buttons[1];
    auto* menu = new TPopupMenu(&g.form);
    auto* item = new TMenuItem(menu);
    item->SetCaption(QStringLiteral("One"));
    menu->Items()->Add(item);
    b->SetDropDownMenu(menu);
    b->SetMenuPosition(dmpRight);
    bool downWhileShown = false;
    QTimer::singleShot(100, [&] {
        downWhileShown = b->Down();
        menu->Menu()->close();
    });
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(downWhileShown);
    EXPECT_EQ(menu->PopupPoint(), b->ClientToScreen(QPoint(23, -1)));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(b->Down());
    // The menu takes the place of the click.
    EXPECT_EQ(g.clicks[1], 0);
}
