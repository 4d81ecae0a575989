#pragma once
// The folders of the file system as a tree, for the folder browser. Only folders are listed
// (hidden ones only when asked for by path), each folder when it is first expanded. Listing
// reads directory entries and, for links and entries of unknown type, their status; it never
// opens a file, so a named pipe, a device or a kernel file such as /proc/kmsg in a folder
// cannot stall the browser. Icons are fixed per kind for the same reason.

#include <QAbstractItemModel>
#include <QIcon>
#include <QString>
#include <memory>
#include <vector>

#include "vexo/gauge_dialogs_export.h"

namespace vexo {

class VEXO_GAUGE_DIALOGS_EXPORT TFolderTreeModel : public QAbstractItemModel {
    Q_OBJECT

public:
    // The tree's top item is the root folder "/".
    explicit TFolderTreeModel(QObject* parent = nullptr);
    ~TFolderTreeModel() override;

    // The item of an existing folder (an absolute path, a trailing "/" allowed), listing its
    // ancestors as needed; invalid for anything else. A hidden folder on the way is added to
    // its parent's items.
    QModelIndex index(const QString& path);
    using QAbstractItemModel::index;
    // The folder of an item, without a trailing "/" except for the root; empty for none.
    QString FilePath(const QModelIndex& index) const;
    QString FileName(const QModelIndex& index) const;

    QModelIndex index(int row, int column,
                      const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    struct TNode;
    TNode* NodeOf(const QModelIndex& index) const;
    QModelIndex IndexOf(TNode* node) const;
    void Fetch(TNode* node);

    std::unique_ptr<TNode> top_; // holds the single root item "/"
    QIcon folderIcon_;
    QIcon driveIcon_;
};

} // namespace vexo
