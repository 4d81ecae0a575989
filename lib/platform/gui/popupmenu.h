#pragma once
// A menu shown at a point of the screen: by a control's right click (its PopupMenu) or from
// code. Popup runs the menu modally, as the platform's menu tracking does, and returns when
// it closes; a chosen item's click has run by then.

#include <QPoint>
#include <QPointer>

#include "platform/gui/menu.h"

class QMenu;

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TPopupMenu : public TMenu {
    Q_OBJECT
    Q_CLASSINFO("Default.Alignment", "paLeft")
    Q_CLASSINFO("Default.AutoPopup", "True")
    Q_PROPERTY(TPopupAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool AutoPopup READ AutoPopup WRITE SetAutoPopup)
    Q_PROPERTY(vexo::TNotifyEvent OnPopup MEMBER OnPopup)

public:
    // Which edge of the menu stands at the popup point.
    enum TPopupAlignment { paLeft = 0, paRight = 1, paCenter = 2 };
    Q_ENUM(TPopupAlignment)

    Q_INVOKABLE explicit TPopupMenu(vexo::TComponent* owner = nullptr);
    ~TPopupMenu() override;

    TPopupAlignment Alignment() const { return alignment_; }
    void SetAlignment(TPopupAlignment alignment) { alignment_ = alignment; }
    // Whether a right click on a control shows the menu by itself.
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }
    // The control the menu was last shown for (set by the control before Popup).
    QObject* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(QObject* component) { popupComponent_ = component; }
    // The screen point of the last Popup.
    QPoint PopupPoint() const { return popupPoint_; }

    // OnPopup, then shows the menu at (x, y) on the screen until it closes.
    virtual void Popup(int x, int y);
    // The Qt menu that shows the items.
    QMenu* Menu() const;

    TNotifyEvent OnPopup;

private:
    TPopupAlignment alignment_ = paLeft;
    bool autoPopup_ = true;
    QPointer<QObject> popupComponent_;
    QPoint popupPoint_;
};

} // namespace vexo
