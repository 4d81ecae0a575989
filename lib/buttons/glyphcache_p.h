#pragma once
// The life of the program's glyph cache, in the hands of the button glyphs.

#include "buttons/glyphlist.h"

namespace vexo {

// The cache, made when there is none.
TGlyphCache& TakeGlyphCache();
// Frees the cache when it holds no list any more.
void ReleaseGlyphCacheIfEmpty();

} // namespace vexo
