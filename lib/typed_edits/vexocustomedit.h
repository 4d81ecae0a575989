#pragma once
// The typed value edit: the flat edit with a value kind (text, integer, float, date, time,
// date-and-time) that fixes its alignment, how its text is read and written as a value, how
// it is checked when the focus leaves it and which dialog its square right-hand button
// opens (the calculator for numbers, the pickers for dates and times). It adds an input mask
// of its own (inputmask.h) typed in overwrite mode, a per-character substitution table, a
// limit on decimal places, rounding for display, error reporting by sound and message box,
// an empty-value rule, and a second look that draws only an etched line under the text.
//
// Text that the kind cannot hold is refused as it is typed or pasted (with the getter's
// "It is not ..." message), so the edit keeps its last valid text; an integer beyond 32
// bits, a float that overflows or a date outside the calendar's range never wraps.

#include <QPointer>

#include "edits/vexoflatedit.h"
#include "platform/text/datetime.h"
#include "typed_edits/inputmask.h"
#include "vexo/typed_edits_export.h"

namespace vexo {

class TvexoBitBtn;
class TvexoSound;
class TBitmap;
class TImageList;

using TvexoModifyEvent = TEvent<QObject* /*Sender*/, QString /*OldValue*/, QString /*NewValue*/>;
using TvexoCanExit = TEvent<QObject* /*Sender*/, bool& /*AllowExit*/>;

// The messages of the edit.
namespace EditMessages {
inline const QString NotInteger = QStringLiteral("It is not integer number!");
inline const QString NotFloat = QStringLiteral("It is not float number!");
inline const QString NotDate = QStringLiteral("It is not date!");
inline const QString NotTime = QStringLiteral("It is not time!");
inline const QString NotDateTime = QStringLiteral("It is not date and time!");
inline const QString EnterInteger = QStringLiteral("Enter integer value!");
inline const QString EnterFloat = QStringLiteral("Enter float value!");
inline const QString EnterDate = QStringLiteral("Enter date!");
inline const QString EnterTime = QStringLiteral("Enter time!");
inline const QString EnterDateTime = QStringLiteral("Enter date and time!");
inline const QString EmptyValue = QStringLiteral("Edit value is empty!");
inline const QString MaskUse = QStringLiteral("Error of mask use");
inline const QString WrongString =
    QStringLiteral("Can not set string value! Wrong type of argument!");
inline const QString WrongInteger =
    QStringLiteral("Can not set integer value! Wrong type of argument!");
inline const QString WrongFloat =
    QStringLiteral("Can not set float value! Wrong type of argument!");
inline const QString WrongDate = QStringLiteral("Can not set date value! Wrong type of argument!");
inline const QString WrongTime = QStringLiteral("Can not set time value! Wrong type of argument!");
inline const QString WrongDateTime =
    QStringLiteral("Can not set date and time value! Wrong type of argument!");
} // namespace EditMessages

class VEXO_TYPED_EDITS_EXPORT TvexoCustomEdit : public TvexoFlatEdit {
    Q_OBJECT

public:
    enum TValueKind {
        vkString = 0,
        vkInteger = 1,
        vkFloat = 2,
        vkDate = 3,
        vkTime = 4,
        vkDateTime = 5
    };
    Q_ENUM(TValueKind)
    enum TvexoEditStyle { weNormal = 0, weFlat = 1 };
    Q_ENUM(TvexoEditStyle)
    enum TEditCharCase { ecNormal = 0, ecUpperCase = 1, ecLowerCase = 2 };
    Q_ENUM(TEditCharCase)

    // vkString, weNormal, MayBeEmpty, ShowMessage, ErrorSound "SystemAsterisk", BlankChar "_",
    // RoundDigits 2, CenterDialog; the sound is the owner form's sound component.
    Q_INVOKABLE explicit TvexoCustomEdit(vexo::TComponent* owner = nullptr);
    TvexoCustomEdit(TComponent* owner, QWidget* parent);
    ~TvexoCustomEdit() override;

