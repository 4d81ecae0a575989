#include "typed_edits/vexocustomedit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRegularExpression>
#include <cmath>
#include <functional>
#include <memory>

#include "buttons/vexobitbtn.h"
#include "dates/dateutils.h"
#include "gauge_dialogs/messageboxes.h"
#include "graphics/frames3d.h"
#include "graphics/gui/componentutils.h"
#include "graphics/gui/vexosound.h"
#include "platform/gui/imagelist.h"
#include "platform/text/datetimetext.h"
#include "platform/text/editmask.h"
#include "platform/text/floatformat.h"
#include "platform/text/formatsettings.h"
#include "typed_edits/editimages.h"
#include "typed_edits/valuedialogs_p.h"
#include "utils/convutils.h"
#include "utils/numutils.h"
#include "utils/strutils.h"

namespace vexo {

namespace {

// While it lives, a masked date or time edit's mask is the date and time format (and its
// first divider the separator), so that its text is written and read back alike.
class TMaskFormats {
public:
    TMaskFormats(bool useMask, const QString& mask, TvexoCustomEdit::TValueKind kind)
        : saved_(FormatSettings()) {
        if (!useMask || mask.isEmpty())
            return;
        QString date, time;
        if (kind == TvexoCustomEdit::vkDate)
            date = mask;
        else if (kind == TvexoCustomEdit::vkTime)
            time = mask;
        else if (kind == TvexoCustomEdit::vkDateTime) {
            const qsizetype blank = mask.indexOf(QLatin1Char(' '));
            date = mask.left(blank);
            time = blank < 0 ? QString() : mask.mid(blank + 1);
        }
        TFormatSettings& fs = FormatSettings();
        if (!date.isEmpty()) {
            fs.ShortDateFormat = date;
            if (const QChar s = FirstDivider(date); !s.isNull())
                fs.DateSeparator = s;
        }
        if (!time.isEmpty()) {
            fs.LongTimeFormat = time;
            if (const QChar s = FirstDivider(time); !s.isNull())
                fs.TimeSeparator = s;
        }
    }
    ~TMaskFormats() { FormatSettings() = saved_; }
    TMaskFormats(const TMaskFormats&) = delete;
    TMaskFormats& operator=(const TMaskFormats&) = delete;

private:
    static QChar FirstDivider(const QString& format) {
        for (const QChar c : format)
            if (!c.isLetterOrNumber() && c != QLatin1Char(' '))
                return c;
        return {};
    }
    TFormatSettings saved_;
};

bool IsPrintable(QChar key) {
    return !key.isNull() && key.unicode() >= 32 && key.unicode() != 127;
}

} // namespace

TvexoCustomEdit::TvexoCustomEdit(TComponent* owner) : TvexoCustomEdit(owner, nullptr) {}

TvexoCustomEdit::TvexoCustomEdit(TComponent* owner, QWidget* parent)
    : TvexoFlatEdit(owner, parent), savedText_(text()), savedColor_(Color()),
      highLight_(clBtnShadow), shadow_(clBtnHighlight) {
    if (owner != nullptr)
        SetSound(FindSound(owner));
    // Dropped text would pass by the checks that typing and pasting make.
    setAcceptDrops(false);
    // The button stands beside the edit on the edit's parent.
    button_ = new TvexoBitBtn(this, parentWidget());
    if (parentWidget() == nullptr)
        button_->setParent(nullptr);
    button_->setVisible(false);
    button_->SetParentColor(true);
    button_->SetNumGlyphs(2);
    button_->SetTabStop(false);
    button_->setFocusPolicy(Qt::NoFocus); // clicking it keeps the focus in the edit
    button_->SetDrawFocus(false);
    button_->setCursor(EditHandCursor());
    button_->OnClick = [this](QObject* sender) { DoRightClick(sender); };
}

TvexoCustomEdit::~TvexoCustomEdit() {
    delete button_.data();
}

// Values

int TvexoCustomEdit::GetInteger() {
    bool error = false;
    const int value = WStrToInt(text(), error);
    if (error)
        Error(EditMessages::NotInteger);
    return value;
}

double TvexoCustomEdit::GetFloat() {
    bool error = false;
    const double value = WStrToFloat(text(), error);
    if (error)
        Error(EditMessages::NotFloat);
    return value;
}

TDateTime TvexoCustomEdit::GetDate() {
    const TMaskFormats formats(useMask_, Mask(), valueKind_);
    try {
        return std::trunc(WStrToDate(text()));
    } catch (const Exception&) {
        Error(EditMessages::NotDate);
        return 0;
    }
}

TDateTime TvexoCustomEdit::GetTime() {
    if (text().trimmed().isEmpty() || (useMask_ && text() == EmptyText()))
        return 0;
    const TMaskFormats formats(useMask_, Mask(), valueKind_);
    TDateTime value = 0;
    if (!TryStrToTime(text(), value)) {
        Error(EditMessages::NotTime);
        return 0;
    }
    return value - std::trunc(value);
}

TDateTime TvexoCustomEdit::GetDateTime() {
    if (IsNullDate(text()) || (useMask_ && text() == EmptyText()))
        return 0;
    const TMaskFormats formats(useMask_, Mask(), valueKind_);
    TDateTime value = 0;
    if (!TryStrToDateTime(text(), value)) {
        Error(EditMessages::NotDateTime);
        return 0;
    }
    return value;
}

void TvexoCustomEdit::SetString(const QString& value) {
    if (valueKind_ != vkString)
        return Error(EditMessages::WrongString);
    SaveAll();
    setText(value);
}

void TvexoCustomEdit::SetInteger(int value) {
    if (valueKind_ != vkInteger)
        return Error(EditMessages::WrongInteger);
    SaveAll();
    setText(IntToStr(value));
}

void TvexoCustomEdit::SetFloat(double value) {
    if (valueKind_ != vkFloat)
        return Error(EditMessages::WrongFloat);
    SaveAll();
    setText(FloatToStr(value));
}

void TvexoCustomEdit::SetDate(TDateTime value) {
    if (valueKind_ != vkDate)
        return Error(EditMessages::WrongDate);
    SaveAll();
    const TMaskFormats formats(useMask_, Mask(), valueKind_);
    setText(WDateToStr(value));
}

void TvexoCustomEdit::SetTime(TDateTime value) {
    if (valueKind_ != vkTime)
        return Error(EditMessages::WrongTime);
    SaveAll();
    const TMaskFormats formats(useMask_, Mask(), valueKind_);
    setText(TimeToStr(value));
}

void TvexoCustomEdit::SetDateTime(TDateTime value) {
    if (valueKind_ != vkDateTime)
        return Error(EditMessages::WrongDateTime);
    SaveAll();
    const TMaskFormats formats(useMask_, Mask(), valueKind_);
    setText(WDateTimeToStr(value));
}

void TvexoCustomEdit::ModifyEvent() {
    if (OnModify)
        OnModify(this, savedText_, text());
}

void TvexoCustomEdit::Error(const QString& message) {
    if (!showMessage_)
        return;
    if (sound_ != nullptr && !errorSound_.isEmpty())
        sound_->PlayNamedWave(errorSound_);
    ErrorMsg(message);
}

// Properties

void TvexoCustomEdit::SetValueKind(TValueKind kind) {
    if (kind == valueKind_)
        return;
    SaveAll();
    valueKind_ = kind;
    const bool loading = ComponentState().testFlag(csLoading);
    TAlignment alignment = taLeftJustify;
    switch (kind) {
    case vkString:
        break;
    case vkInteger:
        setText(loading ? QStringLiteral("0") : IntToStr(StrToIntDef(text(), 0)));
        alignment = taRightJustify;
        break;
    case vkFloat: {
        bool error = false;
        const double value = WStrToFloat(text(), error);
        setText(loading ? QStringLiteral("0") : FloatToStr(value));
        alignment = taRightJustify;
        break;
    }
    case vkDate:
    case vkTime:
    case vkDateTime:
        if (autoFill_)
            FillNow();
        alignment = taCenter;
        break;
    }
    if (!loading)
        SetAlignment(alignment);
    DestroyRightControl();
    CreateRightControl();
}

void TvexoCustomEdit::FillNow() {
    if (valueKind_ == vkDate)
        SetDate(Date());
    else if (valueKind_ == vkTime)
        SetTime(Time());
    else if (valueKind_ == vkDateTime)
        SetDateTime(Now());
}

void TvexoCustomEdit::SetMayBeEmpty(bool value) {
    mayBeEmpty_ = value;
    if (ComponentState() & (csDesigning | csLoading) || parentWidget() == nullptr)
        return;
    bool allow = value || !text().isEmpty();
    if (CanExit)
        CanExit(this, allow);
    if (!allow) {
        Error(EditMessages::EmptyValue);
        SetFocus();
    }
}

void TvexoCustomEdit::SetEditStyle(TvexoEditStyle style) {
    if (style == editStyle_)
        return;
    editStyle_ = style;
    if (style == weFlat) {
        savedColor_ = Color();
        SetColor(GetParentColor(this));
    } else {
        SetColor(savedColor_);
    }
    update();
}

void TvexoCustomEdit::SetHighLight(TColor color) {
    highLight_ = color;
    update();
}

void TvexoCustomEdit::SetShadow(TColor color) {
    shadow_ = color;
    update();
}

TvexoSound* TvexoCustomEdit::Sound() const {
    return sound_;
}

void TvexoCustomEdit::SetSound(TvexoSound* sound) {
    if (sound == sound_)
        return;
    if (sound_ != nullptr)
        sound_->RemoveFreeNotification(this);
    sound_ = sound;
    if (sound_ != nullptr)
        sound_->FreeNotification(this);
}

void TvexoCustomEdit::SetRoundValue(bool value) {
    if (value == roundValue_)
        return;
    roundValue_ = value;
    update();
}

void TvexoCustomEdit::SetRoundDigits(int digits) {
    if (digits == roundDigits_)
        return;
    roundDigits_ = digits;
    update();
}

QChar TvexoCustomEdit::CaseOf(QChar c) const {
    return charCase_ == ecUpperCase ? c.toUpper() : charCase_ == ecLowerCase ? c.toLower() : c;
}

void TvexoCustomEdit::SetCharCase(TEditCharCase charCase) {
    if (charCase == charCase_)
        return;
    charCase_ = charCase;
    if (charCase == ecUpperCase)
        setText(text().toUpper());
    else if (charCase == ecLowerCase)
        setText(text().toLower());
}

void TvexoCustomEdit::SetMultiLine(bool multiLine) {
    TvexoFlatEdit::SetMultiLine(multiLine);
    if (multiLine)
        SetValueKind(vkString);
}

// The mask

void TvexoCustomEdit::SetMask(const QString& mask) {
    if (mask == Mask())
        return;
    mask_.SetMask(mask);
    useMask_ = !mask.isEmpty();
    SetEmptyText();
}

void TvexoCustomEdit::SetUseMask(bool value) {
    if (value == useMask_)
        return;
    if (value && Mask().isEmpty())
        return Error(EditMessages::MaskUse);
    useMask_ = value;
    SetEmptyText();
}

void TvexoCustomEdit::SetBlankChar(QChar blank) {
    if (blank == blankChar_)
        return;
    blankChar_ = blank;
    SetEmptyText();
}

QString TvexoCustomEdit::EmptyText() const {
    return Mask().isEmpty() ? QString() : mask_.EmptyText(blankChar_);
}

void TvexoCustomEdit::SetEmptyText() {
    if (Mask().isEmpty() || blankChar_.isNull() || !useMask_)
        return;
    const QString empty = EmptyText();
    setText(empty);
    SetMaxLength(int(empty.size()));
    SelectAt(0);
}

int TvexoCustomEdit::Caret() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void TvexoCustomEdit::SelectAt(int pos) {
    const int length = int(text().size());
    if (length == 0)
        return;
    pos = qBound(0, pos, length - 1);
    // The caret before the selected character, as the next key replaces it.
    setSelection(pos + 1, -1);
}

void TvexoCustomEdit::BlankAt(int pos) {
    setSelection(pos, 1);
    insert(QString(blankChar_));
}

void TvexoCustomEdit::MaskKeyDown(int& key, TShiftState shift) {
    if (shift & (ssShift | ssCtrl | ssAlt))
        return;
    const int length = int(text().size());
    const int p = Caret();
    const bool erase = key == Qt::Key_Backspace || key == Qt::Key_Delete;
    const bool typing = key >= Qt::Key_Space && key <= Qt::Key_ydiaeresis;
    // A wider selection is blanked by a key that changes the text (not by moving the caret,
    // which would lose the whole value).
    if ((erase || typing) && selectedText().size() > 1) {
        BlankSelection();
        if (erase)
            key = 0;
        return;
    }
    switch (key) {
    case Qt::Key_Backspace: {
        // Blanks the position before the caret (over dividers) and stands there.
        int q = p - 1;
        while (q >= 0 && mask_.IsDividerAt(q))
            --q;
        if (q >= 0)
            BlankAt(q);
        SelectAt(q >= 0 ? q : p);
        key = 0;
        break;
    }
    case Qt::Key_Delete:
        if (p < length && !mask_.IsDividerAt(p))
            BlankAt(p);
        SelectAt(p);
        key = 0;
        break;
    case Qt::Key_Left: {
        int q = p - 1;
        if (q > 0 && mask_.IsDividerAt(q))
            --q;
        SelectAt(qMax(q, 0));
        key = 0;
        break;
    }
    case Qt::Key_Right: {
        int q = p + 1;
        if (mask_.IsDividerAt(q))
            ++q;
        SelectAt(qMin(q, length - 1));
        key = 0;
        break;
    }
    default:
        if (mask_.IsDividerAt(p))
            SelectAt(p + 1);
        break;
    }
}

void TvexoCustomEdit::MaskKeyPress(QChar& key) {
    if (key == QChar(8))
        key = blankChar_;
    if (!IsPrintable(key) && key != blankChar_)
        return; // Enter, Esc and the like keep their meaning
    const QString t = text();
    // At the end the last position is typed over, as the caret never stays behind it.
    int p = qMin(Caret(), int(t.size()) - 1);
    while (mask_.IsDividerAt(p))
        ++p;
    if (!mask_.Accepts(key, p, t, blankChar_)) {
        key = QChar();
        return;
    }
    // Overwrite typing: the key replaces the position, the next input position is selected.
    setSelection(p, 1);
    insert(QString(key));
    int q = p + 1;
    while (mask_.IsDividerAt(q))
        ++q;
    SelectAt(q);
    key = QChar();
}

void TvexoCustomEdit::BlankSelection() {
    const int start = selectionStart();
    QString part = selectedText();
    for (int i = 0; i < part.size(); ++i)
        if (!mask_.IsDividerAt(start + i))
            part[i] = blankChar_;
    insert(part);
    SelectAt(start);
}

void TvexoCustomEdit::Cut() {
    if (directEnter_ || isReadOnly() || !hasSelectedText())
        return;
    copy();
    if (useMask_)
        BlankSelection();
    else
        del();
}

// Keys

void TvexoCustomEdit::KeyDown(int& key, TShiftState shift) {
    const bool paste = (key == Qt::Key_V && shift == TShiftState(ssCtrl)) ||
                       (key == Qt::Key_Insert && shift == TShiftState(ssShift));
    if (paste) {
        Paste();
        key = 0;
        return;
    }
    if (directEnter_ && (key == Qt::Key_Backspace || key == Qt::Key_Delete ||
                         (key == Qt::Key_X && shift == TShiftState(ssCtrl)))) {
        key = 0;
        return;
    }
    const bool cut = (key == Qt::Key_X && shift == TShiftState(ssCtrl)) ||
                     (key == Qt::Key_Delete && shift == TShiftState(ssShift));
    if (cut && useMask_) {
        Cut();
        key = 0;
        return;
    }
    if (useMask_)
        MaskKeyDown(key, shift);
    if (key != 0)
        TvexoFlatEdit::KeyDown(key, shift);
}

void TvexoCustomEdit::KeyPress(QChar& key) {
    if (directEnter_) {
        key = QChar();
        return;
    }
    const qsizetype from = fromChars_.indexOf(key);
    if (from >= 0 && from < toChars_.size())
        key = toChars_.at(from);
    key = CaseOf(key);
    if (IsPrintable(key) && !useMask_) {
        QString result = text();
        if (hasSelectedText())
            result.replace(selectionStart(), selectedText().size(), key);
        else
            result.insert(cursorPosition(), key);
        if (FractionTooLong(result)) {
            key = QChar();
            return;
        }
        QString message;
        if (!KindAccepts(result, message, false)) {
            key = QChar();
            Error(message);
            return;
        }
    }
    if (useMask_) {
        MaskKeyPress(key);
        if (key.isNull())
            return;
    }
    TvexoFlatEdit::KeyPress(key);
}

void TvexoCustomEdit::KeyUp(int& key, TShiftState shift) {
    if (!useMask_)
        return TvexoFlatEdit::KeyUp(key, shift);
    if (text().isEmpty())
        return;
    if (shift != TShiftState(ssShift)) {
        const int length = int(text().size());
        int p = Caret();
        if (mask_.IsDividerAt(p))
            ++p;
        if (p >= length)
            p = length - 1;
        if (key != Qt::Key_Shift)
            SelectAt(p);
    }
    TvexoFlatEdit::KeyUp(key, shift);
}

bool TvexoCustomEdit::FractionTooLong(const QString& text) const {
    if (valueKind_ != vkFloat || floatDigits_ <= 0)
        return false;
    const qsizetype separator = text.indexOf(FormatSettings().DecimalSeparator);
    return separator >= 0 && text.size() - separator - 1 > floatDigits_;
}

bool TvexoCustomEdit::KindAccepts(const QString& text, QString& message, bool complete) const {
    const TMaskFormats formats(useMask_, Mask(), valueKind_);
    TDateTime value = 0;
    switch (valueKind_) {
    case vkString:
        return true;
    case vkInteger: {
        message = EditMessages::NotInteger;
        static const QRegularExpression integer(QStringLiteral("^\\s*-?\\s*\\d*\\s*$"));
        static const QRegularExpression digit(QStringLiteral("\\d"));
        if (!integer.match(text).hasMatch())
            return false;
        bool error = false;
        return !text.contains(digit) || (WStrToInt(text, error), !error);
    }
    case vkFloat: {
        message = EditMessages::NotFloat;
        QString t = text;
        t.remove(QLatin1Char(' '));
        const QString separator =
            QRegularExpression::escape(QString(FormatSettings().DecimalSeparator));
        const QRegularExpression number(
            QStringLiteral("^-?\\d*((\\.|%1)\\d*)?([eE]-?\\d*)?$").arg(separator));
        if (!number.match(t).hasMatch())
            return false;
        // A finished number must convert: an exponent beyond the range is refused.
        if (t.isEmpty() || !t.back().isDigit())
            return true;
        bool error = false;
        WStrToFloat(t, error);
        return !error;
    }
    case vkDate:
        message = EditMessages::NotDate;
        if (!complete || IsNullDate(text))
            return true;
        return TryStrToDate(text, value);
    case vkTime:
        message = EditMessages::NotTime;
        return !complete || TryStrToTime(text, value);
    case vkDateTime:
        message = EditMessages::NotDateTime;
        if (!complete || IsNullDate(text))
            return true;
        return TryStrToDateTime(text, value);
    }
    return true;
}

void TvexoCustomEdit::Paste() {
    if (directEnter_ || isReadOnly())
        return;
    QString clip = QGuiApplication::clipboard()->text();
    clip.remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));
    if (clip.isEmpty())
        return;
    for (QChar& c : clip)
        c = CaseOf(c);
    QString message;
    if (useMask_) {
        // Position by position from the caret; dividers in the pasted text match the mask's.
        QString t = text();
        int p = Caret();
        bool refused = false;
        for (const QChar c : clip) {
            while (p < t.size() && mask_.IsDividerAt(p) && t.at(p) != c)
                ++p;
            if (p < t.size() && mask_.IsDividerAt(p)) {
                ++p;
                continue;
            }
            if (!mask_.Accepts(c, p, t, blankChar_)) {
                refused = true;
                break;
            }
            t[p++] = c;
        }
        if (refused || !KindAccepts(t == EmptyText() ? QString() : t, message, false)) {
            if (message.isEmpty())
                QApplication::beep();
            else
                Error(message);
            return;
        }
        selectAll();
        insert(t);
        SelectAt(p);
        return;
    }
    QString result = text();
    if (hasSelectedText())
        result.replace(selectionStart(), selectedText().size(), clip);
    else
        result.insert(cursorPosition(), clip);
    // Nothing is cut off silently: a paste beyond MaxLength is refused as a whole.
    if ((MaxLength() > 0 && result.size() > MaxLength()) || FractionTooLong(result)) {
        QApplication::beep();
        return;
    }
    if (!KindAccepts(result, message, true)) {
        Error(message);
        return;
    }
    insert(clip);
}

