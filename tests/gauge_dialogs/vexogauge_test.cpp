#include "gauge_dialogs/vexogauge.h"

#include <QMetaProperty>
#include <gtest/gtest.h>

#include "gauge_dialogs/gaugegeometry.h"
#include "platform/image/canvas.h"
#include "platform/runtime/typinfo.h"

using namespace vexo;

namespace {

TColor At(const TvexoGauge& g, int x, int y) {
    TCanvas c(const_cast<TBitmap*>(g.OffscreenImage()));
    return c.Pixel(x, y);
}

// The main window's gauge: 233 x 17, lowered progress bevel, blue bar, no outer bevel.
struct MainWindowGauge {
    TvexoGauge g;
    MainWindowGauge() {
        g.resize(233, 17);
        g.SetColor(clBtnFace);
        g.SetBevel(TvexoGauge::bshNone);
        g.SetProgressBevel(TvexoGauge::bshLowered);
        g.SetForeColor(clBlue);
        g.SetBackColor(clWhite);
        g.SetShowPercentSymbol(false);
        g.grab(); // first paint sizes the bitmaps and draws fully
    }
};

} // namespace

TEST(GaugeDefaults, NewGaugeHasDocumentedValues) {
    TvexoGauge g;
    EXPECT_EQ(g.width(), 100);
    EXPECT_EQ(g.height(), 18);
    EXPECT_EQ(g.PercentDone(), -1);
    EXPECT_EQ(g.Bevel(), TvexoGauge::bshNone);
    EXPECT_EQ(g.BevelMargin(), 0);
    EXPECT_EQ(g.ProgressBevel(), TvexoGauge::bshLowered);
    EXPECT_EQ(g.Kind(), TvexoGauge::gkHorizontalBar);
    EXPECT_TRUE(g.ShowText());
    EXPECT_EQ(g.ForeColor(), clBlack);
    EXPECT_EQ(g.BackColor(), clBtnFace);
    EXPECT_EQ(g.MinValue(), 0);
    EXPECT_EQ(g.MaxValue(), 100);
    EXPECT_EQ(g.Progress(), 0);
    EXPECT_FALSE(g.ShowPercentSymbol());
    EXPECT_EQ(g.Color(), clWindow);
    ASSERT_NE(g.OffscreenImage(), nullptr);
    EXPECT_EQ(g.OffscreenImage()->Width(), 100);
}

TEST(GaugeDefaults, PropertiesArePublishedWithTheirNames) {
    TvexoGauge g;
    const QMetaObject* mo = g.metaObject();
    for (const char* name :
         {"Caption", "PercentDone", "Bevel", "BevelMargin", "ProgressBevel", "Kind", "ShowText",
          "ForeColor", "BackColor", "MinValue", "MaxValue", "Progress", "ShowPercentSymbol"})
        EXPECT_GE(mo->indexOfProperty(name), 0) << name;
    EXPECT_FALSE(mo->property(mo->indexOfProperty("PercentDone")).isWritable());
    EXPECT_TRUE(g.setProperty("Kind", QStringLiteral("gkPie")));
    EXPECT_EQ(g.Kind(), TvexoGauge::gkPie);
}

// The gauge's published list: its own properties in their order, the framework's inherited
// properties and events it re-publishes, and what every component (Name, Tag) and control
// (bounds, Cursor, Hint, help) publishes.
TEST(GaugeDefaults, PublishedListIsExactlyTheGauges) {
    const QStringList own = {"Caption",          "PercentDone", "Bevel",    "BevelMargin",
                             "ProgressBevel",    "Kind",        "ShowText", "ForeColor",
                             "BackColor",        "MinValue",    "MaxValue", "Progress",
                             "ShowPercentSymbol"};
    const QStringList inherited = {"Align",       "Color",          "Enabled",        "Font",
                                   "ParentColor", "ParentFont",     "ParentShowHint", "ShowHint",
                                   "Visible",     "Anchors",        "BiDiMode",       "Constraints",
                                   "DragKind",    "ParentBiDiMode", "OnClick",        "OnDblClick",
                                   "OnDragDrop",  "OnDragOver",     "OnEndDrag",      "OnMouseDown",
                                   "OnMouseMove", "OnMouseUp",      "OnContextPopup", "OnResize",
                                   "OnEndDock",   "OnStartDock"};
    const QStringList everyControl = {"Name",     "Tag",         "Left",       "Top",
                                      "Width",    "Height",      "Cursor",     "Hint",
                                      "HelpType", "HelpKeyword", "HelpContext"};
    TvexoGauge g;
    QStringList published;
    for (const TPropInfo& prop : GetPropList(&g, tkAny)) {
        published << prop.Name();
        EXPECT_EQ(prop.Kind() == tkMethod, prop.Name().startsWith(QStringLiteral("On")))
            << prop.Name().toStdString();
    }
    QStringList ownInOrder;
    for (const QString& name : published)
        if (own.contains(name))
            ownInOrder << name;
    EXPECT_EQ(ownInOrder, own);
    QStringList expected = own + inherited + everyControl;
    expected.sort();
    published.sort();
    EXPECT_EQ(published, expected);
    EXPECT_EQ(StreamDefault(g.metaObject(), QStringLiteral("Color")), QStringLiteral("2147483653"));
    EXPECT_TRUE(IsDefaultPropValue(&g, GetPropInfo(&g, QStringLiteral("ParentColor"))));
}

