#pragma once
// The working picture, decoded once and handed out again while its file is unchanged.
//
// Every file of a run starts from the working picture as it is on disk at that moment. Decoding
// it for every file gives the same pixels as long as the file has not changed, so the decoded
// picture is kept and reused; any change of the file's identity or stamps (device, inode, size,
// modification and status-change times to the nanosecond) loads it afresh. Status-change time
// moves on every write, rename or link change, also when the modification time is forged.

#include <QString>
#include <memory>
#include <mutex>
#include <sys/types.h>

#include "platform/image/bitmap.h"

namespace varnova {

// A loaded working picture: its bitmap, or, when it is not a bitmap (a JPEG), the error that
// drawing on it raises.
struct TWorkImage {
    std::shared_ptr<const vexo::TBitmap> Bitmap;
    QString NotBitmapError; // set when Bitmap is null
};

class TWorkImageCache {
public:
    // Thread-safe. Raises the picture loading's errors ("Cannot open file %s", "Unknown picture
    // file extension (.%s)", "Bitmap image is not valid", ...).
    TWorkImage Get(const QString& path);
    // Number of times the file was actually decoded (for tests and the benchmark).
    int Loads() const;

private:
    struct TStamp {
        dev_t Device = 0;
        ino_t Inode = 0;
        off_t Size = -1;
        long long ModifiedNs = 0;
        long long ChangedNs = 0;
        friend bool operator==(const TStamp&, const TStamp&) = default;
    };

    mutable std::mutex mutex_;
    QString path_;
    TStamp stamp_;
    TWorkImage image_;
    bool valid_ = false;
    int loads_ = 0;
};

} // namespace varnova
