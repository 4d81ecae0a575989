#include "utils/gui/cursorstack.h"

#include <QCursor>
#include <QGuiApplication>
#include <gtest/gtest.h>

using namespace vexo;

namespace {

// The shape over the application; -1 when every window shows its own cursor.
int Override() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor != nullptr ? int(cursor->shape()) : -1;
}

} // namespace

TEST(CursorStack, PushedCursorsComeBackInReverseOrder) {
    PushCursor(-11); // hourglass
    EXPECT_EQ(Override(), Qt::WaitCursor);
    PushCursor(-21); // hand
    EXPECT_EQ(Override(), Qt::PointingHandCursor);
    RestoreCursor();
    EXPECT_EQ(ActiveScreenCursor(), -11);
    EXPECT_EQ(Override(), Qt::WaitCursor);
    RestoreCursor();
    EXPECT_EQ(ActiveScreenCursor(), 0);
    EXPECT_EQ(Override(), -1);
}

TEST(CursorStack, RestoreWithNothingPushedAndRefreshLeaveTheDefault) {
    SetActiveScreenCursor(-3);
    EXPECT_EQ(Override(), Qt::CrossCursor);
    RestoreCursor();
    EXPECT_EQ(ActiveScreenCursor(), 0);
    EXPECT_EQ(Override(), -1);
    RefreshCursor();
    EXPECT_EQ(Override(), -1);
    SetActiveScreenCursor(-100); // unknown numbers show the arrow
    EXPECT_EQ(Override(), Qt::ArrowCursor);
    SetActiveScreenCursor(0);
}
