#pragma once
// Helpers of the file-routine tests: the messages the routines show, a tiny file system that
// runs full, and environment variables set for one test.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <cerrno>
#include <cstring>
#include <sys/mount.h>

#include "utils/utilsmessages.h"

// Collects UtilsInfoMsg / UtilsErrorMsg texts while it lives.
class CapturedMessages {
public:
    CapturedMessages() {
        vexo::SetUtilsMessageProcs([this](const QString& text) { return Info << text, true; },
                                   [this](const QString& text) { return Error << text, true; });
    }
    ~CapturedMessages() { vexo::SetUtilsMessageProcs({}, {}); }
    QStringList Info;
    QStringList Error;
};

// A tmpfs of a few KiB mounted on `folder` (made when missing); needs the right to mount.
class TinyTmpfs {
public:
    TinyTmpfs(const QString& folder, int kib) : path_(QFile::encodeName(folder)) {
        QDir().mkpath(folder);
        const QByteArray options = "size=" + QByteArray::number(kib) + "k";
        if (mount("tmpfs", path_.constData(), "tmpfs", 0, options.constData()) == 0)
            mounted_ = true;
        else
            reason_ = QStringLiteral("cannot mount a tmpfs here (%1)").arg(strerror(errno));
    }
    ~TinyTmpfs() {
        if (mounted_)
            umount2(path_.constData(), MNT_DETACH);
    }
    bool Mounted() const { return mounted_; }
    QString Reason() const { return reason_; }

private:
    QByteArray path_;
    bool mounted_ = false;
    QString reason_;
};

// Sets (or with a null value unsets) an environment variable until it goes.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), wasSet_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv() {
        if (wasSet_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool wasSet_;
    QByteArray old_;
};
