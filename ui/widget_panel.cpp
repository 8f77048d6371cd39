#include "ui/widget_panel.h"

#include "ui/bottom_rows.h"
#include "ui/colour_editor.h"
#include "ui/credits_logo.h"
#include "ui/nav_button.h"
#include "ui/scene_menu.h"
#include "ui/widget.h"

#include <GL/gl.h>

#include <algorithm>

int backgroundColour[3] = {9, 48, 75};

WidgetPanel::WidgetPanel() {
    add(placed(new NavButton(0), BottomLeft, {40, 20}));
    add(placed(new NavButton(1), BottomLeft, {60, 20}));
    add(placed(new SceneMenu(), BottomLeft, {20, 20}));
    add(placed(new CreditsLogo(), BottomRight, {-60, 30}));
    colourEditor = placed(new ColourEditor(backgroundColour), TopLeft, {80, -80});
    colourEditor->hidden = true;
    add(colourEditor);
}

WidgetPanel::~WidgetPanel() = default;

void WidgetPanel::add(PanelItem* item) {
    itemList.emplace_back(item);
}

void WidgetPanel::dropColourEditor() {
    itemList.erase(std::remove_if(itemList.begin(), itemList.end(),
                                  [this](const auto& item) { return item.get() == colourEditor; }),
                   itemList.end());
    colourEditor = nullptr;
}

Widget* WidgetPanel::pick(Vec2 p, Millis now) const {
    for (const auto& item : itemList) {
        if (forFingers && item->hidden)
            continue;
        if (Widget* hit = item->pick(p, now))
            return hit;
    }
    return nullptr;
}

void WidgetPanel::draw(Millis now) const {
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    // A touch screen's wrapped rows stand where the open menu unfolds; the
    // menu, which takes the press there, is drawn over them.
    const auto last = [](const PanelItem* item) {
        return forFingers && dynamic_cast<const SceneMenu*>(item);
    };
    for (bool drawLast : {false, true})
        for (const auto& item : itemList)
            if (!item->hidden && last(item.get()) == drawLast)
                item->draw(now);
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
}

void WidgetPanel::rememberStart() const {
    for (const auto& item : itemList)
        item->rememberStart();
}

void WidgetPanel::reset() const {
    for (const auto& item : itemList)
        item->reset();
}

bool WidgetPanel::isAnimating(Millis now) const {
    // A hidden item is not drawn, so it cannot move on screen.
    for (const auto& item : itemList) {
        const auto* widget = dynamic_cast<const Widget*>(item.get());
        if (!item->hidden && widget && widget->isAnimating(now))
            return true;
    }
    return false;
}

bool WidgetPanel::forFingers = false;

namespace {

// Items this close to the bottom edge, measured from the bottom-left corner,
// form the bottom band.
constexpr double bandHeight = 100;

} // namespace

void WidgetPanel::layout(double width, double height) const {
    for (const auto& item : itemList)
        item->layout(width, height);
    if (!forFingers)
        return;
    std::vector<PanelItem*> band;
    std::vector<BandControl> controls;
    Room room{width - 10, width - 10, 0};
    for (const auto& item : itemList) {
        const PanelItem::Reach reach = item->reach();
        if (item->anchor == BottomRight) {
            room.limit = std::min(room.limit, item->position.x - reach.left - 10);
            room.cornerTop = std::max(room.cornerTop, item->position.y + reach.up);
        }
        if (item->anchor == BottomLeft && item->offset.y < bandHeight) {
            band.push_back(item.get());
            controls.push_back({item->offset, reach});
        }
    }
    const std::vector<Vec2> shifts = wrapIntoRows(controls, room);
    for (size_t i = 0; i < band.size(); ++i)
        band[i]->position = band[i]->position + shifts[i];
}

std::optional<ModelBand> WidgetPanel::modelBand(double height) const {
    if (!forFingers)
        return std::nullopt;
    // Wrapping moves some of the band upwards from where its offset put it;
    // in one row, the model has the window to itself, as on a mouse's.
    bool wrapped = false;
    double rowsTop = 0;
    double topsBottom = height;
    for (const auto& item : itemList) {
        const PanelItem::Reach reach = item->reach();
        const bool inBand = item->anchor == BottomLeft && item->offset.y < bandHeight;
        if (inBand)
            wrapped = wrapped || item->position.y > item->offset.y;
        if (inBand || item->anchor == BottomRight)
            rowsTop = std::max(rowsTop, item->position.y + reach.up);
        else if (!item->hidden && (item->anchor == TopLeft || item->anchor == TopRight))
            topsBottom = std::min(topsBottom, item->position.y - reach.down);
    }
    // A little room between the model and the rows' hit areas.
    constexpr double clearance = 10;
    if (!wrapped || rowsTop + clearance >= topsBottom)
        return std::nullopt;
    return ModelBand{rowsTop + clearance, topsBottom};
}
