#include "app/maintexts.h"

#include <gtest/gtest.h>

using namespace varnova;

TEST(MainTexts, EveryEntryExistsInBothLanguagesAndOnlyTheLastTwoAreEmpty) {
    for (int lang = 0; lang < LanguageCount; ++lang) {
        for (int entry = 0; entry < MainTextCount; ++entry) {
            const bool unread = entry >= 18;
            EXPECT_EQ(MainText(lang, entry).isEmpty(), unread) << lang << "/" << entry;
        }
    }
}

TEST(MainTexts, KeepTheirTrailingBlanks) {
    EXPECT_EQ(MainText(0, mtSourceLabel), QString::fromUtf8("Папка-источник :  "));
    EXPECT_EQ(MainText(1, mtWorkImageLabel), "Working image :  ");
    EXPECT_EQ(MainText(1, mtResultLabel), "Output directory :  ");
    EXPECT_EQ(MainText(0, mtProcessedPrefix), QString::fromUtf8("Обработано рисунков : "));
    EXPECT_EQ(MainText(1, mtProcessedPrefix), "Processed images : ");
}

TEST(MainTexts, RunMessagesInBothLanguages) {
    EXPECT_EQ(MainText(0, mtSelectFolders), QString::fromUtf8("Выберите рабочие папки"));
    EXPECT_EQ(MainText(1, mtSelectFolders), "Select work directories");
    EXPECT_EQ(MainText(1, mtSameFolders), "Error: you've selected the same directory");
    EXPECT_EQ(MainText(0, mtAborted), QString::fromUtf8("Процесс прерван"));
    EXPECT_EQ(MainText(1, mtSourceEmpty), "Error: input directory is empty");
    EXPECT_EQ(MainText(1, mtPictureFilter), "Bitmap images (*.bmp)|*.bmp");
}

TEST(MainTexts, OwnRefusalSitsBesideTheTable) {
    EXPECT_EQ(MainText(0, WorkImageOverwriteEntry),
              QString::fromUtf8("Ошибка: результат заменит рабочий рисунок"));
    EXPECT_EQ(MainText(1, WorkImageOverwriteEntry),
              "Error: the result would overwrite the working image");
}

TEST(MainTexts, OutOfRangeReadsNothingAndUnknownLanguageIsRussian) {
    EXPECT_EQ(MainText(0, -1), QString());
    EXPECT_EQ(MainText(1, MainTextCount + 1), QString());
    EXPECT_EQ(MainText(7, mtStopCaption), QString::fromUtf8("Стоп"));
    EXPECT_EQ(ModeHint(1, ModeCount), QString());
    EXPECT_EQ(AboutText(0, AboutTextCount), QString());
}

TEST(ModeHints, KeepTheDoubleBlanksAndFollowTheLanguage) {
    EXPECT_EQ(ModeHint(1, 11), "Inverts the image on the canvas and combines the result with the  "
                               "source bitmap by using the Boolean AND operator.");
    EXPECT_TRUE(ModeHint(0, 11).startsWith(QString::fromUtf8("Инвертирует изображение источника")));
    for (int mode = 0; mode < ModeCount; ++mode) {
        EXPECT_FALSE(ModeHint(0, mode).isEmpty());
        EXPECT_NE(ModeHint(0, mode), ModeHint(1, mode));
    }
}

TEST(AboutTexts, CaptionsAndLabels) {
    EXPECT_EQ(AboutText(0, atCaption), QString::fromUtf8(" О программе"));
    EXPECT_EQ(AboutText(1, atCaption), " About");
    EXPECT_EQ(AboutText(1, atHomePage), "Home page of the author:");
    EXPECT_EQ(AboutText(1, atMail), "All remarks and offers send on boxes:");
    EXPECT_FALSE(AboutText(0, atPlace).isEmpty());
}

TEST(AuthorLines, AreStoredScrambledAndUnscrambleToThePlainLine) {
    for (int lang = 0; lang < LanguageCount; ++lang) {
        const QString stored =
            QString::fromUtf16(AuthorLines[lang].data(), qsizetype(AuthorLines[lang].size()));
        const QString shown = UnscrambleText(stored, AuthorLineShift);
        EXPECT_NE(stored, shown);
        EXPECT_EQ(shown, AboutText(lang, atAuthor));
    }
}

TEST(AuthorLines, UnscrambleWrapsAroundBelowZero) {
    const char16_t stored[] = {0x0001, 0x0041};
    EXPECT_EQ(UnscrambleText(QStringView(stored, 2), 2), QString(QChar(0xFFFF)) + QChar(0x3F));
}
