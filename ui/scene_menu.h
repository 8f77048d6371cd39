#pragma once
// The menu in the bottom-left corner: a small square that unfolds upwards,
// within 100 ms, into a translucent list of the captions of all listed scenes
// (first scene at the top). A press on a row makes that scene current.

#include "geom/ramp.h"
#include "ui/panel_item.h"
#include "ui/widget.h"

class SceneMenu : public PanelItem, public Widget {
  public:
    // Closed: circle of radius 10.
    bool contains(Vec2 p) const override;
    // Open: the whole strip left of the list's right edge, at any height.
    Widget* pick(Vec2 p, Millis now) override;
    // The square, or the list as open as it is now, the row under the pointer lit.
    void draw(Millis now) const override;
    // Places it, and measures the list's width from the captions as they are
    // now; on a touch screen, fits the list into the window (see grid).
    void layout(double width, double height) override;

    // Unfolds while the pointer is over it, folds when it leaves.
    void enter(Millis now) override;
    void leave(Millis now) override;
    // A press on a row shows that scene and folds the menu. A press on the
    // square folds the menu only when it was already wholly open before the
    // pointer came onto the square; otherwise it unfolds it, or keeps it
    // open. A tap on a touch screen arrives as motion and press at once, and
    // however late its press is handled (one slow frame lets the hover open
    // the menu wholly) it must leave the menu open. Anywhere else on the
    // menu, the press folds it.
    void press(Vec2 p, Millis now) override;
    // Folded at once.
    void reset() override;
    // Wholly unfolded at once, as a pointer resting on it leaves it.
    void showOpen();
    // While it folds or unfolds, until the moment it is wholly folded or unfolded.
    bool isAnimating(Millis now) const override { return fold.moves(now); }

    // How far it is unfolded at now: 0 folded, 1 open.
    double opennessAt(Millis now) const { return fold.at(now); }
    // The rows of scene index i at an openness, relative to position.y, and
    // the left edge of its column relative to position.x.
    struct Row {
        int lo;
        int hi;
        double left = 0;
    };
    // In one column of rows 26 units tall, as the menu stands for a mouse.
    static Row rowOf(int index, int sceneCount, double openness);
    // As the menu stands now (see grid).
    Row placeOf(int index, int sceneCount, double openness) const;
    // The index of the row at the overlay point p when the menu is as open
    // as at now; -1 for none.
    int rowAt(Vec2 p, Millis now) const;

    // The pointer as it was last seen over the menu's corner of the panel.
    Vec2 pointer;
    // The widest caption with its margins, and the whole list's width with
    // its frame, in overlay units.
    double captionsWidth = 0.0;
    double menuWidth = 0.0;
    // The captions' size against their usual one: below 1 where a narrow
    // arrangement would otherwise cut them at the window's edge.
    double captionFit = 1.0;
    // How the open list stands: rows rowHeight units tall, perColumn of them
    // in a column (0: all in one), the first scene at the top of the first
    // column and the next columns to its right, the lowest row rowsBelow
    // rows' height above position. Only a touch screen's layout changes it
    // from one column of 26-unit rows two rows up.
    struct Grid {
        double rowHeight = 26;
        int perColumn = 0;
        double rowsBelow = 2;
    };
    Grid grid;

  private:
    // Unfolds and folds by 1 per 100 ms.
    void turnTo(double direction, Millis now);
    // Follows the pointer onto and off the square, noting at each arrival
    // whether the menu was wholly open then.
    void notePointer(Vec2 p, Millis now);
    Ramp fold{0.0, 0.0, 1.0};
    bool onSquare = false;
    bool openOnArrival = false;
};
