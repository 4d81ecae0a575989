#pragma once
// What every control of the framework shares: bounds, colour and font (each following the
// parent control while ParentColor / ParentFont is on), hints, cursor, alignment in the
// parent with anchors and size constraints, the popup menu, the drag settings, the control
// style, and the mouse events with the framework's arguments. Controls are components named by
// their QObject objectName.
//
// Constructor convention of every control: `Q_INVOKABLE explicit TX(vexo::TComponent* owner =
// nullptr)` for the class registry, and `TX(vexo::TComponent* owner, QWidget* parent)`. The
// owner frees the control; the parent shows it. Without a parent a widget owner is the parent,
// so a control created by class name with a form as owner appears on that form.
//
// Window messages of the framework become an event filter on the control's widget that calls
// the framework's virtual methods (MouseDown, Click, MouseEnter, Resize, ...); a class
// overrides those and calls the inherited one where the Part runs "the inherited handling".
// Mouse events stay with the control that gets them (they do not travel on to the parent).

#include <QPalette>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <memory>

#include "platform/gui/controlevents.h"
#include "platform/gui/controltypes.h"
#include "platform/gui/popupmenu.h"
#include "platform/gui/published.h"
#include "platform/gui/sizeconstraints.h"
#include "platform/runtime/component.h"
#include "platform/runtime/notifyevent.h"
#include "platform/runtime/types.h"
#include "platform/text/alignment.h"
#include "platform/text/font.h"
#include "vexo/platform_gui_export.h"

class QEvent;
class QObject;

namespace vexo {

class TForm;
class TAlignLayout;
class TControlEventFilter;

// The visual parent of a new control: `parent` when given, else the owner when it is a
// widget, else none.
VEXO_PLATFORM_GUI_EXPORT QWidget* VisualParent(TComponent* owner, QWidget* parent);

// The control part of a widget class, a mixin like TComponent. It comes between the Qt base
// and TComponent, so that ~TComponent frees the owned components while the whole control
// still exists. Color fills one palette role of the widget; the Font is owned by the
// control, its changes go to the widget's QFont and its colour to the text role.
class VEXO_PLATFORM_GUI_EXPORT TControl {
public:
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    // The control of a widget, or none when the widget is no framework control.
    static TControl* FromWidget(const QWidget* widget);
    QWidget* Widget() const { return widget_; }
    // The nearest enclosing control in the same window (the framework's Parent), or none.
    TControl* ParentControl() const;
    // The form the control stands on (the window when it is a TForm), or none.
    TForm* ParentForm() const;

    // Bounds in the parent's coordinates. A negative width or height is taken as 0; the
    // size constraints then apply. Changing the size aligns the children at once and raises
    // OnResize; moving or resizing an aligned control re-aligns its siblings.
    int Left() const { return widget_->x(); }
    int Top() const { return widget_->y(); }
    int Width() const { return widget_->width(); }
    int Height() const { return widget_->height(); }
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(Left(), Top(), Width(), Height()); }
    TRect ClientRect() const { return Rect(0, 0, Width(), Height()); }
    int ClientWidth() const { return Width(); }
    int ClientHeight() const { return Height(); }
    QPoint ClientToScreen(QPoint point) const { return widget_->mapToGlobal(point); }
    QPoint ScreenToClient(QPoint point) const { return widget_->mapFromGlobal(point); }

    TColor Color() const { return color_; }
    // Stores a changed colour, switches ParentColor off and fills the control's background
    // (or text field) with it; controls that follow this one's colour take it.
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    // Switching it on takes the parent control's colour at once.
    void SetParentColor(bool parentColor);
    TFont* Font() const { return font_.get(); }
    // Copies `font` into the control's font; none changes nothing. Any change of the font
    // (also through Font()->Set...) switches ParentFont off.
    void SetFont(const TFont* font);
    bool ParentFont() const { return parentFont_; }
    // Switching it on takes a copy of the parent control's font at once.
    void SetParentFont(bool parentFont);
    // The control's own flags, not those inherited from its parents.
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;
    void SetVisible(bool visible);

