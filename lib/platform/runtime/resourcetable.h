#pragma once
// A table of named resources over Qt's resource system, the ground of the bitmap and cursor
// resources. A resource is found by its name in two places: names registered with a path,
// and the files under the table's resource folder (":/vexo/bitmaps/sbOK.bmp" is the
// resource "sbOK" of the folder ":/vexo/bitmaps"), so a .qrc entry alone makes a resource
// known. Names are matched without regard to case, as resource names always were.

#include <QHash>
#include <QMutex>
#include <QString>

#include "platform/runtime/exception.h"
#include "vexo/platform_export.h"

namespace vexo {

// "Resource %s not found".
VEXO_DECLARE_EXCEPTION(EResNotFound, Exception)

class VEXO_PLATFORM_EXPORT TResourceTable {
public:
    // `folder` is a resource folder such as ":/vexo/bitmaps".
    explicit TResourceTable(QString folder);

    const QString& Folder() const { return folder_; }
    // Registers (or replaces) `name` as the file at `path`; a registration wins over a file
    // of the same name in the folder.
    void Register(const QString& name, const QString& path);
    void Unregister(const QString& name);
    // The file of a named resource, or empty text when the name is unknown.
    QString Find(const QString& name) const;
    // As Find, but an unknown name raises EResNotFound "Resource <name> not found".
    QString Get(const QString& name) const;

private:
    const QString folder_;
    mutable QMutex mutex_;
    QHash<QString, QString> registered_; // upper-case name -> path
};

} // namespace vexo
