// The bitmap button: kinds and their degradation, setters' refusals, Help and Close clicks,
// the ellipse press test, the drop-down menu and its mark, flat look, Default and Cancel keys.
#include <QMenu>
#include <QMetaProperty>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "buttontest_p.h"

#include "buttons/buttonstrings.h"
#include "buttons/ellipseface.h"
#include "buttons/vexobitbtn.h"
#include "platform/gui/application.h"
#include "platform/gui/edit.h"
#include "platform/gui/form.h"
#include "platform/gui/menuitem.h"

using namespace vexo;

using test::ClassDefault;
using test::ShownForm;

TEST(BitBtnDefaults, NewStyleAlthoughTheStoredDefaultIsAutoDetect) {
    TvexoBitBtn button;
    EXPECT_EQ(button.Style(), bsNew);
    EXPECT_EQ(ClassDefault(button, "Style"), "bsAutoDetect");
    EXPECT_EQ(button.Kind(), bkCustom);
    EXPECT_EQ(button.Width(), 75);
    EXPECT_EQ(button.Height(), 24);
    EXPECT_EQ(button.Cursor(), crHandPoint);
}

struct KindCase {
    const char* name;
    TBitBtnKind kind;
    const QString* caption;
    bool isDefault, isCancel;
    int modalResult;
};

class BitBtnKinds : public testing::TestWithParam<KindCase> {};

TEST_P(BitBtnKinds, KindSetsCaptionKeysResultAndTwoCellGlyph) {
    const KindCase& c = GetParam();
    TvexoBitBtn button;
    button.SetKind(c.kind);
    EXPECT_EQ(button.Kind(), c.kind);
    EXPECT_EQ(button.Caption(), *c.caption);
    EXPECT_EQ(button.Default(), c.isDefault);
    EXPECT_EQ(button.Cancel(), c.isCancel);
    EXPECT_EQ(button.ModalResult(), c.modalResult);
    EXPECT_EQ(button.NumGlyphs(), 2);
    EXPECT_EQ(button.Glyph().Width(), 36);
    EXPECT_FALSE(button.IsCustomCaption());
    EXPECT_FALSE(button.IsCustom());
}

INSTANTIATE_TEST_SUITE_P(
    All, BitBtnKinds,
    testing::Values(KindCase{"OK", bkOK, &SOKButton, true, false, 1},
                    KindCase{"Cancel", bkCancel, &SCancelButton, false, true, 2},
                    KindCase{"Help", bkHelp, &SHelpButton, false, false, 0},
                    KindCase{"Yes", bkYes, &SYesButton, true, false, 6},
                    KindCase{"No", bkNo, &SNoButton, false, true, 7},
                    KindCase{"Close", bkClose, &SCloseButton, false, false, 0},
                    KindCase{"Abort", bkAbort, &SAbortButton, false, false, 3},
                    KindCase{"Retry", bkRetry, &SRetryButton, false, false, 4},
                    KindCase{"Ignore", bkIgnore, &SIgnoreButton, false, false, 5},
                    KindCase{"All", bkAll, &SAllButton, false, false, 8}),
    [](const auto& info) { return std::string(info.param.name); });

struct DegradeCase {
    const char* name;
    TBitBtnKind kind;
    std::function<void(TvexoBitBtn&)> change;
    TBitBtnKind expected;
};

class BitBtnDegradation : public testing::TestWithParam<DegradeCase> {};

