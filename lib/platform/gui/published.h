#pragma once
// Publishing a control's inherited properties and events, as a framework class re-declares
// them in its published section. Put VEXO_CONTROL (what every control publishes) after
// VEXO_COMPONENT, then one line per inherited property or event the class publishes:
//
//     class TvexoGauge : public TGraphicControl {
//         Q_OBJECT
//         VEXO_COMPONENT
//         VEXO_CONTROL
//         ...own properties...
//         VEXO_PUBLISH_ALIGN
//         VEXO_PUBLISH_ONCLICK
//
// Each line records the framework's stream default where it has one. Events are properties of
// kind tkMethod (their TEvent types); the handlers are the control's On... members.

// Every control: its bounds, cursor, hint and help.
#define VEXO_CONTROL                                                                               \
    Q_PROPERTY(int Left READ Left WRITE SetLeft)                                                   \
    Q_PROPERTY(int Top READ Top WRITE SetTop)                                                      \
    Q_PROPERTY(int Width READ Width WRITE SetWidth)                                                \
    Q_PROPERTY(int Height READ Height WRITE SetHeight)                                             \
    Q_CLASSINFO("Default.Cursor", "0")                                                             \
    Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)                                             \
    Q_CLASSINFO("Default.Hint", "")                                                                \
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)                                               \
    Q_CLASSINFO("Default.HelpType", "htContext")                                                   \
    Q_PROPERTY(vexo::ControlTypes::THelpType HelpType READ HelpType WRITE SetHelpType)             \
    Q_CLASSINFO("Default.HelpKeyword", "")                                                         \
    Q_PROPERTY(QString HelpKeyword READ HelpKeyword WRITE SetHelpKeyword)                          \
    Q_CLASSINFO("Default.HelpContext", "0")                                                        \
    Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)

#define VEXO_CONTROL_COLOR Q_PROPERTY(vexo::TColor Color READ Color WRITE SetColor)
#define VEXO_CONTROL_FONT Q_PROPERTY(vexo::TFont* Font READ Font WRITE SetFont)
#define VEXO_CONTROL_STATE                                                                         \
    Q_CLASSINFO("Default.Enabled", "True")                                                         \
    Q_CLASSINFO("Default.Visible", "True")                                                         \
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)                                         \
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

#define VEXO_PUBLISH_ALIGN                                                                         \
    Q_CLASSINFO("Default.Align", "alNone")                                                         \
    Q_PROPERTY(vexo::AlignmentTypes::TAlign Align READ Align WRITE SetAlign)
#define VEXO_PUBLISH_ANCHORS                                                                       \
    Q_CLASSINFO("Default.Anchors", "[akLeft,akTop]")                                               \
    Q_PROPERTY(vexo::ControlTypes::TAnchors Anchors READ Anchors WRITE SetAnchors)
#define VEXO_PUBLISH_CONSTRAINTS                                                                   \
    Q_PROPERTY(vexo::TSizeConstraints* Constraints READ Constraints WRITE SetConstraints)
#define VEXO_PUBLISH_PARENTCOLOR                                                                   \
    Q_CLASSINFO("Default.ParentColor", "True")                                                     \
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
#define VEXO_PUBLISH_PARENTFONT                                                                    \
    Q_CLASSINFO("Default.ParentFont", "True")                                                      \
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
#define VEXO_PUBLISH_SHOWHINT Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
#define VEXO_PUBLISH_PARENTSHOWHINT                                                                \
    Q_CLASSINFO("Default.ParentShowHint", "True")                                                  \
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)
#define VEXO_PUBLISH_BIDIMODE                                                                      \
    Q_PROPERTY(vexo::ControlTypes::TBiDiMode BiDiMode READ BiDiMode WRITE SetBiDiMode)
#define VEXO_PUBLISH_PARENTBIDIMODE                                                                \
    Q_CLASSINFO("Default.ParentBiDiMode", "True")                                                  \
    Q_PROPERTY(bool ParentBiDiMode READ ParentBiDiMode WRITE SetParentBiDiMode)
