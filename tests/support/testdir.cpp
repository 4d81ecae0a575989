#include "support/testdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

TestDir::TestDir() {
    if (!dir_.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

QString TestDir::Path() const {
    return dir_.path() + QLatin1Char('/');
}

QString TestDir::File(const QString& relative) const {
    const QString path = Path() + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

void TestDir::Write(const QString& relative, const QByteArray& data) const {
    QFile f(File(relative));
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
        throw std::runtime_error("cannot write test file");
}

QByteArray TestDir::Read(const QString& relative) const {
    QFile f(Path() + relative);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read test file");
    return f.readAll();
}
