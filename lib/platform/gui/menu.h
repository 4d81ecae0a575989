#pragma once
// What main and popup menus share: the root item whose sub-items are the menu's items, the
// image list their ImageIndex refers to, and the framework's short-cut search.

#include <QObject>
#include <QPointer>
#include <memory>

#include "platform/gui/controltypes.h"
#include "platform/gui/imagelist.h"
#include "platform/gui/menuitem.h"
#include "platform/runtime/component.h"
#include "vexo/platform_gui_export.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TMenu : public QObject, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    Q_PROPERTY(vexo::TImageList* Images READ Images WRITE SetImages)

public:
    ~TMenu() override;

    // The root item; the menu's items are its sub-items. It belongs to no owner.
    TMenuItem* Items() const { return items_.get(); }
    TImageList* Images() const { return images_; }
    // The items' icons follow the list's changes; cleared when the list is destroyed.
    void SetImages(TImageList* images);

    // The enabled, visible item (in enabled sub-menus) whose short cut is `key` with
    // `shift`, or none.
    TMenuItem* FindShortCut(int key, TShiftState shift) const;
    // Clicks the item of that short cut; true when there was one.
    bool IsShortCut(int key, TShiftState shift);

    // Called when items were added, removed or moved anywhere in the menu.
    virtual void ItemsChanged() {}

protected:
    explicit TMenu(TComponent* owner);

private:
    std::unique_ptr<TMenuItem> items_;
    QPointer<TImageList> images_;
    QMetaObject::Connection imagesChanged_;
};

} // namespace vexo
