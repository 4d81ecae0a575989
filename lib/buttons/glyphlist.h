#pragma once
// The image lists behind the button glyphs: one list per cell size, shared by every glyph of
// that size. Images are never removed from a list (other glyphs' indexes must not shift);
// a freed slot is marked unused in a bit pool and reused by the next image.

#include <QList>
#include <memory>

#include "buttons/bitpool.h"
#include "platform/gui/imagelist.h"
#include "vexo/buttons_export.h"

namespace vexo {

class VEXO_BUTTONS_EXPORT TGlyphList : public TImageList {
    Q_OBJECT

public:
    TGlyphList(int width, int height);
    ~TGlyphList() override;

    // A free slot: the first unused one, or a new empty image appended to the list.
    int AllocateIndex();
    // Puts the image (with its mask: white transparent, black opaque; none: all opaque) into
    // a free slot and returns the slot.
    int Add(const TBitmap& image, const TBitmap* mask);
    // The same, the pixels of `maskColor` being transparent.
    int AddMasked(const TBitmap& image, TColor maskColor);
    // Gives a used slot back; the image stays in the list until the slot is reused. An unused
    // or unknown slot changes nothing.
    void Delete(int index);

    int UsedCount() const { return usedCount_; }
    const TBitPool& UsedBits() const { return usedBits_; }

private:
    TBitPool usedBits_;
    int usedCount_ = 0;
};

// The lists of all cell sizes in use.
class VEXO_BUTTONS_EXPORT TGlyphCache {
public:
    TGlyphCache();
    ~TGlyphCache();
    TGlyphCache(const TGlyphCache&) = delete;
    TGlyphCache& operator=(const TGlyphCache&) = delete;

    // The list of that cell size, made when there is none yet.
    TGlyphList* GetList(int width, int height);
    // Frees the list when none of its slots is used any more; none is ignored.
    void ReturnList(TGlyphList* list);
    bool Empty() const { return lists_.isEmpty(); }
    int Count() const { return int(lists_.size()); }

private:
    QList<TGlyphList*> lists_;
};

// The program's one cache, none while no button glyph exists (see TButtonGlyph).
VEXO_BUTTONS_EXPORT TGlyphCache* GlyphCache();

} // namespace vexo
