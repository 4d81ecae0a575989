#include "buttons/glyphlist.h"

#include "buttons/glyphcache_p.h"

namespace vexo {

TGlyphList::TGlyphList(int width, int height) : TImageList(width, height) {}

TGlyphList::~TGlyphList() = default;

int TGlyphList::AllocateIndex() {
    int index = usedBits_.OpenBit();
    if (index == -1) {
        index = TImageList::Add(nullptr, nullptr);
        usedBits_.SetSize(index + 1);
    }
    usedBits_.SetBit(index, true);
    return index;
}

int TGlyphList::Add(const TBitmap& image, const TBitmap* mask) {
    const int index = AllocateIndex();
    Replace(index, &image, mask);
    ++usedCount_;
    return index;
}

int TGlyphList::AddMasked(const TBitmap& image, TColor maskColor) {
    const int index = AllocateIndex();
    ReplaceMasked(index, image, maskColor);
    ++usedCount_;
    return index;
}

void TGlyphList::Delete(int index) {
    if (!usedBits_.GetBit(index))
        return;
    --usedCount_;
    usedBits_.SetBit(index, false);
}

TGlyphCache::TGlyphCache() = default;

TGlyphCache::~TGlyphCache() {
    qDeleteAll(lists_);
}

TGlyphList* TGlyphCache::GetList(int width, int height) {
    for (qsizetype i = lists_.size() - 1; i >= 0; --i)
        if (lists_[i]->Width() == width && lists_[i]->Height() == height)
            return lists_[i];
    auto* list = new TGlyphList(width, height);
    lists_.append(list);
    return list;
}

void TGlyphCache::ReturnList(TGlyphList* list) {
    if (list == nullptr || list->UsedCount() != 0)
        return;
    lists_.removeOne(list);
    delete list;
}

namespace {
TGlyphCache* cache = nullptr;
} // namespace

TGlyphCache* GlyphCache() {
    return cache;
}

TGlyphCache& TakeGlyphCache() {
    if (cache == nullptr)
        cache = new TGlyphCache;
    return *cache;
}

void ReleaseGlyphCacheIfEmpty() {
    if (cache != nullptr && cache->Empty()) {
        delete cache;
        cache = nullptr;
    }
}

} // namespace vexo
