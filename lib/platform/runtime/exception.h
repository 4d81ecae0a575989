#pragma once
// The framework's exception family. Handlers catch `Exception` and show its Message.

#include <QString>
#include <exception>

#include "vexo/platform_export.h"

namespace vexo {

class VEXO_PLATFORM_EXPORT Exception : public std::exception {
public:
    explicit Exception(QString message);
    const QString& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

#define VEXO_DECLARE_EXCEPTION(Name, Base)                                                         \
    class VEXO_PLATFORM_EXPORT Name : public Base {                                                \
    public:                                                                                        \
        using Base::Base;                                                                          \
    };

VEXO_DECLARE_EXCEPTION(EInvalidGraphic, Exception)          // "Bitmap image is not valid", ...
VEXO_DECLARE_EXCEPTION(EInvalidGraphicOperation, Exception) // "Can only modify an image if ..."
VEXO_DECLARE_EXCEPTION(EOutOfResources, Exception)
VEXO_DECLARE_EXCEPTION(EStreamError, Exception)
VEXO_DECLARE_EXCEPTION(EFOpenError, EStreamError)   // "Cannot open file %s"
VEXO_DECLARE_EXCEPTION(EFCreateError, EStreamError) // "Cannot create file %s"
VEXO_DECLARE_EXCEPTION(EConvertError, Exception)
VEXO_DECLARE_EXCEPTION(EListError, Exception)
VEXO_DECLARE_EXCEPTION(EInvalidOperation, Exception) // "Invalid ImageList Index", ...

} // namespace vexo
