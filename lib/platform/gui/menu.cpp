#include "platform/gui/menu.h"

#include "platform/gui/shortcut.h"

namespace vexo {

namespace {

TMenuItem* FindShortCutIn(const TMenuItem* parent, int shortCut) {
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        if (!item->Visible() || !item->Enabled())
            continue;
        if (item->ShortCut() == shortCut)
            return item;
        if (TMenuItem* found = FindShortCutIn(item, shortCut))
            return found;
    }
    return nullptr;
}

} // namespace

TMenu::TMenu(TComponent* owner)
    : QObject(nullptr), TComponent(this, owner), items_(std::make_unique<TMenuItem>(nullptr)) {
    items_->menu_ = this;
    items_->EnsureSubMenu();
}

// The root item destroys the items with it, whoever owns them.
TMenu::~TMenu() {
    items_->menu_ = nullptr;
}

void TMenu::SetImages(TImageList* images) {
    if (images == images_)
        return;
    QObject::disconnect(imagesChanged_);
    images_ = images;
    if (images != nullptr)
        imagesChanged_ =
            QObject::connect(images, &TImageList::Changed, this, [this] { items_->UpdateIcon(); });
    items_->UpdateIcon();
}

TMenuItem* TMenu::FindShortCut(int key, TShiftState shift) const {
    const int shortCut = ShortCut(key, shift);
    return shortCut == 0 ? nullptr : FindShortCutIn(items_.get(), shortCut);
}

bool TMenu::IsShortCut(int key, TShiftState shift) {
    TMenuItem* item = FindShortCut(key, shift);
    if (item == nullptr)
        return false;
    item->Click();
    return true;
}

} // namespace vexo
