#pragma once
// A list of equally sized images with masks (the framework's image list): cells of Width x
// Height pixels, each with a mask that marks its transparent pixels. A bitmap wider than one
// cell adds as many cells as fit side by side; a smaller one is padded with transparent
// pixels. Drawing puts a cell onto a canvas, transparent or on a background colour, blended
// with a highlight for the focused and selected styles, or in the disabled look: the cell's
// drawing (every opaque pixel that is not white) embossed in the button highlight colour one
// pixel down and right, under the same shape in the button shadow colour.

#include <QImage>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <optional>

#include "platform/image/bitmap.h"
#include "platform/runtime/component.h"
#include "platform/runtime/notifyevent.h"
#include "platform/runtime/types.h"
#include "vexo/platform_gui_export.h"

namespace vexo {

class TCanvas;

class VEXO_PLATFORM_GUI_EXPORT TImageList : public QObject, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    Q_CLASSINFO("Default.AllocBy", "4")
    Q_CLASSINFO("Default.BkColor", "536870911")
    Q_CLASSINFO("Default.BlendColor", "536870911")
    Q_CLASSINFO("Default.DrawingStyle", "dsNormal")
    Q_CLASSINFO("Default.Height", "16")
    Q_CLASSINFO("Default.ImageType", "itImage")
    Q_CLASSINFO("Default.Masked", "True")
    Q_CLASSINFO("Default.ShareImages", "False")
    Q_CLASSINFO("Default.Width", "16")
    Q_PROPERTY(int AllocBy READ AllocBy WRITE SetAllocBy)
    Q_PROPERTY(vexo::TColor BkColor READ BkColor WRITE SetBkColor)
    Q_PROPERTY(vexo::TColor BlendColor READ BlendColor WRITE SetBlendColor)
    Q_PROPERTY(TDrawingStyle DrawingStyle READ DrawingStyle WRITE SetDrawingStyle)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(TImageType ImageType READ ImageType WRITE SetImageType)
    Q_PROPERTY(bool Masked READ Masked WRITE SetMasked)
    Q_PROPERTY(bool ShareImages READ ShareImages WRITE SetShareImages)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(vexo::TNotifyEvent OnChange MEMBER OnChange)

public:
    enum TDrawingStyle { dsFocus = 0, dsSelected = 1, dsNormal = 2, dsTransparent = 3 };
    Q_ENUM(TDrawingStyle)
    enum TImageType { itImage = 0, itMask = 1 };
    Q_ENUM(TImageType)

    // 16 x 16 cells.
    Q_INVOKABLE explicit TImageList(vexo::TComponent* owner = nullptr);
    // The framework's CreateSize: cells of the given size (at least 1 x 1).
    TImageList(int width, int height, TComponent* owner = nullptr);
    ~TImageList() override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // A new cell size (at least 1) empties the list, as the framework recreates it.
    void SetWidth(int width);
    void SetHeight(int height);
    int Count() const { return int(cells_.size()); }
    int AllocBy() const { return allocBy_; }
    void SetAllocBy(int allocBy) { allocBy_ = allocBy; }
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor color);
    TColor BlendColor() const { return blendColor_; }
    void SetBlendColor(TColor color);
    TDrawingStyle DrawingStyle() const { return drawingStyle_; }
    void SetDrawingStyle(TDrawingStyle style);
    TImageType ImageType() const { return imageType_; }
    void SetImageType(TImageType type);
    // Without masks every pixel is drawn opaque.
    bool Masked() const { return masked_; }
    void SetMasked(bool masked);
    bool ShareImages() const { return shareImages_; }
    void SetShareImages(bool share) { shareImages_ = share; }

    // Adds the cells of `image` (none: one empty, transparent cell); `mask` marks transparent
    // pixels white and opaque ones black (none: all opaque). Returns the index of the first
    // new cell.
    int Add(const TBitmap* image, const TBitmap* mask);
    // As Add, the pixels of `maskColor` being transparent (clDefault: the colour of the
    // image's bottom-left pixel; clNone: none).
    int AddMasked(const TBitmap& image, TColor maskColor);
    // Adds a cell from a Qt image, its alpha channel as the mask.
    int AddImage(const QImage& image);
    // Inserts before `index` (0..Count). Out-of-range indexes raise EInvalidOperation.
    void Insert(int index, const TBitmap* image, const TBitmap* mask);
    void InsertMasked(int index, const TBitmap& image, TColor maskColor);
    // Replaces the cell at `index` by the first cell of the image.
    void Replace(int index, const TBitmap* image, const TBitmap* mask);
    void ReplaceMasked(int index, const TBitmap& image, TColor maskColor);
    // Removes the cell; -1 removes all.
    void Delete(int index);
    void Clear();
    void Move(int curIndex, int newIndex);

    // The cell on a black background (masked pixels black), as a 24-bit bitmap of the cell
    // size; false for an index outside the list.
    bool GetBitmap(int index, TBitmap& image) const;
    // The cell's mask: transparent pixels white, opaque ones black.
    bool GetMask(int index, TBitmap& mask) const;
    // The cell as an image with an alpha channel (for icons); in the disabled look when not
    // enabled. A null image for an index outside the list.
    QImage Image(int index, bool enabled = true) const;
    QPixmap Pixmap(int index, bool enabled = true) const;

    // Draws the cell with its top-left at (x, y) in DrawingStyle and ImageType, on BkColor
    // (transparent when clNone); nothing for an index outside the list.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
    // The image-list drawing with explicit colours: `background` under transparent pixels
    // (clNone: left as they are), `foreground` the blend colour of dsFocus (25 %) and
    // dsSelected (50 %) (clNone or clDefault: the highlight colour).
    void DrawWith(TCanvas& canvas, int x, int y, int index, TColor background, TColor foreground,
                  TDrawingStyle style, TImageType type, bool enabled = true) const;

    TNotifyEvent OnChange;

Q_SIGNALS:
    // After OnChange, for the menus and controls that show the list's images.
    void Changed();

private:
    QList<QImage> CellsOf(const TBitmap* image, const TBitmap* mask,
                          std::optional<TColor> maskColor) const;
    QImage Render(int index, TColor background, TColor foreground, TDrawingStyle style,
                  TImageType type, bool enabled) const;
    void CheckIndex(int index, int limit) const;
    void Change();

    int width_ = 16;
    int height_ = 16;
    int allocBy_ = 4;
    TColor bkColor_ = clNone;
    TColor blendColor_ = clNone;
    TDrawingStyle drawingStyle_ = dsNormal;
    TImageType imageType_ = itImage;
    bool masked_ = true;
    bool shareImages_ = false;
    // Each cell: its colours, alpha 0 on transparent pixels.
    QList<QImage> cells_;
};

} // namespace vexo
