#pragma once
// A multi-line edit with its text as Lines. Positions (SelStart, SelLength) count a line break
// as two characters, CR LF, as the framework's memo does, so that a position added up from
// line lengths plus 2 lands where the framework's would; CaretPos gives the row and column
// (from 0) directly. Lines.Count does not count an empty last line after a final line break.

#include <QPlainTextEdit>
#include <memory>

#include "platform/gui/wincontrol.h"
#include "platform/runtime/stringlist.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TMemo : public QPlainTextEdit,
                                       public TWinControl,
                                       public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    VEXO_CONTROL
    Q_CLASSINFO("Default.Alignment", "taLeftJustify")
    Q_PROPERTY(vexo::AlignmentTypes::TAlignment Alignment READ Alignment WRITE SetAlignment)
    VEXO_CONTROL_COLOR
    VEXO_CONTROL_FONT
    Q_PROPERTY(vexo::TStrings* Lines READ Lines WRITE SetLines)
    Q_CLASSINFO("Default.MaxLength", "0")
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_CLASSINFO("Default.ReadOnly", "False")
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_CLASSINFO("Default.ScrollBars", "ssNone")
    Q_PROPERTY(TScrollStyle ScrollBars READ ScrollBars WRITE SetScrollBars)
    Q_CLASSINFO("Default.WantReturns", "True")
    Q_PROPERTY(bool WantReturns READ WantReturns WRITE SetWantReturns)
    Q_CLASSINFO("Default.WantTabs", "False")
    Q_PROPERTY(bool WantTabs READ WantTabs WRITE SetWantTabs)
    Q_CLASSINFO("Default.WordWrap", "True")
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    VEXO_CONTROL_STATE
    VEXO_PUBLISH_PARENTCOLOR
    VEXO_PUBLISH_CTL3D
    VEXO_PUBLISH_PARENTCTL3D
    VEXO_PUBLISH_WINDOW_COMMON
    VEXO_PUBLISH_ONCLICK
    VEXO_PUBLISH_ONDBLCLICK
    Q_PROPERTY(vexo::TNotifyEvent OnChange MEMBER OnChange)

public:
    enum TScrollStyle { ssNone = 0, ssHorizontal = 1, ssVertical = 2, ssBoth = 3 };
    Q_ENUM(TScrollStyle)

    // Colour clWindow (not the parent's), a tab stop.
    Q_INVOKABLE explicit TMemo(vexo::TComponent* owner = nullptr);
    TMemo(TComponent* owner, QWidget* parent);
    ~TMemo() override;

    // The lines, a live view of the text: changing them changes the memo.
    TStrings* Lines() const { return lines_.get(); }
    void SetLines(const TStrings* lines);
    QString Text() const { return toPlainText(); }
    void SetText(const QString& text) { setPlainText(text); }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    // The most characters typing may reach (0: no limit).
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int maxLength) { maxLength_ = std::max(maxLength, 0); }
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle scrollBars);
    // Without WantReturns, Enter is a dialog key and types nothing; without WantTabs, Tab
    // moves the focus.
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool wantReturns) { wantReturns_ = wantReturns; }
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool wantTabs);
    bool WordWrap() const { return lineWrapMode() != NoWrap; }
    void SetWordWrap(bool wordWrap) { setLineWrapMode(wordWrap ? WidgetWidth : NoWrap); }

    // The selection, in framework positions (see above).
    int SelStart() const;
    void SetSelStart(int position);
    int SelLength() const;
    void SetSelLength(int length);
    QString SelText() const;
    void SetSelText(const QString& text);
    // The caret's column (X) and row (Y), from 0; a place past a line's end or past the last
    // line is taken as the nearest place there is.
    TPoint CaretPos() const;
    void SetCaretPos(TPoint pos);
    void Clear() { clear(); }
    void SelectAll() { selectAll(); }

    TNotifyEvent OnChange;

protected:
    bool WantsKey(int key, TShiftState shift) const override;
    void KeyPress(QChar& key) override;

private:
    int ToFramework(int position) const;
    int FromFramework(int position) const;

    std::unique_ptr<TStrings> lines_;
    TAlignment alignment_ = taLeftJustify;
    int maxLength_ = 0;
    TScrollStyle scrollBars_ = ssNone;
    bool wantReturns_ = true;
    bool wantTabs_ = false;
};

} // namespace vexo
