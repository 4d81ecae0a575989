#pragma once
// The library's base text edit: a line edit with a thin flat border of its own that darkens
// while the mouse is over it or it has the focus, its text aligned and, while another control
// is being edited, shown through a display mask. Enter and Esc of a single-line edit go to
// the form as dialog keys (default and cancel buttons work from it); it offers an undo
// notification, keeps its height at least what its text needs, and lights a linked label
// while it has the focus.
//
// The platform's line edit holds one line: MultiLine keeps only its effect on keys and focus
// entry (Enter and Esc are ordinary keys, entering does not select the text).

#include <QLineEdit>
#include <QPointer>
#include <memory>

#include "platform/gui/wincontrol.h"
#include "platform/image/canvas.h"
#include "vexo/edits_export.h"

namespace vexo {

class TvexoCustomLabel;
class TLightLabelLink;

using TvexoGetDisplayTextEvent = TEvent<QObject* /*Sender*/, QString& /*DisplayText*/>;

class VEXO_EDITS_EXPORT TvexoFlatEdit : public QLineEdit, public TWinControl, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    VEXO_CONTROL

public:
    // Colour clWindow, a tab stop, left-justified, single-line, HeightAuto on.
    Q_INVOKABLE explicit TvexoFlatEdit(vexo::TComponent* owner = nullptr);
    TvexoFlatEdit(TComponent* owner, QWidget* parent);
    ~TvexoFlatEdit() override;

    QString Text() const { return text(); }
    void SetText(const QString& text) { setText(text); }
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }
    // 0 means no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    // A character other than the null one hides the text (the platform's password glyph
    // stands for it).
    QChar PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(QChar ch);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool MultiLine() const { return multiLine_; }
    virtual void SetMultiLine(bool multiLine);
    QString DisplayFormat() const { return displayFormat_; }
    // An edit mask (FormatMaskText) for the text shown while not edited. A mask that cannot
    // be read raises EEditMaskError; the format and the text stay as they were.
    void SetDisplayFormat(const QString& format);
    bool HeightAuto() const { return heightAuto_; }
    // Switching it on grows a low edit to the minimum height at once.
    void SetHeightAuto(bool heightAuto);
    TvexoCustomLabel* LightLabel() const;
    void SetLightLabel(TvexoCustomLabel* label);

    // The least height that shows the text: the border's 4 pixels, the text height and 1.
    int GetMinHeight();
    // The width of a button the edit shows at its right (edits with a dialog button); none.
    virtual int ButtonWidth() const { return 0; }
    // The text shown while the edit is not the focused control: masked by DisplayFormat
    // (then through DoGetDisplayText); the text itself while it is.
    virtual QString GetDisplayText();
    // Undoes the last change of the text, then DoUndo.
    virtual void Undo();
    // Hot: the mouse is over the edit or it has the focus (enabled, in design mode).
    bool Hot() const;

    TvexoGetDisplayTextEvent OnGetDisplayText;
    TNotifyEvent OnUndo;
    TNotifyEvent OnChange;

protected:
    virtual void DoUndo();
    virtual void DoGetDisplayText(QString& text);
    // A hook for another border style: true when it drew the border itself.
    virtual bool DrawAnotherStyle(TCanvas& canvas, const TRect& rect);
    // Paints the border round `rect` onto `canvas`.
    void RedrawBorder(TCanvas& canvas, const TRect& rect);

    void paintEvent(QPaintEvent* event) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void Resize() override;
    void DoEnter() override;
    void DoExit() override;
    void KeyDown(int& key, TShiftState shift) override;
    void KeyPress(QChar& key) override;
    bool WantsKey(int key, TShiftState shift) const override;
    void Notification(TComponent* component, TOperation operation) override;
    void EnabledChanged() override;

private:
    void ApplyAlignment();
    // Inside the border.
    QRect TextArea() const;

    QString displayFormat_;
    TAlignment alignment_ = taLeftJustify;
    bool multiLine_ = false;
    bool heightAuto_ = true;
    int maxLength_ = 0;
    QChar passwordChar_;
    std::unique_ptr<TLightLabelLink> lightLabel_;
    TBitmap surface_;
};

} // namespace vexo
