#include "geom/field_of_view.h"

#include "geom/pick_box.h"
#include "geom/vec.h"

#include <cmath>

double verticalFieldOfView(double aspect) {
    constexpr double widest = 4.0 / 3.0;
    constexpr double degrees = 45;
    if (!(aspect > 0) || !std::isfinite(aspect))
        aspect = 1;
    if (aspect >= widest)
        return degrees;
    const double halfRadians = degrees * pi / 360;
    return std::atan(std::tan(halfRadians) * widest / aspect) * 360 / pi;
}

Mat4 bandPerspective(int width, int height, double bottom, double top) {
    const double bandHeight = top - bottom;
    if (width <= 0 || height <= 0 || !(bandHeight > 0))
        return perspective(verticalFieldOfView(1), 1, 1, 20);
    const double aspect = width / bandHeight;
    // Clip space's y, from -1 at the window's bottom to 1 at its top, taken
    // into the band: y' = y * squeeze + w * shift.
    Mat4 intoBand;
    intoBand.m[5] = bandHeight / height;
    intoBand.m[13] = (bottom + top) / height - 1;
    return intoBand * perspective(verticalFieldOfView(aspect), aspect, 1, 20);
}
