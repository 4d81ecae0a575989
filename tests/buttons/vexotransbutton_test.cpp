// The custom and transparent push buttons: kinds, stored defaults, the click sound lookup,
// the captured background, the flat look, paint events and the focus rectangle.
#include <QMetaProperty>
#include <QTest>
#include <gtest/gtest.h>

#include "buttontest_p.h"

#include "buttons/buttonstrings.h"
#include "buttons/vexotransbutton.h"
#include "graphics/gui/vexosound.h"
#include "platform/gui/form.h"

using namespace vexo;

using test::ClassDefault;
using test::ShownForm;

TEST(TransButtonDefaults, BottomColorBlackAgainstStoredGrey) {
    TvexoTransButton button;
    EXPECT_EQ(button.BottomColor(), clBlack);
    EXPECT_EQ(ClassDefault(button, "BottomColor").toUInt(), 0x808080u);
    EXPECT_EQ(button.HighlightColor(), clWhite);
    EXPECT_EQ(button.BevelWidth(), 1);
    EXPECT_TRUE(button.DrawFocus());
    EXPECT_EQ(button.Kind(), sbCustom);
    EXPECT_EQ(button.Cursor(), crHandPoint);
}

struct TransKindCase {
    const char* name;
    TvexoButtonKind kind;
    const QString* caption;
    bool isDefault, isCancel;
    int modalResult;
};

class TransButtonKinds : public testing::TestWithParam<TransKindCase> {};

