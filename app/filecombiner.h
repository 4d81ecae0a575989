#pragma once
// One file of a batch run: the working picture combined with one source bitmap by a raster
// operation, written to a temporary result beside its final name.
//
// The result is streamed: each result row is the working picture's row combined with the
// same source row (TSourceRows reads those as suits the source's layout), and rows go out
// in chunks. Memory per combiner is the chunk buffer, the source's buffer and the prepared
// row operation, whatever the number of files. One combiner per thread; the working-picture
// cache may be shared.

#include <QByteArray>
#include <QString>
#include <memory>

#include "app/batchsettings.h"
#include "app/resultfile.h"
#include "app/sourcerows.h"
#include "app/workimagecache.h"
#include "platform/image/pixelformat.h"
#include "platform/image/ropengine.h"

namespace varnova {

class TFileCombiner {
public:
    explicit TFileCombiner(TWorkImageCache& cache);
    ~TFileCombiner();

    // Loads the working picture (from the cache while its file is unchanged) and the source
    // `settings.SourcePath(name)`, combines them with RopCodes[settings.ModeIndex] over the
    // working picture's rectangle (no scaling; where the source is smaller the working
    // picture stays as it is for operations that read the source) and writes the result, in
    // the working picture's size and pixel format, to a temporary file for
    // `settings.ResultPath(name)`. The settings must be normalised. The bytes are those of
    // saving the combined bitmap.
    // Raises the framework's errors in the order a fresh load meets them: the working
    // picture's loading, the source's loading ("Cannot open file %s", also for a source that
    // shrinks while it is read; "Bitmap image is not valid", also for one truncated before),
    // "Can only modify an image if it contains a bitmap" for a working picture that is not a
    // bitmap, then "Cannot create file %s".
    TResultFile Combine(const TBatchSettings& settings, const QString& name);

private:
    vexo::TRopRowCombiner& RowCombiner(const vexo::TPixelFormat& target,
                                       const vexo::TPixelFormat& source, std::uint32_t rop);

    TWorkImageCache& cache_;
    // The prepared row operation of the last file, reused while formats and code stay.
    std::unique_ptr<vexo::TRopRowCombiner> combiner_;
    vexo::TPixelFormat combinerTarget_;
    vexo::TPixelFormat combinerSource_;
    std::uint32_t combinerRop_ = 0;
    // The result header of the last working picture.
    std::shared_ptr<const vexo::TBitmap> headerOf_;
    QByteArray header_;
    QByteArray chunk_;
    TSourceRows source_;
};

} // namespace varnova
