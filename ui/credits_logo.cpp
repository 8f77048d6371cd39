#include "ui/credits_logo.h"

#include "geom/draw.h"
#include "ui/captions.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>

namespace {
constexpr double firstArm = 0.415; // angle of the V's fixed arm, radians
constexpr double bladeLength = 61.5;
constexpr double bladeWidth = 3;

void pink() {
    glColor3f(237 / 255.0f, 65 / 255.0f, 92 / 255.0f);
}
void teal() {
    glColor3f(0.0f, 142 / 255.0f, 169 / 255.0f);
}

// The two text lines, white, right-aligned just left of the emblem and high
// enough to clear the scene controls along the bottom edge.
void drawCredits() {
    struct Line {
        std::string text;
        double scale;
        double baseline;
    };
    const Line lines[] = {{"Lembovari", 0.16, 40}, {creditsLine(), 0.09, 24}};
    glColor3d(1, 1, 1);
    for (const Line& line : lines) {
        const double width = strokeTextWidth(GLUT_STROKE_ROMAN, line.text) * line.scale;
        glPushMatrix();
        {
            glTranslated(-64 - width, line.baseline, 0);
            glScaled(line.scale, line.scale, line.scale);
            strokeText(GLUT_STROKE_ROMAN, line.text);
        }
        glPopMatrix();
    }
}
} // namespace

bool CreditsLogo::contains(Vec2 p) const {
    const Vec2 d = p - position;
    return d.x * d.x + d.y * d.y < 900;
}

double CreditsLogo::armAngle(double openness) {
    return (1 - openness) * 1.151 + openness * (pi - firstArm);
}

void CreditsLogo::enter(Millis now) {
    hovered = true;
    opening.steer(0.002, now);
}

void CreditsLogo::leave(Millis now) {
    hovered = false;
    opening.steer(-0.005, now);
}

void CreditsLogo::reset() {
    hovered = false;
    opening.set(0);
}

void CreditsLogo::showOpen() {
    hovered = true;
    opening.set(1);
}

void CreditsLogo::draw(Millis now) const {
    const double openness = opennessAt(now);
    const double a = armAngle(openness);
    const double bisector = (a + firstArm) / 2;

    glPushMatrix();
    {
        glTranslated(position.x, position.y, 0);
        if (showsText(openness))
            drawCredits();

        // The ring runs counter-clockwise from just past the moving arm round
        // to just short of the fixed one, leaving the gap the V opens into.
        pink();
        glBegin(GL_QUAD_STRIP);
        {
            for (int i = 0; i < 100; ++i) {
                const double g = a + 0.1 + i * (2 * pi + 0.215 - a) / 99;
                glVertex2d(18 * std::cos(g), 18 * std::sin(g));
                glVertex2d(21 * std::cos(g), 21 * std::sin(g));
            }
        }
        glEnd();

        const Vec2 p{bladeLength * std::cos(firstArm), bladeLength * std::sin(firstArm)};
        const Vec2 pInner = p + bladeWidth * Vec2{-std::sin(firstArm), std::cos(firstArm)};
        const Vec2 q{bladeLength * std::cos(a), bladeLength * std::sin(a)};
        const Vec2 qInner = q - bladeWidth * Vec2{-std::sin(a), std::cos(a)};
        // Where the inner edges of the two blades meet, on the bisector.
        const double pivotDistance = bladeWidth / std::sin((a - firstArm) / 2);
        const Vec2 pivot{pivotDistance * std::cos(bisector), pivotDistance * std::sin(bisector)};

        glPushMatrix();
        {
            glRotated(openness * 180, std::cos(bisector), std::sin(bisector), 0);
            teal();
            glBegin(GL_POLYGON);
            {
                glVertex2d(0, 0);
                glVertex2d(p.x, p.y);
                glVertex2d(pInner.x, pInner.y);
                glVertex2d(pivot.x, pivot.y);
            }
            glEnd();
            glBegin(GL_POLYGON);
            {
                glVertex2d(0, 0);
                glVertex2d(q.x, q.y);
                glVertex2d(qInner.x, qInner.y);
                glVertex2d(pivot.x, pivot.y);
            }
            glEnd();

            glTranslated(pivot.x, pivot.y, 0);
            pink();
            glBegin(GL_TRIANGLE_FAN);
            {
                glVertex2d(0, 0);
                for (int k = 0; k <= 9; ++k) {
                    const double d = (k * a + (9 - k) * firstArm) / 9;
                    glVertex2d(33 * std::cos(d), 33 * std::sin(d));
                }
            }
            glEnd();
        }
        glPopMatrix();
    }
    glPopMatrix();
}
