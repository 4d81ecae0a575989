#include "utils/exec.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/testdir.h"

using namespace vexo;

TEST(Exec, WaitsForTheProcessWhileEventsRunAndGivesItsExitCode) {
    bool timerRan = false;
    QTimer::singleShot(20, [&] { timerRan = true; });
    int code = 0;
    EXPECT_EQ(Exec("/bin/sh", "-c 'sleep 0.3; exit 7'", 1, true, &code), QString());
    EXPECT_EQ(code, 7);
    EXPECT_TRUE(timerRan);

    EXPECT_EQ(Exec("sh", "-c \"kill -9 $$\"", 1, true, &code), QString()); // found on PATH
    EXPECT_EQ(code, 128 + 9);
}

TEST(Exec, WithoutWaitItReturnsAtOnce) {
    QElapsedTimer clock;
    clock.start();
    int code = 0;
    EXPECT_EQ(Exec("/bin/sh", "-c 'sleep 2'", 1, false, &code), QString());
    EXPECT_LT(clock.elapsed(), 1500);
    EXPECT_EQ(code, -1);
}

TEST(Exec, QuittingTheApplicationEndsTheWait) {
    int code = 0;
    QString result = "not run";
    QElapsedTimer clock;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(100, qApp, &QCoreApplication::quit);
        clock.start();
        result = Exec("/bin/sh", "-c 'sleep 5'", 1, true, &code);
    });
    QCoreApplication::exec();
    EXPECT_EQ(result, QString());
    EXPECT_EQ(code, -1);
    EXPECT_LT(clock.elapsed(), 3000);
}

TEST(Exec, FailedStartsAreExplained) {
    TestDir dir;
    dir.Write("plain.txt", "x");
    dir.Write("broken", QByteArray("\x7f"
                                   "ELF garbage",
                                   12));
    chmod(QFile::encodeName(dir.Path() + "broken"), 0755);
    EXPECT_EQ(Exec(dir.Path() + "missing", {}, 1, true), "File is not found");
    EXPECT_EQ(Exec("vexo-no-such-program-anywhere", {}, 1, true), "File is not found");
    EXPECT_EQ(Exec(dir.Path() + "plain.txt/x", {}, 1, true), "Directory is not found");
    EXPECT_EQ(Exec(dir.Path() + "broken", {}, 1, true), "Corrupted file");
    EXPECT_EQ(Exec(QString(), {}, 1, true), "File is not found");
}

TEST(Exec, ErrorTextsFollowTheErrorNumber) {
    const QList<QPair<int, QString>> table{{ENOENT, "File is not found"},
                                           {ENOTDIR, "Directory is not found"},
                                           {EMFILE, "Too many open files"},
                                           {ENFILE, "Too many open files"},
                                           {EACCES, "Protection error"},
                                           {EPERM, "Protection error"},
                                           {EAGAIN, "No memory"},
                                           {ENOMEM, "No memory to run"},
                                           {E2BIG, "No memory to run"},
                                           {ENOEXEC, "Corrupted file"},
                                           {ELIBEXEC, "Unknown file type"},
                                           {ELIBBAD, "One of libraries is corrupted"},
                                           {ELIBACC, "One of libraries is corrupted"},
                                           {EXDEV, "Uknown error!"},
                                           {0, "Uknown error!"}};
    for (const auto& [code, text] : table)
        EXPECT_EQ(ExecError(code), text) << code;
}
