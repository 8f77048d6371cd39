// Every exhibit of the program, in the order of their construction. One file
// defines them all so that the order holds by construction: each shared
// Rotator is built before the scenes that turn with it.

// The Klein bottles.
#include "geom/rotator.h"
#include "scenes/klein/klein_scenes.h"

// The Moebius strips.

// The projective planes.
#include "scenes/projective/cross_cap_scene.h"
#include "scenes/projective/uncrossed_cross_cap_scene.h"

// The ring.

// The polyhedra.

namespace {

// The Klein bottles turn together.
Rotator kleinRotator;
KleinFromRectangleScene kleinFromRectangle(kleinRotator);
KleinBottleScene kleinBottle(kleinRotator);
KleinLabelScene kleinLabel(kleinRotator);
KleinHalvesScene kleinHalves(kleinRotator);

// The Moebius strips turn together.

// The projective planes, each with a rotator of its own.
CrossCapScene crossCap;
UncrossedCrossCapScene uncrossedCrossCap;

// The ring, with a rotator of its own.

// The polyhedra turn together.

} // namespace
