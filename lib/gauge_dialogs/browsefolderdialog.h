#pragma once
// The folder browser window: a title above a tree of folders, an optional status line, and
// OK / Cancel. It reports its first showing and every change of the selection; what to do
// then (placement, preselection, status text, enabling OK) is decided by its user.
//
// The tree lists folders only and never opens a file (TFolderTreeModel), so expanding any
// folder returns at once. The status line shortens a long path to its width instead of
// widening the window.

#include <QDialog>
#include <QModelIndex>
#include <QString>

#include "vexo/gauge_dialogs_export.h"

class QDialogButtonBox;
class QLabel;
class QPushButton;
class QTreeView;

namespace vexo {

class TFolderTreeModel;

class VEXO_GAUGE_DIALOGS_EXPORT TBrowseFolderDialog : public QDialog {
    Q_OBJECT

public:
    // `root` is the folder at the top of the tree; empty shows the whole file system.
    TBrowseFolderDialog(QWidget* owner, const QString& title, const QString& root, bool statusLine);

    QTreeView* Tree() const { return tree_; }
    TFolderTreeModel* Model() const { return model_; }
    QLabel* StatusLine() const { return status_; }
    QPushButton* OkButton() const;

    // The file-system path of an item (empty for none), without a trailing "/" except for
    // the root folder itself.
    QString PathOf(const QModelIndex& index) const;
    QString SelectedPath() const;
    QString SelectedDisplayName() const;

    void SetStatusText(const QString& text);
    // Selects the folder, opening the tree down to it and scrolling it into view.
    void SelectPath(const QString& path);
    void SelectIndex(const QModelIndex& index);
    void SetOkEnabled(bool enabled);

Q_SIGNALS:
    void Initialized();
    void SelectionChanged(const QModelIndex& index, const QString& path);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* title_ = nullptr;
    QTreeView* tree_ = nullptr;
    TFolderTreeModel* model_ = nullptr;
    QLabel* status_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    bool initialized_ = false;
};

} // namespace vexo
