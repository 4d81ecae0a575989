#pragma once
// One file of a batch run: the working picture combined with one source bitmap by a raster
// operation, written to a temporary result beside its final name.

#include <QString>

#include "app/batchrun.h"
#include "app/resultfile.h"
#include "app/workimagecache.h"

namespace varnova {

class TFileCombiner {
public:
    explicit TFileCombiner(TWorkImageCache& cache) : cache_(cache) {}

    // Loads the working picture (from the cache while its file is unchanged) and the source
    // `settings.SourceDir + name`, combines them with RopCodes[settings.ModeIndex] over the
    // working picture's rectangle and writes the result, in the working picture's size and
    // pixel format, to a temporary file for `settings.ResultDir + name`. Raises the
    // framework's errors in the order a fresh load meets them: the working picture's loading,
    // the source's loading, then "Can only modify an image if it contains a bitmap" for a
    // working picture that is not a bitmap, then the result's creation.
    TResultFile Combine(const TBatchSettings& settings, const QString& name);

private:
    TWorkImageCache& cache_;
};

} // namespace varnova
