#include "scenes/ring/ring_culling.h"

namespace ring {

double edgeParameter(int pair, bool plusSide) {
    return bandParameter(pair) + (plusSide ? 0 : 1);
}

bool edgeSealed(double parameter, int segmentCount) {
    if (segmentCount >= edgeSegments)
        return true;
    return parameter >= sealMargin * edgeStep &&
           parameter <= (segmentCount - sealMargin) * edgeStep;
}

bool segmentSealed(int segment, int segmentCount) {
    return segmentCount >= edgeSegments ||
           (segment >= sealMargin && segment < segmentCount - sealMargin);
}

} // namespace ring
