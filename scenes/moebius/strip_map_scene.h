#pragma once
// "Moebius6": the closed Moebius strip painted as a map of six regions, each
// touching all the others. A press on a region switches it between grey and
// its colour; a press anywhere else (a black line, an edge, the background)
// turns the view. The colours stay for the life of the process, or until an
// exhibit left idle returns to its start.

#include "scenes/moebius/moebius_scene.h"
#include "ui/widget.h"

class StripMapScene : public MoebiusScene, public Widget {
  public:
    explicit StripMapScene(Rotator& rotator);
    std::string caption() const override { return "Mappa sul nastro"; }

    // The panel's controls first, otherwise the scene itself, which decides
    // on a press whether the view turns.
    Widget* pickAt(Vec2 p, Millis now) override;

    // The view, and every region grey again.
    void reset(Millis now) override;

    // Picks the region under p on the model as it is at now; none there:
    // the press starts a turn of the view.
    void press(Vec2 p, Millis now) override;
    void drag(Vec2 p, Millis now) override;
    // Ends a turn without handing the release on, so that the map keeps
    // still after a quick release; the other scenes of the shared view spin.
    void release(Vec2 p, Millis) override;

    // Whether the current press and drag turn the view.
    bool forwardToRotator = true;
};
