// Every exhibit of the program, in the order of their construction. One file
// defines them all so that the order holds by construction: each shared
// Rotator is built before the scenes that turn with it.

#include "scenes/klein/klein_scenes.h"
#include "scenes/moebius/cut_strip_scenes.h"
#include "scenes/moebius/moebius_scene.h"
#include "scenes/moebius/strip_map_scene.h"
#include "scenes/moebius/wheels_scene.h"
#include "scenes/polyhedra/platonic_solids.h"
#include "scenes/polyhedra/polyhedra_colours.h"
#include "scenes/polyhedra/polyhedra_scene.h"
#include "scenes/projective/cross_cap_scene.h"
#include "scenes/projective/uncrossed_cross_cap_scene.h"
#include "scenes/ring/ring_scene.h"
#include "ui/rotator.h"

namespace {

// The Klein bottles turn together.
Rotator kleinRotator;
KleinFromRectangleScene kleinFromRectangle(kleinRotator);
KleinBottleScene kleinBottle(kleinRotator);
KleinLabelScene kleinLabel(kleinRotator);
KleinHalvesScene kleinHalves(kleinRotator);

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
RingScene interlacedRing;

// The polyhedra turn together.
Rotator polyhedraRotator{10, 20};
// clang-format off
PolyhedraScene tetratetra{"tetratetra", makeTetrahedron(),
                          tetrahedronFaceColours(), tetrahedronVertexColours(),
                          "Tetraedro / tetraedro", polyhedraRotator};
PolyhedraScene cubeocta{"cubeocta", makeCube(),
                        cubeFaceColours(), cubeVertexColours(),
                        "Cubo / ottaedro", polyhedraRotator};
PolyhedraScene icododeca{"icododeca", makeIcosahedron(),
                         icosahedronFaceColours(), icosahedronVertexColours(),
                         "Icosaedro / dodecaedro", polyhedraRotator};
// clang-format on

} // namespace