#define VEXO_PUBLISH_POPUPMENU                                                                     \
    Q_PROPERTY(vexo::TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu)
#define VEXO_PUBLISH_DRAGCURSOR                                                                    \
    Q_CLASSINFO("Default.DragCursor", "-12")                                                       \
    Q_PROPERTY(int DragCursor READ DragCursor WRITE SetDragCursor)
#define VEXO_PUBLISH_DRAGKIND                                                                      \
    Q_CLASSINFO("Default.DragKind", "dkDrag")                                                      \
    Q_PROPERTY(vexo::ControlTypes::TDragKind DragKind READ DragKind WRITE SetDragKind)
#define VEXO_PUBLISH_DRAGMODE                                                                      \
    Q_CLASSINFO("Default.DragMode", "dmManual")                                                    \
    Q_PROPERTY(vexo::ControlTypes::TDragMode DragMode READ DragMode WRITE SetDragMode)

// Window controls (TWinControl).
#define VEXO_PUBLISH_TABORDER Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)
#define VEXO_PUBLISH_TABSTOP Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
#define VEXO_PUBLISH_CTL3D Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)
#define VEXO_PUBLISH_PARENTCTL3D                                                                   \
    Q_CLASSINFO("Default.ParentCtl3D", "True")                                                     \
    Q_PROPERTY(bool ParentCtl3D READ ParentCtl3D WRITE SetParentCtl3D)
#define VEXO_PUBLISH_IMEMODE                                                                       \
    Q_CLASSINFO("Default.ImeMode", "imDontCare")                                                   \
    Q_PROPERTY(vexo::ControlTypes::TImeMode ImeMode READ ImeMode WRITE SetImeMode)
#define VEXO_PUBLISH_IMENAME                                                                       \
    Q_CLASSINFO("Default.ImeName", "")                                                             \
    Q_PROPERTY(QString ImeName READ ImeName WRITE SetImeName)

// Events.
#define VEXO_PUBLISH_ONCLICK Q_PROPERTY(vexo::TNotifyEvent OnClick MEMBER OnClick)
#define VEXO_PUBLISH_ONDBLCLICK Q_PROPERTY(vexo::TNotifyEvent OnDblClick MEMBER OnDblClick)
#define VEXO_PUBLISH_ONMOUSEDOWN Q_PROPERTY(vexo::TMouseEvent OnMouseDown MEMBER OnMouseDown)
#define VEXO_PUBLISH_ONMOUSEMOVE Q_PROPERTY(vexo::TMouseMoveEvent OnMouseMove MEMBER OnMouseMove)
#define VEXO_PUBLISH_ONMOUSEUP Q_PROPERTY(vexo::TMouseEvent OnMouseUp MEMBER OnMouseUp)
#define VEXO_PUBLISH_ONMOUSEENTER Q_PROPERTY(vexo::TNotifyEvent OnMouseEnter MEMBER OnMouseEnter)
#define VEXO_PUBLISH_ONMOUSELEAVE Q_PROPERTY(vexo::TNotifyEvent OnMouseLeave MEMBER OnMouseLeave)
#define VEXO_PUBLISH_ONRESIZE Q_PROPERTY(vexo::TNotifyEvent OnResize MEMBER OnResize)
#define VEXO_PUBLISH_ONCONTEXTPOPUP                                                                \
    Q_PROPERTY(vexo::TContextPopupEvent OnContextPopup MEMBER OnContextPopup)
