// The 3-D label: defaults and published list, focus control placement, auto-size, the lit
// look, the paint events and the clicks and accelerators that hand on the focus.
#include "edits/vexolabel.h"

#include "edits/draw3dtext.h"
#include "edits/editsclasses.h"
#include "edits/vexoflatedit.h"
#include "edittestkit.h"
#include "platform/gui/edit.h"
#include "platform/gui/groupbox.h"
#include "platform/runtime/classregistry.h"
#include "platform/runtime/typinfo.h"

using namespace vexo;
using namespace vexo::edittest;

TEST(VexoLabelDefaults, ConstructorValues) {
    TForm form;
    TvexoLabel label(&form);
    EXPECT_EQ(label.Height(), 21);
    EXPECT_TRUE(label.Transparent());
    EXPECT_EQ(label.Layout(), tlCenter);
    EXPECT_FALSE(label.AutoSize());
    EXPECT_TRUE(label.WordWrap());
    EXPECT_EQ(label.Light(), lpLeftTop);
    EXPECT_EQ(label.ColorActive(), label.Color());
}

TEST(VexoLabelDefaults, PublishesTheListInOrder) {
    const QStringList expected = {
        "Alive",          "ColorActive",  "FontActive",   "FocusOffset",    "Position",
        "FocusControl",   "AutoSize",     "Alignment",    "WordWrap",       "Bevel",
        "BevelInner",     "BevelOuter",   "BorderWidth",  "BevelWidth",     "LightColor",
        "ShadowColor",    "Light",        "Height3D",     "Align",          "Caption",
        "Color",          "DragCursor",   "DragMode",     "Enabled",        "Font",
        "Layout",         "ParentColor",  "ParentFont",   "ParentShowHint", "PopupMenu",
        "ShowHint",       "Transparent",  "Visible",      "OnClick",        "OnDblClick",
        "OnDragDrop",     "OnDragOver",   "OnEndDrag",    "OnMouseDown",    "OnMouseMove",
        "OnMouseUp",      "OnMouseEnter", "OnMouseLeave", "OnBeforePaint",  "OnAfterPaint",
        "Anchors",        "BiDiMode",     "Constraints",  "DragKind",       "ParentBiDiMode",
        "OnContextPopup", "OnResize",     "OnEndDock",    "OnStartDock"};
    QStringList own;
    const QMetaObject* meta = &TvexoLabel::staticMetaObject;
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
        own.append(QString::fromLatin1(meta->property(i).name()));
    EXPECT_EQ(own, expected);
    // Defaults the stream leaves out read back as the constructor made them.
    TvexoLabel label;
    for (const char* name : {"Light", "Layout", "WordWrap", "Height3D", "BevelOuter"})
        EXPECT_TRUE(IsDefaultPropValue(&label, GetPropInfo(&label, QString::fromLatin1(name))))
            << name;
}

TEST(VexoLabelDefaults, CreatedByClassName) {
    RegisterEditsClasses();
    TForm form;
    TComponent* c = CreateComponent(QStringLiteral("TvexoLabel"), &form);
    ASSERT_NE(c, nullptr);
    EXPECT_NE(qobject_cast<TvexoLabel*>(c->Object()), nullptr);
}

TEST(VexoLabelProperties, NegativeDepthAndWidthsAreRefused) {
    TvexoLabel label;
    label.SetHeight3D(3);
    label.SetHeight3D(-1);
    EXPECT_EQ(label.Height3D(), 3);
    label.SetBevelWidth(-2);
    label.SetBorderWidth(-2);
    EXPECT_EQ(label.BevelWidth(), 0);
    EXPECT_EQ(label.BorderWidth(), 0);
}

struct TPlaceRow {
    TvexoLabelPosition position;
    QRect expected; // of a 50 x 20 edit beside a label at (100, 80, 60 x 24), offset 3
};

class VexoLabelPlacement : public ::testing::TestWithParam<TPlaceRow> {};

