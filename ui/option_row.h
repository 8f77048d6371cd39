#pragma once
// A row of icons of which exactly one is selected: a filled marker under the
// selected icon, an outline under the one the pointer is over. Subclasses draw
// the icons (centred at the origin, about 16 units across); owners poll selected.

#include "ui/panel_item.h"
#include "ui/widget.h"

class OptionRow : public PanelItem, public Widget {
  public:
    OptionRow(int iconCount, double spacing) : spacing(spacing), iconCount(iconCount) {}

    // 10 % wider than the row, 20 units above and below its centre line.
    bool contains(Vec2 p) const override;
    Reach reach() const override {
        const double half = iconCount * spacing * 0.55;
        return {half, half, 20, 20};
    }
    // Also tracks the icon under the pointer.
    Widget* pick(Vec2 p, Millis now) override;
    void draw(Millis now) const override;
    virtual void drawIcon(int index) const = 0;

    void leave(Millis) override { hoveredIndex = -1; }
    void press(Vec2 p, Millis) override;
    void rememberStart() override { startSelected = selected; }
    void reset() override { selected = startSelected; }

    // The icon whose slot holds p.x, clamped to the row's ends.
    int slotAt(Vec2 p) const;
    // The x of icon i's centre.
    double iconX(int index) const;

    double spacing;
    int iconCount;
    int selected = 0;
    int startSelected = 0;
    int hoveredIndex = -1;
};
