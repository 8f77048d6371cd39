#include "scenes/moebius/strip_map_scene.h"

#include "scenes/moebius/strip_map.h"
#include "ui/widget_panel.h"

#include <algorithm>
#include <iterator>

StripMapScene::StripMapScene(Rotator& rotator) : MoebiusScene("Moebius6", Map, rotator) {}

Widget* StripMapScene::pickAt(Vec2 p, Millis now) {
    if (Widget* hit = panel->pick(p, now))
        return hit;
    return this;
}

void StripMapScene::reset(Millis now) {
    MoebiusScene::reset(now);
    std::fill(std::begin(strip.regionState), std::end(strip.regionState), 0);
    forwardToRotator = true;
}

void StripMapScene::press(Vec2 p, Millis now) {
    // A tap comes with no frame before it: the view may have turned since
    // the last one.
    update(now);
    PickBox box = pickBoxAt(p);
    const int name = strip.mapNameAt(box, modelview());
    if (name > 0) {
        // On the band: a region switches colour; the view stays.
        forwardToRotator = false;
        strip_map::toggleRegion(strip.regionState, name);
        return;
    }
    forwardToRotator = true;
    backgroundElement()->press(p, now);
}

void StripMapScene::drag(Vec2 p, Millis now) {
    if (forwardToRotator)
        backgroundElement()->drag(p, now);
}

// The release stays here: the shared view's release would measure the drag
// and leave the map spinning, and the map keeps still. The press has already
// stopped any spin the view brought from another scene.
void StripMapScene::release(Vec2, Millis) {}
