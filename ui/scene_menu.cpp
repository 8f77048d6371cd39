#include "ui/scene_menu.h"

#include "geom/draw.h"
#include "ui/finger_size.h"
#include "ui/scene_list.h"
#include "ui/widget_panel.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>

namespace {
constexpr double rowHeight = 26;
constexpr double captionScale = 0.15;
// The room between two columns of the list.
constexpr double columnGap = 10;

// Row k of a column of count rows rowTall units tall, at an openness, with
// rowsBelow rows' height under the column.
SceneMenu::Row rowInColumn(int k, int count, double openness, double rowTall, double rowsBelow) {
    const int lo = int((count - 1 - k + rowsBelow) * openness * rowTall);
    const int hi = int(openness * rowTall + lo);
    return {lo, hi};
}

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
    const SceneList* list = sceneList();
    const double widest = widestCaption(list);
    grid = {};
    int columns = 1;
    const bool fits = !list || (list->count() + 2) * rowHeight + 5 <= height - position.y;
    if (WidgetPanel::forFingers && !fits) {
        // A short screen (a phone on its side, a wide kiosk) has no room
        // for the usual column. The list then starts just above the
        // square's circle and ends at the window's top edge, its frame
        // included; the rows give up height down to a finger's least, and
        // past that the list stands in as few columns as that height takes.
        // Every caption stays in sight and a tap away, where a scrolled list
        // would hide some behind a drag that a visitor must first discover
        // and that a tap's drift could start by mistake.
        const int n = list->count();
        const double least = FingerSize::narrowestControlUnits;
        const double below = 20;
        const double room = height - position.y - below - 5;
        const int most = std::max(1, int(room / least));
        columns = n <= most ? 1 : (n + most - 1) / most;
        grid.perColumn = columns > 1 ? (n + columns - 1) / columns : 0;
        const int perColumn = columns > 1 ? grid.perColumn : n;
        grid.rowHeight = std::clamp(room / perColumn, least, rowHeight);
        grid.rowsBelow = below / grid.rowHeight;
    }
    // Narrow windows get the captions smaller rather than cut at the edge.
    const double room = (width - position.x - 5 - (columns - 1) * columnGap) / columns - 20;
    captionFit = WidgetPanel::forFingers && widest > room && widest > 0 ? room / widest : 1.0;
    captionsWidth = widest * captionFit + 20;
    menuWidth = columns * captionsWidth + (columns - 1) * columnGap + 5;
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
    return rowInColumn(index, sceneCount, openness, rowHeight, 2);
}

SceneMenu::Row SceneMenu::placeOf(int index, int sceneCount, double openness) const {
    const int perColumn = grid.perColumn > 0 ? grid.perColumn : sceneCount;
    Row row = rowInColumn(index % perColumn, perColumn, openness, grid.rowHeight, grid.rowsBelow);
    row.left = (index / perColumn) * (captionsWidth + columnGap);
    return row;
}

int SceneMenu::rowAt(Vec2 p, Millis now) const {
    const SceneList* list = sceneList();
    const int n = list ? list->count() : 0;
    const double openness = opennessAt(now);
    const double ry = p.y - position.y;
    // Each column takes the pointer up to halfway to the next.
    const double pitch = captionsWidth + columnGap;
    const int column =
        grid.perColumn > 0 ? int(std::floor((p.x - position.x + columnGap / 2) / pitch)) : 0;
    int found = -1;
    for (int i = 0; i < n && openness > 0; ++i) {
        const Row row = placeOf(i, n, openness);
        if (row.lo < ry && ry < row.hi && (grid.perColumn == 0 || i / grid.perColumn == column))
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
        const double tall = grid.rowHeight;
        const int perColumn = grid.perColumn > 0 ? grid.perColumn : n;
        const int columns = perColumn > 0 ? (n + perColumn - 1) / perColumn : 1;
        const double listWidth = columns * w + (columns - 1) * columnGap;
        const double below = grid.rowsBelow * tall;
        blendedRect(-5, below * openness - 5, listWidth + 5,
                    (tall * perColumn + below) * openness + 5, 0.8, 0.7, 0.1, 0.8);

        const int rowWidth = int(w);
        const int lit = rowAt(pointer, now);
        for (int i = 0; i < n; ++i) {
            const Row row = placeOf(i, n, openness);
            glPushMatrix();
            {
                glTranslated(row.left, 0, 0);
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
                    // Captions shrink with rows shorter than the usual, and
                    // to fit their column: whichever asks more, since a
                    // caption small enough for one is small enough for both.
                    const double shrink = tall / rowHeight;
                    glTranslated(10, row.lo + 7 * shrink, 0);
                    const double scale = captionScale * std::min(captionFit, shrink);
                    glScaled(scale, scale, scale);
                    strokeText(GLUT_STROKE_ROMAN, list->captionAt(i));
                }
                glPopMatrix();
            }
            glPopMatrix();
        }
    }
    glPopMatrix();
}
