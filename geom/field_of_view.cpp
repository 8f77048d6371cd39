#include "geom/field_of_view.h"

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
