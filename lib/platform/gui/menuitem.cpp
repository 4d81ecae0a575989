#include "platform/gui/menuitem.h"

#include <QAction>
#include <QActionGroup>
#include <QFont>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>

#include "platform/gui/application.h"
#include "platform/gui/imagelist.h"
#include "platform/gui/menu.h"
#include "platform/image/canvas.h"

namespace vexo {

namespace {

QString StripHotkey(QString caption) {
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (caption.at(i) == QLatin1Char('&'))
            caption.remove(i, 1); // "&&" keeps the second "&"
    return caption;
}

// The picture with its bottom-left pixel's colour made transparent.
QIcon IconOf(const TBitmap& bitmap) {
    QImage image = BitmapToQImage(bitmap).convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == key)
                image.setPixel(x, y, 0);
    return QIcon(QPixmap::fromImage(image));
}

} // namespace

TMenuItem::TMenuItem(TComponent* owner)
    : QObject(nullptr), TComponent(this, owner), action_(std::make_unique<QAction>()) {
    // The menu's own shortcut handling raises short cuts (TMenu::IsShortCut); the action's
    // short cut is only shown, and taken while its menu is open.
    action_->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(action_.get(), &QAction::triggered, this, [this] {
        // QAction toggles a checkable action itself; Checked changes only through AutoCheck.
        syncing_ = true;
        action_->setChecked(checked_);
        syncing_ = false;
        Click();
    });
    QObject::connect(action_.get(), &QAction::hovered, this, [this] {
        if (!hint_.isEmpty())
            action_->showStatusText();
    });
}

TMenuItem::~TMenuItem() {
    while (!items_.isEmpty())
        delete items_.last();
    if (parent_ != nullptr)
        parent_->Detach(this);
    action_->setMenu(static_cast<QMenu*>(nullptr));
    subMenu_.reset();
}

void TMenuItem::SetCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    SyncAction();
}

void TMenuItem::SetChecked(bool checked) {
    if (checked == checked_)
        return;
    checked_ = checked;
    if (checked_ && radioItem_)
        TurnSiblingsOff();
    SyncAction();
}

void TMenuItem::SetRadioItem(bool radioItem) {
    if (radioItem == radioItem_)
        return;
    radioItem_ = radioItem;
    if (checked_ && radioItem_)
        TurnSiblingsOff();
    SyncAction();
    if (parent_)
        parent_->UpdateRadioGroups();
}

void TMenuItem::SetGroupIndex(int groupIndex) {
    if (groupIndex == groupIndex_)
        return;
    groupIndex_ = groupIndex;
    if (checked_ && radioItem_)
        TurnSiblingsOff();
    if (parent_)
        parent_->UpdateRadioGroups();
}

void TMenuItem::TurnSiblingsOff() {
    if (parent_ == nullptr)
        return;
    for (TMenuItem* sibling : parent_->items_)
        if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_ &&
            sibling->checked_) {
            sibling->checked_ = false;
            sibling->SyncAction();
        }
}

void TMenuItem::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    SyncAction();
}

void TMenuItem::SetVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    SyncAction();
}

void TMenuItem::SetDefault(bool isDefault) {
    if (isDefault == default_)
        return;
    default_ = isDefault;
    if (default_ && parent_)
        for (TMenuItem* sibling : parent_->items_)
            if (sibling != this)
                sibling->default_ = false;
    if (parent_)
        parent_->UpdateDefault();
}

void TMenuItem::SetHint(const QString& hint) {
    hint_ = hint;
    SyncAction();
}

void TMenuItem::SetShortCut(int shortCut) {
    if (shortCut == shortCut_)
        return;
    shortCut_ = shortCut;
    SyncAction();
}

void TMenuItem::SetImageIndex(int index) {
    if (index == imageIndex_)
        return;
    imageIndex_ = index;
    UpdateIcon();
}

void TMenuItem::SetBitmap(const TBitmap& bitmap) {
    bitmap_ = bitmap;
    UpdateIcon();
}

void TMenuItem::SetRightJustify(bool rightJustify) {
    if (rightJustify == rightJustify_)
        return;
    rightJustify_ = rightJustify;
    ItemsChanged();
}

void TMenuItem::SyncAction() {
    syncing_ = true;
    action_->setSeparator(IsLine());
    action_->setText(IsLine() ? QString() : caption_); // a separator with text is a heading
    action_->setCheckable(checked_ || autoCheck_ || radioItem_);
    action_->setChecked(checked_);
    action_->setEnabled(enabled_);
    action_->setVisible(visible_);
    action_->setStatusTip(hint_);
    action_->setShortcut(shortCut_ == 0 ? QKeySequence()
                                        : QKeySequence(QKeyCombination::fromCombined(shortCut_)));
    syncing_ = false;
}

