// Mouse events of controls with the framework's arguments, enter and leave, mouse capture,
// context menus and dragging, with QTest input; painting of graphic and custom controls.
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/gui/customcontrol.h"
#include "platform/gui/form.h"
#include "platform/gui/graphiccontrol.h"
#include "platform/gui/popupmenu.h"

using namespace vexo;

namespace {

struct ShownForm {
    TForm form;
    ShownForm() {
        form.SetClientSize(200, 150);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
};

TGraphicControl* MakeGraphic(TForm& form, int l, int t) {
    auto* c = new TGraphicControl(&form);
    c->SetBounds(l, t, 40, 30);
    c->SetName(QStringLiteral("G%1").arg(l));
    return c;
}

QString ShiftText(TShiftState shift) {
    QString text;
    for (auto [flag, letter] : {std::pair{ssShift, 'S'},
                                {ssCtrl, 'C'},
                                {ssAlt, 'A'},
                                {ssLeft, 'L'},
                                {ssRight, 'R'},
                                {ssDouble, 'D'}})
        if (shift.testFlag(flag))
            text += QLatin1Char(letter);
    return text;
}

// A graphic control that paints a frame and a cross on what lies beneath it.
class TCrossControl : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override {
        TCanvas& c = Canvas();
        c.Brush.Color = clBlue;
        c.FrameRect(ClientRect());
        c.Pen.Color = clRed;
        c.MoveTo(0, 0);
        c.LineTo(Width(), Height());
    }
};

class TFilledControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override {
        Canvas().Brush.Color = clLime;
        Canvas().FillRect(Rect(0, 0, 5, 5));
    }
};

} // namespace

