#include "utils/exec.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "utils/utilstexts.h"

extern char** environ;

namespace vexo {

namespace {

struct StartRequest {
    QString Program;
    QStringList Arguments;
    int Error = 0; // errno when the file cannot be started
};

bool IsUrl(const QString& file) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(file).hasMatch();
}

// Splits parameters into words as a POSIX shell does, without any expansion: blanks separate,
// '...' is literal, "..." keeps blanks and takes \ before $ ` " \, a \ outside quotes takes
// the next character as it is.
QStringList SplitParameters(const QString& text) {
    QStringList words;
    QString word;
    bool inWord = false;
    QChar quote;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quote == QLatin1Char('\'')) {
            if (c == quote)
                quote = QChar();
            else
                word += c;
        } else if (quote == QLatin1Char('"')) {
            if (c == quote)
                quote = QChar();
            else if (c == QLatin1Char('\\') && i + 1 < text.size() &&
                     QStringLiteral("$`\"\\").contains(text[i + 1]))
                word += text[++i];
            else
                word += c;
        } else if (c.isSpace()) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            inWord = true;
            if (c == QLatin1Char('\'') || c == QLatin1Char('"'))
                quote = c;
            else if (c == QLatin1Char('\\') && i + 1 < text.size())
                word += text[++i];
            else
                word += c;
        }
    }
    if (inWord)
        words << word;
    return words;
}

StartRequest OpenWithDesktop(const QString& target) {
    return {QStringLiteral("xdg-open"), {target}, 0};
}

// The counterpart of the shell's choice: programs run, everything else opens.
StartRequest Resolve(const QString& file, const QString& parameters) {
    if (file.isEmpty())
        return {{}, {}, ENOENT};
    if (IsUrl(file))
        return OpenWithDesktop(file);
    QString path = file;
    if (!file.contains(QLatin1Char('/'))) {
        const QString onPath = QStandardPaths::findExecutable(file);
        if (!onPath.isEmpty())
            return {onPath, SplitParameters(parameters), 0};
        path = QStringLiteral("./") + file;
    }
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (stat(native.constData(), &st) != 0)
        return {{}, {}, errno};
    if (S_ISREG(st.st_mode) && access(native.constData(), X_OK) == 0)
        return {path, SplitParameters(parameters), 0};
    return OpenWithDesktop(QFileInfo(path).absoluteFilePath());
}

int Spawn(const StartRequest& request, pid_t& pid) {
    QList<QByteArray> args{QFile::encodeName(request.Program)};
    for (const QString& argument : request.Arguments)
        args << argument.toLocal8Bit();
    std::vector<char*> argv;
    for (QByteArray& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    // The new program starts with no blocked and no ignored signals, whatever this one set.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    sigdelset(&all, SIGKILL);
    sigdelset(&all, SIGSTOP);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    // A bare name is looked up on PATH (xdg-open); a path is started as it is.
    const int result =
        request.Program.contains(QLatin1Char('/'))
            ? posix_spawn(&pid, argv[0], nullptr, &attributes, argv.data(), environ)
            : posix_spawnp(&pid, argv[0], nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    return result;
}

// A child nobody waits for any more is reaped in the background, so it leaves no zombie.
void ReapLater(pid_t pid) {
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

// True when the child has ended (or was reaped elsewhere); `status` then holds its status or -1.
bool Reaped(pid_t pid, int& status) {
    pid_t result;
    do
        result = waitpid(pid, &status, WNOHANG);
    while (result < 0 && errno == EINTR);
    if (result < 0)
        status = -1;
    return result != 0;
}

int ExitCode(int status) {
    if (status != -1 && WIFEXITED(status))
        return WEXITSTATUS(status);
    if (status != -1 && WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return -1;
}

// Polls the child while the application's events run; false when the application quits first.
bool WaitWithEvents(pid_t pid, int& status) {
    if (Reaped(pid, status))
        return true;
    if (QCoreApplication::instance() == nullptr) {
        while (waitpid(pid, &status, 0) < 0)
            if (errno != EINTR) {
                status = -1;
                break;
            }
        return true;
    }
    bool ended = false;
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (Reaped(pid, status)) {
            ended = true;
            loop.quit();
        }
    });
    poll.start();
    // QCoreApplication::exit ends every running event loop, this one too, and makes a loop
    // started after it return at once.
    loop.exec();
    return ended;
}

} // namespace

QString Exec(const QString& file, const QString& parameters, int showCommand, bool wait,
             int* exitCode) {
    Q_UNUSED(showCommand) // no counterpart: the window manager places new windows
    if (exitCode != nullptr)
        *exitCode = -1;
    const StartRequest request = Resolve(file, parameters);
    if (request.Error != 0)
        return ExecError(request.Error);
    pid_t pid = 0;
    if (const int error = Spawn(request, pid); error != 0)
        return ExecError(error);
    if (!wait) {
        ReapLater(pid);
        return QString();
    }
    int status = -1;
    if (!WaitWithEvents(pid, status)) {
        ReapLater(pid);
        return QString();
    }
    if (exitCode != nullptr)
        *exitCode = ExitCode(status);
    return QString();
}

QString ExecError(int code) {
    switch (code) {
    case ENOENT:
        return vexoUtilsFileError2;
    case ENOTDIR:
        return vexoUtilsFileError3;
    case EMFILE:
    case ENFILE:
        return vexoUtilsFileError4;
    case EACCES:
    case EPERM:
        return vexoUtilsFileError5;
    case EAGAIN:
        return vexoUtilsFileError0;
    case ENOMEM:
    case E2BIG:
        return vexoUtilsFileError8;
    case ENOEXEC:
        return vexoUtilsFileError11;
    case ELIBEXEC:
        return vexoUtilsFileError14;
    case ELIBACC:
    case ELIBBAD:
        return vexoUtilsFileError20;
    default:
        return vexoUtilsFileErrorUnknown;
    }
}

} // namespace vexo
