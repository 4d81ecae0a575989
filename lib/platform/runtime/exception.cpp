#include "platform/runtime/exception.h"

namespace vexo {

Exception::Exception(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}

} // namespace vexo
