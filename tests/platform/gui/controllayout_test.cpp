// Alignment of child controls, anchors, size constraints, and the colour and font that follow
// the parent control.
#include <QTest>
#include <gtest/gtest.h>

#include "platform/gui/customcontrol.h"
#include "platform/gui/edit.h"
#include "platform/gui/form.h"
#include "platform/gui/graphiccontrol.h"
#include "platform/gui/groupbox.h"
#include "platform/gui/label.h"
#include "platform/runtime/typinfo.h"

using namespace vexo;

namespace {

QRect Geometry(const TControl* c) {
    return QRect(c->Left(), c->Top(), c->Width(), c->Height());
}

TCustomControl* Child(TForm& form, int w, int h, TAlign align) {
    auto* c = new TCustomControl(&form);
    c->SetBounds(0, 0, w, h);
    c->SetAlign(align);
    return c;
}

} // namespace

TEST(ControlAlign, KindsShareTheClientAreaInOrderAndByCreation) {
    TForm form;
    form.SetClientSize(200, 100);
    auto* client = Child(form, 10, 10, alClient);
    auto* top1 = Child(form, 10, 10, alTop);
    auto* left = Child(form, 30, 10, alLeft);
    auto* bottom = Child(form, 10, 20, alBottom);
    auto* top2 = Child(form, 10, 15, alTop);
    auto* right = Child(form, 40, 10, alRight);
    EXPECT_EQ(Geometry(top1), QRect(0, 0, 200, 10));
    EXPECT_EQ(Geometry(top2), QRect(0, 10, 200, 15)); // below the earlier top control
    EXPECT_EQ(Geometry(bottom), QRect(0, 80, 200, 20));
    EXPECT_EQ(Geometry(left), QRect(0, 25, 30, 55));
    EXPECT_EQ(Geometry(right), QRect(160, 25, 40, 55));
    EXPECT_EQ(Geometry(client), QRect(30, 25, 130, 55));

    // The parent's resize, a hidden control and a changed height all re-align at once.
    form.SetClientSize(300, 120);
    EXPECT_EQ(Geometry(client), QRect(30, 25, 230, 75));
    top1->SetVisible(false);
    EXPECT_EQ(Geometry(top2), QRect(0, 0, 300, 15));
    top2->SetHeight(5);
    EXPECT_EQ(Geometry(client), QRect(30, 5, 230, 95));
    client->SetAlign(alNone);
    client->SetBounds(1, 2, 3, 4);
    EXPECT_EQ(Geometry(client), QRect(1, 2, 3, 4));
}

TEST(ControlAlign, ResizeOfTheParentRaisesOnResizeAfterAligning) {
    TForm form;
    auto* c = Child(form, 10, 10, alClient);
    QList<int> widths;
    form.OnResize = [&](QObject*) { widths << c->Width(); };
    form.SetClientSize(120, 50);
    form.SetClientSize(120, 50); // no change, no event
    EXPECT_EQ(widths, QList<int>{120});
}

struct AnchorCase {
    TAnchors anchors;
    QRect expected; // after the parent grows from 200 x 100 to 260 x 140
};

class ControlAnchors : public ::testing::TestWithParam<AnchorCase> {};

TEST_P(ControlAnchors, KeepTheirDistancesWhenTheParentIsResized) {
    TForm form;
    form.SetClientSize(200, 100);
    auto* c = new TCustomControl(&form);
    c->SetBounds(20, 10, 50, 30);
    c->SetAnchors(GetParam().anchors);
    form.SetClientSize(260, 140);
    EXPECT_EQ(Geometry(c), GetParam().expected);
    form.SetClientSize(200, 100); // back again: no drift
    EXPECT_EQ(Geometry(c), QRect(20, 10, 50, 30));
}

INSTANTIATE_TEST_SUITE_P(
    Anchors, ControlAnchors,
    ::testing::Values(AnchorCase{TAnchors(akLeft) | akTop, QRect(20, 10, 50, 30)},
                      AnchorCase{TAnchors(akRight) | akBottom, QRect(80, 50, 50, 30)},
                      AnchorCase{TAnchors(akLeft) | akTop | akRight | akBottom,
                                 QRect(20, 10, 110, 70)},
                      AnchorCase{TAnchors(), QRect(50, 30, 50, 30)}));

TEST(ControlAnchors, MovedByCodeMeasuresFromTheNewPlace) {
    TForm form;
    form.SetClientSize(200, 100);
    auto* c = new TCustomControl(&form);
    c->SetAnchors(TAnchors(akRight) | akTop);
    c->SetBounds(100, 0, 50, 10);
    form.SetClientSize(210, 100);
    EXPECT_EQ(c->Left(), 110);
    c->SetLeft(0);
    form.SetClientSize(230, 100);
    EXPECT_EQ(c->Left(), 20);
}