// Leaving

QString TvexoCustomEdit::ExitError() const {
    const QString t = text();
    const TMaskFormats formats(useMask_, Mask(), valueKind_);
    bool error = false;
    TDateTime value = 0;
    switch (valueKind_) {
    case vkString:
        break;
    case vkInteger:
        WStrToInt(t, error);
        return error ? EditMessages::EnterInteger : QString();
    case vkFloat:
        WStrToFloat(t, error);
        return error ? EditMessages::EnterFloat : QString();
    case vkDate:
        return IsNullDate(t) || TryStrToDate(t, value) ? QString() : EditMessages::EnterDate;
    case vkTime:
        return TryStrToTime(t, value) ? QString() : EditMessages::EnterTime;
    case vkDateTime:
        return IsNullDate(t) || TryStrToDateTime(t, value) ? QString()
                                                           : EditMessages::EnterDateTime;
    }
    return {};
}

void TvexoCustomEdit::DoEnter() {
    // OnModify reports against the value the edit had when it got the focus, and a refused
    // value falls back to it.
    SaveAll();
    TvexoFlatEdit::DoEnter();
}

void TvexoCustomEdit::DoExit() {
    if (button_ != nullptr && QApplication::focusWidget() == button_)
        return;
    if ((!mayBeEmpty_ || !text().isEmpty()) && text() != EmptyText()) {
        const QString error = ExitError();
        if (!error.isEmpty()) {
            RestoreAll();
            Error(error);
            SetFocus();
            return;
        }
    }
    QString changed = text();
    for (int i = 0; i < toChars_.size() && i < fromChars_.size(); ++i)
        changed = ChangeChars(changed, fromChars_.at(i), toChars_.at(i));
    if (changed != text())
        setText(changed);
    bool allow = mayBeEmpty_ || !text().isEmpty();
    if (CanExit)
        CanExit(this, allow);
    if (allow || ComponentState().testFlag(csDesigning)) {
        TvexoFlatEdit::DoExit();
        if (text() != savedText_)
            ModifyEvent();
        update();
    } else {
        Error(EditMessages::EmptyValue);
        SetFocus();
    }
}

