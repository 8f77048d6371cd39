#pragma once
// The menu in the bottom-left corner: a small square that unfolds upwards,
// within 100 ms, into a translucent list of the captions of all listed scenes
// (first scene at the top). A press on a row makes that scene current.

#include "ui/panel_item.h"
#include "ui/widget.h"

class SceneMenu : public PanelItem, public Widget {
  public:
    // Closed: circle of radius 10.
    bool contains(Vec2 p) const override;
    // Open: the whole strip left of the list's right edge, at any height.
    Widget* pick(Vec2 p) override;
    // Advances the fold, then draws the square or the list.
    void draw() override;

    void enter() override { direction = 1; }
    void leave() override { direction = -1; }
    void press(Vec2 p) override;
    // Folded at once.
    void reset() override;
    // While it folds or unfolds, until the frame that shows it wholly folded
    // or unfolded has been drawn.
    bool isAnimating() const override;
    void restUntil(int now) override;

    // Moves openness towards the direction by elapsed time (1 per 100 ms).
    void advanceFold(int now);
    // The rows of scene index i at the current openness, relative to position.y.
    struct Row {
        int lo;
        int hi;
    };
    Row rowOf(int index, int sceneCount) const;

    double openness = 0.0;
    double direction = -1.0;
    int lastTime = -1;
    Vec2 pointer;
    int hoveredIndex = -1;
    double menuWidth = 0.0;
};
