#pragma once
// "tetratetra", "cubeocta", "icododeca": a Platonic solid and its dual as one
// surface of triangles that the slider morphs from the dual (0) to the solid
// (1). At the solid end the triangles of a face share the face's colour, at
// the dual end those round a solid vertex share that vertex's colour, and in
// between position and colour are blended. The three turn with one Rotator.

#include "app/scene.h"
#include "geom/retained_drawing.h"
#include "scenes/polyhedra/duality_subdivision.h"
#include "scenes/polyhedra/half_edge_mesh.h"
#include "scenes/polyhedra/outline_tubes.h"
#include "scenes/polyhedra/polyhedra_morph.h"

#include <string>
#include <vector>

class Rotator;
class Slider;

class PolyhedraScene : public Scene {
  public:
    // solid is scaled so that its vertex 0 lies at distance 2 from the centre
    // (unscaled when vertex 0 is at the centre). faceColours and
    // vertexColours hold a palette index per solid face and per solid vertex.
    // The scene keeps copies of the tables and the caption; rotator must
    // outlive it.
    PolyhedraScene(const std::string& key, HalfEdgeMesh solid, std::vector<int> faceColours,
                   std::vector<int> vertexColours, const std::string& caption, Rotator& rotator);

    std::string caption() const override { return captionText; }
    void drawModel() const override;
    Widget* backgroundElement() override;

    const HalfEdgeMesh& solid() const { return solidMesh; }
    // The subdivision of the scaled solid, which never moves after construction.
    const DualitySubdivision& subdivision() const { return dual; }

    // Owned by the panel.
    Slider* morphSlider = nullptr;

  protected:
    void updateModel(Millis now) override;

  private:
    // The triangles, their colours and outlines at blend s, worked out again
    // only when s has changed since they were last worked out.
    void updateMorph(double s);
    // The triangles and their outlines as updateMorph left them.
    void drawMorph() const;

    HalfEdgeMesh solidMesh;
    DualitySubdivision dual;
    std::vector<int> faceColours;
    std::vector<int> vertexColours;
    std::string captionText;
    Rotator& rotator;

    double shownBlend = 0;
    PolyhedraMorph morph;
    // Everything drawMorph draws, keyed by the blend.
    RetainedDrawing surface{RetainedDrawing::WhenRepeated};
};