// Display

QString TvexoCustomEdit::GetDisplayText() {
    const QString t = text();
    QString result = t;
    // Silent conversions: painting never reports.
    bool error = false;
    if (DisplayFormat().isEmpty()) {
        if (roundValue_ && valueKind_ == vkInteger) {
            const int value = WStrToInt(t, error);
            if (!error)
                result = IntToStr(qint64(std::trunc(WRound(value, roundDigits_))));
        } else if (roundValue_ && valueKind_ == vkFloat) {
            const double value = WStrToFloat(t, error);
            if (!error)
                result = FloatToStr(WRound(value, roundDigits_));
        }
    } else {
        const TMaskFormats formats(useMask_, Mask(), valueKind_);
        try {
            switch (valueKind_) {
            case vkString:
                result = FormatMaskText(DisplayFormat(), t);
                break;
            case vkInteger:
                result =
                    FormatFloat(DisplayFormat(),
                                roundValue_ ? std::trunc(WRound(StrToIntDef(t, 0), roundDigits_))
                                            : double(StrToInt(t)));
                break;
            case vkFloat:
                result =
                    FormatFloat(DisplayFormat(),
                                roundValue_ ? WRound(StrToFloat(t), roundDigits_) : StrToFloat(t));
                break;
            case vkDate:
                result = FormatDateTime(DisplayFormat(), StrToDate(t));
                break;
            case vkTime:
                result = FormatDateTime(DisplayFormat(), StrToTime(t));
                break;
            case vkDateTime:
                result = FormatDateTime(DisplayFormat(), StrToDateTime(t));
                break;
            }
        } catch (const Exception&) {
            result = t;
        }
    }
    if (!PasswordChar().isNull())
        result = QString(result.size(), PasswordChar());
    DoGetDisplayText(result);
    return result;
}

