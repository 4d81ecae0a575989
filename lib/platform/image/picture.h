#pragma once
// A picture holds one graphic of the class its file extension chose. Extensions are matched
// without regard to case; ".bmp" (TBitmap) and ".jpg"/".jpeg" (TJPEGImage) are built in, and
// other areas register their own (for instance ".qbmp").

#include <QString>
#include <functional>
#include <memory>

#include "platform/image/bitmap.h"

namespace vexo {

class VEXO_PLATFORM_EXPORT TPicture {
public:
    TPicture();
    ~TPicture();

    // Registers (or replaces) the graphic class for an extension given without its dot.
    static void RegisterFileFormat(const QString& extension, const QString& description,
                                   TGraphicFactory factory);
    static void UnregisterFileFormat(const QString& extension);

    // Raises EInvalidGraphic "Unknown picture file extension (.%s)" for an unregistered
    // extension, EFOpenError "Cannot open file %s", and the graphic's own errors. On failure
    // the picture keeps its previous graphic.
    void LoadFromFile(const QString& fileName);
    // Saves the graphic in its own format, atomically.
    void SaveToFile(const QString& fileName) const;

    TGraphic* Graphic() const { return graphic_.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    int Width() const;
    int Height() const;

    // The bitmap to draw on: raises EInvalidGraphicOperation "Can only modify an image if it
    // contains a bitmap" when the graphic is not a bitmap. An empty picture gets an empty
    // bitmap.
    TBitmap& Bitmap();

private:
    std::unique_ptr<TGraphic> graphic_;
};

} // namespace vexo
