#include "app/gui/workstate.h"

namespace varnova {

TWorkState& WorkState() {
    static TWorkState state;
    return state;
}

} // namespace varnova
