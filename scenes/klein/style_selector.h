#pragma once
// The row of three icons of "KleinBottle3"; its owner reads selected as a
// SurfaceStyle: 0 solid (a filled square), 1 striped (four bars), 2
// translucent (the square, half transparent).

#include "ui/option_row.h"

class StyleSelector : public OptionRow {
  public:
    StyleSelector() : OptionRow(3, 20) {}
    // Leaves blending disabled.
    void drawIcon(int index) const override;
};
