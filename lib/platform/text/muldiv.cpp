#include "platform/text/muldiv.h"

#include <QtGlobal>
#include <cmath>

namespace vexo {

int MulDiv(int a, int b, int c) {
    return int(std::lround(double(qint64(a) * b) / double(c)));
}

} // namespace vexo
