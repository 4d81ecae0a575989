#pragma once
// The windows' compiled-in pictures (glyphs, flags, the About picture) live in a static
// library, so they are registered explicitly before the first use.

namespace varnova {

void InitGuiResources();

} // namespace varnova
