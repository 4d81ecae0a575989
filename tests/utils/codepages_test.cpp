#include "utils/codepages.h"

#include <QString>
#include <gtest/gtest.h>

using namespace vexo;

namespace {

// Windows-1251 byte of a Cyrillic letter of the Russian alphabet.
unsigned char WinByte(char16_t letter) {
    if (letter == u'Ё')
        return 0xA8;
    if (letter == u'ё')
        return 0xB8;
    return static_cast<unsigned char>(0xC0 + (letter - u'А'));
}

// The published KOI8-R places: small letters from 0xC0, capitals from 0xE0, ё 0xA3, Ё 0xB3.
unsigned char KoiByte(char16_t letter) {
    static const QString order = QStringLiteral("юабцдефгхийклмнопярстужвьызшэщчъ");
    if (letter == u'ё')
        return 0xA3;
    if (letter == u'Ё')
        return 0xB3;
    const qsizetype small = order.indexOf(QChar(letter));
    if (small >= 0)
        return static_cast<unsigned char>(0xC0 + small);
    return static_cast<unsigned char>(0xE0 + order.indexOf(QChar(letter).toLower()));
}

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

} // namespace

TEST(CodePages, AsciiMapsToItself) {
    for (int b = 0; b < 0x80; ++b) {
        EXPECT_EQ(Win2KOI8Table[b], b);
        EXPECT_EQ(KOI82WinTable[b], b);
    }
}

TEST(CodePages, EveryCyrillicLetterGoesToItsKoiPlaceAndBack) {
    QString letters =
        QStringLiteral("ЁёАБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдежзийклмнопрстуфхцчшщъыьэюя");
    ASSERT_EQ(letters.size(), 66);
    QByteArray win;
    for (const QChar c : letters) {
        const unsigned char w = WinByte(c.unicode()), k = KoiByte(c.unicode());
        EXPECT_EQ(Win2KOI8Table[w], k) << std::hex << int(w);
        EXPECT_EQ(KOI82WinTable[k], w) << std::hex << int(k);
        win.append(char(w));
    }
    EXPECT_EQ(KOI82Win(Win2KOI8(win)), win);
    EXPECT_EQ(Win2KOI8("Hello"), "Hello");
}

TEST(CodePages, WinSpecialRows) {
    for (int b : {0x80, 0x94, 0x96, 0xA0, 0xA3, 0xA5, 0xB1, 0xB4, 0xB5, 0xBC, 0xBD, 0xBE})
        EXPECT_EQ(Win2KOI8Table[b], 0x5F) << std::hex << b;
    EXPECT_EQ(Win2KOI8(Bytes({0x95, 0xA1, 0xA2, 0xA4, 0xA6, 0xA7, 0xA9, 0xAA, 0xAB, 0xAC, 0xAD,
                              0xAE, 0xAF, 0xB0, 0xB2, 0xB3, 0xB6, 0xB7, 0xB9, 0xBA, 0xBB, 0xBF})),
              Bytes({0x95, 0x9F, 0x97, 0x9D, 0x7C, 0x15, 0x63, 0x99, 0x11, 0x2D, 0x2D,
                     0x72, 0x93, 0x9C, 0x49, 0x69, 0x14, 0x9E, 0xBF, 0x98, 0x10, 0x9B}));
    int underscores = 0;
    for (int b = 0x80; b < 0xC0; ++b)
        underscores += Win2KOI8Table[b] == 0x5F;
    EXPECT_EQ(underscores, 40);
}

TEST(CodePages, KoiSpecialRows) {
    int counts[256] = {};
    for (int b = 0x80; b < 0xC0; ++b)
        ++counts[KOI82WinTable[b]];
    EXPECT_EQ(counts[0x5F], 11);
    EXPECT_EQ(counts[0x2D], 10);
    EXPECT_EQ(counts[0x2B], 21);
    EXPECT_EQ(counts[0xA6], 9);
    for (int b : {0x8B, 0x92, 0x94, 0x96, 0x9A})
        EXPECT_EQ(KOI82WinTable[b], 0x5F) << std::hex << b;
    for (int b : {0x80, 0x88, 0x89, 0xA0, 0xB6, 0xBB})
        EXPECT_EQ(KOI82WinTable[b], 0x2D) << std::hex << b;
    for (int b : {0x82, 0x86, 0x8A, 0xA2, 0xA4, 0xAE, 0xBC, 0xBE})
        EXPECT_EQ(KOI82WinTable[b], 0x2B) << std::hex << b;
    for (int b : {0x81, 0x87, 0xA1, 0xAF, 0xB0, 0xB1, 0xB2, 0xB4, 0xB5})
        EXPECT_EQ(KOI82WinTable[b], 0xA6) << std::hex << b;
    EXPECT_EQ(KOI82Win(Bytes({0x93, 0x95, 0x97, 0x98, 0x99, 0x9B, 0x9C, 0x9D, 0x9E, 0x9F, 0xBF})),
              Bytes({0xAF, 0x95, 0xA2, 0xBA, 0xAA, 0xBF, 0xB0, 0xA4, 0xB7, 0xA1, 0xB9}));
}

TEST(CodePages, SpecialPairsThatRoundTrip) {
    // The look-alikes that both tables list map back to where they came from.
    for (int w : {0x95, 0xA1, 0xA2, 0xA4, 0xAA, 0xAF, 0xB0, 0xB7, 0xB9, 0xBA, 0xBF})
        EXPECT_EQ(KOI82WinTable[Win2KOI8Table[w]], w) << std::hex << w;
}
