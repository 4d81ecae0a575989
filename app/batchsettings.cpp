#include "app/batchsettings.h"

#include "utils/paths.h"

namespace varnova {

TBatchSettings TBatchSettings::Normalized() const {
    TBatchSettings s = *this;
    s.SourceDir = vexo::NormalDir(SourceDir);
    s.ResultDir = vexo::NormalDir(ResultDir);
    return s;
}

} // namespace varnova
