#include "scenes/moebius/strip_map_scene.h"

#include "scenes/moebius/strip_map.h"
#include "ui/widget_panel.h"

#include <algorithm>
#include <iterator>

StripMapScene::StripMapScene(Rotator& rotator) : MoebiusScene("Moebius6", Map, rotator) {}

Widget* StripMapScene::pickAt(Vec2 p) {
    if (Widget* hit = panel->pick(p))
        return hit;
    return this;
}

void StripMapScene::reset() {
    MoebiusScene::reset();
    std::fill(std::begin(strip.regionState), std::end(strip.regionState), 0);
    forwardToRotator = true;
}

void StripMapScene::press(Vec2 p) {
    const int name = selectAt(p);
    if (name > 0) {
        // On the band: a region switches colour; the view stays.
        forwardToRotator = false;
        strip_map::toggleRegion(strip.regionState, name);
        return;
    }
    forwardToRotator = true;
    backgroundElement()->press(p);
}

void StripMapScene::drag(Vec2 p) {
    if (forwardToRotator)
        backgroundElement()->drag(p);
}

// The release stays here: the shared view's release would measure the drag
// and leave the map spinning, and the map keeps still. The press has already
// stopped any spin the view brought from another scene.
void StripMapScene::release(Vec2) {}