struct PercentCase {
    int min, max, progress, percent;
};
class GaugePercentTable : public ::testing::TestWithParam<PercentCase> {};

TEST_P(GaugePercentTable, TruncatesAndClamps) {
    const PercentCase c = GetParam();
    EXPECT_EQ(GaugePercent(c.min, c.max, c.progress), c.percent);
}

INSTANTIATE_TEST_SUITE_P(
    Percentages, GaugePercentTable,
    ::testing::Values(PercentCase{0, 100, 0, 0}, PercentCase{0, 100, 50, 50},
                      PercentCase{0, 3, 1, 33}, PercentCase{0, 3, 2, 66}, PercentCase{0, 3, 3, 100},
                      PercentCase{5, 5, 5, 0}, PercentCase{0, 0, 7, 0}, PercentCase{10, 20, 5, 0},
                      PercentCase{0, 10, 20, 100}, PercentCase{-50, 50, 0, 50},
                      // wide ranges: the product must not wrap around in 32 bits
                      PercentCase{0, 2000000000, 1000000000, 50}));

TEST(GaugeProgress, OutOfRangeIsIgnored) {
    MainWindowGauge m;
    m.g.SetMaxValue(10);
    m.g.SetProgress(5);
    m.g.SetProgress(11);
    EXPECT_EQ(m.g.Progress(), 5);
    m.g.SetProgress(-1);
    EXPECT_EQ(m.g.Progress(), 5);
    m.g.SetProgress(10);
    EXPECT_EQ(m.g.PercentDone(), 100);
}

TEST(GaugeProgress, MinEqualsMaxGivesZeroPercent) {
    TvexoGauge g;
    g.SetMinValue(5);
    g.SetMaxValue(5);
    g.SetProgress(5);
    EXPECT_EQ(g.PercentDone(), 0);
}

TEST(GaugeProgress, PrepareClearAndAddProgress) {
    TvexoGauge g;
    g.Prepare(10, 20, QStringLiteral("x"));
    EXPECT_EQ(g.Caption(), QStringLiteral("x"));
    EXPECT_EQ(g.MinValue(), 10);
    EXPECT_EQ(g.MaxValue(), 20);
    EXPECT_EQ(g.Progress(), 10);
    g.AddProgress(5);
    EXPECT_EQ(g.Progress(), 15);
    EXPECT_EQ(g.PercentDone(), 50);
    g.AddProgress(6); // beyond the maximum: ignored
    EXPECT_EQ(g.Progress(), 15);
    g.Clear();
    EXPECT_TRUE(g.Caption().isEmpty());
    EXPECT_EQ(g.Progress(), 10);
}

TEST(GaugeProgress, UnchangedPercentDrawsNothing) {
    MainWindowGauge m;
    m.g.SetMaxValue(1000);
    m.g.SetProgress(500);
    auto* image = const_cast<TBitmap*>(m.g.OffscreenImage());
    TCanvas(image).SetPixel(0, 0, clRed);
    m.g.SetProgress(501); // still 50 %
    EXPECT_EQ(At(m.g, 0, 0), clRed);
    m.g.SetProgress(510); // 51 %: redrawn
    EXPECT_NE(At(m.g, 0, 0), clRed);
}

TEST(GaugeProgress, EqualSetterValuesDrawNothing) {
    MainWindowGauge m;
    auto* image = const_cast<TBitmap*>(m.g.OffscreenImage());
    TCanvas(image).SetPixel(0, 0, clRed);
    m.g.SetForeColor(clBlue);
    m.g.SetKind(TvexoGauge::gkHorizontalBar);
    m.g.SetCaption(QString());
    EXPECT_EQ(At(m.g, 0, 0), clRed);
    m.g.SetCaption(QStringLiteral("1"));
    EXPECT_NE(At(m.g, 0, 0), clRed);
}

