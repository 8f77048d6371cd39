#pragma once
// The narrow arrangement of the controls along the bottom edge: on a screen
// too narrow for them in one line, they wrap into rows above one another,
// each row packed from the left, so that none overlaps another or leaves the
// screen. Controls whose hit areas overlap across (two sliders stacked one
// over the other) move together as one group. No GL call.

#include "geom/vec.h"
#include "ui/panel_item.h"

#include <vector>

// One control of the bottom band: where it sits from the bottom-left corner
// and how far its hit area reaches from there.
struct BandControl {
    Vec2 at;
    PanelItem::Reach reach;
};

// The room for the rows, in overlay units from the bottom-left corner: rows
// standing lower than cornerTop (beside the bottom-right corner's items)
// end left of limit, rows above it left of wideLimit.
struct Room {
    double limit;
    double wideLimit;
    double cornerTop;
};

// How far each control moves, in order, so that every row ends within the
// room. The first row keeps its controls where they are as long as they
// fit; a group too wide to stand beside the corner's items goes above them,
// and one wider than the whole width stays alone on its row.
std::vector<Vec2> wrapIntoRows(const std::vector<BandControl>& controls, Room room);
