#pragma once
// Edit masks: "pattern;save-literals;blank". The pattern lists the positions of the text:
//   L l   a letter (required / optional)       0 9  a digit (required / optional)
//   A a   a letter or digit                    #    a digit or sign, optional
//   C c   any character                        :  / the time and date separators of the
//   \x    x as a literal                            format settings, as literals
//   _     a blank as a literal                 >  < following letters upper / lower case,
//   !     the value fills the positions from        <> no case conversion
//         the right (leading blanks)           any other character is a literal
// The second field is 0 when the text holds only the characters typed into the positions,
// 1 (the default) when it also holds the literals; the third is the character shown in an
// unfilled position ("_" by default). A ";" of the pattern itself is written "\;".

#include <QList>
#include <QString>

#include "platform/runtime/exception.h"
#include "vexo/platform_export.h"

namespace vexo {

// A mask that cannot be read: a "\" with nothing after it, a save-literals field other than
// 0 or 1, a blank field of more than one character, or more than three fields.
VEXO_DECLARE_EXCEPTION(EEditMaskError, Exception)

enum class TMaskCharClass { Literal, Letter, LetterOrDigit, AnyChar, Digit, DigitOrSign };
enum class TMaskCase { None, Upper, Lower };

struct VEXO_PLATFORM_EXPORT TMaskPosition {
    TMaskCharClass Class = TMaskCharClass::Literal;
    bool Required = false;
    QChar Literal;                    // for Literal positions
    TMaskCase Case = TMaskCase::None; // applied to what is typed here

    // Whether `ch` may stand in this position (a literal accepts only itself).
    bool Accepts(QChar ch) const;
    // `ch` with this position's case conversion.
    QChar Converted(QChar ch) const;
};

class VEXO_PLATFORM_EXPORT TEditMask {
public:
    // Reads `editMask`; throws EEditMaskError when it cannot. An empty mask has no positions.
    explicit TEditMask(const QString& editMask);

    const QList<TMaskPosition>& Positions() const { return positions_; }
    bool SaveLiterals() const { return saveLiterals_; }
    QChar BlankChar() const { return blank_; }
    bool FillFromRight() const { return fromRight_; }

    // The text as the mask shows it: literals in their positions, the text's characters in
    // the others (case converted), unfilled positions in the blank character. With
    // SaveLiterals a literal the text holds at its place is taken over, one it lacks is put
    // in. Characters beyond the mask's positions follow unchanged, so nothing of the text is
    // hidden. An empty mask gives the text as it is.
    QString Format(const QString& text) const;

private:
    QList<TMaskPosition> positions_;
    bool saveLiterals_ = true;
    QChar blank_ = QLatin1Char('_');
    bool fromRight_ = false;
};

// TEditMask(editMask).Format(value); throws EEditMaskError for a mask that cannot be read.
VEXO_PLATFORM_EXPORT QString FormatMaskText(const QString& editMask, const QString& value);

} // namespace vexo
