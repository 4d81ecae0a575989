#pragma once
// The link of an edit or combo box to the label it lights while it has the focus.

#include <QPointer>

#include "edits/vexocustomlabel.h"

namespace vexo {

class TLightLabelLink {
public:
    explicit TLightLabelLink(TComponent* owner) : owner_(owner) {}

    // The label is held as a plain object: the removal notice comes while it is destroyed.
    TvexoCustomLabel* Get() const { return qobject_cast<TvexoCustomLabel*>(label_.data()); }
    void Set(TvexoCustomLabel* label) {
        if (label == Get())
            return;
        if (TvexoCustomLabel* old = Get())
            old->RemoveFreeNotification(owner_);
        label_ = label;
        if (label)
            label->FreeNotification(owner_);
    }
    // From the owner's Notification: forgets a removed label.
    void Removed(TComponent* component) {
        if (component != nullptr && component->Object() == label_)
            label_ = nullptr;
    }
    // Entering lights an Alive label; leaving puts any label out.
    void Enter() const {
        if (TvexoCustomLabel* label = Get(); label && label->Alive())
            label->SetLit(true);
    }
    void Exit() const {
        if (TvexoCustomLabel* label = Get())
            label->SetLit(false);
    }

private:
    TComponent* owner_;
    QPointer<QObject> label_;
};

} // namespace vexo