#define VEXO_PUBLISH_ONDRAGDROP Q_PROPERTY(vexo::TDragDropEvent OnDragDrop MEMBER OnDragDrop)
#define VEXO_PUBLISH_ONDRAGOVER Q_PROPERTY(vexo::TDragOverEvent OnDragOver MEMBER OnDragOver)
#define VEXO_PUBLISH_ONSTARTDRAG Q_PROPERTY(vexo::TStartDragEvent OnStartDrag MEMBER OnStartDrag)
#define VEXO_PUBLISH_ONENDDRAG Q_PROPERTY(vexo::TEndDragEvent OnEndDrag MEMBER OnEndDrag)
#define VEXO_PUBLISH_ONSTARTDOCK Q_PROPERTY(vexo::TStartDockEvent OnStartDock MEMBER OnStartDock)
#define VEXO_PUBLISH_ONENDDOCK Q_PROPERTY(vexo::TEndDragEvent OnEndDock MEMBER OnEndDock)
#define VEXO_PUBLISH_ONENTER Q_PROPERTY(vexo::TNotifyEvent OnEnter MEMBER OnEnter)
#define VEXO_PUBLISH_ONEXIT Q_PROPERTY(vexo::TNotifyEvent OnExit MEMBER OnExit)
#define VEXO_PUBLISH_ONKEYDOWN Q_PROPERTY(vexo::TKeyEvent OnKeyDown MEMBER OnKeyDown)
#define VEXO_PUBLISH_ONKEYPRESS Q_PROPERTY(vexo::TKeyPressEvent OnKeyPress MEMBER OnKeyPress)
#define VEXO_PUBLISH_ONKEYUP Q_PROPERTY(vexo::TKeyEvent OnKeyUp MEMBER OnKeyUp)

// Groups of events, in the framework's order within each group.
#define VEXO_PUBLISH_MOUSE_EVENTS                                                                  \
    VEXO_PUBLISH_ONMOUSEDOWN                                                                       \
    VEXO_PUBLISH_ONMOUSEMOVE                                                                       \
    VEXO_PUBLISH_ONMOUSEUP
#define VEXO_PUBLISH_KEY_EVENTS                                                                    \
    VEXO_PUBLISH_ONKEYDOWN                                                                         \
    VEXO_PUBLISH_ONKEYPRESS                                                                        \
    VEXO_PUBLISH_ONKEYUP
#define VEXO_PUBLISH_DRAG_EVENTS                                                                   \
    VEXO_PUBLISH_ONDRAGDROP                                                                        \
    VEXO_PUBLISH_ONDRAGOVER                                                                        \
    VEXO_PUBLISH_ONENDDRAG                                                                         \
    VEXO_PUBLISH_ONSTARTDRAG
#define VEXO_PUBLISH_DOCK_EVENTS                                                                   \
    VEXO_PUBLISH_ONENDDOCK                                                                         \
    VEXO_PUBLISH_ONSTARTDOCK
// What the framework's standard controls publish besides their own properties.
#define VEXO_PUBLISH_COMMON                                                                        \
    VEXO_PUBLISH_ALIGN                                                                             \
    VEXO_PUBLISH_ANCHORS                                                                           \
    VEXO_PUBLISH_BIDIMODE                                                                          \
    VEXO_PUBLISH_CONSTRAINTS                                                                       \
    VEXO_PUBLISH_DRAGCURSOR                                                                        \
    VEXO_PUBLISH_DRAGKIND                                                                          \
    VEXO_PUBLISH_DRAGMODE                                                                          \
    VEXO_PUBLISH_PARENTBIDIMODE                                                                    \
    VEXO_PUBLISH_PARENTFONT                                                                        \
    VEXO_PUBLISH_PARENTSHOWHINT                                                                    \
    VEXO_PUBLISH_POPUPMENU                                                                         \
    VEXO_PUBLISH_SHOWHINT                                                                          \
    VEXO_PUBLISH_ONCONTEXTPOPUP                                                                    \
    VEXO_PUBLISH_MOUSE_EVENTS                                                                      \
    VEXO_PUBLISH_DRAG_EVENTS                                                                       \
    VEXO_PUBLISH_DOCK_EVENTS
// ... and window controls on top of that.
#define VEXO_PUBLISH_WINDOW_COMMON                                                                 \
    VEXO_PUBLISH_COMMON                                                                            \
    VEXO_PUBLISH_TABORDER                                                                          \
    VEXO_PUBLISH_TABSTOP                                                                           \
    VEXO_PUBLISH_ONENTER                                                                           \
    VEXO_PUBLISH_ONEXIT                                                                            \
    VEXO_PUBLISH_KEY_EVENTS
