// Every exhibit of the program, in the order of their construction. One file
// defines them all so that the order holds by construction: each shared
// Rotator is built before the scenes that turn with it.

#include "scenes/projective/cross_cap_scene.h"
#include "scenes/projective/uncrossed_cross_cap_scene.h"

namespace {
CrossCapScene crossCap;
UncrossedCrossCapScene uncrossedCrossCap;
} // namespace
