#include "ui/bottom_rows.h"

#include <algorithm>
#include <numeric>

namespace {

// The room kept between two groups side by side and between two rows, and
// from the left edge to a wrapped row.
constexpr double gap = 6;
constexpr double margin = 10;

struct Group {
    std::vector<int> members;
    double left, right, bottom, top;
};

double leftOf(const BandControl& c) {
    return c.at.x - c.reach.left;
}

double rightOf(const BandControl& c) {
    return c.at.x + c.reach.right;
}

// Controls sorted by their left edge, those whose spans overlap across in
// one group.
std::vector<Group> groupsOf(const std::vector<BandControl>& controls) {
    std::vector<int> order(controls.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return leftOf(controls[a]) < leftOf(controls[b]); });
    std::vector<Group> groups;
    for (int i : order) {
        const BandControl& c = controls[i];
        const double bottom = c.at.y - c.reach.down;
        const double top = c.at.y + c.reach.up;
        if (!groups.empty() && leftOf(c) < groups.back().right) {
            Group& g = groups.back();
            g.members.push_back(i);
            g.right = std::max(g.right, rightOf(c));
            g.bottom = std::min(g.bottom, bottom);
            g.top = std::max(g.top, top);
        } else {
            groups.push_back({{i}, leftOf(c), rightOf(c), bottom, top});
        }
    }
    return groups;
}

} // namespace

std::vector<Vec2> wrapIntoRows(const std::vector<BandControl>& controls, Room room) {
    const auto limitAt = [&](double bottom) {
        return bottom >= room.cornerTop ? room.wideLimit : room.limit;
    };
    std::vector<Vec2> shifts(controls.size());
    const std::vector<Group> groups = groupsOf(controls);
    double cursor = 0;    // the right edge of the row so far
    double rowBottom = 0; // where the current row stands
    double rowTop = 0;    // the highest reach of the row so far
    bool firstRow = true;
    bool rowEmpty = true;
    double previousRight = 0; // the last group's right edge before moving
    for (const Group& g : groups) {
        const double width = g.right - g.left;
        double left = firstRow   ? g.left
                      : rowEmpty ? margin
                                 : cursor + std::max(0.0, g.left - previousRight);
        if (!rowEmpty && left + width > limitAt(rowBottom)) {
            firstRow = false;
            rowBottom = rowTop + gap;
            left = margin;
            rowEmpty = true;
        }
        // Too wide to stand beside the corner's items: above them.
        if (rowEmpty && !firstRow && left + width > room.limit)
            rowBottom = std::max(rowBottom, room.cornerTop + gap);
        const double dy = firstRow ? 0 : rowBottom - g.bottom;
        const Vec2 shift{left - g.left, dy};
        for (int i : g.members)
            shifts[i] = shift;
        cursor = left + width;
        rowTop = std::max(rowTop, g.top + dy);
        previousRight = g.right;
        rowEmpty = false;
    }
    return shifts;
}