TEST_P(BitBtnDegradation, KindReadsCustomOnceTheButtonNoLongerMatches) {
    const DegradeCase& c = GetParam();
    TvexoBitBtn button;
    button.SetKind(c.kind);
    c.change(button);
    EXPECT_EQ(button.Kind(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, BitBtnDegradation,
    testing::Values(
        DegradeCase{"OkModalResult2", bkOK, [](TvexoBitBtn& b) { b.SetModalResult(2); }, bkCustom},
        DegradeCase{"OkNotDefault", bkOK, [](TvexoBitBtn& b) { b.SetDefault(false); }, bkCustom},
        DegradeCase{"NoNotCancel", bkNo, [](TvexoBitBtn& b) { b.SetCancel(false); }, bkCustom},
        DegradeCase{"HelpMadeCancel", bkHelp, [](TvexoBitBtn& b) { b.SetCancel(true); }, bkCustom},
        DegradeCase{"YesOwnGlyph", bkYes,
                    [](TvexoBitBtn& b) {
                        const TBitmap glyph(16, 16, 24);
                        b.SetGlyph(&glyph);
                    },
                    bkCustom},
        DegradeCase{"CaptionKeepsKind", bkRetry,
                    [](TvexoBitBtn& b) { b.SetCaption(QStringLiteral("Again")); }, bkRetry},
        DegradeCase{"SameResultKeepsKind", bkAbort, [](TvexoBitBtn& b) { b.SetModalResult(3); },
                    bkAbort}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BitBtnProperties, RefusedAndClampedValues) {
    TvexoBitBtn button;
    button.SetMargin(-5);
    EXPECT_EQ(button.Margin(), -1);
    button.SetMargin(3);
    button.SetMargin(-2);
    EXPECT_EQ(button.Margin(), 3);
    button.SetSpacing(-2);
    EXPECT_EQ(button.Spacing(), 4);
    button.SetNumGlyphs(7);
    EXPECT_EQ(button.NumGlyphs(), 4);
    // A caption differing only in letter case is a caption of its own.
    button.SetKind(bkOK);
    button.SetCaption(QStringLiteral("Ok"));
    EXPECT_TRUE(button.IsCustomCaption());
}

TEST(BitBtnProperties, LoadedCaptionStaysWhenTheKindIsStreamed) {
    TvexoBitBtn button;
    button.SetCaption(QStringLiteral("Sure"));
    button.BeginLoading();
    button.SetKind(bkYes);
    button.EndLoading();
    EXPECT_EQ(button.Caption(), "Sure");
    EXPECT_TRUE(button.Default());
    EXPECT_EQ(button.ModalResult(), 6);
}

TEST(BitBtnClick, HelpAsksForTheNearestHelpContextOrClicksWithoutOne) {
    ShownForm f;
    auto* button = new TvexoBitBtn(&f.form);
    button->SetKind(bkHelp);
    int clicks = 0, asked = -1;
    button->OnClick = [&](QObject*) { ++clicks; };
    Application()->OnHelp = [&](int context) {
        asked = context;
        return true;
    };
    button->Click();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(asked, -1);
    f.form.SetHelpContext(42);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(30, 12));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(asked, 42);
    Application()->OnHelp = nullptr;
}

TEST(BitBtnClick, CloseClosesTheOwnerFormWithoutClickEvent) {
    ShownForm f;
    auto* button = new TvexoBitBtn(&f.form);
    button->SetKind(bkClose);
    int clicks = 0;
    button->OnClick = [&](QObject*) { ++clicks; };
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(30, 12));
    EXPECT_FALSE(f.form.isVisible());
    EXPECT_EQ(clicks, 0);
    // Without an owner form the ordinary click follows.
    TvexoBitBtn alone;
    alone.SetKind(bkClose);
    alone.OnClick = [&](QObject*) { ++clicks; };
    alone.Click();
    EXPECT_EQ(clicks, 1);
}

struct HitCase {
    int w, h, x, y;
    bool hit;
};

class EllipsePress : public testing::TestWithParam<HitCase> {};

TEST_P(EllipsePress, PressCountsOnlyInsideTheEllipse) {
    const HitCase& c = GetParam();
    EXPECT_EQ(EllipseHit(c.w, c.h, c.x, c.y), c.hit);
}

INSTANTIATE_TEST_SUITE_P(
    Points, EllipsePress,
    testing::Values(HitCase{100, 40, 2, 2, false}, HitCase{100, 40, 50, 20, true},
                    HitCase{100, 40, 0, 20, true}, HitCase{100, 40, 50, 41, false},
                    HitCase{1, 40, 0, 20, false}, HitCase{100, 1, 50, 0, false}));

TEST(BitBtnEllipse, ClickOutsideTheEllipseIsNoClick) {
    ShownForm f;
    auto* button = new TvexoBitBtn(&f.form);
    button->SetBounds(10, 10, 100, 40);
    button->SetType(btEllipse);
    int clicks = 0;
    button->OnClick = [&](QObject*) { ++clicks; };
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(50, 20));
    EXPECT_EQ(clicks, 1);
}

struct MenuPosCase {
    const char* name;
    TPopupMenu::TPopupAlignment alignment;
    TvexoDropDownMenuPos position;
    QPoint expected;
};

class BitBtnMenuPos : public testing::TestWithParam<MenuPosCase> {};

