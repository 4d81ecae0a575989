#include "utils/fontconv.h"

#include <gtest/gtest.h>

#include "platform/runtime/exception.h"
#include "utils/words.h"

using namespace vexo;

TEST(FontStyles, TextForms) {
    EXPECT_EQ(FontStyleToStr({}), "N");
    EXPECT_EQ(FontStyleToStr(fsStrikeOut | fsBold), "BS");
    EXPECT_EQ(FontStyleToStr(fsBold | fsItalic | fsUnderline | fsStrikeOut), "BIUS");
    EXPECT_EQ(StrToFontStyle("SxB"), fsBold | fsStrikeOut);
    EXPECT_EQ(StrToFontStyle("biu"), TFontStyles());
    EXPECT_EQ(StrToFontStyle("N"), TFontStyles());
    for (int bits = 0; bits < 16; ++bits) {
        const TFontStyles style = TFontStyles::fromInt(bits);
        EXPECT_EQ(StrToFontStyle(FontStyleToStr(style)), style);
    }
}

TEST(FontText, DefaultFont) {
    TFont font;
    EXPECT_EQ(FontToStr(&font), "MS Sans Serif,clWindowText,N,8");
    EXPECT_EQ(FontToStr(nullptr), "");
}

TEST(FontText, ThroughTextAndBack) {
    TFont font;
    font.SetName("DejaVu Sans Mono");
    font.SetColor(RGB(1, 2, 3));
    font.SetStyle(fsItalic | fsUnderline);
    font.SetSize(14);
    const QString text = FontToStr(&font);
    EXPECT_EQ(text, "DejaVu Sans Mono,$00030201,IU,14");

    TFont back;
    int changes = 0;
    back.OnChange = [&](QObject*) { ++changes; };
    StrToFont(text, &back);
    EXPECT_EQ(back.Name(), "DejaVu Sans Mono");
    EXPECT_EQ(back.Color(), RGB(1, 2, 3));
    EXPECT_EQ(back.Style(), fsItalic | fsUnderline);
    EXPECT_EQ(back.Size(), 14);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(Divisers().Contains(',') && !Divisers().Contains(' '));
}

TEST(FontText, NamedColourAndBadSize) {
    TFont font;
    StrToFont("Arial,clBtnFace,B,big", &font);
    EXPECT_EQ(font.Color(), clBtnFace);
    EXPECT_EQ(font.Style(), fsBold);
    EXPECT_EQ(font.Size(), 0);
    StrToFont("x", nullptr);
}

TEST(FontText, BadColourRaisesAndLeavesTheFont) {
    TFont font;
    EXPECT_THROW(StrToFont("Arial,notacolour,B,10", &font), EConvertError);
    EXPECT_EQ(FontToStr(&font), "MS Sans Serif,clWindowText,N,8");
}
