// Every exhibit of the program, in the order of their construction. One file
// defines them all so that the order holds by construction: each shared
// Rotator is built before the scenes that turn with it.

// The Klein bottles.

// The Moebius strips.
#include "geom/rotator.h"
#include "scenes/moebius/cut_strip_scenes.h"
#include "scenes/moebius/moebius_scene.h"
#include "scenes/moebius/strip_map_scene.h"
#include "scenes/moebius/wheels_scene.h"

// The projective planes.
#include "scenes/projective/cross_cap_scene.h"
#include "scenes/projective/uncrossed_cross_cap_scene.h"

// The ring.

// The polyhedra.

namespace {

// The Klein bottles turn together.

// The Moebius strips turn together.
Rotator moebiusRotator(0, 20);
SquareToMoebiusScene squareToMoebius(moebiusRotator);
WheelsScene moebiusWheels(moebiusRotator);
CutInTwoScene moebiusCutInTwo(moebiusRotator);
SlidingStripScene slidingMoebius(moebiusRotator);
CutInThreeScene moebiusCutInThree(moebiusRotator);
StripMapScene moebiusMap(moebiusRotator);

// The projective planes, each with a rotator of its own.
CrossCapScene crossCap;
UncrossedCrossCapScene uncrossedCrossCap;

// The ring, with a rotator of its own.

// The polyhedra turn together.

} // namespace
