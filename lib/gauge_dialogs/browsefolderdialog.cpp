#include "gauge_dialogs/browsefolderdialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include "gauge_dialogs/foldertreemodel.h"

namespace vexo {

namespace {

// A one-line label whose text never decides its width: a long path is shortened in the
// middle (its start and its last folders stay) to whatever width the layout gives.
class TElidedLabel : public QLabel {
public:
    using QLabel::QLabel;

    QSize sizeHint() const override { return QSize(0, QLabel::sizeHint().height()); }
    QSize minimumSizeHint() const override { return QSize(0, QLabel::minimumSizeHint().height()); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect r = contentsRect();
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter,
                   fontMetrics().elidedText(text(), Qt::ElideMiddle, r.width()));
    }
};

} // namespace

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

    model_ = new TFolderTreeModel(this);
    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("FolderTree"));
    tree_->setModel(model_);
    tree_->header()->hide();
    tree_->setUniformRowHeights(true);
    tree_->setRootIndex(root.isEmpty() ? QModelIndex() : model_->index(root));
    layout->addWidget(tree_, 1);

    status_ = new TElidedLabel(this);
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
    return model_->FilePath(index);
}

QString TBrowseFolderDialog::SelectedPath() const {
    return PathOf(tree_->currentIndex());
}

QString TBrowseFolderDialog::SelectedDisplayName() const {
    return model_->FileName(tree_->currentIndex());
}

void TBrowseFolderDialog::SetStatusText(const QString& text) {
    status_->setText(text);
}

void TBrowseFolderDialog::SelectPath(const QString& path) {
    SelectIndex(model_->index(path));
}

void TBrowseFolderDialog::SelectIndex(const QModelIndex& index) {
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        tree_->expand(up);
    tree_->setCurrentIndex(index);
    if (!index.isValid())
        return;
    tree_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    // Before the window is laid out the view cannot know where the item will be; scroll
    // again once it is.
    QTimer::singleShot(0, tree_, [tree = tree_, item = QPersistentModelIndex(index)] {
        if (item.isValid() && tree->currentIndex() == item)
            tree->scrollTo(item, QAbstractItemView::PositionAtCenter);
    });
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
