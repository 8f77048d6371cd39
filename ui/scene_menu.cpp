#include "ui/scene_menu.h"

#include "geom/clock.h"
#include "geom/draw.h"
#include "ui/scene_list.h"

#include <GL/freeglut.h>

#include <algorithm>

namespace {
constexpr double rowHeight = 26;
constexpr double captionScale = 0.15;

void blendedRect(double x0, double y0, double x1, double y1, double r, double g, double b,
                 double alpha) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4d(r, g, b, alpha);
    glRectd(x0, y0, x1, y1);
    glDisable(GL_BLEND);
}
} // namespace

bool SceneMenu::contains(Vec2 p) const {
    const Vec2 d = p - position;
    return d.x * d.x + d.y * d.y < 100;
}

Widget* SceneMenu::pick(Vec2 p) {
    pointer = p;
    if (openness == 0)
        return contains(p) ? this : nullptr;
    return p.x < position.x + menuWidth ? this : nullptr;
}

void SceneMenu::press(Vec2) {
    SceneList* list = sceneList();
    if (list && hoveredIndex >= 0 && hoveredIndex < list->count())
        list->select(hoveredIndex);
    direction = -1;
}

void SceneMenu::reset() {
    openness = 0;
    direction = -1;
    hoveredIndex = -1;
}

bool SceneMenu::isAnimating() const {
    return (direction > 0 && openness < 1) || (direction < 0 && openness > 0);
}

void SceneMenu::restUntil(int now) {
    if (!isAnimating())
        lastTime = now;
}

void SceneMenu::advanceFold(int now) {
    const int dt = millisBetween(lastTime, now);
    lastTime = now;
    if ((direction > 0 && openness < 1) || (direction < 0 && openness > 0))
        openness = std::clamp(openness + direction * dt * 0.01, 0.0, 1.0);
}

SceneMenu::Row SceneMenu::rowOf(int index, int sceneCount) const {
    const int lo = int((sceneCount + 1 - index) * openness * rowHeight);
    const int hi = int(openness * rowHeight + lo);
    return {lo, hi};
}

void SceneMenu::draw() {
    hoveredIndex = -1;
    advanceFold(elapsedMillis());
    glPushMatrix();
    {
        glTranslated(position.x, position.y, 0);
        if (openness == 0) {
            glColor3d(1, 1, 1);
            drawSquareOutline(7);
            glPopMatrix();
            return;
        }
        const SceneList* list = sceneList();
        const int n = list ? list->count() : 0;
        double widest = 0;
        for (int i = 0; i < n; ++i)
            widest = std::max(widest, strokeTextWidth(GLUT_STROKE_ROMAN, list->captionAt(i)) *
                                          captionScale);
        const double w = widest + 20;
        blendedRect(-5, 52 * openness - 5, w + 5, (rowHeight * n + 52) * openness + 5, 0.8, 0.7,
                    0.1, 0.8);
        menuWidth = w + 5;

        const int rowWidth = int(w);
        const double ry = pointer.y - position.y;
        for (int i = 0; i < n; ++i) {
            const Row row = rowOf(i, n);
            if (row.lo < ry && ry < row.hi) {
                blendedRect(0, row.lo, rowWidth, row.hi, 0.4, 0.6, 0.2, 0.5);
                hoveredIndex = i;
            }
            if (i == list->shownIndex()) {
                glColor3d(0.4, 0.6, 0.2);
                glBegin(GL_LINE_STRIP);
                {
                    glVertex2i(0, row.lo);
                    glVertex2i(0, row.hi);
                    glVertex2i(rowWidth, row.hi);
                    glVertex2i(rowWidth, row.lo);
                    glVertex2i(0, row.lo);
                }
                glEnd();
            }
            glColor3d(1, 1, 1);
            glPushMatrix();
            {
                glTranslated(10, row.lo + 7, 0);
                glScaled(captionScale, captionScale, captionScale);
                strokeText(GLUT_STROKE_ROMAN, list->captionAt(i));
            }
            glPopMatrix();
        }
    }
    glPopMatrix();
}
