#pragma once
// Base of every picture kind (bitmap, JPEG, ...). A graphic loads and saves itself;
// pictures choose the graphic class by file extension (see picture.h). A canvas draws a
// graphic through the graphic's own Draw.

#include <QByteArray>
#include <QMetaObject>
#include <QString>
#include <functional>
#include <memory>

#include "platform/runtime/types.h"
#include "vexo/platform_export.h"

namespace vexo {

class TCanvas;

class VEXO_PLATFORM_EXPORT TGraphic {
    Q_GADGET
public:
    virtual ~TGraphic();

    // The graphic's class: the meta-object of its most derived class with Q_GADGET, whose
    // class name is the one the class registry knows.
    virtual const QMetaObject* ClassType() const { return &staticMetaObject; }

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const { return Width() == 0 || Height() == 0; }

    // Whether drawing leaves the canvas visible where the graphic has its transparent colour;
    // graphics without one (JPEG) always draw opaque.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent) { transparent_ = transparent; }

    // Draws the graphic stretched onto `rect` of the canvas (TCanvas::Draw and StretchDraw).
    virtual void Draw(TCanvas& canvas, const TRect& rect) const = 0;

    // Decodes from the bytes of a file; raises EInvalidGraphic on malformed data.
    virtual void LoadFromBytes(const QByteArray& data) = 0;
    // Encodes to the bytes of a file in this graphic's own format.
    virtual QByteArray SaveToBytes() const = 0;

    // Reads the whole file; raises EFOpenError "Cannot open file %s" when it cannot be read.
    void LoadFromFile(const QString& fileName);
    // Replaces the file atomically; raises EFCreateError "Cannot create file %s".
    void SaveToFile(const QString& fileName) const;

    // Converts this graphic into `dest`, a graphic of another class, as far as this class
    // knows how; false (the default) when it does not. Assign falls back on it.
    virtual bool AssignTo(TGraphic& dest) const;

protected:
    TGraphic() = default;
    TGraphic(const TGraphic&) = default;
    TGraphic& operator=(const TGraphic&) = default;

private:
    bool transparent_ = false;
};

using TGraphicFactory = std::function<std::unique_ptr<TGraphic>()>;

// Registers a graphic class with the class registry under its class name, so that it can be
// found and created by that name; the factory makes the new graphics.
VEXO_PLATFORM_EXPORT void RegisterGraphicClass(const QMetaObject* metaObject,
                                               TGraphicFactory factory);
template <class T> void RegisterGraphicClass() {
    RegisterGraphicClass(&T::staticMetaObject,
                         [] { return std::unique_ptr<TGraphic>(std::make_unique<T>()); });
}
// A new, empty graphic of the registered class of that name (case-insensitive). Raises
// EClassNotFound "Class %s not found" for a name the registry does not know and
// EInvalidGraphic for a registered class that is no graphic.
VEXO_PLATFORM_EXPORT std::unique_ptr<TGraphic> CreateGraphic(const QString& className);

} // namespace vexo
