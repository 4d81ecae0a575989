#pragma once
// The typed edit's own input mask, apart from the edit: placeholder letters stand for input
// positions, every other character is a fixed divider, an optional AM/PM suffix ends it, and
// each typed key is checked against the field (hours, minutes, seconds, days, months) its
// position falls into. GUI-free, so the rules are tested without an edit.

#include <QString>

#include "utils/setofchars.h"
#include "vexo/typed_edits_export.h"

namespace vexo {

class VEXO_TYPED_EDITS_EXPORT TInputMask {
public:
    // The placeholder letters; every other mask character is a divider.
    static bool IsPlaceholder(QChar c);

    QString Mask() const { return mask_; }
    // Takes the AM/PM strings of the format settings of the moment: mode 3 ("ampm") makes
    // their characters placeholders too.
    void SetMask(const QString& mask);
    // 0 none, 1 "am/pm", 2 "a/p", 3 "ampm" (the locale's strings) at the mask's end.
    int AmPmMode() const { return amPmMode_; }
    // The mask without its AM/PM suffix.
    QString Body() const { return body_; }
    // The body with each placeholder replaced by `blank`, then the blanks of the suffix: two
    // (mode 1), one (mode 2) or as many as TimeAMString has characters (mode 3).
    QString EmptyText(QChar blank) const;
    bool IsDivider(QChar c) const { return dividers_.Contains(c); }
    // The text position `pos` holds a divider of the mask.
    bool IsDividerAt(int pos) const;
    // Whether `key` may be typed over position `pos` of `text` (blank always may). Dividers
    // take nothing; "0" and the date and time letters take digits within their field's
    // range; "a" letters and digits; the suffix the AM/PM letters.
    bool Accepts(QChar key, int pos, const QString& text, QChar blank) const;

private:
    QString mask_;
    QString body_;
    QString am_;
    QString pm_;
    int amPmMode_ = 0;
    SetOfChars dividers_;
};

} // namespace vexo
