#pragma once
// The icon rows of the Moebius scenes. Their owners read selected.
// CutStyleSelector: the middle of the band cut in three 0 = in the band's
// colour, 1 = in yellow, 2 = hidden. BandStyleSelector: the band under the
// wheels 0 = whole, 1 = in 20 pieces, 2 = translucent.

#include "ui/option_row.h"

// Three icons of three bars, the middle one sea green, yellow or missing.
class CutStyleSelector : public OptionRow {
  public:
    CutStyleSelector() : OptionRow(3, 20) {}
    void drawIcon(int index) const override;
};

// Three icons: a full square, four bars, a half-transparent square.
class BandStyleSelector : public OptionRow {
  public:
    BandStyleSelector() : OptionRow(3, 20) {}
    void drawIcon(int index) const override;
};
