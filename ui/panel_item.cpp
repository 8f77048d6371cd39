#include "ui/panel_item.h"

#include "ui/widget.h"

Widget* PanelItem::pick(Vec2 p, Millis) {
    return contains(p) ? dynamic_cast<Widget*>(this) : nullptr;
}

void PanelItem::layout(double width, double height) {
    Vec2 corner;
    switch (anchor) {
    case TopLeft:
        corner = {0.0, height};
        break;
    case TopRight:
        corner = {width, height};
        break;
    case BottomRight:
        corner = {width, 0.0};
        break;
    default:
        corner = {0.0, 0.0};
        break;
    }
    position = offset + corner;
}
