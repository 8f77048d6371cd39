#include "ui/scene_menu.h"

#include "geom/draw.h"
#include "ui/scene_list.h"
#include "ui/widget_panel.h"

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

// The widest caption at the captions' scale.
double widestCaption(const SceneList* list) {
    double widest = 0;
    for (int i = 0; list && i < list->count(); ++i)
        widest =
            std::max(widest, strokeTextWidth(GLUT_STROKE_ROMAN, list->captionAt(i)) * captionScale);
    return widest;
}

} // namespace

bool SceneMenu::contains(Vec2 p) const {
    const Vec2 d = p - position;
    return d.x * d.x + d.y * d.y < 100;
}

void SceneMenu::notePointer(Vec2 p, Millis now) {
    const bool over = contains(p);
    if (over && !onSquare)
        openOnArrival = opennessAt(now) == 1;
    onSquare = over;
}

Widget* SceneMenu::pick(Vec2 p, Millis now) {
    pointer = p;
    notePointer(p, now);
    if (opennessAt(now) == 0)
        return contains(p) ? this : nullptr;
    return p.x < position.x + menuWidth ? this : nullptr;
}

void SceneMenu::layout(double width, double height) {
    PanelItem::layout(width, height);
    const double widest = widestCaption(sceneList());
    // Narrow windows get the captions smaller rather than cut at the edge.
    const double room = width - position.x - 25;
    captionFit = WidgetPanel::forFingers && widest > room && widest > 0 ? room / widest : 1.0;
    captionsWidth = widest * captionFit + 20;
    menuWidth = captionsWidth + 5;
}

void SceneMenu::turnTo(double direction, Millis now) {
    fold.steer(direction * 0.01, now);
}

void SceneMenu::enter(Millis now) {
    turnTo(1, now);
}

void SceneMenu::leave(Millis now) {
    onSquare = false;
    turnTo(-1, now);
}

void SceneMenu::press(Vec2 p, Millis now) {
    notePointer(p, now);
    if (contains(p) && !(openOnArrival && opennessAt(now) == 1)) {
        turnTo(1, now);
        return;
    }
    const int index = rowAt(p, now);
    SceneList* list = sceneList();
    if (list && index >= 0)
        list->select(index);
    turnTo(-1, now);
}

void SceneMenu::reset() {
    fold.set(0);
    onSquare = false;
    openOnArrival = false;
}

void SceneMenu::showOpen() {
    fold.set(1);
}

SceneMenu::Row SceneMenu::rowOf(int index, int sceneCount, double openness) {
    const int lo = int((sceneCount + 1 - index) * openness * rowHeight);
    const int hi = int(openness * rowHeight + lo);
    return {lo, hi};
}

int SceneMenu::rowAt(Vec2 p, Millis now) const {
    const SceneList* list = sceneList();
    const int n = list ? list->count() : 0;
    const double openness = opennessAt(now);
    const double ry = p.y - position.y;
    int found = -1;
    for (int i = 0; i < n && openness > 0; ++i) {
        const Row row = rowOf(i, n, openness);
        if (row.lo < ry && ry < row.hi)
            found = i;
    }
    return found;
}

void SceneMenu::draw(Millis now) const {
    const double openness = opennessAt(now);
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
        const double w = captionsWidth;
        blendedRect(-5, 52 * openness - 5, w + 5, (rowHeight * n + 52) * openness + 5, 0.8, 0.7,
                    0.1, 0.8);

        const int rowWidth = int(w);
        const int lit = rowAt(pointer, now);
        for (int i = 0; i < n; ++i) {
            const Row row = rowOf(i, n, openness);
            if (i == lit)
                blendedRect(0, row.lo, rowWidth, row.hi, 0.4, 0.6, 0.2, 0.5);
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
                const double scale = captionScale * captionFit;
                glScaled(scale, scale, scale);
                strokeText(GLUT_STROKE_ROMAN, list->captionAt(i));
            }
            glPopMatrix();
        }
    }
    glPopMatrix();
}