bool TvexoCustomEdit::DrawAnotherStyle(TCanvas& canvas, const TRect& r) {
    if (editStyle_ == weNormal)
        return false;
    canvas.Brush.Color = clBtnFace;
    canvas.Brush.Style = bsSolid;
    canvas.FillRect(Rect(r.Left - 1, r.Top - 1, r.Left + 1, r.Bottom - 1));
    canvas.FillRect(Rect(r.Left - 1, r.Top - 1, r.Right - 1, r.Top + 2));
    canvas.FillRect(Rect(r.Right - 1, r.Top - 1, r.Right + 1, r.Bottom - 1));
    TRect line = Rect(r.Left, r.Bottom - 2, r.Right, r.Bottom);
    if (Hot())
        DCFrame3D(canvas, line, shadow_, highLight_, 1);
    else
        DCFrame3D(canvas, line, highLight_, shadow_, 1);
    return true;
}

// The right-hand button

TvexoBitBtn* TvexoCustomEdit::RightButton() const {
    return button_;
}

void TvexoCustomEdit::SetRightControl(bool value) {
    if (value == rightControl_)
        return;
    rightControl_ = value;
    if (value)
        CreateRightControl();
    else
        DestroyRightControl();
}

void TvexoCustomEdit::CreateRightControl() {
    if (!rightControl_ || button_ == nullptr)
        return;
    if (button_->parentWidget() != parentWidget())
        button_->setParent(parentWidget());
    SetRightControlPosition();
    const bool shared = valueKind_ != vkString;
    button_->SetImages(shared ? EditImages() : nullptr);
    if (shared)
        button_->SetImageIndex(valueKind_ == vkInteger || valueKind_ == vkFloat ? 0
                               : valueKind_ == vkTime                           ? 4
                                                                                : 2);
    button_->SetNumGlyphs(2);
    button_->SetEnabled(Enabled());
    button_->setVisible(Visible() && parentWidget() != nullptr);
}