    // Values. Each getter works for every kind and reports text it cannot read through Error
    // ("It is not ..."), giving 0. Each setter works only for its kind: another kind reports
    // "Can not set ... value! Wrong type of argument!" and changes nothing; an accepted one
    // calls SaveAll first.
    QString GetString() const { return text(); }
    int GetInteger();
    double GetFloat();
    TDateTime GetDate();
    TDateTime GetTime();
    TDateTime GetDateTime();
    void SetString(const QString& value);
    void SetInteger(int value);
    void SetFloat(double value);
    // With UseMask the mask serves as the date (time) format during the call.
    void SetDate(TDateTime value);
    void SetTime(TDateTime value);
    // With UseMask the mask's first word is the date format, its second the time format.
    void SetDateTime(TDateTime value);

    void SaveAll() { savedText_ = text(); }
    void RestoreAll() { setText(savedText_); }
    QString SavedText() const { return savedText_; }
    void ModifyEvent();
    void Cancel() { Undo(); }
    // With ShowMessage: the error sound, then the library's error box; otherwise nothing.
    void Error(const QString& message);

    TValueKind ValueKind() const { return valueKind_; }
    // Converts the text for the kind (0 for numbers it cannot read), sets the alignment
    // (numbers right, dates centred; not while loading), fills dates with AutoFill, and
    // remakes the right-hand button.
    void SetValueKind(TValueKind kind);
    bool MayBeEmpty() const { return mayBeEmpty_; }
    // Switching it off on an empty edit that stands on a parent reports "Edit value is
    // empty!" (unless CanExit allows it) and focuses the edit.
    void SetMayBeEmpty(bool value);
    TvexoEditStyle EditStyle() const { return editStyle_; }
    // weFlat keeps the colour and takes the parent's; weNormal takes the kept colour back.
    void SetEditStyle(TvexoEditStyle style);
    TColor HighLight() const { return highLight_; }
    void SetHighLight(TColor color);
    TColor Shadow() const { return shadow_; }
    void SetShadow(TColor color);
    // A typed FromChars[i] becomes ToChars[i] (for i within ToChars); at most 255 characters.
    QString FromChars() const { return fromChars_; }
    void SetFromChars(const QString& chars) { fromChars_ = chars.left(255); }
    QString ToChars() const { return toChars_; }
    void SetToChars(const QString& chars) { toChars_ = chars.left(255); }
    bool ShowMessage() const { return showMessage_; }
    void SetShowMessage(bool value) { showMessage_ = value; }
    TvexoSound* Sound() const;
    void SetSound(TvexoSound* sound);
    // A wave name; "#" first names a wave resource.
    QString ErrorSound() const { return errorSound_; }
    void SetErrorSound(const QString& name) { errorSound_ = name; }
    bool RoundValue() const { return roundValue_; }
    void SetRoundValue(bool value);
    int RoundDigits() const { return roundDigits_; }
    void SetRoundDigits(int digits);
    bool DirectEnter() const { return directEnter_; }
    void SetDirectEnter(bool value) { directEnter_ = value; }
    bool AutoFill() const { return autoFill_; }
    void SetAutoFill(bool value) { autoFill_ = value; }
    bool CenterDialog() const { return centerDialog_; }
    void SetCenterDialog(bool value) { centerDialog_ = value; }
    // The most digits after the decimal separator a float edit takes while typing (0: no
    // limit); negative values are 0.
    int FloatDigits() const { return floatDigits_; }
    void SetFloatDigits(int digits) { floatDigits_ = qMax(0, digits); }
    TEditCharCase CharCase() const { return charCase_; }
    // Converts the text at once; typed letters follow.
    void SetCharCase(TEditCharCase charCase);

