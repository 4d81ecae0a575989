#include "gauge_dialogs/browsefolderdialog.h"

#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace vexo {

TBrowseFolderDialog::TBrowseFolderDialog(QWidget* owner, const QString& title, const QString& root,
                                         bool statusLine)
    : QDialog(owner) {
    setObjectName(QStringLiteral("BrowseFolderDialog"));
    setWindowTitle(QStringLiteral("Browse for Folder"));
    auto* layout = new QVBoxLayout(this);

    title_ = new QLabel(title, this);
    title_->setObjectName(QStringLiteral("Title"));
    title_->setWordWrap(true);
    layout->addWidget(title_);

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setReadOnly(true);
    const QString top = root.isEmpty() ? QStringLiteral("/") : root;
    model_->setRootPath(top);

    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("FolderTree"));
    tree_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        tree_->hideColumn(column);
    tree_->header()->hide();
    tree_->setRootIndex(root.isEmpty() ? QModelIndex() : model_->index(top));
    layout->addWidget(tree_, 1);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("StatusLine"));
    status_->setVisible(statusLine);
    layout->addWidget(status_);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    OkButton()->setEnabled(false);

    connect(
        tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& current) { Q_EMIT SelectionChanged(current, PathOf(current)); });
    resize(340, 420);
}

QPushButton* TBrowseFolderDialog::OkButton() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

QString TBrowseFolderDialog::PathOf(const QModelIndex& index) const {
    if (!index.isValid())
        return QString();
    return model_->filePath(index);
}

QString TBrowseFolderDialog::SelectedPath() const {
    return PathOf(tree_->currentIndex());
}

QString TBrowseFolderDialog::SelectedDisplayName() const {
    return model_->fileName(tree_->currentIndex());
}

void TBrowseFolderDialog::SetStatusText(const QString& text) {
    status_->setText(text);
}

void TBrowseFolderDialog::SelectPath(const QString& path) {
    SelectIndex(model_->index(path));
}

void TBrowseFolderDialog::SelectIndex(const QModelIndex& index) {
    tree_->setCurrentIndex(index);
    if (index.isValid())
        tree_->scrollTo(index);
}

void TBrowseFolderDialog::SetOkEnabled(bool enabled) {
    OkButton()->setEnabled(enabled);
}

void TBrowseFolderDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!initialized_) {
        initialized_ = true;
        Q_EMIT Initialized();
    }
}

} // namespace vexo
