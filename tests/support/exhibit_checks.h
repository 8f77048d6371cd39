#pragma once
// Checks that hold for any scene whatever a visitor or the clock did to it,
// found through its panel and its background element: every control's value
// finite and within its bounds, the view rotation finite.

class Scene;
class Rotator;

namespace exhibit_checks {
// Adds a gtest failure for every value out of bounds; answers whether all held.
bool sane(Scene& scene);
// The largest entry of MᵀM − I of the rotation part of the rotator's orientation now.
double orthonormalityError(const Rotator& rotator);
// Every registered scene, in registration order, becomes the start-up list,
// and the list is emptied: initialise builds it.
void listEveryRegisteredScene();
// The resident set size of this process in bytes.
long residentBytes();
} // namespace exhibit_checks
