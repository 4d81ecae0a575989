#include "platform/gui/imagelist.h"

#include <algorithm>

#include "platform/image/canvas.h"
#include "platform/runtime/exception.h"

namespace vexo {

namespace {

constexpr QRgb Transparent = 0;

bool IsOpaque(QRgb pixel) {
    return qAlpha(pixel) != 0;
}

QRgb Opaque(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

QRgb Blend(QRgb pixel, QRgb with, int percent) {
    auto mix = [&](int a, int b) { return (a * (100 - percent) + b * percent) / 100; };
    return qRgb(mix(qRed(pixel), qRed(with)), mix(qGreen(pixel), qGreen(with)),
                mix(qBlue(pixel), qBlue(with)));
}

TColor ToColor(QRgb pixel) {
    return RGB(std::uint8_t(qRed(pixel)), std::uint8_t(qGreen(pixel)), std::uint8_t(qBlue(pixel)));
}

} // namespace

TImageList::TImageList(TComponent* owner) : TImageList(16, 16, owner) {}

TImageList::TImageList(int width, int height, TComponent* owner)
    : QObject(nullptr), TComponent(this, owner), width_(std::max(width, 1)),
      height_(std::max(height, 1)) {}

TImageList::~TImageList() = default;

void TImageList::SetWidth(int width) {
    width = std::max(width, 1);
    if (width == width_)
        return;
    width_ = width;
    cells_.clear();
    Change();
}

void TImageList::SetHeight(int height) {
    height = std::max(height, 1);
    if (height == height_)
        return;
    height_ = height;
    cells_.clear();
    Change();
}

void TImageList::SetBkColor(TColor color) {
    if (color == bkColor_)
        return;
    bkColor_ = color;
    Change();
}

void TImageList::SetBlendColor(TColor color) {
    if (color == blendColor_)
        return;
    blendColor_ = color;
    Change();
}

void TImageList::SetDrawingStyle(TDrawingStyle style) {
    if (style == drawingStyle_)
        return;
    drawingStyle_ = style;
    Change();
}

void TImageList::SetImageType(TImageType type) {
    if (type == imageType_)
        return;
    imageType_ = type;
    Change();
}

void TImageList::SetMasked(bool masked) {
    if (masked == masked_)
        return;
    masked_ = masked;
    Change();
}

QList<QImage> TImageList::CellsOf(const TBitmap* image, const TBitmap* mask,
                                  std::optional<TColor> maskColor) const {
    QList<QImage> cells;
    if (image == nullptr || image->Width() == 0 || image->Height() == 0) {
        QImage empty(width_, height_, QImage::Format_ARGB32);
        empty.fill(Transparent);
        cells.append(empty);
        return cells;
    }
    const QImage source = BitmapToQImage(*image);
    const QImage maskImage = mask != nullptr ? BitmapToQImage(*mask) : QImage();
    std::optional<QRgb> key;
    if (maskColor && *maskColor != clNone) {
        const TColor color =
            *maskColor == clDefault ? ToColor(source.pixel(0, source.height() - 1)) : *maskColor;
        key = Opaque(color) & 0xFFFFFF;
    }
    const int count = std::max(1, source.width() / width_);
    for (int i = 0; i < count; ++i) {
        QImage cell(width_, height_, QImage::Format_ARGB32);
        cell.fill(Transparent);
        for (int y = 0; y < std::min(height_, source.height()); ++y) {
            for (int x = 0; x < width_ && i * width_ + x < source.width(); ++x) {
                const int sx = i * width_ + x;
                const QRgb rgb = source.pixel(sx, y) & 0xFFFFFF;
                bool transparent = key && rgb == *key;
                // The mask marks transparent pixels white.
                if (!maskImage.isNull() && sx < maskImage.width() && y < maskImage.height())
                    transparent = (maskImage.pixel(sx, y) & 0xFFFFFF) == 0xFFFFFF;
                cell.setPixel(x, y, transparent ? rgb : (0xFF000000u | rgb));
            }
        }
        cells.append(cell);
    }
    return cells;
}

int TImageList::Add(const TBitmap* image, const TBitmap* mask) {
    const int index = Count();
    cells_.append(CellsOf(image, mask, std::nullopt));
    Change();
    return index;
}

int TImageList::AddMasked(const TBitmap& image, TColor maskColor) {
    const int index = Count();
    cells_.append(CellsOf(&image, nullptr, maskColor));
    Change();
    return index;
}

int TImageList::AddImage(const QImage& image) {
    QImage cell(width_, height_, QImage::Format_ARGB32);
    cell.fill(Transparent);
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < std::min(height_, source.height()); ++y)
        for (int x = 0; x < std::min(width_, source.width()); ++x) {
            const QRgb pixel = source.pixel(x, y);
            cell.setPixel(x, y, qAlpha(pixel) < 128 ? (pixel & 0xFFFFFF) : (pixel | 0xFF000000u));
        }
    const int index = Count();
    cells_.append(cell);
    Change();
    return index;
}

void TImageList::CheckIndex(int index, int limit) const {
    if (index < 0 || index > limit)
        throw EInvalidOperation(QStringLiteral("Invalid ImageList Index"));
}

void TImageList::Insert(int index, const TBitmap* image, const TBitmap* mask) {
    CheckIndex(index, Count());
    const QList<QImage> cells = CellsOf(image, mask, std::nullopt);
    for (qsizetype i = 0; i < cells.size(); ++i)
        cells_.insert(index + i, cells.at(i));
    Change();
}

void TImageList::InsertMasked(int index, const TBitmap& image, TColor maskColor) {
    CheckIndex(index, Count());
    const QList<QImage> cells = CellsOf(&image, nullptr, maskColor);
    for (qsizetype i = 0; i < cells.size(); ++i)
        cells_.insert(index + i, cells.at(i));
    Change();
}

void TImageList::Replace(int index, const TBitmap* image, const TBitmap* mask) {
    CheckIndex(index, Count() - 1);
    cells_[index] = CellsOf(image, mask, std::nullopt).first();
    Change();
}

void TImageList::ReplaceMasked(int index, const TBitmap& image, TColor maskColor) {
    CheckIndex(index, Count() - 1);
    cells_[index] = CellsOf(&image, nullptr, maskColor).first();
    Change();
}

void TImageList::Delete(int index) {
    if (index == -1) {
        Clear();
        return;
    }
    CheckIndex(index, Count() - 1);
    cells_.removeAt(index);
    Change();
}

void TImageList::Clear() {
    if (cells_.isEmpty())
        return;
    cells_.clear();
    Change();
}

void TImageList::Move(int curIndex, int newIndex) {
    CheckIndex(curIndex, Count() - 1);
    CheckIndex(newIndex, Count() - 1);
    if (curIndex == newIndex)
        return;
    cells_.move(curIndex, newIndex);
    Change();
}

QImage TImageList::Render(int index, TColor background, TColor foreground, TDrawingStyle style,
                          TImageType type, bool enabled) const {
    const QImage& cell = cells_.at(index);
    auto transparentAt = [&](int x, int y) { return masked_ && !IsOpaque(cell.pixel(x, y)); };
    if (type == itMask) {
        QImage out(width_, height_, QImage::Format_ARGB32);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                out.setPixel(x, y, transparentAt(x, y) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        return out;
    }
    if (!enabled) {
        // The disabled look: the drawing's shape, highlight below and right, shadow on top.
        QImage out(width_ + 1, height_ + 1, QImage::Format_ARGB32);
        out.fill(Transparent);
        auto inShape = [&](int x, int y) {
            return !transparentAt(x, y) && (cell.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
        };
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (inShape(x, y))
                    out.setPixel(x + 1, y + 1, Opaque(clBtnHighlight));
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (inShape(x, y))
                    out.setPixel(x, y, Opaque(clBtnShadow));
        return out;
    }
    const bool fill = style != dsTransparent && background != clNone;
    const QRgb blendWith =
        Opaque(foreground == clNone || foreground == clDefault ? clHighlight : foreground);
    const int percent = style == dsFocus ? 25 : style == dsSelected ? 50 : 0;
    QImage out(width_, height_, QImage::Format_ARGB32);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            if (transparentAt(x, y)) {
                out.setPixel(x, y, fill ? Opaque(background) : Transparent);
                continue;
            }
            QRgb pixel = 0xFF000000u | cell.pixel(x, y);
            if (percent > 0)
                pixel = Blend(pixel, blendWith, percent);
            out.setPixel(x, y, pixel);
        }
    return out;
}

void TImageList::DrawWith(TCanvas& canvas, int x, int y, int index, TColor background,
                          TColor foreground, TDrawingStyle style, TImageType type,
                          bool enabled) const {
    if (index < 0 || index >= Count())
        return;
    const QImage image = Render(index, background, foreground, style, type, enabled);
    for (int py = 0; py < image.height(); ++py)
        for (int px = 0; px < image.width(); ++px) {
            const QRgb pixel = image.pixel(px, py);
            if (IsOpaque(pixel))
                canvas.SetPixel(x + px, y + py, ToColor(pixel));
        }
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
    DrawWith(canvas, x, y, index, bkColor_, blendColor_, drawingStyle_, imageType_, enabled);
}

bool TImageList::GetBitmap(int index, TBitmap& image) const {
    if (index < 0 || index >= Count())
        return false;
    image = TBitmap(width_, height_, 24);
    TCanvas canvas(&image);
    DrawWith(canvas, 0, 0, index, clNone, clNone, dsNormal, itImage);
    return true;
}

bool TImageList::GetMask(int index, TBitmap& mask) const {
    if (index < 0 || index >= Count())
        return false;
    mask = TBitmap(width_, height_, 24);
    TCanvas canvas(&mask);
    DrawWith(canvas, 0, 0, index, clNone, clNone, dsNormal, itMask);
    return true;
}

QImage TImageList::Image(int index, bool enabled) const {
    if (index < 0 || index >= Count())
        return QImage();
    return Render(index, clNone, clNone, dsNormal, itImage, enabled).copy(0, 0, width_, height_);
}

QPixmap TImageList::Pixmap(int index, bool enabled) const {
    return QPixmap::fromImage(Image(index, enabled));
}

void TImageList::Change() {
    if (OnChange)
        OnChange(this);
    Q_EMIT Changed();
}

} // namespace vexo
