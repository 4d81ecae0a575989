#pragma once
// A temporary folder for tests that touch real files, removed with its contents at the end.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TestDir {
public:
    TestDir();
    // Absolute path of the folder, with a trailing "/".
    QString Path() const;
    // Absolute path of a file inside the folder (sub-folders are created on demand).
    QString File(const QString& relative) const;
    void Write(const QString& relative, const QByteArray& data) const;
    QByteArray Read(const QString& relative) const;

private:
    QTemporaryDir dir_;
};