void TMenuItem::UpdateIcon() {
    const TMenu* menu = GetParentMenu();
    const TImageList* images = menu != nullptr ? menu->Images() : nullptr;
    if (images != nullptr && imageIndex_ >= 0 && imageIndex_ < images->Count()) {
        QIcon icon(images->Pixmap(imageIndex_));
        icon.addPixmap(images->Pixmap(imageIndex_, false), QIcon::Disabled);
        action_->setIcon(icon);
    } else if (bitmap_.Width() > 0 && bitmap_.Height() > 0) {
        action_->setIcon(IconOf(bitmap_));
    } else {
        action_->setIcon(QIcon());
    }
    for (TMenuItem* item : items_)
        item->UpdateIcon();
}

void TMenuItem::UpdateDefault() {
    if (!subMenu_)
        return;
    QAction* defaultAction = nullptr;
    for (TMenuItem* item : items_) {
        QFont font = item->action_->font();
        font.setBold(item->default_);
        item->action_->setFont(font);
        if (item->default_)
            defaultAction = item->action_.get();
    }
    subMenu_->setDefaultAction(defaultAction);
}

void TMenuItem::UpdateRadioGroups() {
    for (QActionGroup* group : radioGroups_)
        delete group;
    radioGroups_.clear();
    QHash<int, QActionGroup*> groups;
    for (TMenuItem* item : items_) {
        if (!item->radioItem_)
            continue;
        QActionGroup*& group = groups[item->groupIndex_];
        if (group == nullptr) {
            // Exclusive only for the radio look; the items keep exclusivity themselves.
            group = new QActionGroup(this);
            group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
            radioGroups_.append(group);
        }
        group->addAction(item->action_.get());
    }
}

void TMenuItem::EnsureSubMenu() {
    if (subMenu_)
        return;
    subMenu_ = std::make_unique<QMenu>();
    subMenu_->setTitle(caption_);
    action_->setMenu(subMenu_.get());
    // An image list may have changed since the icons were made.
    QObject::connect(subMenu_.get(), &QMenu::aboutToShow, this, [this] {
        for (TMenuItem* item : items_)
            item->UpdateIcon();
    });
}

TMenuItem* TMenuItem::Items(int index) const {
    return index >= 0 && index < items_.size() ? items_.at(index) : nullptr;
}

void TMenuItem::Add(TMenuItem* item) {
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (item == nullptr || item == this)
        return;
    if (item->parent_ != nullptr)
        item->parent_->Detach(item);
    Attach(std::clamp(index, 0, Count()), item);
}

void TMenuItem::Attach(int index, TMenuItem* item) {
    EnsureSubMenu();
    QAction* before = index < items_.size() ? items_.at(index)->action_.get() : nullptr;
    items_.insert(index, item);
    item->parent_ = this;
    subMenu_->insertAction(before, item->action_.get());
    item->SyncAction();
    item->UpdateIcon();
    UpdateRadioGroups();
    UpdateDefault();
    ItemsChanged();
}

void TMenuItem::Detach(TMenuItem* item) {
    if (!items_.removeOne(item))
        return;
    item->parent_ = nullptr;
    if (subMenu_)
        subMenu_->removeAction(item->action_.get());
    UpdateRadioGroups();
    UpdateDefault();
    ItemsChanged();
}

void TMenuItem::Remove(TMenuItem* item) {
    if (item != nullptr && item->parent_ == this)
        Detach(item);
}

void TMenuItem::Delete(int index) {
    delete Items(index);
}

void TMenuItem::Clear() {
    while (!items_.isEmpty())
        delete items_.last();
}

TMenuItem* TMenuItem::Find(const QString& caption) const {
    const QString wanted = StripHotkey(caption);
    for (TMenuItem* item : items_)
        if (StripHotkey(item->caption_).compare(wanted, Qt::CaseInsensitive) == 0)
            return item;
    return nullptr;
}

int TMenuItem::MenuIndex() const {
    return parent_ == nullptr ? -1 : parent_->IndexOf(this);
}

void TMenuItem::SetMenuIndex(int index) {
    if (parent_ == nullptr)
        return;
    TMenuItem* parent = parent_;
    const int target = std::clamp(index, 0, parent->Count() - 1);
    if (target == MenuIndex())
        return;
    parent->Detach(this);
    parent->Attach(target, this);
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* item = this;
    while (item->parent_ != nullptr)
        item = item->parent_;
    return item->menu_;
}

void TMenuItem::ItemsChanged() {
    if (TMenu* menu = GetParentMenu())
        menu->ItemsChanged();
}

void TMenuItem::Click() {
    if (!enabled_)
        return;
    if (autoCheck_)
        SetChecked(!checked_);
    if (OnClick)
        RunEventHandler([this] { OnClick(this); });
}

} // namespace vexo
