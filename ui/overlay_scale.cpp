#include "ui/overlay_scale.h"

#include <algorithm>

OverlayScale overlayScale;

double OverlayScale::fitting(int width, int height) {
    if (width <= 0 || height <= 0)
        return 1.0;
    return std::clamp(std::min(width / designWidth, height / designHeight), smallest, largest);
}

void OverlayScale::fix(double factor) {
    s = factor;
    follows = false;
}

void OverlayScale::windowResized(int width, int height) {
    if (follows)
        s = fitting(width, height);
}

Vec2 OverlayScale::overlaySize(int width, int height) const {
    return {width / factor(), height / factor()};
}

Vec2 OverlayScale::toOverlay(int x, int y, int height) const {
    return {x / factor(), (height - y) / factor()};
}

Vec2 OverlayScale::toWindow(Vec2 overlayPoint) const {
    return overlayPoint * factor();
}
