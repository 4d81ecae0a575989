#include "app/batcherror.h"

#include <new>

#include "platform/runtime/exception.h"

namespace varnova {

TBatchError TBatchError::Of(const std::exception& e) {
    if (const auto* ve = dynamic_cast<const vexo::Exception*>(&e)) {
        TBatchErrorKind kind = ekOther;
        if (dynamic_cast<const vexo::EFOpenError*>(ve) != nullptr)
            kind = ekCannotOpen;
        else if (dynamic_cast<const vexo::EFCreateError*>(ve) != nullptr)
            kind = ekCannotCreate;
        else if (dynamic_cast<const vexo::EInvalidGraphic*>(ve) != nullptr)
            kind = ekInvalidPicture;
        else if (dynamic_cast<const vexo::EInvalidGraphicOperation*>(ve) != nullptr)
            kind = ekNotBitmap;
        return TBatchError{kind, ve->Message()};
    }
    if (dynamic_cast<const std::bad_alloc*>(&e) != nullptr)
        return TBatchError{ekOther, QStringLiteral("Out of memory")};
    return TBatchError{ekOther, QString::fromLocal8Bit(e.what())};
}

} // namespace varnova
