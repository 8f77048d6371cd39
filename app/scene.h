#pragma once
// The base of every exhibit: a long-lived object with a key and an overlay
// panel, driven by the event layer through its virtual operations. The
// constructor registers the scene with the SceneManager.

#include "geom/clock.h"
#include "geom/vec.h"

#include <memory>
#include <string>

class Widget;
class WidgetPanel;

class Scene {
  public:
    explicit Scene(const std::string& key);
    virtual ~Scene();
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // The Italian caption shown in the scene menu; the key unless overridden.
    virtual std::string caption() const;
    // The caption in the language the exhibit speaks (ui/captions.h).
    std::string shownCaption() const;
    // Perspective of 45 degrees (wider on a window narrower than 4:3, see
    // geom/field_of_view.h), near 1, far 20; leaves the modelview identity.
    virtual void reshape(int width, int height);
    // One light fixed to the viewer at (0, 10, 10), two-sided lighting.
    virtual void setupGL();
    virtual void onSceneSwitch() {}
    // Must leave the modelview matrix as it found it.
    virtual void drawModel() {}
    // Clears colour and depth to backgroundColour.
    virtual void clear();
    virtual void drawForSelection();
    // What takes the pointer where no overlay item does: as a rule the Rotator.
    virtual Widget* backgroundElement() = 0;
    // The panel's pick of p, else backgroundElement.
    virtual Widget* pickAt(Vec2 p);
    // Whether a frame drawn at now (clockMillis) would differ from one drawn
    // a moment later with no event in between: a shown item of the panel or
    // the background element moves.
    virtual bool isAnimating(Millis now) const;

    // The start-up state, for an exhibit that returns to it when left alone.
    // rememberStart keeps the panel's values and the view's orientation as
    // they are now, once before the first frame; reset returns to them, and a
    // scene with state of its own beyond its controls extends it.
    void rememberStart();
    virtual void reset();

    // Applies backgroundElement as the scene's Rotator (see ui/rotator.h).
    void applyViewRotation();
    // The name given with glLoadName of the nearest item drawForSelection
    // draws under the overlay point p, or 0 for none.
    int selectAt(Vec2 p);

    const std::string name;
    const std::unique_ptr<WidgetPanel> panel;
};

// The winner among selection hit records (count records in buffer, as GL
// writes them): the last name of the record with the smallest minimum depth,
// the earlier record on a tie; 0 when nothing or only unnamed geometry was hit.
int nearestSelectionName(const unsigned* buffer, int count, int bufferSize);
