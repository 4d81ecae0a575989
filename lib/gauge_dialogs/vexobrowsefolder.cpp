#include "gauge_dialogs/vexobrowsefolder.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include "gauge_dialogs/gaugedialogsclasses.h"
#include "platform/gui/application.h"
#include "utils/paths.h"

namespace vexo {

QString GetSpecialFolderLocation(TvexoBrowseFolder::TvexoBrowseFolders folder) {
    using B = TvexoBrowseFolder;
    auto location = [](QStandardPaths::StandardLocation l) {
        return QStandardPaths::writableLocation(l);
    };
    QString path;
    switch (folder) {
    case B::bfDesktop:
    case B::bfDesktopDirectory:
        path = location(QStandardPaths::DesktopLocation);
        break;
    case B::bfPersonal:
        path = location(QStandardPaths::DocumentsLocation);
        break;
    case B::bfFonts:
        path = location(QStandardPaths::FontsLocation);
        break;
    case B::bfPrograms:
    case B::bfStartMenu:
        // Desktop entries are what a start menu is made of.
        path = location(QStandardPaths::ApplicationsLocation);
        break;
    case B::bfStartup:
        path = location(QStandardPaths::GenericConfigLocation);
        if (!path.isEmpty())
            path += QStringLiteral("/autostart");
        break;
    case B::bfRecycleBin:
        path = location(QStandardPaths::GenericDataLocation);
        if (!path.isEmpty())
            path += QStringLiteral("/Trash");
        break;
    case B::bfTemplates:
        path = location(QStandardPaths::TemplatesLocation);
        break;
    default:
        break;
    }
    return NormalDir(path);
}

TvexoBrowseFolder::TvexoBrowseFolder(TComponent* owner)
    : QObject(nullptr), TComponent(this, owner) {
    RegisterGaugeDialogsClasses();
}

QWidget* TvexoBrowseFolder::OwnerWindow() const {
    if (OwnerHandle)
        return OwnerHandle;
    if (auto* w = Owner() ? qobject_cast<QWidget*>(Owner()->Object()) : nullptr)
        return w->window();
    return Application()->MainForm();
}

std::unique_ptr<TBrowseFolderDialog> TvexoBrowseFolder::CreateDialog() {
    QString root;
    if (rootFolder_ != bfDesktopExpanded) {
        root = GetSpecialFolderLocation(rootFolder_);
        // A special folder that cannot be located shows the whole tree.
        if (!DirectoryExists(root))
            root.clear();
        if (root.size() > 1 && root.endsWith(QLatin1Char('/')))
            root.chop(1);
    }
    auto dialog = std::make_unique<TBrowseFolderDialog>(OwnerWindow(), title_, root,
                                                        viewFlags_.testFlag(bvStatusText));
    TBrowseFolderDialog* d = dialog.get();
    d->setWindowTitle(caption_);
    dialog_ = d;
    connect(d, &QObject::destroyed, this, [this, d] {
        if (dialog_ == d)
            dialog_ = nullptr;
    });
    connect(d, &TBrowseFolderDialog::Initialized, this, [this, d] { Initialized(d); });
    connect(d, &TBrowseFolderDialog::SelectionChanged, this,
            [this](const QModelIndex& item, const QString& path) {
                SelectedPath = path;
                if (pathInStatus_)
                    SetStatusText(SelectedPath);
                SetOKEnabled(!path.isEmpty());
                DoChange(item, SelectedPath);
            });
    return dialog;
}

void TvexoBrowseFolder::Initialized(TBrowseFolderDialog* dialog) {
    dialog_ = dialog;
    // Centred horizontally on the foreground window, a quarter of its height down.
    QWidget* fg = QApplication::activeWindow();
    if (!fg || fg == dialog)
        fg = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    if (fg) {
        const QRect f = fg->frameGeometry();
        const QRect d = dialog->frameGeometry();
        dialog->move(f.left() + f.width() / 2 - d.width() / 2, f.top() + f.height() / 4);
    }
    if (DirectoryExists(directory_))
        SetSelectionPath(directory_);
    DoInitialized();
}

bool TvexoBrowseFolder::Execute() {
    auto dialog = CreateDialog();
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (accepted)
        AcceptSelection(*dialog);
    dialog.reset();
    dialog_ = nullptr;
    return accepted;
}

void TvexoBrowseFolder::AcceptSelection(const TBrowseFolderDialog& dialog) {
    directory_ = NormalDir(dialog.SelectedPath());
    SelectedPath = directory_;
    DisplayName = dialog.SelectedDisplayName();
}

void TvexoBrowseFolder::SetStatusText(const QString& text) {
    if (dialog_)
        dialog_->SetStatusText(text);
}

void TvexoBrowseFolder::SetSelectionPIDL(const QModelIndex& item) {
    if (dialog_)
        dialog_->SelectIndex(item);
}

void TvexoBrowseFolder::SetSelectionPath(const QString& path) {
    QString p = path;
    if (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    if (dialog_)
        dialog_->SelectPath(p);
}

void TvexoBrowseFolder::SetOKEnabled(bool enabled) {
    if (dialog_)
        dialog_->SetOkEnabled(enabled);
}

void TvexoBrowseFolder::DoInitialized() {
    if (OnInitialized)
        OnInitialized(this);
}

void TvexoBrowseFolder::DoChange(const QModelIndex& item, const QString& dirName) {
    if (OnChange)
        OnChange(this, item, dirName);
}

} // namespace vexo
