#include "scenes/ring/ring_state.h"

#include "geom/vec.h"

#include <cmath>

namespace ring {

RingState ringState(double bandSlider, double edgeSlider, double dialAngle) {
    return {bandSlider, edgeSlider,
            std::isfinite(dialAngle) ? std::remainder(dialAngle, 2 * pi) : 0};
}

} // namespace ring
