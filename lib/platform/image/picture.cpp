#include "platform/image/picture.h"

#include <QFileInfo>
#include <QHash>
#include <mutex>
#include <shared_mutex>

#include "platform/image/bmpfilereader.h"
#include "platform/image/jpegimage.h"
#include "platform/runtime/exception.h"

namespace vexo {

namespace {

// Makes the graphic of a file; raises the loading's errors.
using TGraphicLoader = std::function<std::unique_ptr<TGraphic>(const QString& fileName)>;

TGraphicLoader LoaderOf(TGraphicFactory factory) {
    return [factory = std::move(factory)](const QString& fileName) {
        std::unique_ptr<TGraphic> graphic = factory();
        graphic->LoadFromFile(fileName);
        return graphic;
    };
}

struct TFileFormat {
    QString Description;
    TGraphicLoader Load;
};

// Process-wide extension table. Loads from worker threads read it while another thread may
// register a format, so every access goes through the lock.
class TFileFormats {
public:
    TFileFormats() {
        // Bitmaps read their rows straight from the file, so a large picture is never held
        // twice while it loads.
        formats_.insert(QStringLiteral("bmp"),
                        {QStringLiteral("Bitmaps"), [](const QString& fileName) {
                             return std::make_unique<TBitmap>(ReadBmpFile(fileName));
                         }});
        const TGraphicLoader jpeg = LoaderOf([] { return std::make_unique<TJPEGImage>(); });
        formats_.insert(QStringLiteral("jpg"), {QStringLiteral("JPEG Image File"), jpeg});
        formats_.insert(QStringLiteral("jpeg"), {QStringLiteral("JPEG Image File"), jpeg});
    }

    void Register(const QString& extension, const QString& description, TGraphicFactory factory) {
        std::unique_lock lock(mutex_);
        formats_.insert(extension.toLower(), {description, LoaderOf(std::move(factory))});
    }

    void Unregister(const QString& extension) {
        std::unique_lock lock(mutex_);
        formats_.remove(extension.toLower());
    }

    // An empty loader for an unknown extension.
    TGraphicLoader Find(const QString& extension) const {
        std::shared_lock lock(mutex_);
        const auto it = formats_.constFind(extension.toLower());
        return it == formats_.cend() ? TGraphicLoader() : it->Load;
    }

private:
    mutable std::shared_mutex mutex_;
    QHash<QString, TFileFormat> formats_;
};

TFileFormats& FileFormats() {
    static TFileFormats formats;
    return formats;
}

} // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::RegisterFileFormat(const QString& extension, const QString& description,
                                  TGraphicFactory factory) {
    FileFormats().Register(extension, description, std::move(factory));
}

void TPicture::UnregisterFileFormat(const QString& extension) {
    FileFormats().Unregister(extension);
}

void TPicture::LoadFromFile(const QString& fileName) {
    // The extension decides before the file is opened, as the message names only it.
    const QString extension = QFileInfo(fileName).suffix();
    const TGraphicLoader load = FileFormats().Find(extension);
    if (!load)
        throw EInvalidGraphic(
            QStringLiteral("Unknown picture file extension (.%1)").arg(extension));
    graphic_ = load(fileName);
}

void TPicture::SaveToFile(const QString& fileName) const {
    // An empty picture has nothing to write; the target stays as it is.
    if (graphic_)
        graphic_->SaveToFile(fileName);
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) {
    graphic_ = std::move(graphic);
}

int TPicture::Width() const {
    return graphic_ ? graphic_->Width() : 0;
}

int TPicture::Height() const {
    return graphic_ ? graphic_->Height() : 0;
}

TBitmap& TPicture::Bitmap() {
    if (!graphic_)
        graphic_ = std::make_unique<TBitmap>();
    auto* bitmap = dynamic_cast<TBitmap*>(graphic_.get());
    if (bitmap == nullptr)
        throw EInvalidGraphicOperation(
            QStringLiteral("Can only modify an image if it contains a bitmap"));
    return *bitmap;
}

} // namespace vexo
