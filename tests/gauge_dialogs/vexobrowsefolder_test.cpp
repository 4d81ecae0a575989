#include "gauge_dialogs/vexobrowsefolder.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

#include "support/testdir.h"

using namespace vexo;
using B = TvexoBrowseFolder;

namespace {

QString NoSlash(QString p) {
    if (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    return p;
}

// Answers the next modal dialog once it is up.
void WhenModal(std::function<void(TBrowseFolderDialog&)> act) {
    QTimer::singleShot(0, [act] {
        auto* d = qobject_cast<TBrowseFolderDialog*>(QApplication::activeModalWidget());
        if (!d) {
            WhenModal(act);
            return;
        }
        act(*d);
    });
}

} // namespace

TEST(BrowseFolderDefaults, NewComponent) {
    TvexoBrowseFolder b;
    EXPECT_TRUE(b.Directory().isEmpty());
    EXPECT_TRUE(b.Title().isEmpty());
    EXPECT_EQ(b.ViewFlags(), B::bvFileSysDirsOnly | B::bvStatusText);
    EXPECT_TRUE(b.PathInStatus());
    EXPECT_EQ(b.RootFolder(), B::bfDesktopExpanded);
    EXPECT_EQ(b.DialogHandle(), nullptr);
    EXPECT_EQ(int(B::bvBrowseForPrinter), 0x2000);
    EXPECT_EQ(int(B::bfTemplates), 17);
}

TEST(BrowseFolderDialog, PreselectsAnExistingDirectoryAndShowsItsPath) {
    TestDir dir;
    QDir().mkpath(dir.Path() + QStringLiteral("pics"));
    TvexoBrowseFolder b;
    b.SetTitle(QStringLiteral("Открыть папку-источник"));
    b.SetDirectory(dir.Path() + QStringLiteral("pics/"));
    int initialized = 0;
    QString changedTo;
    b.OnInitialized = [&](QObject* sender) {
        EXPECT_EQ(sender, &b);
        ++initialized;
    };
    b.OnChange = [&](QObject*, const QModelIndex& item, const QString& name) {
        EXPECT_TRUE(item.isValid());
        changedTo = name;
    };
    auto d = b.CreateDialog();
    EXPECT_EQ(b.DialogHandle(), d.get());
    EXPECT_EQ(d->findChild<QLabel*>(QStringLiteral("Title"))->text(),
              QStringLiteral("Открыть папку-источник"));
    EXPECT_FALSE(d->OkButton()->isEnabled());
    d->show();
    EXPECT_EQ(initialized, 1);
    EXPECT_EQ(d->SelectedPath(), dir.Path() + QStringLiteral("pics"));
    EXPECT_EQ(changedTo, dir.Path() + QStringLiteral("pics"));
    EXPECT_EQ(b.SelectedPath, changedTo);
    EXPECT_EQ(d->StatusLine()->text(), changedTo);
    EXPECT_TRUE(d->StatusLine()->isVisibleTo(d.get()));
    EXPECT_TRUE(d->OkButton()->isEnabled());
}

TEST(BrowseFolderDialog, OkIsEnabledOnlyForASelectionWithAPath) {
    TestDir dir;
    TvexoBrowseFolder b;
    b.SetDirectory(dir.Path());
    auto d = b.CreateDialog();
    d->show();
    ASSERT_TRUE(d->OkButton()->isEnabled());
    d->Tree()->setCurrentIndex(QModelIndex());
    EXPECT_FALSE(d->OkButton()->isEnabled());
    EXPECT_TRUE(b.SelectedPath.isEmpty());
    d->SelectPath(dir.Path());
    EXPECT_TRUE(d->OkButton()->isEnabled());
}

TEST(BrowseFolderDialog, MissingDirectoryGivesNoPreselection) {
    TvexoBrowseFolder b;
    b.SetDirectory(QStringLiteral("/no/such/folder/here/"));
    auto d = b.CreateDialog();
    d->show();
    EXPECT_TRUE(d->SelectedPath().isEmpty());
    EXPECT_FALSE(d->OkButton()->isEnabled());
}

TEST(BrowseFolderDialog, StatusLineFollowsFlagsAndPathInStatus) {
    TestDir dir;
    TvexoBrowseFolder b;
    b.SetDirectory(dir.Path());
    b.SetPathInStatus(false);
    auto d = b.CreateDialog();
    d->show();
    EXPECT_TRUE(d->StatusLine()->text().isEmpty());
    TvexoBrowseFolder plain;
    plain.SetViewFlags(B::bvFileSysDirsOnly);
    auto d2 = plain.CreateDialog();
    d2->show();
    EXPECT_FALSE(d2->StatusLine()->isVisible());
}

TEST(BrowseFolderDialog, PlacedOnTheForegroundWindow) {
    QWidget owner;
    owner.setGeometry(100, 120, 400, 300);
    owner.show();
    QApplication::setActiveWindow(&owner);
    TvexoBrowseFolder b;
    b.OwnerHandle = &owner;
    auto d = b.CreateDialog();
    d->show();
    const QRect f = owner.frameGeometry();
    EXPECT_EQ(d->frameGeometry().left(), f.left() + f.width() / 2 - d->frameGeometry().width() / 2);
    EXPECT_EQ(d->frameGeometry().top(), f.top() + f.height() / 4);
}

TEST(BrowseFolderExecute, ConfirmedFolderEndsWithSeparator) {
    TestDir dir;
    QDir().mkpath(dir.Path() + QStringLiteral("out"));
    TvexoBrowseFolder b;
    b.SetDirectory(dir.Path() + QStringLiteral("out"));
    WhenModal([](TBrowseFolderDialog& d) {
        ASSERT_TRUE(d.OkButton()->isEnabled());
        QTest::mouseClick(d.OkButton(), Qt::LeftButton);
    });
    ASSERT_TRUE(b.Execute());
    EXPECT_EQ(b.Directory(), dir.Path() + QStringLiteral("out/"));
    EXPECT_EQ(b.SelectedPath, b.Directory());
    EXPECT_EQ(b.DisplayName, QStringLiteral("out"));
    EXPECT_EQ(b.DialogHandle(), nullptr);
}

TEST(BrowseFolderExecute, RootStaysASingleSeparator) {
    TvexoBrowseFolder b;
    WhenModal([](TBrowseFolderDialog& d) {
        d.SelectPath(QStringLiteral("/"));
        QTest::mouseClick(d.OkButton(), Qt::LeftButton);
    });
    ASSERT_TRUE(b.Execute());
    EXPECT_EQ(b.Directory(), QStringLiteral("/"));
}

TEST(BrowseFolderExecute, CancelChangesNothing) {
    TestDir dir;
    TvexoBrowseFolder b;
    b.SetDirectory(dir.Path());
    b.SelectedPath = QStringLiteral("before");
    WhenModal([](TBrowseFolderDialog& d) { d.reject(); });
    EXPECT_FALSE(b.Execute());
    EXPECT_EQ(b.Directory(), dir.Path());
}

TEST(BrowseFolderExecute, SelectionPathDropsOneTrailingSeparator) {
    TestDir dir;
    TvexoBrowseFolder b;
    auto d = b.CreateDialog();
    d->show();
    b.SetSelectionPath(dir.Path());
    EXPECT_EQ(d->SelectedPath(), NoSlash(dir.Path()));
}

TEST(SpecialFolders, LinuxCounterparts) {
    EXPECT_TRUE(GetSpecialFolderLocation(B::bfDesktopExpanded).isEmpty());
    EXPECT_TRUE(GetSpecialFolderLocation(B::bfControlPanel).isEmpty());
    EXPECT_TRUE(GetSpecialFolderLocation(B::bfPrinters).isEmpty());
    EXPECT_TRUE(GetSpecialFolderLocation(B::bfMyComputer).isEmpty());
    EXPECT_EQ(GetSpecialFolderLocation(B::bfPersonal),
              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/");
    EXPECT_TRUE(GetSpecialFolderLocation(B::bfStartup).endsWith(QStringLiteral("/autostart/")));
    EXPECT_TRUE(GetSpecialFolderLocation(B::bfRecycleBin).endsWith(QStringLiteral("/Trash/")));
}

TEST(SpecialFolders, UnlocatedRootShowsTheWholeTree) {
    TvexoBrowseFolder b;
    b.SetRootFolder(B::bfPrinters);
    auto d = b.CreateDialog();
    EXPECT_FALSE(d->Tree()->rootIndex().isValid());
}
