#pragma once
// The framework's label base: a windowless control showing a caption, aligned horizontally
// and laid out vertically in its area, wrapped at words on request, transparent or on its
// colour, with an accelerator ("&x") that hands the focus to its FocusControl. Like the
// framework's custom classes it publishes nothing itself; the published classes declare the
// properties they show.

#include <QPointer>

#include "platform/gui/graphiccontrol.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TCustomLabel : public TGraphicControl {
    Q_OBJECT

public:
    // AutoSize on, Transparent off, ShowAccelChar on, tlTop, left-justified, no word wrap.
    Q_INVOKABLE explicit TCustomLabel(vexo::TComponent* owner = nullptr);
    TCustomLabel(TComponent* owner, QWidget* parent);

    QString Caption() const { return caption_; }
    // Repaints, and adjusts the bounds with AutoSize.
    void SetCaption(const QString& caption);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout layout);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    bool AutoSize() const { return autoSize_; }
    // Switching it on adjusts the bounds at once.
    void SetAutoSize(bool autoSize);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool show);
    // A transparent label shows what lies under it instead of filling its colour.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    // The window control that takes the focus by the caption's accelerator; cleared when it
    // is freed.
    QWidget* FocusControl() const { return focusControl_; }
    virtual void SetFocusControl(QWidget* control);
    Q_INVOKABLE bool ClickAssigned() const { return bool(OnClick); }

protected:
    // Fills the area with Color unless Transparent, then draws the caption.
    void Paint() override;
    // The caption in the canvas font into `rect` with `flags` (DT_CALCRECT measures).
    virtual void DoDrawText(TRect& rect, unsigned flags);
    // The DrawText flags of Alignment, WordWrap and ShowAccelChar.
    unsigned DrawTextFlags() const;
    // With AutoSize: the text's extent becomes the size; a right-aligned label keeps its
    // right edge, a centred one its centre. Classes with their own size rule override it.
    virtual void AdjustBounds();
    bool DialogChar(QChar ch) override;
    void FontChanged() override;
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

private:
    QString caption_;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool wordWrap_ = false;
    bool autoSize_ = true;
    bool showAccelChar_ = true;
    bool transparent_ = false;
    QPointer<QWidget> focusControl_;
};

} // namespace vexo
