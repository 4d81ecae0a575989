#include "graphics/vexobitmapgraphic.h"

#include <QCoreApplication>
#include <cstring>
#include <limits>
#include <new>

#include "platform/image/picture.h"
#include "platform/runtime/exception.h"

namespace vexo {

TvexoBitmapGraphic::TvexoBitmapGraphic() = default;

TvexoBitmapGraphic::~TvexoBitmapGraphic() = default;

void TvexoBitmapGraphic::FreeBuffer() {
    buffer_.reset();
    FArea.Bits = nullptr;
}

// The bitmap may have been resized or reloaded since the area was chosen; transfers then stay
// away rather than touch rows and columns that are no longer there.
bool TvexoBitmapGraphic::AreaInsideBitmap() const {
    return !Empty() && FArea.Left >= 0 && FArea.Top >= 0 && FArea.Width > 0 && FArea.Height > 0 &&
           std::int64_t(FArea.Left) + FArea.Width <= Width() &&
           std::int64_t(FArea.Top) + FArea.Height <= Height();
}

bool TvexoBitmapGraphic::IsWholeBitmap() const {
    return FArea.Left == 0 && FArea.Top == 0 && FArea.Width == Width() && FArea.Height == Height();
}

bool TvexoBitmapGraphic::SetCurrentArea(int X, int Y, int W, int H) {
    if (Empty())
        return false;
    if (X < 0 || Y < 0 || W < 0 || H < 0 || std::int64_t(X) + W > Width() ||
        std::int64_t(Y) + H > Height())
        return false;
    const std::int64_t size = std::int64_t(W) * H * 4;
    if (size > std::numeric_limits<std::int32_t>::max())
        return false;

    FreeBuffer();
    FArea.Left = X;
    FArea.Top = Y;
    FArea.Width = W;
    FArea.Height = H;
    FArea.Size = std::int32_t(size);
    if (size == 0)
        return false; // nothing to allocate: the area keeps no buffer
    buffer_.reset(new (std::nothrow) TArrayElement[std::size_t(size / 4)]());
    if (!buffer_)
        return false;
    FArea.Bits = buffer_.get();
    UpdateArea();
    return true;
}

void TvexoBitmapGraphic::UpdateArea() {
    if (FArea.Bits == nullptr || !AreaInsideBitmap())
        return;
    if (IsWholeBitmap()) {
        InternalGetDIBits(*this, FBitmapInfo, FArea);
        return;
    }
    // Only the area's rows are read: no temporary copy of the whole picture is needed.
    FillBitmapInfo(FBitmapInfo, Width(), Height());
    ReadDIBRect(*this, FArea.Left, FArea.Top, FArea.Width, FArea.Height, FArea.Bits);
}

void TvexoBitmapGraphic::UpdateBitmap() {
    if (FArea.Bits == nullptr || !AreaInsideBitmap())
        return;
    if (IsWholeBitmap()) {
        FillBitmapInfo(FBitmapInfo, Width(), Height());
        InternalSetDIBits(*this, FBitmapInfo, FArea);
        return;
    }
    // Only the area's pixels are written, so pixels outside it keep their raw values even
    // where a round trip through colours would not reproduce them (duplicate palette entries).
    WriteDIBRect(*this, FArea.Left, FArea.Top, FArea.Width, FArea.Height, FArea.Bits);
}

void TvexoBitmapGraphic::BeginUpdate() {
    FUpdating = true;
}

void TvexoBitmapGraphic::EndUpdate() {
    FUpdating = false;
    UpdateBitmap();
}

TColor TvexoBitmapGraphic::GetQuickPixel(int X, int Y) const {
    if (FArea.Bits == nullptr || X < 0 || Y < 0 || X >= Width() || Y >= Height() ||
        X >= FArea.Width || Y >= FArea.Height)
        return 0;
    return FArea.Bits[X + std::int64_t(FArea.Height - 1 - Y) * FArea.Width];
}

void TvexoBitmapGraphic::SetQuickPixel(int X, int Y, TColor Value) {
    if (FArea.Bits == nullptr || X < 0 || Y < 0 || X >= Width() || Y >= Height() ||
        X >= FArea.Width || Y >= FArea.Height)
        return;
    FArea.Bits[X + std::int64_t(FArea.Height - 1 - Y) * FArea.Width] = Value;
    if (!FUpdating)
        UpdateBitmap();
}

void TvexoBitmapGraphic::Assign(const TGraphic& Source) {
    // Assigning an object to itself would free the buffer it is about to copy.
    if (&Source == this)
        return;
    TBitmap::Assign(Source);
    const auto* source = dynamic_cast<const TvexoBitmapGraphic*>(&Source);
    if (source == nullptr)
        throw Exception(QStringLiteral("Source is not TvexoBitmapGraphic!"));
    FreeBuffer();
    if (source->FArea.Bits == nullptr)
        return;
    const std::size_t count = std::size_t(source->FArea.Size) / 4;
    buffer_.reset(new TArrayElement[count]);
    std::memcpy(buffer_.get(), source->FArea.Bits, count * 4);
    FArea = source->FArea;
    FArea.Bits = buffer_.get();
}

void RegisterGraphicsFormats() {
    try {
        RegisterGraphicClass<TvexoBitmapGraphic>();
    } catch (...) {
        // Without the registry entry the class is only unknown by name.
    }
    try {
        TPicture::RegisterFileFormat(QStringLiteral("qbmp"), QStringLiteral("Quick Bitmap"), [] {
            return std::unique_ptr<TGraphic>(std::make_unique<TvexoBitmapGraphic>());
        });
    } catch (...) {
        // A picture registry that refuses the format leaves ".qbmp" unknown; nothing else
        // depends on it.
    }
}

void UnregisterGraphicsFormats() {
    try {
        TPicture::UnregisterFileFormat(QStringLiteral("qbmp"));
    } catch (...) {
    }
}

namespace {

// Runs when the application object is constructed, i.e. after every static object (the picture
// registry among them) is initialised. It sits in the class's own translation unit, which the
// linker keeps whenever a program uses the class. The format is unregistered when the
// application object goes. (The drawing helpers' off-screen text bitmap is theirs to free.)
void StartGraphicsUnit() {
    RegisterGraphicsFormats();
    qAddPostRoutine(UnregisterGraphicsFormats);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(StartGraphicsUnit)

} // namespace vexo