TEST_P(BitBtnMenuPos, MenuOpensAtTheEdgeOfTheButton) {
    const MenuPosCase& c = GetParam();
    TvexoBitBtn button;
    EXPECT_EQ(button.GetDropDownMenuPos(), QPoint(0, 0));
    TPopupMenu menu;
    menu.SetAlignment(c.alignment);
    button.SetDropDownMenu(&menu);
    button.SetMenuPosition(c.position);
    EXPECT_EQ(button.GetDropDownMenuPos(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, BitBtnMenuPos,
    testing::Values(MenuPosCase{"BottomLeft", TPopupMenu::paLeft, dmpBottom, {-1, 24}},
                    MenuPosCase{"BottomRight", TPopupMenu::paRight, dmpBottom, {76, 24}},
                    MenuPosCase{"BottomCenter", TPopupMenu::paCenter, dmpBottom, {37, 24}},
                    MenuPosCase{"RightLeft", TPopupMenu::paLeft, dmpRight, {75, -1}},
                    MenuPosCase{"RightRight", TPopupMenu::paRight, dmpRight, {-1, -1}},
                    MenuPosCase{"RightCenter", TPopupMenu::paCenter, dmpRight, {37, 24}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BitBtnMenu, PressShowsTheMenuUnderTheButtonDownWhileItShows) {
    ShownForm f;
    auto* button = new TvexoBitBtn(&f.form);
    button->SetBounds(20, 30, 75, 24);
    auto* menu = new TPopupMenu(&f.form);
    auto* item = new TMenuItem(menu);
    item->SetCaption(QStringLiteral("One"));
    menu->Items()->Add(item);
    button->SetDropDownMenu(menu);
    bool downWhileShown = false;
    int clicks = 0;
    button->OnClick = [&](QObject*) { ++clicks; };
    int popups = 0;
    menu->OnPopup = [&](QObject*) { ++popups; };
    QTimer::singleShot(100, [&] {
        downWhileShown = button->Down();
        // A press on the button while its menu shows (the one that closes the menu) does not
        // open it again.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(12, 12));
        menu->Menu()->close();
    });
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(downWhileShown);
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(menu->PopupPoint(), button->ClientToScreen(QPoint(-1, 24)));
    EXPECT_EQ(menu->PopupComponent(), button);
    EXPECT_FALSE(button->Down());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(clicks, 0);
    // The freed menu is forgotten.
    delete menu;
    EXPECT_EQ(button->DropDownMenu(), nullptr);
}

TEST(BitBtnPaint, PopupMarkIsADownwardTriangle) {
    TvexoBitBtn button;
    TBitmap bitmap(12, 8, 24);
    TCanvas canvas(&bitmap);
    canvas.Brush.Color = clWhite;
    canvas.FillRect(canvas.ClipRect());
    button.DrawPopupMark(canvas, 2, 3);
    const char* rows[] = {"............", "............", "..#######...", "...#####....",
                          "....###.....", ".....#......", "............", "............"};
    const TColor mark = ColorToRGB(clBtnText);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(canvas.Pixel(x, y) == mark, rows[y][x] == '#') << x << "," << y;
}

TEST(BitBtnPaint, FlatButtonShowsOnlyBackColorUntilTheMouseEnters) {
    ShownForm f;
    auto* button = new TvexoBitBtn(&f.form);
    button->SetBackColor(clTeal);
    button->SetColor(clSilver);
    button->SetFlat(true);
    EXPECT_FALSE(button->ParentColor());
    TBitmap idle = button->PaintToBitmap();
    EXPECT_EQ(RgbToColor(idle.PixelRgb(0, 0)), clTeal);
    EXPECT_EQ(RgbToColor(idle.PixelRgb(74, 23)), clTeal);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(button, &enter);
    TBitmap hot = button->PaintToBitmap();
    // The face under the mouse: highlight top-left, dark outer line at the bottom right.
    EXPECT_EQ(RgbToColor(hot.PixelRgb(0, 0)), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(RgbToColor(hot.PixelRgb(74, 23)), ColorToRGB(clWindowText));
    EXPECT_EQ(RgbToColor(hot.PixelRgb(10, 5)), clSilver);
}

TEST(BitBtnPaint, DisabledGlyphIsTheSecondCell) {
    TvexoBitBtn button;
    button.SetKind(bkOK);
    button.SetCaption(QString());
    const TBitmap enabled = button.PaintToBitmap();
    button.SetEnabled(false);
    const TBitmap disabled = button.PaintToBitmap();
    // The 18 x 18 glyph alone is centred in the face: columns 28 .. 45 of the content
    // rectangle (2, 2, 73, 22) moved by nothing; only its pixels differ.
    int differ = 0, outside = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 75; ++x) {
            const bool changed = enabled.PixelRgb(x, y) != disabled.PixelRgb(x, y);
            (x >= 27 && x < 47 && y >= 2 && y < 22 ? differ : outside) += changed;
        }
    EXPECT_GT(differ, 20);
    EXPECT_EQ(outside, 0);
}

TEST(BitBtnKeys, EnterPressesTheDefaultEscTheCancelButton) {
    ShownForm f;
    auto* edit = new TEdit(&f.form);
    auto* ok = new TvexoBitBtn(&f.form);
    ok->SetKind(bkOK);
    ok->SetBounds(10, 40, 75, 24);
    auto* cancel = new TvexoBitBtn(&f.form);
    cancel->SetKind(bkCancel);
    cancel->SetBounds(100, 40, 75, 24);
    edit->SetFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(f.form.ModalResult(), mrOk);
    // The default button shows the active frame while the focus is on the edit.
    EXPECT_TRUE(ok->GetFocused());
    EXPECT_FALSE(cancel->GetFocused());
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(f.form.ModalResult(), mrCancel);
}
