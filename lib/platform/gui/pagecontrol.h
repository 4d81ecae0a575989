#pragma once
// A page control and its tab sheets (one family: each knows the other). A sheet joins a page
// control through SetPageControl and shows as one of its tabs; the page control shows one
// sheet at a time. Choosing a tab asks OnChanging (which may refuse the change) and then raises
// OnChange; choosing a page from code (ActivePage, ActivePageIndex) raises neither.

#include <QList>
#include <QPointer>
#include <QTabWidget>

#include "platform/gui/imagelist.h"
#include "platform/gui/wincontrol.h"

namespace vexo {

class TPageControl;

using TTabChangingEvent = TEvent<QObject* /*Sender*/, bool& /*AllowChange*/>;

class VEXO_PLATFORM_GUI_EXPORT TTabSheet : public QWidget, public TWinControl, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    VEXO_CONTROL
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_CLASSINFO("Default.ImageIndex", "0")
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(int PageIndex READ PageIndex WRITE SetPageIndex STORED false)
    Q_CLASSINFO("Default.TabVisible", "True")
    Q_PROPERTY(bool TabVisible READ TabVisible WRITE SetTabVisible)
    Q_PROPERTY(vexo::TPageControl* PageControl READ PageControl WRITE SetPageControl)
    VEXO_CONTROL_FONT
    VEXO_CONTROL_STATE
    VEXO_PUBLISH_PARENTFONT
    VEXO_PUBLISH_PARENTSHOWHINT
    VEXO_PUBLISH_POPUPMENU
    VEXO_PUBLISH_SHOWHINT
    VEXO_PUBLISH_ONCONTEXTPOPUP
    VEXO_PUBLISH_ONENTER
    VEXO_PUBLISH_ONEXIT
    VEXO_PUBLISH_MOUSE_EVENTS
    VEXO_PUBLISH_ONRESIZE
    Q_PROPERTY(vexo::TNotifyEvent OnShow MEMBER OnShow)
    Q_PROPERTY(vexo::TNotifyEvent OnHide MEMBER OnHide)

public:
    Q_INVOKABLE explicit TTabSheet(vexo::TComponent* owner = nullptr);
    TTabSheet(TComponent* owner, QWidget* parent);
    ~TTabSheet() override;

    TPageControl* PageControl() const;
    // Takes the sheet out of its page control and adds it as the last page of `control`
    // (none: the sheet belongs to no page control).
    void SetPageControl(TPageControl* control);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    // The place among the page control's pages (-1 without one); setting it moves the page.
    int PageIndex() const;
    void SetPageIndex(int index);
    // The place among the visible tabs, -1 while the tab is hidden.
    int TabIndex() const;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

protected:
    bool ControlEvent(QEvent* event) override;

private:
    friend class TPageControl;

    QPointer<QTabWidget> pageControl_;
    QString caption_;
    int imageIndex_ = 0;
    bool tabVisible_ = true;
};

class VEXO_PLATFORM_GUI_EXPORT TPageControl : public QTabWidget,
                                              public TWinControl,
                                              public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    VEXO_CONTROL
    Q_PROPERTY(vexo::TTabSheet* ActivePage READ ActivePage WRITE SetActivePage)
    Q_PROPERTY(int ActivePageIndex READ ActivePageIndex WRITE SetActivePageIndex STORED false)
    Q_PROPERTY(vexo::TImageList* Images READ Images WRITE SetImages)
    Q_CLASSINFO("Default.MultiLine", "False")
    Q_PROPERTY(bool MultiLine READ MultiLine WRITE SetMultiLine)
    Q_CLASSINFO("Default.TabPosition", "tpTop")
    Q_PROPERTY(TTabPosition TabPosition READ TabPosition WRITE SetTabPosition)
    Q_CLASSINFO("Default.Style", "tsTabs")
    Q_PROPERTY(TTabStyle Style READ Style WRITE SetStyle)
    VEXO_CONTROL_FONT
    VEXO_CONTROL_STATE
    VEXO_PUBLISH_WINDOW_COMMON
    Q_PROPERTY(vexo::TNotifyEvent OnChange MEMBER OnChange)
    Q_PROPERTY(vexo::TTabChangingEvent OnChanging MEMBER OnChanging)

public:
    enum TTabPosition { tpTop = 0, tpBottom = 1, tpLeft = 2, tpRight = 3 };
    Q_ENUM(TTabPosition)
    // Buttons and flat buttons are recorded; the platform shows tabs.
    enum TTabStyle { tsTabs = 0, tsButtons = 1, tsFlatButtons = 2 };
    Q_ENUM(TTabStyle)

    // A tab stop.
    Q_INVOKABLE explicit TPageControl(vexo::TComponent* owner = nullptr);
    TPageControl(TComponent* owner, QWidget* parent);
    ~TPageControl() override;

    int PageCount() const { return int(pages_.size()); }
    TTabSheet* Pages(int index) const;
    TTabSheet* ActivePage() const;
    // Shows that page (one of this control's; anything else changes nothing).
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    // -1 or an index outside the pages shows none.
    void SetActivePageIndex(int index);
    // The next (or previous) page after `current`, wrapping around, with a visible tab when
    // asked; none when there is none.
    TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
    // Moves to the next page as the user would: OnChanging may refuse, OnChange follows.
    void SelectNextPage(bool goForward, bool checkTabVisible = true);
    // The page whose tab is at (x, y), or -1.
    int IndexOfTabAt(int x, int y) const;

    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool multiLine) { multiLine_ = multiLine; }
    TTabPosition TabPosition() const { return tabPosition_; }
    void SetTabPosition(TTabPosition position);
    TTabStyle Style() const { return style_; }
    void SetStyle(TTabStyle style) { style_ = style; }

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    // OnChanging: whether the page may change now.
    virtual bool CanChange();
    // OnChange, after the user changed the page.
    virtual void Change();
    // A click on another tab asks OnChanging before the page changes.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TTabSheet;

    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void MovePage(TTabSheet* page, int index);
    void UpdateTab(const TTabSheet* page);
    void UserChanged(int index);
    void ShowIndex(int index);

    QList<TTabSheet*> pages_;
    QPointer<TImageList> images_;
    QMetaObject::Connection imagesChanged_;
    bool multiLine_ = false;
    TTabPosition tabPosition_ = tpTop;
    TTabStyle style_ = tsTabs;
    int shownIndex_ = -1;
    bool fromCode_ = false;
    bool changeAsked_ = false; // OnChanging agreed to the change under way
};

} // namespace vexo
