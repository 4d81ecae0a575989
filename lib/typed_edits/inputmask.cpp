#include "typed_edits/inputmask.h"

#include "platform/text/formatsettings.h"

namespace vexo {

namespace {

bool InRange(QChar c, char low, char high) {
    return c >= QLatin1Char(low) && c <= QLatin1Char(high);
}

} // namespace

bool TInputMask::IsPlaceholder(QChar c) {
    return QStringLiteral("0Madhmsyz").contains(c);
}

void TInputMask::SetMask(const QString& mask) {
    mask_ = mask;
    am_ = FormatSettings().TimeAMString;
    pm_ = FormatSettings().TimePMString;
    QString suffix;
    if (mask.endsWith(QLatin1String("am/pm")))
        amPmMode_ = 1, suffix = QStringLiteral("am/pm");
    else if (mask.endsWith(QLatin1String("a/p")))
        amPmMode_ = 2, suffix = QStringLiteral("a/p");
    else if (mask.endsWith(QLatin1String("ampm")))
        amPmMode_ = 3, suffix = QStringLiteral("ampm");
    else
        amPmMode_ = 0;
    body_ = mask.left(mask.size() - suffix.size());
    dividers_.Clear();
    for (const QChar c : mask) {
        const bool placeholder = IsPlaceholder(c) || (amPmMode_ != 0 && c == QLatin1Char('p')) ||
                                 (amPmMode_ == 3 && (am_.contains(c) || pm_.contains(c)));
        if (!placeholder)
            dividers_.Include(c);
    }
}

QString TInputMask::EmptyText(QChar blank) const {
    QString text = body_;
    for (QChar& c : text)
        if (IsPlaceholder(c))
            c = blank;
    const int suffix = amPmMode_ == 1   ? 2
                       : amPmMode_ == 2 ? 1
                       : amPmMode_ == 3 ? int(am_.size())
                                        : 0;
    return text + QString(suffix, blank);
}

bool TInputMask::IsDividerAt(int pos) const {
    return pos >= 0 && pos < body_.size() && !IsPlaceholder(body_.at(pos));
}

bool TInputMask::Accepts(QChar key, int pos, const QString& text, QChar blank) const {
    if (pos < 0 || pos >= text.size() || IsDividerAt(pos))
        return false;
    if (key == blank)
        return true;
    if (pos >= body_.size()) {
        // The AM/PM suffix.
        const int at = pos - int(body_.size());
        switch (amPmMode_) {
        case 1:
            return at == 0 ? QStringLiteral("APap").contains(key)
                           : QStringLiteral("Mm").contains(key);
        case 2:
            return QStringLiteral("APap").contains(key);
        case 3:
            return (at < am_.size() && am_.at(at).toUpper() == key.toUpper()) ||
                   (at < pm_.size() && pm_.at(at).toUpper() == key.toUpper());
        default:
            return false;
        }
    }
    const QChar m = body_.at(pos);
    if (m == QLatin1Char('a'))
        return key.isLetterOrNumber();
    if (!key.isDigit())
        return false;
    const QChar m2 = pos + 1 < body_.size() ? body_.at(pos + 1) : QChar();
    const QChar prev = pos > 0 ? text.at(pos - 1) : QChar();
    const bool amPm = amPmMode_ != 0;
    // The field rules; the last that applies decides.
    char high = '9';
    if (m == QLatin1Char('h') && m2 == QLatin1Char('h'))
        high = amPm ? '1' : '2';
    else if (m == QLatin1Char('h') && prev == QLatin1Char('1') && amPm)
        high = '2';
    else if (m == QLatin1Char('h') && prev == QLatin1Char('2') && !amPm)
        high = '3';
    else if ((m == QLatin1Char('m') || m == QLatin1Char('s')) && m2 == m)
        high = '5';
    else if (m == QLatin1Char('d') && m2 == QLatin1Char('d'))
        high = '3';
    else if (m == QLatin1Char('d') && prev == QLatin1Char('3'))
        high = '1';
    else if (m == QLatin1Char('M') && m2 == QLatin1Char('M'))
        high = '1';
    else if (m == QLatin1Char('M') && prev == QLatin1Char('1'))
        high = '2';
    return InRange(key, '0', high);
}

} // namespace vexo
