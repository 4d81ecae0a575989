#include "gauge_dialogs/foldertreemodel.h"

#include <QCollator>
#include <QFile>
#include <QFileIconProvider>
#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

namespace vexo {

struct TFolderTreeModel::TNode {
    QString Name;
    QString Path; // without a trailing "/", except the root "/"
    TNode* Parent = nullptr;
    int Row = 0;
    bool Fetched = false;
    std::vector<std::unique_ptr<TNode>> Children;

    TNode* Add(const QString& name) {
        auto child = std::make_unique<TNode>();
        child->Name = name;
        child->Path = Path == QLatin1String("/") ? Path + name : Path + QLatin1Char('/') + name;
        child->Parent = this;
        child->Row = int(Children.size());
        Children.push_back(std::move(child));
        return Children.back().get();
    }
    TNode* Find(const QString& name) const {
        for (const auto& c : Children)
            if (c->Name == name)
                return c.get();
        return nullptr;
    }
};

namespace {

bool IsFolder(const QByteArray& path) {
    struct stat st {};
    return ::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The names of the visible sub-folders of `path`, in the order a file manager shows them.
QStringList SubFolders(const QString& path) {
    QStringList names;
    const QByteArray folder = QFile::encodeName(path == QLatin1String("/") ? QString() : path);
    DIR* dir = ::opendir(folder.isEmpty() ? "/" : folder.constData());
    if (dir == nullptr)
        return names; // unreadable: no sub-folders to show
    while (const dirent* e = ::readdir(dir)) {
        if (e->d_name[0] == '.') // ".", ".." and hidden entries
            continue;
        // The entry's type comes with the listing; only links and file systems that do not
        // report it need a status call, which never opens the entry.
        bool folderEntry = e->d_type == DT_DIR;
        if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN)
            folderEntry = IsFolder(folder + '/' + e->d_name);
        if (folderEntry)
            names.append(QFile::decodeName(e->d_name));
    }
    ::closedir(dir);
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::sort(names.begin(), names.end(),
              [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    return names;
}

} // namespace

TFolderTreeModel::TFolderTreeModel(QObject* parent)
    : QAbstractItemModel(parent), top_(std::make_unique<TNode>()) {
    top_->Fetched = true;
    TNode* root = top_->Add(QString());
    root->Name = QStringLiteral("/");
    root->Path = QStringLiteral("/");
    // Icons by kind only: choosing them by content would mean reading the entries.
    const QFileIconProvider icons;
    folderIcon_ = icons.icon(QAbstractFileIconProvider::Folder);
    driveIcon_ = icons.icon(QAbstractFileIconProvider::Drive);
}

TFolderTreeModel::~TFolderTreeModel() = default;

TFolderTreeModel::TNode* TFolderTreeModel::NodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<TNode*>(index.internalPointer()) : top_.get();
}

QModelIndex TFolderTreeModel::IndexOf(TNode* node) const {
    if (node == nullptr || node == top_.get())
        return QModelIndex();
    return createIndex(node->Row, 0, node);
}

QModelIndex TFolderTreeModel::index(int row, int column, const QModelIndex& parent) const {
    const TNode* p = NodeOf(parent);
    if (column != 0 || row < 0 || row >= int(p->Children.size()))
        return QModelIndex();
    return createIndex(row, 0, p->Children[std::size_t(row)].get());
}

QModelIndex TFolderTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid())
        return QModelIndex();
    return IndexOf(NodeOf(child)->Parent);
}

int TFolderTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    return int(NodeOf(parent)->Children.size());
}

int TFolderTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant TFolderTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return QVariant();
    const TNode* n = NodeOf(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return n->Name;
    case Qt::DecorationRole:
        return n->Parent == top_.get() ? driveIcon_ : folderIcon_;
    case Qt::ToolTipRole:
        return n->Path;
    default:
        return QVariant();
    }
}

bool TFolderTreeModel::hasChildren(const QModelIndex& parent) const {
    const TNode* n = NodeOf(parent);
    // Until a folder is listed it may have sub-folders; listing it settles the question.
    return !n->Fetched || !n->Children.empty();
}

bool TFolderTreeModel::canFetchMore(const QModelIndex& parent) const {
    return !NodeOf(parent)->Fetched;
}

void TFolderTreeModel::fetchMore(const QModelIndex& parent) {
    Fetch(NodeOf(parent));
}

void TFolderTreeModel::Fetch(TNode* node) {
    if (node->Fetched)
        return;
    node->Fetched = true;
    const QStringList names = SubFolders(node->Path);
    if (names.isEmpty()) {
        // The expander goes: the folder turned out to have no sub-folders.
        const QModelIndex i = IndexOf(node);
        Q_EMIT dataChanged(i, i);
        return;
    }
    beginInsertRows(IndexOf(node), 0, int(names.size()) - 1);
    for (const QString& name : names)
        node->Add(name);
    endInsertRows();
}

QModelIndex TFolderTreeModel::index(const QString& path) {
    if (!path.startsWith(QLatin1Char('/')) || !IsFolder(QFile::encodeName(path)))
        return QModelIndex();
    TNode* node = top_->Children.front().get();
    for (const QString& part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            return QModelIndex(); // only plain paths name an item
        Fetch(node);
        TNode* child = node->Find(part);
        if (child == nullptr) {
            // A hidden folder asked for by path joins its parent's items.
            const int row = int(node->Children.size());
            beginInsertRows(IndexOf(node), row, row);
            child = node->Add(part);
            endInsertRows();
        }
        node = child;
    }
    return IndexOf(node);
}

QString TFolderTreeModel::FilePath(const QModelIndex& index) const {
    return index.isValid() ? NodeOf(index)->Path : QString();
}

QString TFolderTreeModel::FileName(const QModelIndex& index) const {
    return index.isValid() ? NodeOf(index)->Name : QString();
}

} // namespace vexo
