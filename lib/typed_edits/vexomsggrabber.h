#pragma once
// The message grabber: every event sent to its owner window passes first through OnMessage,
// which may handle it (a non-zero Result) so that the window never sees it. The Linux
// counterpart of subclassing the owner's window procedure is an event filter on the owner's
// widget; the owner's destruction unhooks it.

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include "platform/runtime/component.h"
#include "platform/runtime/notifyevent.h"
#include "vexo/typed_edits_export.h"

namespace vexo {

class VEXO_TYPED_EDITS_EXPORT ENonWindowOwner : public Exception {
public:
    using Exception::Exception;
};

// An event on its way to the owner window; a non-zero Result stops it there.
struct TGrabbedMessage {
    QEvent* Event = nullptr;
    qintptr Result = 0;
};

using TvexoMessageEvent = TEvent<QObject* /*Sender*/, TGrabbedMessage& /*Message*/>;

class VEXO_TYPED_EDITS_EXPORT TvexoMsgGrabber : public TComponentObject {
    Q_OBJECT

public:
    // The owner must be a window control: ENonWindowOwner "Owner must be a window!"
    // otherwise, before anything else happens.
    Q_INVOKABLE explicit TvexoMsgGrabber(vexo::TComponent* owner);
    ~TvexoMsgGrabber() override;

    bool Hooked() const { return owner_ != nullptr; }
    // Gives the owner window its own event handling back.
    void FreeHandlerHook();

    TvexoMessageEvent OnMessage;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> owner_;
};

} // namespace vexo
