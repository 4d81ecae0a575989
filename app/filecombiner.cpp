#include "app/filecombiner.h"

#include "platform/bmpcodec.h"
#include "platform/exception.h"
#include "platform/picture.h"
#include "platform/ropengine.h"
#include "utils/paths.h"

namespace varnova {

TResultFile TFileCombiner::Combine(const TBatchSettings& settings, const QString& name) {
    if (settings.ModeIndex < 0 || settings.ModeIndex >= ModeCount)
        throw vexo::Exception(
            QStringLiteral("Invalid raster-operation mode %1").arg(settings.ModeIndex));
    const TWorkImage work = cache_.Get(settings.WorkImagePath);
    vexo::TPicture source;
    source.LoadFromFile(vexo::NormalDir(settings.SourceDir) + name);
    if (!work.Bitmap)
        throw vexo::EInvalidGraphicOperation(work.NotBitmapError);
    vexo::TBitmap result = *work.Bitmap;
    vexo::RopBlt(result, source.Bitmap(), result.Width(), result.Height(),
                 RopCodes[std::size_t(settings.ModeIndex)]);
    const QByteArray bytes = vexo::WriteBmp(result);
    TResultFile out(vexo::NormalDir(settings.ResultDir) + name);
    out.Write(bytes);
    return out;
}

} // namespace varnova
