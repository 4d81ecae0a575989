#pragma once
// The program's interface texts in both languages: the main texts, the mode descriptions,
// the About box texts and the scrambled author lines. Tables are language-major:
// Table[LangIndex][entry], language 0 Russian, 1 English. Entries are UTF-8.

#include <QString>
#include <array>
#include <string_view>

#include "app/ropmodes.h"

namespace varnova {

constexpr int LanguageCount = 2;
// The program always starts in Russian.
constexpr int StartLangIndex = 0;

constexpr int MainTextCount = 20;
constexpr int AboutTextCount = 5;

// Entry numbers of MainTexts. 18 and 19 exist (empty) but nothing reads them.
enum TMainTextEntry : int {
    mtSelectFolders = 0,     // run refused: a folder is missing
    mtSelectWorkImage = 1,   // run refused: no working picture
    mtOpenSourceTitle = 2,   // folder dialog title, source row
    mtPictureFilter = 3,     // open-picture dialog filter ("description|pattern")
    mtOpenResultTitle = 4,   // folder dialog title, result row
    mtSourceEmpty = 5,       // no *.bmp in the source folder
    mtSourceLabel = 6,       // Label1
    mtWorkImageLabel = 7,    // Label2
    mtResultLabel = 8,       // Label3
    mtLanguageLabel = 9,     // Label4
    mtOpenPictureTitle = 10, // open-picture dialog title
    mtProcessCaption = 11,   // ProcessBtn1
    mtSameFolders = 12,      // run refused: source and result are the same folder
    mtAborted = 13,          // run stopped
    mtProcessedPrefix = 14,  // completion message, followed by the count
    mtResultNotEmpty = 15,   // warning: result folder not empty
    mtStopCaption = 16,      // ProcessBtn2
    mtModeLabel = 17,        // Label5
};

// Entry number of our own refusal "the result would overwrite the working image", kept
// beside MainTexts (outside its 20 entries) in WorkImageOverwriteTexts.
constexpr int WorkImageOverwriteEntry = MainTextCount;

// About box entries: 0 caption, 1 author line (plain, not shown), 2 place and year,
// 3 home-page label, 4 mail label.
enum TAboutTextEntry : int {
    atCaption = 0,
    atAuthor = 1,
    atPlace = 2,
    atHomePage = 3,
    atMail = 4,
};

extern const std::array<std::array<const char*, MainTextCount>, LanguageCount> MainTexts;
extern const std::array<std::array<const char*, ModeCount>, LanguageCount> ModeHints;
extern const std::array<std::array<const char*, AboutTextCount>, LanguageCount> AboutTexts;
extern const std::array<const char*, LanguageCount> WorkImageOverwriteTexts;
// The folder dialog's window caption per language.
extern const std::array<const char*, LanguageCount> BrowseFolderCaptions;

// The author line per language, every UTF-16 code unit raised by AuthorLineShift; shown only
// through UnscrambleText(AuthorLines[L], AuthorLineShift).
constexpr int AuthorLineShift = 7;
extern const std::array<std::u16string_view, LanguageCount> AuthorLines;

// Text accessors. A language outside 0..1 reads as Russian; an entry outside the table gives
// the empty text (never out of bounds). MainText also serves WorkImageOverwriteEntry.
QString MainText(int lang, int entry);
QString ModeHint(int lang, int mode);
QString AboutText(int lang, int entry);
QString BrowseFolderCaption(int lang);

// Lowers every UTF-16 code unit of `stored` by `constant`, modulo 0x10000 (the texts are
// Unicode here, so the 8-bit wrap-around becomes a 16-bit one).
QString UnscrambleText(QStringView stored, int constant);

} // namespace varnova