    // Hints (the hint text is kept apart from Qt's tool tip; see the free functions below).
    QString Hint() const;
    void SetHint(const QString& hint);
    // The effective value: the control's own, or its parent's while ParentShowHint is on.
    bool ShowHint() const;
    // Also switches ParentShowHint off.
    void SetShowHint(bool show);
    bool ParentShowHint() const;
    void SetParentShowHint(bool parentShowHint);

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    THelpType HelpType() const { return helpType_; }
    void SetHelpType(THelpType type) { helpType_ = type; }
    QString HelpKeyword() const { return helpKeyword_; }
    void SetHelpKeyword(const QString& keyword) { helpKeyword_ = keyword; }
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }

    // Aligned controls fill their parent's client area in the order top, bottom, left,
    // right, client; controls of one kind in the order they joined the parent. Hidden
    // controls take no room.
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    // Anchors of an unaligned control: the sides whose distance to the parent's edges stays
    // when the parent is resized (both sides of an axis: the control stretches; none: it
    // keeps its relative place). Measured from where the control was last put by code.
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors);
    TSizeConstraints* Constraints() const { return constraints_.get(); }
    void SetConstraints(const TSizeConstraints* constraints);

    // Right to left reverses the widget's layout direction.
    TBiDiMode BiDiMode() const;
    void SetBiDiMode(TBiDiMode mode);
    bool ParentBiDiMode() const { return parentBiDiMode_; }
    void SetParentBiDiMode(bool parentBiDiMode);

    // Shown on a right click (or the menu key) when OnContextPopup does not handle it; a
    // control without one passes the request on to its parent control. Cleared when the menu
    // is destroyed.
    TPopupMenu* PopupMenu() const;
    void SetPopupMenu(TPopupMenu* menu);

    // Drag settings: DragMode dmAutomatic starts a drag when the left button is pressed and
    // the mouse moved by the platform's drag distance (see BeginDrag). Docking is recorded
    // only; the platform offers no docking.
    TCursor DragCursor() const { return dragCursor_; }
    void SetDragCursor(TCursor cursor) { dragCursor_ = cursor; }
    TDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TDragMode mode) { dragMode_ = mode; }
    TDragKind DragKind() const { return dragKind_; }
    void SetDragKind(TDragKind kind) { dragKind_ = kind; }
    // Starts dragging this control (at once, or after the drag distance when not immediate):
    // OnStartDrag, then while the button is down OnDragOver of the control under the mouse,
    // on release OnDragDrop of that control when it accepted, then OnEndDrag.
    void BeginDrag(bool immediate);
    bool Dragging() const;

    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle style);
    // True while the control holds the mouse: from a left press (csCaptureMouse) to the
    // release, or while set explicitly.
    bool MouseCapture() const;
    void SetMouseCapture(bool capture);
    // Between mouse enter and mouse leave.
    bool MouseInControl() const { return mouseInControl_; }

    // Repaint later / now.
    void Invalidate();
    void Repaint();
    void BringToFront();
    void SendToBack();

    // The control's click, also callable from code (buttons, menus and keys do).
    virtual void Click();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;
    TContextPopupEvent OnContextPopup;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TStartDragEvent OnStartDrag;
    TEndDragEvent OnEndDrag;
    TStartDockEvent OnStartDock;
    TEndDragEvent OnEndDock;

protected:
    // `colorRole` is the role Color fills (Window roles also switch on background filling),
    // `textRole` the one the font colour sets. The Font starts as the widget's QFont, then the
    // parent control's font is taken (ParentFont starts on), and its colour too unless the
    // class keeps a colour of its own (`parentColor` false: edits and lists).
    TControl(QWidget* widget, TColor color, QPalette::ColorRole colorRole,
             QPalette::ColorRole textRole, bool parentColor = true);
    // Apply Color or Font to the widget now (forms start with their colour and the classic
    // font this way).
    void ApplyColor();
    void ApplyFont();
    // Kept for classes that pass their change events on; the control's filter already sees
    // them.
    void ControlChanged(const QEvent* event);

    // The framework's dynamic methods, each raising its event.
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // CM_MOUSEENTER / CM_MOUSELEAVE.
    virtual void MouseEnter();
    virtual void MouseLeave();
    // After the size changed and the children were aligned.
    virtual void Resize();
    virtual void DoContextPopup(QPoint mousePos, bool& handled);
    virtual void DragOver(QObject* source, int x, int y, TDragState state, bool& accept);
    virtual void DragDrop(QObject* source, int x, int y);
    virtual void DoStartDrag(TDragObject*& dragObject);
    virtual void DoEndDrag(QObject* target, int x, int y);
    // CM_COLORCHANGED / CM_FONTCHANGED, CM_ENABLEDCHANGED, CM_VISIBLECHANGED: after the change
    // took effect.
    virtual void ColorChanged() {}
    virtual void FontChanged() {}
    virtual void EnabledChanged() {}
    virtual void VisibleChanged() {}
    // CM_PARENTCOLORCHANGED / CM_PARENTFONTCHANGED: the default takes the parent control's
    // colour or font while ParentColor or ParentFont is on.
    virtual void ParentColorChanged();
    virtual void ParentFontChanged();
    // The area aligned children share, in this control's coordinates (the contents rectangle
    // of the widget by default; panels leave their bevels out).
    virtual void AdjustClientRect(TRect& rect) const;
    // CM_DIALOGKEY sent to this control: true when it used the key. The default passes it to
    // the child controls in turn.
    virtual bool DialogKey(int key, TShiftState shift);
    // CM_DIALOGCHAR, an accelerator (a character typed with Alt) offered to this control: true
    // when it used it (see IsAccel). The default passes it to the child controls in turn.
    virtual bool DialogChar(QChar ch);
    // Any event of the widget before the framework handles it; true swallows it.
    virtual bool ControlEvent(QEvent* event);

    // Lets `widget` (a viewport, an inner edit) feed this control's mouse events too.
    void AddInputWidget(QWidget* widget);
    // Aligns the child controls now.
    void Realign();
    // The nearest controls inside this one (through widgets that are no controls), in the
    // order they joined.
    QList<TControl*> ChildControls() const;

