#include "app/resultfile.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <unistd.h>

#include "batchfixture.h"
#include "platform/runtime/exception.h"
#include "support/testdir.h"

using namespace varnova;
using namespace batchtest;

TEST(ResultFile, CommitReplacesTheFinalFileAtOnce) {
    TestDir dir;
    WriteFile(dir.Path() + "r.bmp", "previous");
    TResultFile f(dir.Path() + "r.bmp");
    f.Write(QByteArray("new "));
    f.Write(QByteArray("bytes"));
    EXPECT_EQ(ReadFile(dir.Path() + "r.bmp"), "previous");
    f.Commit();
    EXPECT_EQ(ReadFile(dir.Path() + "r.bmp"), "new bytes");
    EXPECT_EQ(Entries(dir.Path()), QStringList({"r.bmp"}));
}

TEST(ResultFile, DroppedWithoutCommitLeavesNothingAndKeepsThePreviousFile) {
    TestDir dir;
    WriteFile(dir.Path() + "r.bmp", "previous");
    {
        TResultFile f(dir.Path() + "r.bmp");
        f.Write(QByteArray("partial"));
    }
    EXPECT_EQ(ReadFile(dir.Path() + "r.bmp"), "previous");
    EXPECT_EQ(Entries(dir.Path()), QStringList({"r.bmp"}));
}

TEST(ResultFile, MovedResultIsCommittedOnceAndCleanedOnce) {
    TestDir dir;
    TResultFile a(dir.Path() + "r.bmp");
    a.Write(QByteArray("x"));
    TResultFile b(std::move(a));
    EXPECT_FALSE(a.IsOpen());
    b.Commit();
    EXPECT_EQ(ReadFile(dir.Path() + "r.bmp"), "x");
}

TEST(ResultFile, FolderInTheWayOrMissingFolderIsACreateError) {
    TestDir dir;
    QDir().mkpath(dir.Path() + "r.bmp");
    TResultFile f(dir.Path() + "r.bmp");
    f.Write(QByteArray("x"));
    try {
        f.Commit();
        FAIL() << "no error";
    } catch (const vexo::EFCreateError& e) {
        EXPECT_EQ(e.Message(), "Cannot create file " + dir.Path() + "r.bmp");
    }
    EXPECT_EQ(Entries(dir.Path()), QStringList({"r.bmp"}));
    EXPECT_THROW(TResultFile(dir.Path() + "none/r.bmp"), vexo::EFCreateError);
}

// --- Temporaries left behind --------------------------------------------------------------------

namespace {

QByteArray HostName() {
    char name[256] = {};
    EXPECT_EQ(::gethostname(name, sizeof name - 1), 0);
    return QByteArray(name).replace('/', '_');
}

// The id of a process that has ended.
qint64 DeadPid() {
    QProcess p;
    p.start(QStringLiteral("true"), {});
    EXPECT_TRUE(p.waitForFinished());
    return p.processId() > 0 ? p.processId() : 999999999;
}

} // namespace

TEST(ResultFile, TemporaryNameCarriesHostAndProcessAndFitsTheNameLimit) {
    TestDir dir;
    TResultFile f(dir.Path() + "r.bmp");
    const QString name = f.TempPath().mid(dir.Path().size());
    EXPECT_EQ(
        name,
        QStringLiteral(".r.bmp.%1.%2-").arg(QString::fromLocal8Bit(HostName())).arg(::getpid()) +
            name.section('-', -1));
    EXPECT_TRUE(name.endsWith(".part"));
    // A name near the limit still gets a temporary name the system accepts.
    const QString longName = QString(120, QChar(0x0436)) + ".bmp"; // 244 bytes in UTF-8
    TResultFile g(dir.Path() + longName);
    g.Write(QByteArray("x"));
    g.Commit();
    EXPECT_EQ(ReadFile(dir.Path() + longName), "x");
}

TEST(ResultFile, DeadProcessesTemporariesOfThisMachineGoAndNothingElse) {
    TestDir dir;
    const QByteArray host = HostName();
    const QByteArray dead = QByteArray::number(DeadPid());
    const QByteArray live = QByteArray::number(qint64(::getpid()));
    const QStringList gone = {
        "." + QString::fromLocal8Bit("a.bmp." + host + "." + dead + "-0.part"),
        "." + QString::fromLocal8Bit("b.b.bmp." + host + "." + dead + "-17.part")};
    const QStringList kept = {
        QString::fromLocal8Bit(".a.bmp." + host + "." + live + "-0.part"),    // alive
        QString::fromLocal8Bit(".a.bmp.otherhost." + dead + "-0.part"),       // another machine
        QString::fromLocal8Bit(".a.bmp." + dead + "-0.part"),                 // no machine name
        QString::fromLocal8Bit(".a.bmp." + host + "." + dead + "-x.part"),    // not a counter
        QString::fromLocal8Bit("a.bmp." + host + "." + dead + "-0.part"),     // not hidden
        QString::fromLocal8Bit(".a.bmp." + host + "." + dead + "-0.partial"), // other suffix
        QString::fromLocal8Bit("." + host + "." + dead + "-0.part"),          // no name part
        "result.bmp",
        "notes.txt"};
    for (const QString& name : gone + kept)
        WriteFile(dir.Path() + name, "x");
    // A folder and a link named like temporaries are not files of ours.
    const QString folder = QString::fromLocal8Bit(".f.bmp." + host + "." + dead + "-1.part");
    const QString link = QString::fromLocal8Bit(".l.bmp." + host + "." + dead + "-2.part");
    QDir().mkpath(dir.Path() + folder);
    QFile::link(dir.Path() + "notes.txt", dir.Path() + link);

    EXPECT_EQ(TResultFile::RemoveDeadTemporaries(dir.Path()), 2);
    QStringList expected = kept;
    expected << folder << link;
    expected.sort();
    EXPECT_EQ(Entries(dir.Path()), expected);
    EXPECT_EQ(TResultFile::RemoveDeadTemporaries(dir.Path() + "missing/"), 0);
}
