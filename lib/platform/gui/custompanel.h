#pragma once
// The framework's panel base: a window control framed by an outer and an inner bevel with a
// band of BorderWidth between them, optionally a single-line border round everything, its
// face in Color and its caption centred vertically. The area its aligned children share
// leaves the frame out. It publishes nothing itself; the published classes declare what they
// show.

#include "platform/gui/customcontrol.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TCustomPanel : public TCustomControl {
    Q_OBJECT

public:
    // Colour clBtnFace, 185 x 41, outer bevel raised, no inner bevel, bevels 1 wide, no
    // band, no border, caption centred; accepts child controls.
    Q_INVOKABLE explicit TCustomPanel(vexo::TComponent* owner = nullptr);
    TCustomPanel(TComponent* owner, QWidget* parent);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    // Each setter below repaints and re-aligns the children (the frame's size changes).
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut cut);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut cut);
    // A width below 1 is taken as 1.
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    // A width below 0 is taken as 0.
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    // Stored only: the platform has no in-place activation to lock.
    bool Locked() const { return locked_; }
    void SetLocked(bool locked) { locked_ = locked; }

    // The width the frame takes on each side: border line, outer bevel, band, inner bevel.
    int FrameWidth() const;

protected:
    // The frame (PaintFrame), the face in Color, then the caption.
    void Paint() override;
    // The border line and the two bevels with the band between them round `rect`, which
    // becomes the face. Raised bevels are light above and left and dark below and right,
    // lowered ones the other way round; bvSpace is a plain band of the colour.
    void PaintFrame(TRect& rect);
    void AdjustClientRect(TRect& rect) const override;

private:
    void FrameChanged();

    QString caption_;
    TAlignment alignment_ = taCenter;
    TBevelCut bevelInner_ = bvNone;
    TBevelCut bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TBorderStyle borderStyle_ = bsNone;
    bool locked_ = false;
};

} // namespace vexo
