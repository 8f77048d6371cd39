#include "app/events.h"
#include "app/scene_manager.h"
#include "scenes/polyhedra/platonic_solids.h"
#include "scenes/polyhedra/polyhedra_colours.h"
#include "scenes/polyhedra/polyhedra_scene.h"
#include "tests/support/gl_window.h"
#include "tests/support/scene_test.h"
#include "tests/support/test_clock.h"
#include "ui/rotator.h"
#include "ui/slider.h"
#include "ui/widget_panel.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// One instance of each for the whole binary, sharing one rotator as the
// exhibit's do: the manager keeps the first scene of a key.
Rotator& sharedRotator() {
    static Rotator rotator(10, 20);
    return rotator;
}
PolyhedraScene& tetratetra() {
    static PolyhedraScene scene("tetratetra", makeTetrahedron(), tetrahedronFaceColours(),
                                tetrahedronVertexColours(), "Tetraedro / tetraedro",
                                sharedRotator());
    return scene;
}
PolyhedraScene& cubeocta() {
    static PolyhedraScene scene("cubeocta", makeCube(), cubeFaceColours(), cubeVertexColours(),
                                "Cubo / ottaedro", sharedRotator());
    return scene;
}
PolyhedraScene& icododeca() {
    static PolyhedraScene scene("icododeca", makeIcosahedron(), icosahedronFaceColours(),
                                icosahedronVertexColours(), "Icosaedro / dodecaedro",
                                sharedRotator());
    return scene;
}

// How many pixels of the middle of the window (clear of the overlay) are
// mostly red, green or blue.
struct Colours {
    int red = 0, green = 0, blue = 0, model = 0;
};

class PolyhedraScenesTest : public SceneTest {
  protected:
    Colours drawFrame() {
        renderFrame(elapsedMillis());
        EXPECT_EQ(gl_test::stateProblems(), "");
        const std::string frame = gl_test::readFrame();
        const gl_test::Rgb background = gl_test::background();
        Colours c;
        for (int y = 150; y < 450; ++y)
            for (int x = 200; x < 600; ++x) {
                const unsigned char* p = (const unsigned char*)&frame[(y * gl_test::width + x) * 3];
                if (gl_test::near({p[0], p[1], p[2]}, background, 3))
                    continue;
                ++c.model;
                const int r = p[0], g = p[1], b = p[2];
                c.red += r > 100 && g < r / 3 && b < r / 3;
                c.green += g > 100 && r < g / 3 && b < g / 3;
                c.blue += b > 100 && r < b / 3 && g < b / 3;
            }
        return c;
    }
};

TEST_F(PolyhedraScenesTest, EveryScenePutsItsSolidOnTheSphereAndDrawsCleanly) {
    for (PolyhedraScene* scene : {&tetratetra(), &cubeocta(), &icododeca()}) {
        SCOPED_TRACE(scene->name);
        for (int v = 0; v < scene->solid().vertexCount(); ++v)
            EXPECT_NEAR(length(scene->solid().vertexPosition(v)), 2, 1e-12);
        makeCurrent(*scene);
        for (double s : {0.0, 0.3, 0.5, 1.0, 0.5}) {
            scene->morphSlider->value = s;
            EXPECT_GT(drawFrame().model, 400 * 300 / 5) << s;
        }
        scene->morphSlider->value = 0;
    }
    EXPECT_EQ(tetratetra().caption(), "Tetraedro / tetraedro");
    EXPECT_EQ(icododeca().caption(), "Icosaedro / dodecaedro");
}

// A solid with its vertex 0 at the centre has no scale to take from it; it
// stays as it is instead of going to not-a-number, and so do tables that
// are too short for it.
TEST_F(PolyhedraScenesTest, SolidWithAVertexAtTheCentreKeepsItsSize) {
    HalfEdgeMesh solid = makeTetrahedron();
    solid.setVertexPosition(0, {0, 0, 0});
    static PolyhedraScene scene("flattenedtetrahedron", solid, {0}, {}, "", sharedRotator());
    EXPECT_EQ(length(scene.solid().vertexPosition(0)), 0.0);
    EXPECT_EQ(length(scene.solid().vertexPosition(1)), std::sqrt(3.0));
    makeCurrent(scene);
    for (double s : {0.0, 0.5, 1.0}) {
        scene.morphSlider->value = s;
        EXPECT_GT(drawFrame().model, 1000);
    }
}

TEST_F(PolyhedraScenesTest, CubeTurnsIntoTheRedAndGreenOctahedron) {
    PolyhedraScene& scene = cubeocta();
    makeCurrent(scene);
    scene.morphSlider->value = 0;
    const Colours octahedron = drawFrame();
    EXPECT_GT(octahedron.red, 5000);
    EXPECT_GT(octahedron.green, 5000);
    EXPECT_EQ(octahedron.blue, 0);
    scene.morphSlider->value = 1;
    const Colours cube = drawFrame();
    EXPECT_GT(cube.red, 5000);  // the face towards the viewer, z = +1
    EXPECT_GT(cube.blue, 2000); // the top, y = +1, seen from above
    scene.morphSlider->value = 0;
}

TEST_F(PolyhedraScenesTest, TheThreeTurnWithOneRotator) {
    EXPECT_EQ(tetratetra().backgroundElement(), cubeocta().backgroundElement());
    EXPECT_EQ(cubeocta().backgroundElement(), icododeca().backgroundElement());
    makeCurrent(cubeocta());
    const Colours before = drawFrame();
    // A drag in the tetrahedron's scene turns the cube too.
    Widget* rotator = tetratetra().backgroundElement();
    rotator->press({400, 300}, elapsedMillis());
    rotator->drag({440, 300}, elapsedMillis());
    rotator->release({440, 300}, elapsedMillis());
    const Colours after = drawFrame();
    EXPECT_NE(before.red, after.red);
    rotator->press({440, 300}, elapsedMillis());
    rotator->drag({400, 300}, elapsedMillis());
    rotator->release({400, 300}, elapsedMillis());
}

} // namespace
