#include "platform/text/colortext.h"

#include <gtest/gtest.h>

#include "platform/runtime/exception.h"

using namespace vexo;

TEST(ColorText, NamedColoursByIdentifier) {
    EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
    EXPECT_EQ(ColorToString(clWindowText), "clWindowText");
    EXPECT_EQ(ColorToString(clNone), "clNone");
    EXPECT_EQ(ColorToString(clSilver), "clSilver");
    EXPECT_EQ(StringToColor("clbtnface"), clBtnFace);
    EXPECT_EQ(StringToColor("clLtGray"), clSilver);
}

TEST(ColorText, OthersAsEightHexDigits) {
    EXPECT_EQ(ColorToString(RGB(0x12, 0x34, 0x56)), "$00563412");
    EXPECT_EQ(StringToColor("$00563412"), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(StringToColor("255"), clRed);
    EXPECT_EQ(StringToColor(ColorToString(0x8000001F)), 0x8000001Fu);
}

TEST(ColorText, BadTextRaises) {
    try {
        StringToColor("clNothing");
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'clNothing' is not a valid integer value");
    }
}