void TvexoCustomEdit::DestroyRightControl() {
    if (button_ != nullptr)
        button_->setVisible(false);
}

void TvexoCustomEdit::UpdateRightControl() {
    if (parentWidget() == nullptr)
        return;
    SetRightControl(false);
    SetRightControl(true);
}

void TvexoCustomEdit::SetRightControlPosition() {
    if (button_ != nullptr)
        button_->SetBounds(Left() + Width() + 2, Top(), Height(), Height());
}

void TvexoCustomEdit::SetBounds(int left, int top, int width, int height) {
    TvexoFlatEdit::SetBounds(left, top, width, height);
    if (rightControl_)
        SetRightControlPosition();
}

QString TvexoCustomEdit::BtnHint() const {
    return button_ != nullptr ? button_->Hint() : QString();
}

void TvexoCustomEdit::SetBtnHint(const QString& hint) {
    if (button_ != nullptr)
        button_->SetHint(hint);
}

const TBitmap& TvexoCustomEdit::BtnGlyph() const {
    static const TBitmap none;
    return button_ != nullptr ? button_->Glyph() : none;
}

void TvexoCustomEdit::SetBtnGlyph(const TBitmap* glyph) {
    if (button_ != nullptr)
        button_->SetGlyph(glyph);
}

int TvexoCustomEdit::BtnNumGlyphs() const {
    return button_ != nullptr ? button_->NumGlyphs() : 1;
}

