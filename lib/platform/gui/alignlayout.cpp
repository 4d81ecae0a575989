#include "platform/gui/alignlayout_p.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>

#include "platform/gui/control.h"

namespace vexo {

TAlignLayout::TAlignLayout(QWidget* parent)
    : QObject(parent), parent_(parent), lastSize_(parent->size()) {
    parent->installEventFilter(this);
}

TAlignLayout* TAlignLayout::Of(QWidget* parent, bool create) {
    if (parent == nullptr)
        return nullptr;
    auto* layout = parent->findChild<TAlignLayout*>(QString(), Qt::FindDirectChildrenOnly);
    if (layout == nullptr && create)
        layout = new TAlignLayout(parent);
    return layout;
}

bool TAlignLayout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent_ &&
        (event->type() == QEvent::Resize || event->type() == QEvent::ChildRemoved ||
         event->type() == QEvent::LayoutDirectionChange))
        Realign();
    return false;
}

void TAlignLayout::Realign() {
    if (aligning_)
        return;
    aligning_ = true;
    TRect area = Rect(0, 0, parent_->width(), parent_->height());
    if (const TControl* owner = TControl::FromWidget(parent_)) {
        owner->AdjustClientRect(area);
    } else {
        const QRect contents = parent_->contentsRect();
        area = Bounds(contents.x(), contents.y(), contents.width(), contents.height());
    }

    QList<TControl*> children;
    for (QObject* object : parent_->children())
        if (object->isWidgetType() && !static_cast<QWidget*>(object)->isWindow())
            if (TControl* control = TControl::FromWidget(static_cast<QWidget*>(object)))
                children.append(control);
    std::stable_sort(children.begin(), children.end(), [](const TControl* a, const TControl* b) {
        return a->joinOrder_ < b->joinOrder_;
    });

    auto place = [](TControl* control, int left, int top, int width, int height) {
        control->placing_ = true;
        control->SetBounds(left, top, std::max(width, 0), std::max(height, 0));
        control->placing_ = false;
    };
    for (TAlign kind : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* control : children) {
            if (control->Align() != kind || !control->Visible())
                continue;
            const int w = area.Width(), h = area.Height();
            switch (kind) {
            case alTop:
                place(control, area.Left, area.Top, w, control->Height());
                area.Top = std::min(area.Top + control->Height(), area.Bottom);
                break;
            case alBottom:
                place(control, area.Left, area.Bottom - control->Height(), w, control->Height());
                area.Bottom = std::max(area.Bottom - control->Height(), area.Top);
                break;
            case alLeft:
                place(control, area.Left, area.Top, control->Width(), h);
                area.Left = std::min(area.Left + control->Width(), area.Right);
                break;
            case alRight:
                place(control, area.Right - control->Width(), area.Top, control->Width(), h);
                area.Right = std::max(area.Right - control->Width(), area.Left);
                break;
            default:
                place(control, area.Left, area.Top, w, h);
                break;
            }
        }
    }
    for (TControl* control : children)
        if (control->Align() == alNone)
            control->ApplyAnchors(parent_->size(), lastSize_);
    lastSize_ = parent_->size();
    aligning_ = false;
}

} // namespace vexo