TEST(GaugeText, TextRules) {
    using G = TvexoGauge;
    EXPECT_EQ(GaugeText(G::gkHorizontalBar, QStringLiteral("3"), 33, false), QStringLiteral("3"));
    EXPECT_EQ(GaugeText(G::gkHorizontalBar, QStringLiteral("3"), 33, true),
              QStringLiteral("3 33%"));
    EXPECT_EQ(GaugeText(G::gkModernPie, QStringLiteral("3"), 33, false), QStringLiteral("33%"));
    EXPECT_EQ(GaugeText(G::gkModernPie, QStringLiteral("3"), 33, true), QStringLiteral("33%"));
}

TEST(GaugeDrawing, HorizontalBarWidths) {
    MainWindowGauge m;
    m.g.SetShowText(false);
    const TRect area =
        GaugeProgressArea(Rect(0, 0, 233, 17), TvexoGauge::bshNone, 0, TvexoGauge::bshLowered);
    ASSERT_EQ(area.Width(), 231);
    EXPECT_EQ(HorizontalBarFill(area, 50).Width(), 115);
    m.g.SetProgress(50);
    const TColor blue = ColorToRGB(clBlue);
    const int y = 8;
    EXPECT_EQ(At(m.g, 1, y), blue);
    EXPECT_EQ(At(m.g, 115, y), blue);
    EXPECT_EQ(At(m.g, 116, y), clWhite);
    EXPECT_EQ(At(m.g, 231, y), clWhite);
    m.g.SetProgress(100);
    EXPECT_EQ(At(m.g, 231, y), blue);
    EXPECT_EQ(At(m.g, 1, 1), blue);
    EXPECT_EQ(At(m.g, 231, 15), blue);
    // The lowered bevel surrounds the area: shadow at top-left, highlight at bottom-right.
    EXPECT_EQ(At(m.g, 0, y), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(m.g, 232, y), ColorToRGB(clBtnHighlight));
}

TEST(GaugeDrawing, VerticalBarGrowsUpward) {
    TvexoGauge g;
    g.resize(20, 102);
    g.SetProgressBevel(TvexoGauge::bshNone);
    g.SetKind(TvexoGauge::gkVerticalBar);
    g.SetForeColor(clRed);
    g.SetBackColor(clWhite);
    g.SetShowText(false);
    g.grab();
    g.SetProgress(25);
    EXPECT_EQ(At(g, 10, 101), clRed);
    EXPECT_EQ(At(g, 10, 102 - 25), clRed);
    EXPECT_EQ(At(g, 10, 102 - 26), clWhite);
    EXPECT_EQ(At(g, 10, 0), clWhite);
}

TEST(GaugeDrawing, BevelInsetsOfFrameAndMargin) {
    TvexoGauge g;
    g.resize(100, 30);
    g.SetColor(clYellow);
    g.SetBevel(TvexoGauge::bshFrame);
    g.SetBevelMargin(2);
    g.SetForeColor(clRed);
    g.SetShowText(false);
    g.grab();
    g.SetProgress(100);
    const TRect area =
        GaugeProgressArea(Rect(0, 0, 100, 30), TvexoGauge::bshFrame, 2, TvexoGauge::bshLowered);
    EXPECT_EQ(area, Rect(5, 5, 95, 25));
    EXPECT_EQ(At(g, 5, 15), clRed);
    EXPECT_EQ(At(g, 94, 24), clRed);
    EXPECT_NE(At(g, 4, 15), clRed);    // the progress bevel
    EXPECT_EQ(At(g, 3, 15), clYellow); // the margin
    EXPECT_EQ(At(g, 2, 15), clYellow);
    // The frame: shadow outline at the outer top-left, highlight one pixel inside.
    EXPECT_EQ(At(g, 0, 15), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(g, 1, 15), ColorToRGB(clBtnHighlight));
}

TEST(GaugeDrawing, NoTextAtZeroPercent) {
    MainWindowGauge m;
    m.g.SetCaption(QStringLiteral("388"));
    const TRect area = Rect(1, 1, 232, 16);
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            ASSERT_EQ(At(m.g, x, y), clWhite) << x << "," << y;
}

TEST(GaugeDrawing, TextIsInvertedOverTheBar) {
    MainWindowGauge m;
    m.g.SetCaption(QStringLiteral("888"));
    m.g.SetMaxValue(3);
    m.g.SetProgress(1);
    // The text sits in the middle; over white it shows black, over blue its complement.
    int black = 0, yellow = 0;
    for (int y = 1; y < 16; ++y)
        for (int x = 1; x < 232; ++x) {
            const TColor c = At(m.g, x, y);
            black += c == clBlack;
            yellow += c == ColorToRGB(clYellow);
        }
    EXPECT_GT(black + yellow, 10);
    // With the caption cleared the area holds only bar and background again.
    m.g.SetCaption(QString());
    for (int y = 1; y < 16; ++y)
        for (int x = 1; x < 232; ++x) {
            const TColor c = At(m.g, x, y);
            ASSERT_TRUE(c == clWhite || c == ColorToRGB(clBlue)) << x << "," << y;
        }
}

