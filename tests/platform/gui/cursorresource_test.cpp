#include "platform/gui/cursorresource.h"

#include <QPixmap>
#include <gtest/gtest.h>

using namespace vexo;

// testpointer.png: 16 x 16 with the text keys HotSpotX 3 and HotSpotY 5.
TEST(CursorResource, CompiledInCursorsCarryTheirHotSpot) {
    ASSERT_TRUE(CursorResourceExists(QStringLiteral("TestPointer")));
    const QCursor cursor = LoadCursorResource(QStringLiteral("testpointer"));
    EXPECT_EQ(cursor.pixmap().size(), QSize(16, 16));
    EXPECT_EQ(cursor.hotSpot(), QPoint(3, 5));
}

TEST(CursorResource, RegisteredHotSpotsWinAndStayOnTheImage) {
    RegisterCursorResource(QStringLiteral("Aimed"),
                           QStringLiteral(":/vexo/cursors/TESTPOINTER.png"), QPoint(7, 8));
    EXPECT_EQ(LoadCursorResource(QStringLiteral("AIMED")).hotSpot(), QPoint(7, 8));
    RegisterCursorResource(QStringLiteral("Aimed"),
                           QStringLiteral(":/vexo/cursors/TESTPOINTER.png"), QPoint(40, 2));
    EXPECT_EQ(LoadCursorResource(QStringLiteral("Aimed")).hotSpot(), QPoint(15, 2));
    RegisterCursorResource(QStringLiteral("Aimed"),
                           QStringLiteral(":/vexo/cursors/TESTPOINTER.png"));
    EXPECT_EQ(LoadCursorResource(QStringLiteral("Aimed")).hotSpot(), QPoint(3, 5));
    CursorResources().Unregister(QStringLiteral("Aimed"));
}

TEST(CursorResource, UnknownNamesAndNonImagesAreRefused) {
    EXPECT_FALSE(CursorResourceExists(QStringLiteral("POINTCURSOR_MISSING")));
    try {
        LoadCursorResource(QStringLiteral("POINTCURSOR_MISSING"));
        FAIL() << "no error";
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Resource POINTCURSOR_MISSING not found"));
    }
    RegisterCursorResource(QStringLiteral("NotAnImage"), QStringLiteral(":/no/such/file.png"));
    EXPECT_THROW(LoadCursorResource(QStringLiteral("NotAnImage")), EInvalidGraphic);
    CursorResources().Unregister(QStringLiteral("NotAnImage"));
}
