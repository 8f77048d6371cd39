#pragma once
// One part of every wheel of a frame, placed on the CPU and drawn as one
// array of quads: the thirty wheels the strip takes at most cost a draw per
// part instead of one per part and wheel.

#include "geom/vertex_arrays.h"
#include "scenes/moebius/wheel_model.h"

#include <vector>

class WheelBatch {
  public:
    void clear();
    // The part, moved to where placement puts it.
    void add(const WheelPart& part, const WheelPlacement& placement);
    // Every part added, culling the inside of the part.
    void draw(bool outsideCounterClockwise) const;

  private:
    // Kept from frame to frame so that their storage is reused; bounded by
    // the cap on the number of wheels.
    VertexArrays arrays;
    std::vector<unsigned> quads;
};

// The five parts of the wheel model, each batched.
struct WheelBatches {
    WheelBatch tyres, rims, topSides, bottomSides, spokes;

    void clear();
    void add(const WheelModel& model, const WheelPlacement& placement);
};
