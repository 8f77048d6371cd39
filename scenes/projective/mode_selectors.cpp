#include "scenes/projective/mode_selectors.h"

#include "geom/draw.h"

#include <GL/gl.h>

#include <cmath>

namespace {
constexpr int ringAngles = 20;
} // namespace

void SurfaceModeSelector::drawIcon(int index) const {
    glColor3d(0.1, 0.7, 0.3);
    switch (index) {
    case 0:
        drawSquareOutline(7);
        break;
    case 1:
        glRectd(-7, -7, 7, 7);
        break;
    case 2:
        for (double x = -7; x < 7; x += 4)
            glRectd(x, -7, x + 2, 7);
        break;
    default:
        break;
    }
}

BoundaryModeSelector::BoundaryModeSelector() : OptionRow(4, 20) {
    ringPoints.reserve(2 * ringAngles);
    for (int k = 0; k < ringAngles; ++k) {
        const double angle = 2.0 * pi * k / (ringAngles - 1);
        ringPoints.push_back({6 * std::cos(angle), 6 * std::sin(angle)});
        ringPoints.push_back({8 * std::cos(angle), 8 * std::sin(angle)});
    }
}

void BoundaryModeSelector::drawIcon(int index) const {
    if (index < 0 || index >= iconCount)
        return;
    if (index == 0) {
        // The inner points taken in pairs: ten dashes of a circle.
        glColor3d(0, 0, 0);
        glBegin(GL_LINES);
        {
            for (int k = 0; k < ringAngles; ++k)
                glVertex2d(ringPoints[2 * k].x, ringPoints[2 * k].y);
        }
        glEnd();
        return;
    }
    if (index == 1)
        glColor3d(0.5, 0.4, 0.2);
    glBegin(GL_QUAD_STRIP);
    {
        for (int k = 0; k < ringAngles; ++k) {
            if (index > 1)
                hueColour(2.0 * k / (2 * ringAngles - 1), 1);
            glVertex2d(ringPoints[2 * k].x, ringPoints[2 * k].y);
            glVertex2d(ringPoints[2 * k + 1].x, ringPoints[2 * k + 1].y);
        }
    }
    glEnd();
    // The generator across the ring, in the colour the ring ended with.
    if (index == 3)
        glRectd(-8, -1, 8, 1);
}
