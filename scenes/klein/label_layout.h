#pragma once
// Where the label sits on the mirrored bottle of 100 rows by 50 columns: the
// row its top edge is on, whether it comes back mirrored after an odd number
// of trips around, and the strips that carry it and the rest of the bottle.

struct LabelPlacement {
    int row = 0;          // 0 to rows - 1
    bool flipped = false; // true after an odd number of trips around the bottle
};

// The label at morph: row = trunc(2 rows morph) taken modulo rows, each whole
// trip around toggling flipped; the same answer, in constant time, as adding
// or taking away whole trips one at a time. A morph that is not finite puts
// the label at row 0, not flipped.
LabelPlacement labelPlacement(double morph, int rows);

// A run of quad strips between rows r and r + 1 for r0 <= r < r1 over columns
// c0 to c1 inclusive; for the label also the texture rows t0 to t1 and the
// horizontal texture coordinates, 1 - s0 at c0 to 1 - s1 at c1.
struct StripRun {
    int r0 = 0, r1 = 0, c0 = 0, c1 = 0;
    double t0 = 0, t1 = 0, s0 = 0, s1 = 0;
};

// The label's strips (one run, or two where it straddles the seam at row 0)
// and those of the translucent rest of the bottle, which together cover the
// mesh once. Made for a mesh of 100 rows and 50 columns; label is 10 rows by
// 10 columns.
struct LabelLayout {
    int labelRuns = 0;
    StripRun label[2];
    int restRuns = 0;
    StripRun rest[5];
};
LabelLayout labelLayout(LabelPlacement placement);
