#include "app/workimagecache.h"

#include <QFile>
#include <sys/stat.h>

#include "platform/image/picture.h"
#include "platform/runtime/exception.h"

namespace varnova {

TWorkImage TWorkImageCache::Get(const QString& path) {
    std::lock_guard lock(mutex_);
    struct stat st {};
    const bool stamped = ::stat(QFile::encodeName(path).constData(), &st) == 0;
    TStamp stamp;
    if (stamped) {
        stamp.Device = st.st_dev;
        stamp.Inode = st.st_ino;
        stamp.Size = st.st_size;
        stamp.ModifiedNs = (long long)st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
        stamp.ChangedNs = (long long)st.st_ctim.tv_sec * 1000000000LL + st.st_ctim.tv_nsec;
        if (valid_ && path == path_ && stamp == stamp_)
            return image_;
    }
    valid_ = false;
    // A file that cannot be stat'ed is still handed to the picture loading, so the error
    // reported is exactly the one a fresh load gives.
    vexo::TPicture picture;
    picture.LoadFromFile(path);
    ++loads_;
    TWorkImage image;
    try {
        image.Bitmap = std::make_shared<const vexo::TBitmap>(std::move(picture.Bitmap()));
    } catch (const vexo::Exception& e) {
        image.NotBitmapError = e.Message();
    }
    if (stamped) {
        path_ = path;
        stamp_ = stamp;
        image_ = image;
        valid_ = true;
    }
    return image;
}

int TWorkImageCache::Loads() const {
    std::lock_guard lock(mutex_);
    return loads_;
}

} // namespace varnova
