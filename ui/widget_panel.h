#pragma once
// The per-scene overlay: an owning, ordered list of controls. Insertion order
// is both the pick priority (first match wins) and the drawing order (later
// items are drawn over earlier ones).

#include "geom/clock.h"
#include "geom/vec.h"

#include <memory>
#include <optional>
#include <vector>

class PanelItem;
class Widget;
class ColourEditor;

// The clear colour shared by every scene, each channel 0 to 255.
extern int backgroundColour[3];

// A band of the window across its whole width, from bottom to top measured
// from its bottom edge.
struct ModelBand {
    double bottom;
    double top;
};

class WidgetPanel {
  public:
    // Creates the five standard items: the previous and next arrows, the scene
    // menu, the credits logo and the (hidden) background colour editor.
    WidgetPanel();
    ~WidgetPanel();
    WidgetPanel(const WidgetPanel&) = delete;
    WidgetPanel& operator=(const WidgetPanel&) = delete;

    // Takes ownership; the creator sets anchor and offset, the next layout places it.
    void add(PanelItem* item);
    // The first item that takes p (hidden ones too, unless forFingers).
    Widget* pick(Vec2 p, Millis now) const;
    // Every shown item as it is at now.
    void draw(Millis now) const;
    // Every item's PanelItem::rememberStart and reset, in order.
    void rememberStart() const;
    void reset() const;
    // Places every item for a window width by height overlay units. With
    // forFingers, the controls along the bottom edge wrap into rows
    // (ui/bottom_rows.h) where they do not fit in one left of the
    // bottom-right items.
    void layout(double width, double height) const;
    // A touch screen's panel: windows too narrow get the wrapped bottom rows,
    // and a hidden item takes no finger (on a small screen the colour
    // editor's place meets the wrapped rows). False, as at start: every item
    // at its own offset, hidden ones picked as shown ones.
    static bool forFingers;
    // Where the model is to stand, in overlay units, in a window height
    // units tall laid out as layout last placed it: above the bottom
    // controls where they wrap into rows (and below any shown control from a
    // top corner), or nothing when it has the whole window.
    std::optional<ModelBand> modelBand(double height) const;
    // Whether a shown item moves by itself at now (Widget::isAnimating).
    bool isAnimating(Millis now) const;

    const std::vector<std::unique_ptr<PanelItem>>& items() const { return itemList; }
    // The background colour editor; nullptr once dropped.
    ColourEditor* colourEditor = nullptr;
    // Takes the colour editor out for good: it no longer shows, takes the
    // pointer or moves with the others (a kiosk where S must do nothing).
    void dropColourEditor();

  private:
    std::vector<std::unique_ptr<PanelItem>> itemList;
};