TEST_P(VexoLabelPlacement, FocusControlFollowsTheLabel) {
    const TPlaceRow& row = GetParam();
    TForm form;
    auto* edit = new TEdit(&form);
    edit->SetBounds(0, 0, 50, 20);
    auto* label = new TvexoLabel(&form);
    label->SetBounds(10, 10, 60, 24);
    label->SetFocusOffset(3);
    label->SetPosition(row.position);
    label->SetFocusControl(edit);
    label->SetBounds(100, 80, 60, 24); // the label moves; its control follows
    EXPECT_EQ(edit->geometry(), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Positions, VexoLabelPlacement,
                         ::testing::Values(TPlaceRow{wlpTop, QRect(100, 107, 60, 20)},
                                           TPlaceRow{wlpLeft, QRect(163, 80, 50, 24)},
                                           TPlaceRow{wlpRight, QRect(47, 80, 50, 24)},
                                           TPlaceRow{wlpBottom, QRect(100, 57, 60, 20)},
                                           TPlaceRow{wlpUnLinked, QRect(0, 0, 50, 20)}));

// An edit showing a button at its right is made narrower by the button and a gap.
class TButtonEdit : public TvexoFlatEdit {
public:
    using TvexoFlatEdit::TvexoFlatEdit;
    int ButtonWidth() const override { return 17; }
};

TEST(VexoLabelPlacement, AboveAnEditWithAButtonLeavesRoomForIt) {
    TForm form;
    auto* edit = new TButtonEdit(&form);
    auto* label = new TvexoLabel(&form);
    label->SetPosition(wlpTop);
    label->SetBounds(10, 10, 120, 21);
    label->SetFocusControl(edit);
    EXPECT_EQ(edit->Width(), 120 - 17 - 2);
}

TEST(VexoLabelPlacement, ControlOnAnotherParentNeverMoves) {
    TForm form;
    auto* group = new TGroupBox(&form);
    auto* edit = new TEdit(&form, group);
    edit->SetBounds(5, 5, 50, 20);
    auto* label = new TvexoLabel(&form);
    label->SetFocusControl(edit);
    label->SetBounds(100, 80, 60, 24);
    EXPECT_EQ(edit->geometry(), QRect(5, 5, 50, 20));
}

// The size takes the whole caption with its insets and bevels: painted into a label of that
// size, none of it is cut.
TEST(VexoLabelAutoSize, NeverCutsTheCaption) {
    for (bool wrap : {false, true}) {
        TForm form;
        form.SetColor(clWhite);
        auto* label = new TvexoLabel(&form);
        label->SetWordWrap(wrap);
        label->SetWidth(70);
        label->SetHeight3D(2);
        label->SetBevelWidth(2);
        label->SetBorderWidth(1);
        label->Font()->SetColor(clBlack);
        label->SetCaption(QStringLiteral("Three short words"));
        label->SetAutoSize(true);
        TCanvas measure;
        measure.Font.Assign(*label->Font());
        const int lineHeight = measure.TextHeight(QStringLiteral("W"));
        const int frame = 2 + 1 + 2;
        const int inset = 2 + 1; // depth + 1 above and below
        if (wrap) {
            EXPECT_GE(label->Height(), 2 * lineHeight + 2 * inset + 2 * frame) << "wrapped";
            EXPECT_LE(label->Width(), 70);
        } else {
            EXPECT_EQ(label->Width(), measure.TextWidth(QStringLiteral("Three short words")) +
                                          2 * (2 + 2) + 2 * frame);
            EXPECT_EQ(label->Height(), lineHeight + 2 * inset + 2 * frame);
        }
        // Painting into exactly that size leaves every glyph inside the face.
        const TBitmap shot = label->PaintToBitmap();
        const TRect ink = InkBox(shot, clBlack);
        ASSERT_FALSE(Empty(ink));
        EXPECT_GE(ink.Left, frame + 2);
        EXPECT_LE(ink.Right, label->Width() - frame - 2);
        EXPECT_LE(ink.Bottom, label->Height() - frame - 1);
        // A new caption sizes again.
        const int before = label->Width();
        label->SetCaption(QStringLiteral("Three short words and more"));
        if (!wrap) {
            EXPECT_GT(label->Width(), before);
        }
    }
}

TEST(VexoLabelPaint, BevelsLowerOuterRaiseInner) {
    TForm form;
    TvexoLabel label(&form);
    label.SetBounds(0, 0, 40, 21);
    label.SetBevelWidth(1);
    label.SetBorderWidth(1);
    label.SetColor(clYellow);
    const TBitmap b = label.PaintToBitmap();
    // Outer lowered: shadow above, highlight below; band; inner raised: highlight above.
    EXPECT_EQ(At(b, 20, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(b, 20, 20), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(b, 20, 1), clYellow);
    EXPECT_EQ(At(b, 20, 2), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(b, 20, 18), ColorToRGB(clBtnShadow));
    label.SetBevel(false);
    EXPECT_NE(At(label.PaintToBitmap(), 20, 0), ColorToRGB(clBtnShadow));
}

TEST(VexoLabelPaint, BeforePaintReplacesTheStandardPaintingAfterPaintStillFires) {
    TForm form;
    form.SetColor(clWhite);
    TvexoLabel label(&form);
    label.SetBounds(0, 0, 60, 21);
    label.Font()->SetColor(clBlack);
    label.SetCaption(QStringLiteral("Text"));
    TRect after;
    int before = 0;
    label.OnAfterPaint = [&](QObject*, TCanvas*, TRect& r) { after = r; };
    label.PaintToBitmap();
    EXPECT_EQ(after.Left, 1 + 1 + 1 + 2); // outer, inner bevel, then depth 1 + 2
    label.OnBeforePaint = [&](QObject* sender, TCanvas*, TRect&) {
        ++before;
        EXPECT_EQ(sender, &label);
    };
    const TBitmap b = label.PaintToBitmap();
    EXPECT_EQ(before, 1);
    EXPECT_TRUE(Empty(InkBox(b, clBlack)));
    EXPECT_NE(At(b, 30, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(after, label.ClientRect());
}

TEST(VexoLabelLit, MouseLightsAnAliveLabelOnly) {
    TForm form;
    form.SetColor(clWhite);
    TvexoLabel label(&form);
    label.SetBounds(0, 0, 60, 21);
    label.SetTransparent(false);
    label.SetColor(clSilver);
    label.SetColorActive(clAqua);
    int entered = 0, left = 0;
    label.OnMouseEnter = [&](QObject*) { ++entered; };
    label.OnMouseLeave = [&](QObject*) { ++left; };
    Hover(label, true);
    EXPECT_FALSE(label.Lit());
    EXPECT_EQ(At(label.PaintToBitmap(), 30, 10), clSilver);
    Hover(label, false);
    label.SetAlive(true);
    Hover(label, true);
    EXPECT_TRUE(label.Lit());
    EXPECT_EQ(At(label.PaintToBitmap(), 30, 10), clAqua);
    Hover(label, false);
    EXPECT_FALSE(label.Lit());
    EXPECT_EQ(entered, 2);
    EXPECT_EQ(left, 2);
}

TEST(VexoLabelLit, ColorActiveAndFontActiveFollowTheParentUntilSet) {
    TForm form;
    form.SetColor(clYellow);
    TvexoLabel label(&form);
    form.SetColor(clLime);
    EXPECT_EQ(label.ColorActive(), clLime);
    label.SetColorActive(clRed);
    EXPECT_FALSE(label.ParentColor());
    TFont bold;
    bold.SetStyle(TFont::fsBold);
    label.SetFontActive(&bold);
    EXPECT_FALSE(label.ParentFont());
    EXPECT_EQ(label.FontActive()->Style(), TFont::TFontStyles(TFont::fsBold));
}

TEST(VexoLabelFocus, ClickOnAnAliveLabelFocusesItsControl) {
    ActiveForm f;
    auto* first = new TEdit(&f.form);
    auto* target = new TEdit(&f.form);
    target->SetTop(50);
    auto* label = new TvexoLabel(&f.form);
    label->SetPosition(wlpUnLinked);
    label->SetBounds(200, 10, 60, 21);
    label->SetFocusControl(target);
    int clicks = 0;
    first->SetFocus();
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(first->Focused()); // not Alive: the ordinary click only
    label->SetAlive(true);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(target->Focused());
    first->SetFocus();
    label->OnClick = [&](QObject*) { ++clicks; };
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(first->Focused());
}

TEST(VexoLabelFocus, AcceleratorFocusesTheControl) {
    ActiveForm f;
    auto* first = new TEdit(&f.form);
    auto* target = new TEdit(&f.form);
    target->SetTop(50);
    auto* label = new TvexoLabel(&f.form);
    label->SetPosition(wlpUnLinked);
    label->SetCaption(QStringLiteral("&Target"));
    label->SetFocusControl(target);
    first->SetFocus();
    QTest::keyClick(first, 't', Qt::AltModifier);
    EXPECT_TRUE(target->Focused());
}

TEST(VexoLabelFocus, FreedControlIsForgotten) {
    TForm form;
    auto* edit = new TvexoFlatEdit(&form);
    auto* label = new TvexoLabel(&form);
    label->SetFocusControl(edit);
    edit->SetLightLabel(label);
    delete label;
    EXPECT_EQ(edit->LightLabel(), nullptr);
}
