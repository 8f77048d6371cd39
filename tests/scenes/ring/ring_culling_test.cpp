#include "scenes/ring/ring_culling.h"

#include <gtest/gtest.h>

namespace {

using namespace ring;

// Faces turned into the band are left out only where the band is closed:
// never along an edge the cut tube no longer covers, nor near the tube's
// open ends.
TEST(RingEdgeTube, SealedOnlyWhereTheTubeCoversTheEdge) {
    for (int pair : {0, 1, 300, 649}) {
        EXPECT_TRUE(edgeSealed(edgeParameter(pair, true), edgeSegments));
        EXPECT_TRUE(edgeSealed(edgeParameter(pair, false), edgeSegments));
    }
    const int kept = edgeSegmentCount(0.3); // the tube reaches t = 1.4
    EXPECT_TRUE(edgeSealed(edgeParameter(325, true), kept));
    EXPECT_TRUE(edgeSealed(edgeParameter(100, false), kept));
    EXPECT_FALSE(edgeSealed(edgeParameter(0, true), kept)) << "the tube's first end is open";
    EXPECT_FALSE(edgeSealed(edgeParameter(300, false), kept)) << "past the tube's reach";
    EXPECT_FALSE(edgeSealed(edgeParameter(649, false), kept));
    EXPECT_FALSE(edgeSealed(edgeParameter(300, true), 0));
    int sealed = 0;
    for (int i = 0; i < kept; ++i)
        sealed += segmentSealed(i, kept);
    EXPECT_EQ(sealed, kept - 2 * sealMargin);
    EXPECT_TRUE(segmentSealed(0, edgeSegments) && segmentSealed(199, edgeSegments));
    EXPECT_FALSE(segmentSealed(0, 5));
}

} // namespace
