#include "scenes/klein/label_layout.h"

#include <cmath>

namespace {
constexpr int rows = 100;
constexpr int lastRow = rows - 1;
constexpr int lastColumn = 49;
constexpr int labelRows = 10;
} // namespace

LabelPlacement labelPlacement(double morph, int rowCount) {
    LabelPlacement placement;
    const double position = std::trunc(double(rowCount) * morph * 2);
    if (!std::isfinite(position) || rowCount <= 0)
        return placement;
    // Two trips around bring the label back as it was; fmod is exact, so this
    // holds for angles far beyond what an int can count.
    const double period = 2.0 * rowCount;
    double r = std::fmod(position, period);
    if (r < 0)
        r += period;
    placement.flipped = r >= rowCount;
    placement.row = int(placement.flipped ? r - rowCount : r);
    return placement;
}

LabelLayout labelLayout(LabelPlacement placement) {
    LabelLayout layout;
    const int c = placement.row;
    // The label's columns: h to e, or the mirrored 19 to 29 once flipped
    // (column j and column 49 - j are mirror images across the tube); d is
    // the right edge of the part on the far side of the seam.
    const int e = placement.flipped ? 29 : 30;
    const int d = placement.flipped ? 30 : 29;
    const int h = e - 10;
    const double s0 = placement.flipped ? 0 : 1;
    const double s1 = placement.flipped ? 1 : 0;
    const int a = (c + labelRows) % rows;
    auto label = [&](StripRun run) { layout.label[layout.labelRuns++] = run; };
    auto rest = [&](int r0, int r1, int c0, int c1) {
        layout.rest[layout.restRuns++] = {r0, r1, c0, c1};
    };
    if (c < a) {
        label({c, a, h, e, 0, 1, s0, s1});
        rest(c, a, e, lastColumn);
        rest(c, a, 0, h);
        rest(0, c, 0, lastColumn);
        rest(a, lastRow, 0, lastColumn);
        return layout;
    }
    // Straddling the seam: the part after it lies on the mirrored columns,
    // with its horizontal coordinate reversed, because the tube's end joins
    // its start turned over.
    const double l = 1 - a * 0.1;
    if (a > 0) {
        label({0, a, d - 10, d, l, 1, s1, s0});
        rest(0, a, d, lastColumn);
        rest(0, a, 0, d - 10);
    }
    if (c < lastRow) {
        label({c, lastRow, h, e, 0, l, s0, s1});
        rest(c, lastRow, e, lastColumn);
        rest(c, lastRow, 0, h);
    }
    rest(a, c, 0, lastColumn);
    return layout;
}
