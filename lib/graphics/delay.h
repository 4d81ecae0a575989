#pragma once
// Waiting a while, with or without keeping the interface alive.

#include "vexo/graphics_export.h"

namespace vexo {

// Returns after at least `msecs` milliseconds. With processMessages the application's event
// loop turns meanwhile (timers fire, windows repaint) and the wait ends at the deadline even
// while events keep arriving; the thread sleeps between events rather than polling. Without
// it, or without an application object, the thread just sleeps.
VEXO_GRAPHICS_EXPORT void Delay(unsigned msecs, bool processMessages);

} // namespace vexo