private:
    friend class TControlEventFilter;
    friend class TAlignLayout;
    friend class TWinControl;
    friend class TForm;

    bool HandleEvent(QObject* watched, QEvent* event);
    bool HandleMouse(QWidget* source, QEvent* event);
    bool HandleContextMenu(QObject* watched, QEvent* event);
    // OnContextPopup, then the popup menu, then (passOn) the parent control's; true when
    // something handled the request.
    bool ContextPopup(QPoint pos, QPoint globalPos, bool passOn);
    // Hands `event` to `target`'s own handling now (past this control's filter).
    void Redeliver(QObject* target, QEvent* event);
    void ApplyColorRole(bool fill);
    void TakeParentColor();
    void TakeParentFont();
    void NotifyChildren(void (TControl::*notify)());
    void SizeMaybeChanged();
    void ParentChanged();
    void RequestParentAlign();
    void ApplyConstraints();
    void ApplyBiDiMode();
    void NoteAnchorOrigin();
    void ApplyAnchors(QSize parentSize, QSize previousSize);
    void StartDragging();
    void DragMoved(QPoint globalPos, bool released);
    TComponent* Component() const;

    QWidget* widget_;
    std::unique_ptr<TControlEventFilter> filter_;
    TColor color_;
    QPalette::ColorRole colorRole_;
    QPalette::ColorRole textRole_;
    std::unique_ptr<TFont> font_;
    bool applying_ = false;     // our own setFont, or the Font taking the widget's QFont
    bool takingParent_ = false; // the Font is being copied from the parent control
    bool parentColor_ = true;
    bool parentFont_ = true;
    bool parentBiDiMode_ = true;
    TBiDiMode biDiMode_ = bdLeftToRight;
    TCursor cursor_ = crDefault;
    THelpType helpType_ = htContext;
    QString helpKeyword_;
    int helpContext_ = 0;
    TAlign align_ = alNone;
    TAnchors anchors_ = TAnchors(akLeft) | akTop;
    std::unique_ptr<TSizeConstraints> constraints_;
    QPointer<TPopupMenu> popupMenu_;
    TCursor dragCursor_ = crDrag;
    TDragMode dragMode_ = dmManual;
    TDragKind dragKind_ = dkDrag;
    TControlStyle controlStyle_ =
        TControlStyle(csCaptureMouse) | csClickEvents | csSetCaption | csDoubleClicks;
    bool captured_ = false;
    bool clicked_ = false;
    bool mouseInControl_ = false;
    QSize notifiedSize_{-1, -1};
    quint64 joinOrder_ = 0;
    mutable TComponent* component_ = nullptr;

    // Anchoring: where the control was put by code, and the parent's size then.
    QRect anchorOrigin_;
    QSize anchorParentSize_;
    QRect anchorApplied_;
    bool anchorKnown_ = false;
    bool placing_ = false; // bounds set by the parent's layout

    // Drag state.
    enum class TDragPhase { None, Pending, Dragging };
    TDragPhase dragPhase_ = TDragPhase::None;
    QPoint dragStart_;
    QPointer<QWidget> dragTarget_;
    bool dragAccept_ = false;
    bool redelivering_ = false; // an event handed to the widget again by the filter
};

// The hint text of a widget (kept apart from Qt's tool tip, which the framework's own hint
// window replaces). These work on any widget, forms included.
VEXO_PLATFORM_GUI_EXPORT void SetHint(QWidget* control, const QString& hint);
VEXO_PLATFORM_GUI_EXPORT QString Hint(const QWidget* control);
// ShowHint of a control; setting it also clears ParentShowHint.
VEXO_PLATFORM_GUI_EXPORT void SetShowHint(QWidget* control, bool show);
VEXO_PLATFORM_GUI_EXPORT void SetParentShowHint(QWidget* control, bool parentShowHint);
VEXO_PLATFORM_GUI_EXPORT bool ParentShowHint(const QWidget* control);
// The effective value: the control's own, or its parent's while ParentShowHint is set
// (controls start with ParentShowHint set, forms with ShowHint false).
VEXO_PLATFORM_GUI_EXPORT bool ShowHint(const QWidget* control);

// Whether `ch` is the accelerator of `caption` (the character after a single "&"), in any
// letter case.
VEXO_PLATFORM_GUI_EXPORT bool IsAccel(QChar ch, const QString& caption);

// The shift state of Qt modifiers and mouse buttons.
VEXO_PLATFORM_GUI_EXPORT TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers,
                                                  Qt::MouseButtons buttons);

} // namespace vexo
