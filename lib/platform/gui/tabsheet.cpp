#include <QEvent>

#include "platform/gui/application.h"
#include "platform/gui/pagecontrol.h"

namespace vexo {

TTabSheet::TTabSheet(TComponent* owner) : TTabSheet(owner, nullptr) {}

TTabSheet::TTabSheet(TComponent* owner, QWidget* parent)
    : QWidget(VisualParent(owner, parent)),
      TWinControl(this, clBtnFace, QPalette::Window, QPalette::WindowText),
      TComponent(this, owner) {}

TTabSheet::~TTabSheet() {
    if (TPageControl* control = PageControl())
        control->RemovePage(this);
}

TPageControl* TTabSheet::PageControl() const {
    return static_cast<TPageControl*>(pageControl_.data());
}

void TTabSheet::SetPageControl(TPageControl* control) {
    if (control == PageControl())
        return;
    if (TPageControl* old = PageControl())
        old->RemovePage(this);
    if (control != nullptr)
        control->InsertPage(this);
}

void TTabSheet::SetCaption(const QString& caption) {
    caption_ = caption;
    if (TPageControl* control = PageControl())
        control->UpdateTab(this);
}

void TTabSheet::SetImageIndex(int index) {
    imageIndex_ = index;
    if (TPageControl* control = PageControl())
        control->UpdateTab(this);
}

int TTabSheet::PageIndex() const {
    const TPageControl* control = PageControl();
    return control == nullptr ? -1 : int(control->pages_.indexOf(this));
}

void TTabSheet::SetPageIndex(int index) {
    if (TPageControl* control = PageControl())
        control->MovePage(this, index);
}

int TTabSheet::TabIndex() const {
    const TPageControl* control = PageControl();
    if (control == nullptr || !tabVisible_)
        return -1;
    int index = 0;
    for (const TTabSheet* page : control->pages_) {
        if (page == this)
            return index;
        if (page->tabVisible_)
            ++index;
    }
    return -1;
}

void TTabSheet::SetTabVisible(bool visible) {
    if (visible == tabVisible_)
        return;
    tabVisible_ = visible;
    if (TPageControl* control = PageControl())
        control->UpdateTab(this);
}

bool TTabSheet::ControlEvent(QEvent* event) {
    if (event->type() == QEvent::Show && OnShow)
        RunEventHandler([this] { OnShow(this); });
    else if (event->type() == QEvent::Hide && OnHide)
        RunEventHandler([this] { OnHide(this); });
    return false;
}

} // namespace vexo