TEST(ControlConstraints, LimitTheSizeAndNeverContradict) {
    TForm form;
    auto* c = new TCustomControl(&form);
    TSizeConstraints* limits = c->Constraints();
    limits->SetMinWidth(20);
    limits->SetMaxWidth(60);
    limits->SetMaxHeight(-5); // below zero: no limit
    EXPECT_EQ(limits->MaxHeight(), 0);
    c->SetBounds(0, 0, 100, 300);
    EXPECT_EQ(c->Width(), 60);
    EXPECT_EQ(c->Height(), 300);
    c->SetWidth(5);
    EXPECT_EQ(c->Width(), 20);
    c->SetWidth(-10); // a negative width is taken as 0, then the minimum applies
    EXPECT_EQ(c->Width(), 20);
    limits->SetMaxWidth(10); // below the minimum: the minimum follows
    EXPECT_EQ(limits->MinWidth(), 10);
    EXPECT_EQ(c->Width(), 10);
    limits->SetMinHeight(400); // above the current size: the control grows
    EXPECT_EQ(c->Height(), 400);

    // An aligned control keeps its constraints too.
    c->SetAlign(alClient);
    form.SetClientSize(300, 500);
    EXPECT_EQ(c->Width(), 10);
}

TEST(ControlParentColor, FollowsTheParentUntilSet) {
    TForm form;
    auto* group = new TGroupBox(&form);
    auto* inner = new TCustomControl(&form, group);
    auto* edit = new TEdit(&form, group); // edits keep their own colour
    EXPECT_TRUE(inner->ParentColor());
    EXPECT_EQ(inner->Color(), clBtnFace);
    EXPECT_EQ(edit->Color(), clWindow);
    EXPECT_FALSE(edit->ParentColor());

    form.SetColor(clYellow);
    EXPECT_EQ(group->Color(), clYellow);
    EXPECT_EQ(inner->Color(), clYellow); // through the group box
    group->SetColor(clLime);
    EXPECT_FALSE(group->ParentColor());
    EXPECT_EQ(inner->Color(), clLime);
    form.SetColor(clRed);
    EXPECT_EQ(group->Color(), clLime);

    inner->SetColor(clBlue);
    EXPECT_FALSE(inner->ParentColor());
    group->SetColor(clAqua);
    EXPECT_EQ(inner->Color(), clBlue);
    inner->SetParentColor(true); // takes the parent's at once
    EXPECT_EQ(inner->Color(), clAqua);
    EXPECT_EQ(edit->Color(), clWindow);
}

TEST(ControlParentFont, FollowsTheParentUntilSetAndOnReparenting) {
    TForm form;
    auto* group = new TGroupBox(&form);
    auto* label = new TLabel(&form, group);
    form.Font()->SetColor(clRed);
    form.Font()->SetStyle(fsItalic);
    EXPECT_EQ(label->Font()->Color(), clRed);
    EXPECT_TRUE(label->Font()->Style().testFlag(fsItalic));
    EXPECT_TRUE(label->ParentFont());

    label->Font()->SetName(QStringLiteral("Courier New"));
    EXPECT_FALSE(label->ParentFont());
    form.Font()->SetColor(clBlue);
    EXPECT_EQ(label->Font()->Color(), clRed);
    EXPECT_EQ(group->Font()->Color(), clBlue);

    // Back on: the parent's font at once; a new parent's font when moved.
    label->SetParentFont(true);
    EXPECT_EQ(label->Font()->Name(), group->Font()->Name());
    EXPECT_EQ(label->Font()->Color(), clBlue);
    TForm other;
    other.Font()->SetHeight(-20);
    label->setParent(&other);
    EXPECT_EQ(label->Font()->Height(), -20);
    label->setParent(group); // back before the forms go, in their order
}

TEST(ControlParentFont, StreamsAsPublishedDefaults) {
    TForm form;
    auto* label = new TLabel(&form);
    const TPropInfo parentFont = GetPropInfo(label, QStringLiteral("ParentFont"));
    EXPECT_TRUE(IsDefaultPropValue(label, parentFont));
    label->Font()->SetSize(14);
    EXPECT_FALSE(IsDefaultPropValue(label, parentFont));
    const TPropInfo anchors = GetPropInfo(label, QStringLiteral("Anchors"));
    EXPECT_EQ(anchors.Kind(), tkSet);
    EXPECT_TRUE(IsDefaultPropValue(label, anchors));
    label->SetAnchors(TAnchors(akRight));
    EXPECT_FALSE(IsDefaultPropValue(label, anchors));
}