    QString Mask() const { return mask_.Mask(); }
    // A new mask switches UseMask on (off for an empty one) and empties the edit to its
    // blank positions.
    void SetMask(const QString& mask);
    bool UseMask() const { return useMask_; }
    // Switching it on without a mask reports "Error of mask use" and leaves it off.
    void SetUseMask(bool value);
    QChar BlankChar() const { return blankChar_; }
    void SetBlankChar(QChar blank);
    // The text of the empty masked edit (empty without a mask).
    QString EmptyText() const;
    void SetEmptyText();
    bool IsDivider(QChar c) const { return mask_.IsDivider(c); }
    int AmPmMode() const { return mask_.AmPmMode(); }

    bool RightControl() const { return rightControl_; }
    void SetRightControl(bool value);
    // The square button at the right of the edit, beside it on the edit's parent.
    TvexoBitBtn* RightButton() const;
    QString BtnHint() const;
    void SetBtnHint(const QString& hint);
    const TBitmap& BtnGlyph() const;
    void SetBtnGlyph(const TBitmap* glyph);
    int BtnNumGlyphs() const;
    void SetBtnNumGlyphs(int value);
    // None and -1 while the button shows the shared glyphs of its kind.
    TImageList* Images() const;
    void SetImages(TImageList* images);
    int ImageIndex() const;
    void SetImageIndex(int index);

    void SetBounds(int left, int top, int width, int height) override;
    void SetMultiLine(bool multiLine) override;
    QString GetDisplayText() override;

    TvexoModifyEvent OnModify;
    TvexoCanExit CanExit;
    TNotifyEvent OnRightClick;

protected:
    // The right-hand button's action: the kind's dialog, the value taken on OK, the focus
    // back in the edit, then OnRightClick.
    virtual void DoRightClick(QObject* sender);
    virtual void SetRightControlPosition();
    virtual void CreateRightControl();
    virtual void DestroyRightControl();
    virtual void UpdateRightControl();

    bool DrawAnotherStyle(TCanvas& canvas, const TRect& rect) override;
    void DoEnter() override;
    void DoExit() override;
    void KeyDown(int& key, TShiftState shift) override;
    void KeyPress(QChar& key) override;
    void KeyUp(int& key, TShiftState shift) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void EnabledChanged() override;
    void VisibleChanged() override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The text positions of the mask typing.
    int Caret() const;
    void SelectAt(int pos);
    void MaskKeyDown(int& key, TShiftState shift);
    void MaskKeyPress(QChar& key);
    void BlankAt(int pos);
    // Blanks the selected input positions of a masked edit; the dividers stay.
    void BlankSelection();
    // Cut as the keys and the menu do it: a masked edit keeps its dividers and positions.
    void Cut();
    // Whether `text` is something the kind can hold while being typed (complete: as a whole
    // value, for pasted text); otherwise the kind's "It is not ..." message.
    bool KindAccepts(const QString& text, QString& message, bool complete) const;
    bool FractionTooLong(const QString& text) const;
    void Paste();
    // Validation on leaving: empty message when the text passes.
    QString ExitError() const;
    QChar CaseOf(QChar c) const;
    void FillNow();

    QString savedText_;
    TValueKind valueKind_ = vkString;
    TvexoEditStyle editStyle_ = weNormal;
    TColor savedColor_;
    TColor highLight_;
    TColor shadow_;
    QString fromChars_;
    QString toChars_;
    bool mayBeEmpty_ = true;
    bool showMessage_ = true;
    TvexoSound* sound_ = nullptr; // cleared by the free notification
    QString errorSound_ = QStringLiteral("SystemAsterisk");
    bool roundValue_ = false;
    int roundDigits_ = 2;
    bool directEnter_ = false;
    bool autoFill_ = false;
    bool centerDialog_ = true;
    int floatDigits_ = 0;
    TEditCharCase charCase_ = ecNormal;
    TInputMask mask_;
    bool useMask_ = false;
    QChar blankChar_ = QLatin1Char('_');
    bool rightControl_ = false;
    QPointer<TvexoBitBtn> button_;
};

} // namespace vexo
