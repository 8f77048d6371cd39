#pragma once
// Three rows, red, green and blue from the bottom up, each a gradient bar
// with a marker at the channel's value (0 to 255) and the value in digits.
// Dragging along a row sets that channel; the colour is edited in place.
// On a touch screen (WidgetPanel::forFingers) each row is a finger tall, its
// bar and marker drawn to match.

#include "ui/panel_item.h"
#include "ui/widget.h"

class ColourEditor : public PanelItem, public Widget {
  public:
    explicit ColourEditor(int* rgb) : rgb(rgb) {}

    bool contains(Vec2 p) const override;
    // The hit area around position: the bars and 10 units beyond either end.
    Reach reach() const override;
    void draw(Millis now) const override;

    void leave(Millis) override { hovered = false; }
    void hover(Vec2 p, Millis) override;
    // Grabs the row's marker where it was pressed; the value does not change yet.
    void press(Vec2 p, Millis) override;
    // Keeps the marker at the grab distance from the pointer.
    void drag(Vec2 p, Millis) override;
    void release(Vec2, Millis) override { pressed = false; }
    // The colour as it is now; reset restores it and hides the editor.
    void rememberStart() override;
    void reset() override;

    double left() const { return position.x - width * 0.5; }
    double right() const { return left() + width - 1; }
    // The column of a channel value, and the value of a column (unclamped), in
    // overlay units.
    int columnOf(int value) const;
    int valueAt(int column) const;
    // The row at the height of p: 0 red, 1 green, 2 blue (others outside the rows).
    int rowAt(Vec2 p) const;

    int* rgb;
    int startRgb[3] = {0, 0, 0};
    double width = 100.0;
    bool pressed = false;
    bool hovered = false;
    int row = -1;
    int grabOffset = 0;
};
