#include "platform/text/font.h"

#include <QMetaEnum>
#include <QMetaProperty>
#include <gtest/gtest.h>

using namespace vexo;

TEST(FontDefaults, ClassicFont) {
    TFont font;
    EXPECT_EQ(font.Name(), "MS Sans Serif");
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Color(), clWindowText);
    EXPECT_EQ(font.Style(), TFontStyles());
    EXPECT_EQ(font.Pitch(), fpDefault);
    EXPECT_EQ(font.Charset(), 1);
}

TEST(FontSize, HeightFollowsPixelsPerInch) {
    TFont font;
    font.SetSize(12);
    EXPECT_EQ(font.Height(), -16);
    font.SetHeight(-20);
    EXPECT_EQ(font.Size(), 15);
    font.SetPixelsPerInch(72);
    EXPECT_EQ(font.Size(), 20);
    font.SetSize(10);
    EXPECT_EQ(font.Height(), -10);
    font.SetPixelsPerInch(0);
    EXPECT_EQ(font.PixelsPerInch(), 1);
}

TEST(FontChange, NotifiesOnlyRealChanges) {
    TFont font;
    int calls = 0, signals = 0;
    QObject* sender = nullptr;
    font.OnChange = [&](QObject* s) {
        ++calls;
        sender = s;
    };
    QObject::connect(&font, &TFont::Changed, &font, [&] { ++signals; });
    font.SetName("MS Sans Serif");
    font.SetSize(8);
    EXPECT_EQ(calls, 0);
    font.SetName("Arial");
    font.SetStyle(fsBold);
    font.SetColor(clRed);
    font.SetPitch(fpFixed);
    font.SetCharset(204);
    font.SetSize(9);
    EXPECT_EQ(calls, 6);
    EXPECT_EQ(signals, 6);
    EXPECT_EQ(sender, &font);
}

TEST(FontChange, AssignCopiesAndNotifiesOnce) {
    TFont source, target;
    source.SetName("Arial");
    source.SetStyle(fsItalic | fsStrikeOut);
    source.SetSize(20);
    int calls = 0;
    target.OnChange = [&](QObject*) { ++calls; };
    target.Assign(source);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(target.Name(), "Arial");
    EXPECT_EQ(target.Style(), fsItalic | fsStrikeOut);
    EXPECT_EQ(target.Size(), 20);
    target.Assign(source);
    target.Assign(target);
    EXPECT_EQ(calls, 1);
}

TEST(FontProperties, PublishedUnderTheirNames) {
    TFont font;
    const QMetaObject* meta = font.metaObject();
    for (const char* name : {"Charset", "Color", "Height", "Name", "Pitch", "Size", "Style"})
        EXPECT_GE(meta->indexOfProperty(name), 0) << name;
    ASSERT_TRUE(font.setProperty("Style", QVariant::fromValue(TFontStyles(fsBold))));
    EXPECT_EQ(font.Style(), fsBold);
    const QMetaProperty style = meta->property(meta->indexOfProperty("Style"));
    EXPECT_TRUE(style.isFlagType());
    EXPECT_EQ(QByteArray(style.enumerator().valueToKeys(fsBold | fsUnderline)),
              "fsBold|fsUnderline");
    const QMetaProperty pitch = meta->property(meta->indexOfProperty("Pitch"));
    EXPECT_EQ(QByteArray(pitch.enumerator().valueToKey(fpFixed)), "fpFixed");
}