void TvexoCustomEdit::SetBtnNumGlyphs(int value) {
    if (button_ != nullptr)
        button_->SetNumGlyphs(value);
}

TImageList* TvexoCustomEdit::Images() const {
    if (button_ == nullptr || button_->Images() == EditImages())
        return nullptr;
    return button_->Images();
}

void TvexoCustomEdit::SetImages(TImageList* images) {
    if (button_ != nullptr)
        button_->SetImages(images);
}

int TvexoCustomEdit::ImageIndex() const {
    return Images() == nullptr ? -1 : button_->ImageIndex();
}

void TvexoCustomEdit::SetImageIndex(int index) {
    if (button_ != nullptr)
        button_->SetImageIndex(index);
}

void TvexoCustomEdit::DoRightClick(QObject*) {
    if (valueKind_ != vkString) {
        // The start value is read silently: an empty or unfinished edit opens the dialog at
        // 0 (numbers) or now (dates and times) instead of first showing an error box.
        double value = [this] {
            const TMaskFormats formats(useMask_, Mask(), valueKind_);
            const QString t = useMask_ && text() == EmptyText() ? QString() : text();
            bool error = false;
            TDateTime read = 0;
            switch (valueKind_) {
            case vkInteger:
                return double(WStrToInt(t, error));
            case vkFloat:
                return WStrToFloat(t, error);
            case vkDate:
                return !IsNullDate(t) && TryStrToDate(t, read) ? std::trunc(read) : Date();
            case vkTime:
                return TryStrToTime(t, read) ? read - std::trunc(read) : Time();
            default:
                return !IsNullDate(t) && TryStrToDateTime(t, read) ? read : Now();
            }
        }();
        if (RunValueDialog(valueKind_, centerDialog_ ? nullptr : this, this, value)) {
            switch (valueKind_) {
            case vkInteger:
                SetInteger(Round(value));
                break;
            case vkFloat:
                SetFloat(value);
                break;
            case vkDate:
                SetDate(value);
                break;
            case vkTime:
                SetTime(value);
                break;
            default:
                SetDateTime(value);
                break;
            }
        }
    }
    SetFocus();
    if (OnRightClick)
        OnRightClick(this);
}

