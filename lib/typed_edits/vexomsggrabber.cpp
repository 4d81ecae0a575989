#include "typed_edits/vexomsggrabber.h"

#include "platform/gui/wincontrol.h"

namespace vexo {

namespace {

TComponent* WindowOwner(TComponent* owner) {
    QObject* object = owner != nullptr ? owner->Object() : nullptr;
    if (TWinControl::FromWidget(qobject_cast<QWidget*>(object)) == nullptr)
        throw ENonWindowOwner(QStringLiteral("Owner must be a window!"));
    return owner;
}

} // namespace

TvexoMsgGrabber::TvexoMsgGrabber(TComponent* owner) : TComponentObject(WindowOwner(owner)) {
    owner_ = qobject_cast<QWidget*>(owner->Object());
    owner_->installEventFilter(this);
    connect(owner_, &QObject::destroyed, this, [this] { owner_ = nullptr; });
}

TvexoMsgGrabber::~TvexoMsgGrabber() {
    FreeHandlerHook();
}

void TvexoMsgGrabber::FreeHandlerHook() {
    if (owner_ == nullptr)
        return;
    owner_->removeEventFilter(this);
    owner_ = nullptr;
}

bool TvexoMsgGrabber::eventFilter(QObject* watched, QEvent* event) {
    if (watched != owner_ || !OnMessage)
        return false;
    TGrabbedMessage message{event, 0};
    OnMessage(this, message);
    return message.Result != 0;
}

} // namespace vexo
