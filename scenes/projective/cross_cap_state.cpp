#include "scenes/projective/cross_cap_state.h"

#include "scenes/projective/cross_cap_surface.h"

namespace cross_cap {

CrossCapState crossCapState(double slider, int surfaceRow, int boundaryRow, double dialAngle) {
    return {slider, surfaceRow, boundaryRow, generatorPosition(dialAngle)};
}

} // namespace cross_cap