// The edit's own menu goes through the checks of the keys: its paste is the checked paste, and
// cut and delete keep a masked edit's dividers and positions.
void TvexoCustomEdit::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    QLineEdit* self = this;
    for (QAction* action : menu->actions()) {
        // Told by the toolkit's own (translated) captions, shortcut text aside.
        const QString caption = action->text().section(QLatin1Char('\t'), 0, 0);
        std::function<void()> checked;
        if (caption == QLineEdit::tr("&Paste"))
            checked = [this] { Paste(); };
        else if (caption == QLineEdit::tr("Cu&t"))
            checked = [this] { Cut(); };
        else if (caption == QLineEdit::tr("Delete") && useMask_)
            checked = [this] { BlankSelection(); };
        if (checked) {
            QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
            QObject::connect(action, &QAction::triggered, self, checked);
        }
    }
    menu->exec(event->globalPos());
}

// Component

void TvexoCustomEdit::Loaded() {
    TvexoFlatEdit::Loaded();
    if (autoFill_)
        FillNow();
    SetBounds(Left(), Top(), Width(), Height());
    if (rightControl_)
        CreateRightControl();
}

void TvexoCustomEdit::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && sound_ != nullptr && component == sound_)
        sound_ = nullptr;
    TvexoFlatEdit::Notification(component, operation);
}

void TvexoCustomEdit::EnabledChanged() {
    TvexoFlatEdit::EnabledChanged();
    if (button_ != nullptr)
        button_->SetEnabled(Enabled());
}

void TvexoCustomEdit::VisibleChanged() {
    TvexoFlatEdit::VisibleChanged();
    if (button_ != nullptr)
        button_->setVisible(rightControl_ && Visible() && parentWidget() != nullptr);
}

} // namespace vexo