TEST_P(TransButtonKinds, KindSetsGlyphCaptionKeysAndResult) {
    const TransKindCase& c = GetParam();
    TvexoTransButton button;
    button.SetKind(c.kind);
    EXPECT_EQ(button.Caption(), *c.caption);
    EXPECT_EQ(button.Default(), c.isDefault);
    EXPECT_EQ(button.Cancel(), c.isCancel);
    EXPECT_EQ(button.ModalResult(), c.modalResult);
    EXPECT_EQ(button.Glyph().Width(), 36);
    EXPECT_EQ(button.Glyph().Height(), 18);
    button.SetKind(sbCustom);
    EXPECT_EQ(button.ModalResult(), 0);
    EXPECT_EQ(button.Caption(), *c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    All, TransButtonKinds,
    testing::Values(TransKindCase{"Ok", sbOk, &wtb_CaptionOk, true, false, 1},
                    TransKindCase{"Cancel", sbCancel, &wtb_CaptionCancel, false, true, 2},
                    TransKindCase{"Yes", sbYes, &wtb_CaptionYes, true, false, 6},
                    TransKindCase{"No", sbNo, &wtb_CaptionNo, false, true, 7},
                    TransKindCase{"Close", sbClose, &wtb_CaptionClose, false, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TransButtonKinds, LoadedCaptionStays) {
    TvexoTransButton button;
    button.SetCaption(QStringLiteral("Agree"));
    button.BeginLoading();
    button.SetKind(sbYes);
    button.EndLoading();
    EXPECT_EQ(button.Caption(), "Agree");
    EXPECT_TRUE(button.Default());
    EXPECT_EQ(button.ModalResult(), 6);
}

TEST(CustomButtonSound, FormSoundIsTakenAndForgottenWhenFreed) {
    TForm form;
    auto* sound = new TvexoSound(&form);
    sound->SetEnabled(false);
    auto* button = new TvexoTransButton(&form);
    EXPECT_EQ(button->Sound(), sound);
    int clicks = 0;
    button->OnClick = [&](QObject*) { ++clicks; };
    // A disabled sound plays nothing; the click still happens, with either kind of name.
    for (const char* name : {"", "#click", "click.wav"}) {
        button->SetClickSound(QString::fromLatin1(name));
        button->Click();
    }
    EXPECT_EQ(clicks, 3);
    delete sound;
    EXPECT_EQ(button->Sound(), nullptr);
    button->Click();
    EXPECT_EQ(clicks, 4);
}

TEST(TransButtonPaint, ParentShowsThroughTheFace) {
    ShownForm f(200, 100, clTeal);
    auto* button = new TvexoTransButton(&f.form);
    button->SetBounds(20, 20, 75, 24);
    const TBitmap image = button->PaintToBitmap();
    // Inside the two bevel rings, away from the (empty) caption: the form's teal.
    EXPECT_EQ(RgbToColor(image.PixelRgb(5, 5)), clTeal);
    EXPECT_EQ(RgbToColor(image.PixelRgb(0, 0)), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(RgbToColor(image.PixelRgb(74, 23)), ColorToRGB(clWindowFrame));
    EXPECT_EQ(RgbToColor(button->Background().PixelRgb(0, 0)), clTeal);
}

TEST(TransButtonPaint, FlatShowsNoBevelUntilTheMouseEnters) {
    ShownForm f(200, 100, clTeal);
    auto* button = new TvexoTransButton(&f.form);
    button->SetFlat(true);
    EXPECT_EQ(RgbToColor(button->PaintToBitmap().PixelRgb(0, 0)), clTeal);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(button, &enter);
    EXPECT_TRUE(button->MouseUnderButton());
    EXPECT_EQ(RgbToColor(button->PaintToBitmap().PixelRgb(0, 0)), ColorToRGB(clBtnHighlight));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    EXPECT_EQ(RgbToColor(button->PaintToBitmap().PixelRgb(0, 0)), clTeal);
}

TEST(TransButtonPaint, PressedLookInBottomAndHighlightColours) {
    ShownForm f(200, 100, clTeal);
    auto* button = new TvexoTransButton(&f.form);
    button->SetBottomColor(clRed);
    button->SetHighlightColor(clLime);
    button->setDown(true);
    const TBitmap image = button->PaintToBitmap();
    EXPECT_EQ(RgbToColor(image.PixelRgb(1, 1)), clRed);
    EXPECT_EQ(RgbToColor(image.PixelRgb(73, 22)), clLime);
    EXPECT_EQ(RgbToColor(image.PixelRgb(0, 0)), clTeal);
}

TEST(CustomButtonPaint, OnPaintReplacesTheDrawingOnAfterPaintFollowsIt) {
    TvexoCustomButton button;
    button.SetColor(clSilver);
    int after = 0;
    button.OnAfterPaint = [&](QObject* sender, TCanvas& canvas, const TRect& rect, bool down,
                              bool) {
        ++after;
        EXPECT_EQ(sender, &button);
        EXPECT_EQ(rect, Rect(0, 0, 75, 24));
        EXPECT_FALSE(down);
        EXPECT_EQ(canvas.Pixel(10, 10), clSilver);
    };
    button.PaintToBitmap();
    EXPECT_EQ(after, 1);
    button.OnPaint = [](QObject*, TCanvas& canvas, const TRect& rect, bool, bool) {
        canvas.Brush.Color = clFuchsia;
        canvas.FillRect(rect);
    };
    const TBitmap image = button.PaintToBitmap();
    EXPECT_EQ(after, 1);
    EXPECT_EQ(RgbToColor(image.PixelRgb(0, 0)), clFuchsia);
    EXPECT_EQ(RgbToColor(image.PixelRgb(74, 23)), clFuchsia);
}

namespace {

// A 4 x 4 two-cell glyph: image (red square, black around it) | mask (black square, white
// around it).
TBitmap TwoCells() {
    TBitmap glyph(8, 4, 24);
    TCanvas paint(&glyph);
    paint.Brush.Color = clBlack;
    paint.FillRect(Rect(0, 0, 4, 4));
    paint.Brush.Color = clRed;
    paint.FillRect(Rect(1, 1, 3, 3));
    paint.Brush.Color = clWhite;
    paint.FillRect(Rect(4, 0, 8, 4));
    paint.Brush.Color = clBlack;
    paint.FillRect(Rect(5, 1, 7, 3));
    return glyph;
}

void ExpectTwoCellGlyphAtItsPlace(const TBitmap& image) {
    // Alone (no caption) the glyph sits at HorCenter(4 + 0) = 35 and VertCenter(4) = 10 of
    // the face's inner rectangle (1, 1, 74, 23).
    EXPECT_EQ(RgbToColor(image.PixelRgb(36, 11)), clRed);
    EXPECT_EQ(RgbToColor(image.PixelRgb(37, 12)), clRed);
    EXPECT_EQ(RgbToColor(image.PixelRgb(35, 10)), clSilver);
    EXPECT_EQ(RgbToColor(image.PixelRgb(38, 13)), clSilver);
}

} // namespace

TEST(CustomButtonPaint, TwoCellGlyphDrawnThroughItsMask) {
    const TBitmap glyph = TwoCells();
    TvexoCustomButton button;
    button.SetColor(clSilver);
    button.SetGlyph(&glyph);
    ExpectTwoCellGlyphAtItsPlace(button.PaintToBitmap());
}

TEST(CustomButtonPaint, ImageOfTheListIsSplitIntoImageAndMask) {
    const TBitmap cell = TwoCells();
    TImageList images(8, 4);
    images.Add(&cell, nullptr);
    TvexoCustomButton button;
    button.SetColor(clSilver);
    button.SetImages(&images);
    button.SetImageIndex(0);
    ExpectTwoCellGlyphAtItsPlace(button.PaintToBitmap());
}
