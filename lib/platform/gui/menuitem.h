#pragma once
// An item of a main or popup menu: a caption with an accelerator ("&File"; "-" makes a
// separator line), a check mark or radio mark, enabled and visible states, a short cut, a
// bitmap or an image of the menu's image list, a hint, and sub-items. Each item is a
// component (owned by the form, named) and is shown through a QAction (and a QMenu for its
// sub-items) that it keeps in step with its properties.
//
// Checking a radio item unchecks the other radio items of the same GroupIndex among its
// siblings. A click (the user choosing the item, or Click from code) toggles Checked when
// AutoCheck is on and then raises OnClick; a disabled item does nothing. Destroying an item
// destroys its sub-items.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

#include "platform/image/bitmap.h"
#include "platform/runtime/component.h"
#include "platform/runtime/notifyevent.h"
#include "vexo/platform_gui_export.h"

class QAction;
class QActionGroup;
class QIcon;
class QMenu;

namespace vexo {

class TMenu;

class VEXO_PLATFORM_GUI_EXPORT TMenuItem : public QObject, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    Q_CLASSINFO("Default.AutoCheck", "False")
    Q_CLASSINFO("Default.Break", "mbNone")
    Q_CLASSINFO("Default.Caption", "")
    Q_CLASSINFO("Default.Checked", "False")
    Q_CLASSINFO("Default.Default", "False")
    Q_CLASSINFO("Default.Enabled", "True")
    Q_CLASSINFO("Default.GroupIndex", "0")
    Q_CLASSINFO("Default.HelpContext", "0")
    Q_CLASSINFO("Default.Hint", "")
    Q_CLASSINFO("Default.ImageIndex", "-1")
    Q_CLASSINFO("Default.RadioItem", "False")
    Q_CLASSINFO("Default.ShortCut", "0")
    Q_CLASSINFO("Default.Visible", "True")
    Q_PROPERTY(bool AutoCheck READ AutoCheck WRITE SetAutoCheck)
    Q_PROPERTY(TMenuBreak Break READ Break WRITE SetBreak)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
    Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(bool RadioItem READ RadioItem WRITE SetRadioItem)
    Q_PROPERTY(int ShortCut READ ShortCut WRITE SetShortCut)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(vexo::TNotifyEvent OnClick MEMBER OnClick)

public:
    enum TMenuBreak { mbNone = 0, mbBreak = 1, mbBarBreak = 2 };
    Q_ENUM(TMenuBreak)

    Q_INVOKABLE explicit TMenuItem(vexo::TComponent* owner = nullptr);
    ~TMenuItem() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool IsLine() const { return caption_ == QStringLiteral("-"); }
    bool Checked() const { return checked_; }
    // A radio item that becomes checked unchecks its group's other radio items.
    void SetChecked(bool checked);
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool autoCheck) { autoCheck_ = autoCheck; }
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool radioItem);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int groupIndex);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // The default item of its menu is shown in bold.
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    // Column breaks are recorded; the platform's menus show one column.
    TMenuBreak Break() const { return break_; }
    void SetBreak(TMenuBreak menuBreak) { break_ = menuBreak; }
    QString Hint() const { return hint_; }
    void SetHint(const QString& hint);
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }
    // A key combination (shortcut.h); 0 for none.
    int ShortCut() const { return shortCut_; }
    void SetShortCut(int shortCut);
    // An image of the menu's image list (-1 for none); it wins over Bitmap.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    // The item's own picture; its bottom-left pixel's colour is transparent.
    const TBitmap& Bitmap() const { return bitmap_; }
    void SetBitmap(const TBitmap& bitmap);
    // In a main menu's bar: stands at the right end of the bar.
    bool RightJustify() const { return rightJustify_; }
    void SetRightJustify(bool rightJustify);

    // Sub-items.
    int Count() const { return int(items_.size()); }
    TMenuItem* Items(int index) const;
    void Add(TMenuItem* item);
    // Inserts before `index` (0..Count); an item elsewhere leaves its old parent first.
    void Insert(int index, TMenuItem* item);
    // Takes the item out (it is not destroyed).
    void Remove(TMenuItem* item);
    // Destroys the sub-item at index.
    void Delete(int index);
    // Destroys every sub-item.
    void Clear();
    int IndexOf(const TMenuItem* item) const { return int(items_.indexOf(item)); }
    // The sub-item whose caption without "&" equals `caption` in any letter case.
    TMenuItem* Find(const QString& caption) const;
    TMenuItem* Parent() const { return parent_; }
    // The index among the parent's sub-items (-1 without a parent); setting it moves the item.
    int MenuIndex() const;
    void SetMenuIndex(int index);
    // The menu the item belongs to (through its parents), or none.
    TMenu* GetParentMenu() const;

    // Toggles Checked when AutoCheck is on, then OnClick; nothing when disabled.
    virtual void Click();

    // The Qt objects that show the item (the QMenu exists while it has sub-items).
    QAction* Action() const { return action_.get(); }
    QMenu* SubMenu() const { return subMenu_.get(); }

    TNotifyEvent OnClick;

private:
    friend class TMenu;

    void Attach(int index, TMenuItem* item);
    void Detach(TMenuItem* item);
    void EnsureSubMenu();
    void SyncAction();
    void UpdateIcon();
    void UpdateDefault();
    void UpdateRadioGroups();
    void TurnSiblingsOff();
    void ItemsChanged();

    QString caption_;
    bool checked_ = false;
    bool autoCheck_ = false;
    bool radioItem_ = false;
    int groupIndex_ = 0;
    bool enabled_ = true;
    bool visible_ = true;
    bool default_ = false;
    TMenuBreak break_ = mbNone;
    QString hint_;
    int helpContext_ = 0;
    int shortCut_ = 0;
    int imageIndex_ = -1;
    TBitmap bitmap_;
    bool rightJustify_ = false;

    TMenuItem* parent_ = nullptr;
    QList<TMenuItem*> items_;
    TMenu* menu_ = nullptr; // set on a menu's root item
    std::unique_ptr<QAction> action_;
    std::unique_ptr<QMenu> subMenu_;
    QList<QActionGroup*> radioGroups_;
    bool syncing_ = false;
};

} // namespace vexo
