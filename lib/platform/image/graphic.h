#pragma once
// Base of every picture kind (bitmap, JPEG, ...). A graphic loads and saves itself;
// pictures choose the graphic class by file extension (see picture.h).

#include <QByteArray>
#include <QString>

#include "vexo/platform_export.h"

namespace vexo {

class VEXO_PLATFORM_EXPORT TGraphic {
public:
    virtual ~TGraphic();

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const { return Width() == 0 || Height() == 0; }

    // Decodes from the bytes of a file; raises EInvalidGraphic on malformed data.
    virtual void LoadFromBytes(const QByteArray& data) = 0;
    // Encodes to the bytes of a file in this graphic's own format.
    virtual QByteArray SaveToBytes() const = 0;

    // Reads the whole file; raises EFOpenError "Cannot open file %s" when it cannot be read.
    void LoadFromFile(const QString& fileName);
    // Replaces the file atomically; raises EFCreateError "Cannot create file %s".
    void SaveToFile(const QString& fileName) const;

protected:
    TGraphic() = default;
    TGraphic(const TGraphic&) = default;
    TGraphic& operator=(const TGraphic&) = default;
};

} // namespace vexo
