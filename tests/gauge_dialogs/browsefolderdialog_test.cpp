#include "gauge_dialogs/browsefolderdialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

#include "gauge_dialogs/foldertreemodel.h"
#include "gauge_dialogs/vexobrowsefolder.h"
#include "support/testdir.h"

using namespace vexo;

namespace {

// A hang is the failure these tests look for: a watchdog turns one into a failed test
// instead of a run that never ends.
class Watchdog {
public:
    explicit Watchdog(const char* what) : what_(what) {
        thread_ = std::thread([this] {
            for (int i = 0; i < 600 && !done_; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (!done_) {
                std::fprintf(stderr, "hung: %s\n", what_);
                std::abort();
            }
        });
    }
    ~Watchdog() {
        done_ = true;
        thread_.join();
    }

private:
    const char* what_;
    std::atomic<bool> done_{false};
    std::thread thread_;
};

QStringList ChildNames(TFolderTreeModel& model, const QModelIndex& parent) {
    if (model.canFetchMore(parent))
        model.fetchMore(parent);
    QStringList names;
    for (int row = 0; row < model.rowCount(parent); ++row)
        names << model.FileName(model.index(row, 0, parent));
    return names;
}

} // namespace

TEST(FolderTree, ExpandingAFolderOfPipesAndUnreadableFilesNeverOpensThem) {
    TestDir dir;
    QDir().mkpath(dir.Path() + "sub");
    QDir().mkpath(dir.Path() + ".hidden");
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.Path() + "pipe").constData(), 0600), 0);
    dir.Write("secret", "x");
    ASSERT_EQ(::chmod(QFile::encodeName(dir.Path() + "secret").constData(), 0), 0);
    QFile::link(dir.Path() + "sub", dir.Path() + "link-to-sub");
    QFile::link(dir.Path() + "pipe", dir.Path() + "link-to-pipe");

    TBrowseFolderDialog d(nullptr, QString(), QString(), true);
    d.show();
    Watchdog watchdog("expanding a folder with a named pipe");
    const QModelIndex folder = d.Model()->index(dir.Path());
    ASSERT_TRUE(folder.isValid());
    d.Tree()->expand(folder);
    QApplication::processEvents();
    EXPECT_EQ(ChildNames(*d.Model(), folder), QStringList({"link-to-sub", "sub"}));
    EXPECT_FALSE(d.Model()
                     ->data(d.Model()->index(0, 0, folder), Qt::DecorationRole)
                     .value<QIcon>()
                     .isNull());
}

TEST(FolderTree, ProcExpandsAtOnce) {
    if (!QDir(QStringLiteral("/proc/self")).exists())
        GTEST_SKIP() << "no /proc here";
    TBrowseFolderDialog d(nullptr, QString(), QString(), true);
    d.show();
    Watchdog watchdog("expanding /proc");
    const QModelIndex proc = d.Model()->index(QStringLiteral("/proc"));
    ASSERT_TRUE(proc.isValid());
    d.Tree()->expand(proc);
    QApplication::processEvents();
    const QStringList names = ChildNames(*d.Model(), proc);
    EXPECT_TRUE(names.contains("self"));
    EXPECT_FALSE(names.contains("kmsg")); // files are never listed
}

TEST(FolderTree, PathsOfItemsAndItemsOfPaths) {
    TestDir dir;
    QDir().mkpath(dir.Path() + "a/.b/c");
    TFolderTreeModel model;
    const QModelIndex top = model.index(0, 0);
    EXPECT_EQ(model.FilePath(top), "/");
    EXPECT_EQ(model.index(QStringLiteral("/")), top);
    // A hidden folder is not listed, but asked for by path it is there.
    const QModelIndex c = model.index(dir.Path() + "a/.b/c/");
    ASSERT_TRUE(c.isValid());
    EXPECT_EQ(model.FilePath(c), dir.Path() + "a/.b/c");
    EXPECT_EQ(model.FilePath(c.parent()), dir.Path() + "a/.b");
    EXPECT_EQ(model.index(dir.Path() + "a/.b"), c.parent());
    for (const QString& bad :
         {dir.Path() + "none", QString("relative"), dir.Path() + "a/../a", QString()})
        EXPECT_FALSE(model.index(bad).isValid()) << bad.toStdString();
    EXPECT_EQ(ChildNames(model, c), QStringList());
    EXPECT_FALSE(model.hasChildren(c)); // listed, and empty
}

TEST(BrowseFolderDialog, LongStatusTextIsShortenedNotWidened) {
    TBrowseFolderDialog d(nullptr, QStringLiteral("Title"), QString(), true);
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    const int width = d.width();
    QString path;
    while (path.size() < 300)
        path += QStringLiteral("/a-folder-with-a-long-name");
    d.SetStatusText(path.left(300));
    QApplication::processEvents();
    d.layout()->activate();
    EXPECT_EQ(d.width(), width);
    EXPECT_LE(d.StatusLine()->minimumSizeHint().width(), width);
    EXPECT_EQ(d.StatusLine()->text(), path.left(300)); // the whole path is kept
    EXPECT_TRUE(d.OkButton()->geometry().right() < d.width());
}

TEST(BrowseFolderDialog, PreselectedFolderIsScrolledIntoView) {
    TestDir dir;
    for (int i = 0; i < 150; ++i)
        QDir().mkpath(dir.Path() + QStringLiteral("d%1").arg(i, 3, 10, QLatin1Char('0')));
    TvexoBrowseFolder b;
    b.SetDirectory(dir.Path() + "d140/");
    auto d = b.CreateDialog();
    d->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(d.get()));
    QApplication::processEvents();
    ASSERT_EQ(d->SelectedPath(), dir.Path() + "d140");
    const QRect item = d->Tree()->visualRect(d->Tree()->currentIndex());
    EXPECT_TRUE(d->Tree()->viewport()->rect().contains(item)) << item.y();
}

TEST(BrowseFolderDialog, CaptionIsTheComponents) {
    TvexoBrowseFolder b;
    EXPECT_EQ(b.CreateDialog()->windowTitle(), "Browse for Folder");
    b.SetCaption(QString::fromUtf8("Обзор папок"));
    EXPECT_EQ(b.CreateDialog()->windowTitle(), QString::fromUtf8("Обзор папок"));
}
