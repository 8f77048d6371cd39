#pragma once
// The base of every exhibit: a long-lived object with a key and an overlay
// panel, driven by the event layer through its virtual operations. The
// constructor registers the scene with the SceneManager.
//
// A frame, and every event, happens at one moment `now`. Events change the
// controls; update(now) then reads the controls and the view at that moment
// and computes the model as plain values kept in the scene; drawing and
// picking only show those values and change nothing, which the compiler
// holds (they are const).

#include "geom/clock.h"
#include "geom/pick_box.h"
#include "geom/vec.h"
#include "ui/widget_panel.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

class Widget;

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
    // The model keeps to the band the panel leaves it (WidgetPanel::modelBand,
    // the whole window unless the bottom controls wrap into rows), so the
    // panel is laid out for this size first. Keeps the size for pickBoxAt.
    virtual void reshape(int width, int height);
    // One light fixed to the viewer at (0, 10, 10), two-sided lighting.
    virtual void setupGL();
    virtual void onSceneSwitch() {}
    // Reads the view's orientation and, through updateModel, the controls at
    // now, and computes what drawModel shows and a pick tests against.
    // Called at the moment of every frame before it is drawn, and by an
    // event that picks on the model before it picks.
    void update(Millis now);
    // Must leave the modelview matrix as it found it.
    virtual void drawModel() const {}
    // Clears colour and depth to backgroundColour.
    virtual void clear() const;
    // What takes the pointer where no overlay item does: as a rule the Rotator.
    virtual Widget* backgroundElement() = 0;
    // The panel's pick of p at now, else backgroundElement.
    virtual Widget* pickAt(Vec2 p, Millis now);
    // Whether a frame drawn at now would differ from one drawn
    // a moment later with no event in between: a shown item of the panel or
    // the background element moves.
    virtual bool isAnimating(Millis now) const;

    // The start-up state, for an exhibit that returns to it when left alone.
    // rememberStart keeps the panel's values and the view's orientation as
    // they are now, once before the first frame; reset returns to them, and a
    // scene with state of its own beyond its controls extends it.
    void rememberStart();
    // reset happens at now, the moment of the reset.
    virtual void reset(Millis now);

    // Multiplies the GL matrix by the orientation of backgroundElement, the
    // scene's Rotator (see ui/rotator.h), as update last read it.
    void applyViewRotation() const;
    // The same orientation as a matrix, for picking on the CPU.
    Mat4 viewRotation() const { return fromFloats(viewOrientation); }
    // The few pixels of the window around the overlay point p, seen through
    // the perspective reshape set, for a pick on the model's own triangles.
    PickBox pickBoxAt(Vec2 p) const;

    const std::string name;
    const std::unique_ptr<WidgetPanel> panel;

  protected:
    // The scene's own part of update: reads its controls at now and computes
    // its model. Cheap when nothing it reads has changed.
    virtual void updateModel(Millis) {}

  private:
    // The projection reshape set, as a matrix.
    Mat4 projection() const;

    std::array<float, 16> viewOrientation{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    int windowWidth = 0;
    int windowHeight = 0;
    // The rows of window pixels, from the bottom edge, the model keeps to;
    // none when it has the whole window.
    std::optional<ModelBand> band;
};
