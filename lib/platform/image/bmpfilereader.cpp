#include "platform/image/bmpfilereader.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/image/bmpcodec.h"
#include "platform/image/bmpformat_p.h"
#include "platform/runtime/exception.h"

namespace vexo {

namespace {

// A buffer up to this size is kept for the next file; the files a reader meets one after the
// other (the sources of a batch run) are usually alike, so this saves an allocation (and its
// page faults) per file. A larger one, from an unusually big file, is given back.
constexpr std::size_t RetainBytes = std::size_t(64) * 1024 * 1024;
// What ReadHead takes at least: the largest headers, masks and palette (1.2 KiB) fit.
constexpr std::size_t HeadBytes = 4 * 1024;
// Rows are read into the bitmap through the buffer a run of about this size at a time.
constexpr std::size_t RunBytes = 256 * 1024;

} // namespace

TBmpFileReader::~TBmpFileReader() {
    Close();
}

void TBmpFileReader::Read(const QString& path) {
    Open(path);
    ReadOpened();
}

void TBmpFileReader::Open(const QString& path) {
    Close();
    path_ = path;
    size_ = 0;
    fileSize_ = 0;
    const QByteArray name = QFile::encodeName(path);
    // Non-blocking so that a named pipe cannot stall the run; only regular files pass.
    fd_ = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0)
        Fail();
    const auto size = static_cast<unsigned long long>(st.st_size);
    if (size > std::size_t(-1) / 2)
        Fail();
    fileSize_ = std::size_t(size);
}

void TBmpFileReader::ReadOpened() {
    if (fd_ < 0)
        Fail();
    Reserve(fileSize_);
    ReadInto(buffer_.get(), 0, fileSize_);
    size_ = fileSize_;
    Close();
}

void TBmpFileReader::ReadHead() {
    if (fd_ < 0)
        Fail();
    std::size_t head = std::min(fileSize_, HeadBytes);
    Reserve(head);
    ReadInto(buffer_.get(), 0, head);
    size_ = head;
    if (head < 14)
        return;
    // The file header's pixel offset (little-endian at byte 10): headers, masks and palette
    // all lie before it.
    const std::uint8_t* b = buffer_.get();
    const std::size_t offBits = std::size_t(b[10]) | (std::size_t(b[11]) << 8) |
                                (std::size_t(b[12]) << 16) | (std::size_t(b[13]) << 24);
    if (offBits > head) {
        head = std::min(offBits, fileSize_);
        Reserve(head);
        ReadInto(buffer_.get(), 0, head);
        size_ = head;
    }
}

const std::uint8_t* TBmpFileReader::ReadAt(std::size_t offset, std::size_t length) {
    if (fd_ < 0)
        Fail();
    Reserve(length);
    ReadInto(buffer_.get(), offset, length);
    size_ = length;
    return buffer_.get();
}

void TBmpFileReader::Reserve(std::size_t bytes) {
    size_ = 0;
    if (bytes <= capacity_)
        return;
    buffer_.reset(); // the old buffer goes before the new one is taken
    capacity_ = 0;
    buffer_.reset(new std::uint8_t[bytes]); // uninitialised: every byte used is read over
    capacity_ = bytes;
}

void TBmpFileReader::ReadInto(std::uint8_t* dest, std::size_t offset, std::size_t length) {
    if (fd_ < 0)
        Fail();
    std::size_t done = 0;
    while (done < length) {
        const ssize_t n = ::pread(fd_, dest + done, length - done, off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) // a read error, or the end of a file that has shrunk
            Fail();
        done += std::size_t(n);
    }
}

void TBmpFileReader::Trim() {
    if (capacity_ > RetainBytes) {
        buffer_.reset();
        capacity_ = 0;
        size_ = 0;
    }
}

void TBmpFileReader::Fail() {
    Close();
    size_ = 0;
    throw EFOpenError(QStringLiteral("Cannot open file %1").arg(path_));
}

void TBmpFileReader::Close() noexcept {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

TBitmap ReadBmpFile(const QString& path) {
    TBmpFileReader reader;
    reader.Open(path);
    reader.ReadHead();
    // The head holds every byte the header parser reads (all before the pixel offset).
    const TBmpLayout layout = ParseBmpHeader(reader.Data(), reader.FileSize());
    if (layout.NeedsDecoding()) {
        reader.ReadOpened();
        return DecodeBmp(reader.Data(), reader.Size(), layout);
    }
    TBitmap bitmap;
    bitmap.AllocateUninitialized(layout.Width, layout.Height, layout.BitCount);
    bitmap.SetPalette(layout.Palette);
    bitmap.SetBitFields(layout.BitFields);
    // Uncompressed rows are the bitmap's rows, padding included.
    const std::size_t stride = layout.Stride;
    if (stride == 0)
        return bitmap;
    // File rows [first, first + rows) arrive together and go to their places one by one: a
    // bottom-up file's rows lie in the bitmap in reverse order.
    const int runRows = int(std::max<std::size_t>(1, RunBytes / stride));
    for (int first = 0; first < layout.Height; first += runRows) {
        const int rows = std::min(runRows, layout.Height - first);
        const std::uint8_t* run = reader.ReadAt(layout.PixelOffset + std::size_t(first) * stride,
                                                std::size_t(rows) * stride);
        for (int i = 0; i < rows; ++i) {
            const int fileRow = first + i;
            const int y = layout.TopDown ? fileRow : layout.Height - 1 - fileRow;
            std::uint8_t* row = bitmap.ScanLine(y);
            std::memcpy(row, run + std::size_t(i) * stride, stride);
            if (!bmp::TidyRow(layout, row))
                bmp::Invalid();
        }
    }
    return bitmap;
}

} // namespace vexo
