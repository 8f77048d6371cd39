#pragma once
// The base of every flat overlay control: placed at an offset from a window
// corner, hit-tested, picked and drawn in overlay units (ui/overlay_scale.h).
// Every concrete control derives from PanelItem first and Widget second; the
// panel keeps the PanelItem side and hands the Widget side to the event layer.

#include "geom/clock.h"
#include "geom/vec.h"

class Widget;

// The window corner an item's offset is measured from. Offsets from a top
// corner have negative y, from a right corner negative x.
enum Anchor : int { TopLeft = 0, BottomLeft = 1, TopRight = 2, BottomRight = 3 };

class PanelItem {
  public:
    virtual ~PanelItem() = default;

    virtual bool contains(Vec2 p) const = 0;
    // How far the item's hit area reaches from position, in overlay units;
    // a circle of radius 10 unless the item says otherwise.
    struct Reach {
        double left = 10;
        double right = 10;
        double down = 10;
        double up = 10;
    };
    virtual Reach reach() const { return {}; }
    // The widget that takes the pointer at p at the event's moment now, or
    // nullptr. Hidden items take part.
    virtual Widget* pick(Vec2 p, Millis now);
    // Draws the item as it is at now, in overlay units, with lighting and
    // depth testing off; changes nothing.
    virtual void draw(Millis now) const = 0;

    // For an exhibit that returns to its start-up state when left alone:
    // rememberStart keeps the item's values as they are now (once, before
    // the first frame), reset puts them back and ends any drag or spin.
    virtual void rememberStart() {}
    virtual void reset() {}

    // position = offset + the anchor's corner of a window width by height
    // overlay units large.
    virtual void layout(double width, double height);

    Vec2 offset;
    Vec2 position;
    Anchor anchor = BottomLeft;
    bool hidden = false;
};

// Sets where a new item sits and hands it back, ready for WidgetPanel::add.
template <typename Item> Item* placed(Item* item, Anchor anchor, Vec2 offset) {
    item->anchor = anchor;
    item->offset = offset;
    return item;
}