TEST(ControlMouse, EventsCarryButtonShiftAndPosition) {
    ShownForm f;
    TGraphicControl* g = MakeGraphic(f.form, 10, 20);
    QStringList log;
    g->OnMouseDown = [&](QObject* s, TMouseButton b, TShiftState shift, int x, int y) {
        log << QStringLiteral("down %1 %2 %3 %4,%5")
                   .arg(s->objectName())
                   .arg(int(b))
                   .arg(ShiftText(shift))
                   .arg(x)
                   .arg(y);
    };
    g->OnMouseUp = [&](QObject*, TMouseButton b, TShiftState shift, int x, int y) {
        log << QStringLiteral("up %1 %2 %3,%4").arg(int(b)).arg(ShiftText(shift)).arg(x).arg(y);
    };
    g->OnClick = [&](QObject*) { log << QStringLiteral("click"); };
    g->OnDblClick = [&](QObject*) { log << QStringLiteral("dblclick"); };
    int formDowns = 0;
    f.form.OnMouseDown = [&](QObject*, TMouseButton, TShiftState, int, int) { ++formDowns; };

    QTest::mousePress(g, Qt::LeftButton, Qt::ShiftModifier, QPoint(3, 4));
    QTest::mouseRelease(g, Qt::LeftButton, Qt::ShiftModifier, QPoint(3, 4));
    QTest::mouseClick(g, Qt::RightButton, Qt::ControlModifier, QPoint(5, 6));
    EXPECT_EQ(log, (QStringList{"down G10 0 SL 3,4", "click", "up 0 S 3,4", "down G10 1 CR 5,6",
                                "up 1 C 5,6"}));
    EXPECT_EQ(formDowns, 0); // the control's mouse stays the control's

    log.clear();
    QTest::mouseDClick(g, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_TRUE(log.contains(QStringLiteral("dblclick")));
    EXPECT_TRUE(log.contains(QStringLiteral("down G10 0 LD 1,1")));
    EXPECT_EQ(log.count(QStringLiteral("click")), 1) << "the second release is no click";

    // Without csDoubleClicks a double click is a second click.
    log.clear();
    g->SetControlStyle(g->ControlStyle() & ~TControlStyle(csDoubleClicks));
    QTest::mouseDClick(g, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_FALSE(log.contains(QStringLiteral("dblclick")));
    EXPECT_EQ(log.count(QStringLiteral("click")), 2);
}

TEST(ControlMouse, CaptureKeepsTheMouseUntilReleaseAndClickNeedsTheReleaseInside) {
    ShownForm f;
    TGraphicControl* g = MakeGraphic(f.form, 10, 20);
    TGraphicControl* other = MakeGraphic(f.form, 100, 20);
    QList<QPoint> moves;
    int clicks = 0, otherMoves = 0;
    g->OnMouseMove = [&](QObject*, TShiftState, int x, int y) { moves << QPoint(x, y); };
    g->OnClick = [&](QObject*) { ++clicks; };
    other->OnMouseMove = [&](QObject*, TShiftState, int, int) { ++otherMoves; };
    QTest::mousePress(g, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(g->MouseCapture());
    QTest::mouseMove(&f.form, QPoint(110, 30)); // over the other control
    QTest::mouseRelease(&f.form, Qt::LeftButton, {}, QPoint(110, 30));
    EXPECT_FALSE(g->MouseCapture());
    ASSERT_FALSE(moves.isEmpty());
    EXPECT_EQ(moves.last(), QPoint(100, 10)); // in g's coordinates, outside it
    EXPECT_EQ(otherMoves, 0);
    EXPECT_EQ(clicks, 0);
}

TEST(ControlMouse, EnterAndLeaveFollowTheMouse) {
    ShownForm f;
    TGraphicControl* g = MakeGraphic(f.form, 10, 20);
    QStringList log;
    g->OnMouseEnter = [&](QObject*) { log << QStringLiteral("enter"); };
    g->OnMouseLeave = [&](QObject*) { log << QStringLiteral("leave"); };
    QTest::mouseMove(&f.form, QPoint(150, 120));
    log.clear(); // where the mouse was before does not matter
    QTest::mouseMove(&f.form, QPoint(20, 30));
    EXPECT_TRUE(g->MouseInControl());
    QTest::mouseMove(&f.form, QPoint(150, 120));
    EXPECT_FALSE(g->MouseInControl());
    EXPECT_EQ(log, (QStringList{"enter", "leave"}));
}

TEST(ControlMouse, ContextPopupThenPopupMenuThenTheParents) {
    ShownForm f;
    TGraphicControl* g = MakeGraphic(f.form, 10, 20);
    auto* menu = new TPopupMenu(&f.form);
    auto* item = new TMenuItem(&f.form);
    item->SetCaption(QStringLiteral("&Copy"));
    menu->Items()->Add(item);
    f.form.SetPopupMenu(menu);
    int clicked = 0;
    item->OnClick = [&](QObject*) { ++clicked; };
    QPoint popupPos;
    g->OnContextPopup = [&](QObject*, QPoint pos, bool& handled) {
        popupPos = pos;
        handled = pos.x() > 20; // the right half handles it itself
    };
    // The menu runs modally: choose the item once it shows.
    auto chooseWhenShown = [] {
        QTimer::singleShot(0, [] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                QTest::keyClick(popup, Qt::Key_Down);
                QTest::keyClick(popup, Qt::Key_Return);
            }
        });
    };
    chooseWhenShown();
    QTest::mouseClick(g, Qt::RightButton, {}, QPoint(5, 5));
    QApplication::processEvents();
    EXPECT_EQ(popupPos, QPoint(5, 5));
    EXPECT_EQ(clicked, 1); // the form's menu, for a control without one
    EXPECT_EQ(menu->PopupComponent(), &f.form);

    QTimer::singleShot(500, [] { // a menu shown by mistake must not hold the test
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    });
    QTest::mouseClick(g, Qt::RightButton, {}, QPoint(30, 5));
    EXPECT_EQ(clicked, 1); // handled by OnContextPopup: no menu
    EXPECT_EQ(popupPos, QPoint(30, 5));
}

TEST(ControlMouse, AutomaticDragReachesTheTargetThatAccepts) {
    ShownForm f;
    TGraphicControl* source = MakeGraphic(f.form, 10, 20);
    TGraphicControl* target = MakeGraphic(f.form, 100, 20);
    source->SetDragMode(dmAutomatic);
    QStringList log;
    source->OnStartDrag = [&](QObject*, TDragObject*&) { log << QStringLiteral("start"); };
    target->OnDragOver = [&](QObject*, QObject* s, int, int, TDragState state, bool& accept) {
        accept = s == source;
        log << QStringLiteral("over %1").arg(int(state));
    };
    target->OnDragDrop = [&](QObject*, QObject*, int x, int y) {
        log << QStringLiteral("drop %1,%2").arg(x).arg(y);
    };
    source->OnEndDrag = [&](QObject*, QObject* t, int x, int y) {
        log << QStringLiteral("end %1 %2,%3").arg(t == target).arg(x).arg(y);
    };
    int downs = 0;
    source->OnMouseDown = [&](QObject*, TMouseButton, TShiftState, int, int) { ++downs; };
    QTest::mousePress(source, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(&f.form, QPoint(105, 25));
    QTest::mouseMove(&f.form, QPoint(106, 26));
    QTest::mouseRelease(&f.form, Qt::LeftButton, {}, QPoint(106, 26));
    EXPECT_EQ(downs, 0);
    EXPECT_EQ(log, (QStringList{"start", "over 0", "over 2", "drop 6,6", "end 1 6,6"}));
    EXPECT_FALSE(source->Dragging());
}

TEST(ControlPaint, GraphicControlPaintsOverItsParentsLook) {
    TForm form;
    form.SetColor(clYellow);
    auto* cross = new TCrossControl(&form);
    cross->SetBounds(10, 10, 20, 10);
    const TBitmap picture = cross->PaintToBitmap();
    TCanvas canvas(const_cast<TBitmap*>(&picture));
    EXPECT_EQ(canvas.Pixel(0, 5), ColorToRGB(clBlue));    // frame
    EXPECT_EQ(canvas.Pixel(4, 2), ColorToRGB(clRed));     // cross
    EXPECT_EQ(canvas.Pixel(15, 2), ColorToRGB(clYellow)); // the form under it

    cross->SetControlStyle(cross->ControlStyle() | csOpaque);
    cross->Canvas().Brush.Color = clBlack;
    cross->Canvas().FillRect(cross->ClientRect());
    const TBitmap opaque = cross->PaintToBitmap();
    TCanvas opaqueCanvas(const_cast<TBitmap*>(&opaque));
    EXPECT_EQ(opaqueCanvas.Pixel(15, 2), clBlack); // nothing of the parent put under it

    // What the widget shows is what Paint drew.
    const QImage shown = cross->grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 5), ToQColor(clBlue));
}

TEST(ControlPaint, CustomControlPaintsOnItsColor) {
    TForm form;
    auto* c = new TFilledControl(&form);
    c->SetBounds(0, 0, 10, 10);
    c->SetColor(clAqua);
    const TBitmap picture = c->PaintToBitmap();
    TCanvas canvas(const_cast<TBitmap*>(&picture));
    EXPECT_EQ(canvas.Pixel(2, 2), clLime);
    EXPECT_EQ(canvas.Pixel(8, 8), clAqua);
}
