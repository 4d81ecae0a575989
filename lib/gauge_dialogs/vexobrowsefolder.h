#pragma once
// A non-visual component that lets the user choose a folder in a modal folder browser and
// returns it with a trailing "/". The last choice is kept in Directory and preselected the
// next time. A component: its owner frees it, and an owner that is a widget is the dialog's
// parent window.

#include <QFlags>
#include <QModelIndex>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

#include "gauge_dialogs/browsefolderdialog.h"
#include "platform/gui/control.h"
#include "platform/runtime/component.h"
#include "vexo/gauge_dialogs_export.h"

namespace vexo {

class VEXO_GAUGE_DIALOGS_EXPORT TvexoBrowseFolder : public QObject, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    Q_PROPERTY(QString Directory READ Directory WRITE SetDirectory)
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
    Q_PROPERTY(TvexoBrowseViewFlags ViewFlags READ ViewFlags WRITE SetViewFlags)
    Q_PROPERTY(bool PathInStatus READ PathInStatus WRITE SetPathInStatus)
    Q_PROPERTY(TvexoBrowseFolders RootFolder READ RootFolder WRITE SetRootFolder)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    // Each flag carries the value of the shell option it stands for. Only bvStatusText has
    // an effect here: there are no computers or printers in the tree, and every item is a
    // file-system folder.
    enum TvexoBrowseViewFlag {
        bvFileSysDirsOnly = 0x0001,
        bvDontGoBelowDomain = 0x0002,
        bvStatusText = 0x0004,
        bvFileSysAncestors = 0x0008,
        bvBrowseForComputer = 0x1000,
        bvBrowseForPrinter = 0x2000
    };
    Q_DECLARE_FLAGS(TvexoBrowseViewFlags, TvexoBrowseViewFlag)
    Q_FLAG(TvexoBrowseViewFlags)

    enum TvexoBrowseFolders {
        bfControlPanel = 0,
        bfDesktop,
        bfDesktopExpanded,
        bfDesktopDirectory,
        bfFavorites,
        bfFonts,
        bfMyComputer,
        bfNetwork,
        bfNetworkNeighborhood,
        bfPersonal,
        bfPrograms,
        bfPrinters,
        bfRecent,
        bfRecycleBin,
        bfSendto,
        bfStartMenu,
        bfStartup,
        bfTemplates
    };
    Q_ENUM(TvexoBrowseFolders)

    // Sender, the newly selected tree item, and its folder (empty when it has none).
    using TvexoChangedEvent =
        std::function<void(QObject* Sender, const QModelIndex& ItemIDList, const QString& DirName)>;

    Q_INVOKABLE explicit TvexoBrowseFolder(vexo::TComponent* owner = nullptr);

    QString Directory() const { return directory_; }
    void SetDirectory(const QString& directory) { directory_ = directory; }
    QString Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }
    TvexoBrowseViewFlags ViewFlags() const { return viewFlags_; }
    void SetViewFlags(TvexoBrowseViewFlags flags) { viewFlags_ = flags; }
    bool PathInStatus() const { return pathInStatus_; }
    void SetPathInStatus(bool show) { pathInStatus_ = show; }
    TvexoBrowseFolders RootFolder() const { return rootFolder_; }
    void SetRootFolder(TvexoBrowseFolders root) { rootFolder_ = root; }
    // The dialog window's caption, "Browse for Folder" until set: a program that speaks
    // another language gives it in that language.
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption) { caption_ = caption; }

    TNotifyEvent OnInitialized;
    TvexoChangedEvent OnChange;

    // An explicit owner window for the dialog.
    QPointer<QWidget> OwnerHandle;
    // The dialog while Execute runs, otherwise null.
    TBrowseFolderDialog* DialogHandle() const { return dialog_; }
    // Display name of the chosen item after a successful Execute.
    QString DisplayName;
    // The folder of the current selection; Directory after a successful Execute.
    QString SelectedPath;
    // There is no system image list here: always -1.
    int ImageIndex = -1;

    // Runs the modal dialog; true when the user confirmed a folder. A cancel changes nothing.
    bool Execute();
    // Builds the dialog for Execute, wired to this component, without running it; while it
    // lives it is the DialogHandle.
    std::unique_ptr<TBrowseFolderDialog> CreateDialog();
    // Takes the dialog's confirmed selection into Directory, SelectedPath and DisplayName.
    void AcceptSelection(const TBrowseFolderDialog& dialog);

    // Operations on the open dialog (nothing without one).
    void SetStatusText(const QString& text);
    void SetSelectionPIDL(const QModelIndex& item);
    // One trailing "/" is removed (the root "/" stays).
    void SetSelectionPath(const QString& path);
    void SetOKEnabled(bool enabled);

protected:
    virtual void DoInitialized();
    virtual void DoChange(const QModelIndex& item, const QString& dirName);

private:
    QWidget* OwnerWindow() const;
    void Initialized(TBrowseFolderDialog* dialog);

    QString directory_;
    QString title_;
    TvexoBrowseViewFlags viewFlags_ = TvexoBrowseViewFlags(bvFileSysDirsOnly | bvStatusText);
    bool pathInStatus_ = true;
    TvexoBrowseFolders rootFolder_ = bfDesktopExpanded;
    QString caption_ = QStringLiteral("Browse for Folder");
    TBrowseFolderDialog* dialog_ = nullptr;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TvexoBrowseFolder::TvexoBrowseViewFlags)

// The folder (with a trailing "/") that stands for a special folder here: the XDG desktop,
// documents, templates, fonts, applications, autostart and trash folders. Special folders
// with no file-system counterpart (control panel, computer, network, printers, favourites,
// recent, send-to, the whole namespace) give the empty text.
VEXO_GAUGE_DIALOGS_EXPORT QString
GetSpecialFolderLocation(TvexoBrowseFolder::TvexoBrowseFolders folder);

} // namespace vexo
