#pragma once
// A result written beside its final name and renamed over it when committed, so a failure
// never leaves a truncated result nor destroys an earlier file of that name.
//
// The temporary file lives in the result folder (".<name>.<host>.<pid>-<n>.part", created
// exclusively) so the rename stays on one file system. It is removed when the object goes
// without Commit(). A process killed outright (SIGKILL, a crash) leaves it behind; the next run
// into the folder removes it (RemoveDeadTemporaries): the name says which machine and which
// process made it. No fsync: the replacement is atomic for every reader, but a power cut may
// still lose the newest results, as with any ordinary copy.

#include <QByteArray>
#include <QString>
#include <cstddef>

namespace varnova {

class TResultFile {
public:
    TResultFile() = default;
    // Creates the temporary file for `finalPath`; raises EFCreateError "Cannot create file %s"
    // (with `finalPath`).
    explicit TResultFile(const QString& finalPath);
    ~TResultFile();
    TResultFile(TResultFile&& other) noexcept;
    TResultFile& operator=(TResultFile&& other) noexcept;
    TResultFile(const TResultFile&) = delete;
    TResultFile& operator=(const TResultFile&) = delete;

    bool IsOpen() const { return !tempPath_.isEmpty(); }
    const QString& FinalPath() const { return finalPath_; }
    const QString& TempPath() const { return tempPath_; }

    // Appends bytes; raises EFCreateError on a write failure (disk full, ...).
    void Write(const void* data, std::size_t size);
    void Write(const QByteArray& data) { Write(data.constData(), std::size_t(data.size())); }
    // Closes the file and renames it over the final name; raises EFCreateError on failure
    // (the temporary file is then removed).
    void Commit();
    // Removes the temporary file; nothing is committed.
    void Discard() noexcept;

    // Removes from `folder` the temporary files that a process of this machine left behind
    // and that is no longer alive; returns how many. Only regular files named as this class
    // names them, with this machine's name in them, go; the temporaries of live processes and
    // of other machines (a folder may be shared) stay, and so does everything else.
    static int RemoveDeadTemporaries(const QString& folder);

private:
    [[noreturn]] void Fail();

    QString finalPath_;
    QString tempPath_;
    QByteArray tempName_; // encoded, for the system calls
    int fd_ = -1;
};

} // namespace varnova