TEST(GaugeDrawing, TextKindFillsWithBackColor) {
    TvexoGauge g;
    g.SetKind(TvexoGauge::gkText);
    g.SetBackColor(clLime);
    g.SetShowText(false);
    g.grab();
    g.SetProgress(60);
    EXPECT_EQ(At(g, 50, 9), clLime);
    EXPECT_EQ(At(g, 98, 9), clLime);
}

TEST(GaugeDrawing, PieGrowsClockwiseFromTwelve) {
    TvexoGauge g;
    g.resize(103, 103);
    g.SetProgressBevel(TvexoGauge::bshNone);
    g.SetKind(TvexoGauge::gkPie);
    g.SetForeColor(clRed);
    g.SetBackColor(clWhite);
    g.SetShowText(false);
    g.grab();
    g.SetProgress(25);
    EXPECT_EQ(At(g, 75, 25), clRed);   // upper right quarter
    EXPECT_EQ(At(g, 75, 75), clWhite); // lower right
    EXPECT_EQ(At(g, 25, 25), clWhite); // upper left
    g.SetProgress(50);
    EXPECT_EQ(At(g, 75, 75), clRed);
    EXPECT_EQ(At(g, 25, 75), clWhite);
    EXPECT_EQ(At(g, 0, 0), ColorToRGB(clWindow)); // outside the disc: Color
}

TEST(GaugeDrawing, ModernPieIsSmallerAndWritesPercent) {
    const TRect area = Rect(0, 0, 103, 103);
    const TGaugePie pie = GaugePieGeometry(area, 25, true);
    EXPECT_EQ(pie.Box, Rect(25, 25, 78, 78));
    EXPECT_EQ(ModernPieCaptionAngle(25), 360);
    EXPECT_EQ(ModernPieCaptionAngle(100), 90);
    TvexoGauge g;
    g.resize(103, 103);
    g.SetProgressBevel(TvexoGauge::bshNone);
    g.SetKind(TvexoGauge::gkModernPie);
    g.SetForeColor(clRed);
    g.SetBackColor(clWhite);
    g.grab();
    g.SetProgress(25);
    EXPECT_EQ(At(g, 10, 10), ColorToRGB(clWindow)); // outside the smaller disc
    EXPECT_EQ(At(g, 60, 35), clRed);
}

TEST(GaugeDrawing, NeedleDialAndNeedle) {
    const TGaugeNeedle n = GaugeNeedleGeometry(Rect(0, 0, 101, 51), 50);
    EXPECT_EQ(n.Dial, Rect(0, 0, 101, 102));
    EXPECT_EQ(n.From, (TPoint{50, 50}));
    EXPECT_EQ(n.To, (TPoint{50, -1}));
    TvexoGauge g;
    g.resize(101, 51);
    g.SetProgressBevel(TvexoGauge::bshNone);
    g.SetKind(TvexoGauge::gkNeedle);
    g.SetForeColor(clRed);
    g.SetBackColor(clWhite);
    g.SetShowText(false);
    g.grab();
    g.SetProgress(50);
    EXPECT_EQ(At(g, 50, 30), clRed); // the vertical needle
    EXPECT_EQ(At(g, 30, 30), clWhite);
}

TEST(GaugeLifecycle, ResizeRebuildsBitmaps) {
    MainWindowGauge m;
    m.g.SetProgress(100);
    m.g.resize(150, 20);
    m.g.grab();
    ASSERT_EQ(m.g.OffscreenImage()->Width(), 150);
    ASSERT_EQ(m.g.OffscreenImage()->Height(), 20);
    EXPECT_EQ(At(m.g, 148, 10), ColorToRGB(clBlue));
}

TEST(GaugeLifecycle, OutOfMemoryLeavesAGaugeThatPaintsNothing) {
    TvexoGauge::SimulateOutOfMemory(true);
    TvexoGauge g;
    TvexoGauge::SimulateOutOfMemory(false);
    EXPECT_EQ(g.OffscreenImage(), nullptr);
    g.SetProgress(50);
    g.SetCaption(QStringLiteral("x"));
    g.grab();
    EXPECT_EQ(g.Progress(), 50);
    EXPECT_EQ(g.OffscreenImage(), nullptr);
}

TEST(GaugeLifecycle, OversizedControlDropsBitmapsWithoutFailing) {
    TvexoGauge g;
    g.resize(TBitmap::MaxDimension + 1, 2);
    g.grab();
    EXPECT_EQ(g.OffscreenImage(), nullptr);
    g.SetProgress(10);
}
