#include "platform/gui/pagecontrol.h"

#include <QMouseEvent>
#include <QTabBar>
#include <algorithm>
#include <utility>

#include "platform/gui/application.h"

namespace vexo {

TPageControl::TPageControl(TComponent* owner) : TPageControl(owner, nullptr) {}

TPageControl::TPageControl(TComponent* owner, QWidget* parent)
    : QTabWidget(VisualParent(owner, parent)),
      TWinControl(this, clBtnFace, QPalette::Window, QPalette::WindowText),
      TComponent(this, owner) {
    SetTabStop(true);
    connect(this, &QTabWidget::currentChanged, this, [this](int index) { UserChanged(index); });
    tabBar()->installEventFilter(this);
}

bool TPageControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tabBar() && event->type() == QEvent::MouseButtonPress) {
        const auto* e = static_cast<QMouseEvent*>(event);
        const int index = tabBar()->tabAt(e->position().toPoint());
        if (e->button() == Qt::LeftButton && index >= 0 && index != currentIndex()) {
            if (!CanChange())
                return true;
            changeAsked_ = true;
        }
    }
    return QTabWidget::eventFilter(watched, event);
}

TPageControl::~TPageControl() {
    // The sheets are destroyed by their owner; they belong to no page control from now on.
    for (TTabSheet* page : pages_)
        page->pageControl_ = nullptr;
}

TTabSheet* TPageControl::Pages(int index) const {
    return index >= 0 && index < pages_.size() ? pages_.at(index) : nullptr;
}

void TPageControl::InsertPage(TTabSheet* page) {
    pages_.append(page);
    page->pageControl_ = this;
    fromCode_ = true;
    addTab(page, page->Caption());
    fromCode_ = false;
    UpdateTab(page);
    shownIndex_ = currentIndex();
}

void TPageControl::RemovePage(TTabSheet* page) {
    const int index = int(pages_.indexOf(page));
    if (index < 0)
        return;
    pages_.removeAt(index);
    page->pageControl_ = nullptr;
    fromCode_ = true;
    removeTab(index);
    fromCode_ = false;
    shownIndex_ = currentIndex();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
    const int from = int(pages_.indexOf(page));
    const int to = std::clamp(index, 0, PageCount() - 1);
    if (from < 0 || from == to)
        return;
    pages_.move(from, to);
    fromCode_ = true;
    tabBar()->moveTab(from, to);
    fromCode_ = false;
    shownIndex_ = currentIndex();
}

void TPageControl::UpdateTab(const TTabSheet* page) {
    const int index = int(pages_.indexOf(page));
    if (index < 0)
        return;
    setTabText(index, page->Caption());
    setTabVisible(index, page->TabVisible());
    const bool hasImage =
        images_ && page->ImageIndex() >= 0 && page->ImageIndex() < images_->Count();
    setTabIcon(index, hasImage ? QIcon(images_->Pixmap(page->ImageIndex())) : QIcon());
}

TTabSheet* TPageControl::ActivePage() const {
    return Pages(currentIndex());
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page == nullptr || page->PageControl() == this)
        ShowIndex(page == nullptr ? -1 : int(pages_.indexOf(page)));
}

int TPageControl::ActivePageIndex() const {
    return ActivePage() == nullptr ? -1 : currentIndex();
}

void TPageControl::SetActivePageIndex(int index) {
    ShowIndex(index >= 0 && index < PageCount() ? index : -1);
}

void TPageControl::ShowIndex(int index) {
    fromCode_ = true;
    setCurrentIndex(index);
    fromCode_ = false;
    shownIndex_ = currentIndex();
}

void TPageControl::UserChanged(int index) {
    if (fromCode_ || index == shownIndex_)
        return;
    // Keys change the page before anyone can ask: a refusal turns it back.
    const bool asked = std::exchange(changeAsked_, false);
    if (!asked && !CanChange()) {
        ShowIndex(shownIndex_);
        return;
    }
    shownIndex_ = index;
    Change();
}

bool TPageControl::CanChange() {
    bool allow = true;
    if (OnChanging && !RunEventHandler([&] { OnChanging(this, allow); }))
        return false;
    return allow;
}

void TPageControl::Change() {
    if (OnChange)
        RunEventHandler([this] { OnChange(this); });
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward,
                                      bool checkTabVisible) const {
    if (pages_.isEmpty())
        return nullptr;
    int start = int(pages_.indexOf(current));
    if (start < 0)
        start = goForward ? PageCount() - 1 : 0;
    int i = start;
    do {
        i = goForward ? (i + 1) % PageCount() : (i + PageCount() - 1) % PageCount();
        TTabSheet* page = pages_.at(i);
        if (!checkTabVisible || page->TabVisible())
            return page;
    } while (i != start);
    return nullptr;
}

void TPageControl::SelectNextPage(bool goForward, bool checkTabVisible) {
    TTabSheet* page = FindNextPage(ActivePage(), goForward, checkTabVisible);
    if (page == nullptr || page == ActivePage() || !CanChange())
        return;
    ShowIndex(int(pages_.indexOf(page)));
    Change();
}

int TPageControl::IndexOfTabAt(int x, int y) const {
    const QPoint at = tabBar()->mapFrom(this, QPoint(x, y));
    return tabBar()->rect().contains(at) ? tabBar()->tabAt(at) : -1;
}

void TPageControl::SetImages(TImageList* images) {
    if (images == images_)
        return;
    QObject::disconnect(imagesChanged_);
    images_ = images;
    auto refresh = [this] {
        for (const TTabSheet* page : pages_)
            UpdateTab(page);
    };
    if (images != nullptr)
        imagesChanged_ = connect(images, &TImageList::Changed, this, refresh);
    refresh();
}

void TPageControl::SetTabPosition(TTabPosition position) {
    tabPosition_ = position;
    static constexpr QTabWidget::TabPosition positions[] = {QTabWidget::North, QTabWidget::South,
                                                            QTabWidget::West, QTabWidget::East};
    setTabPosition(positions[position]);
}

} // namespace vexo
