// The GL 1.1 subset's context: client arrays, display lists and quadrics
// give what the same drawing in immediate mode gives, and the state they
// draw under travels with them, also to a back end that keeps lists itself.

#include "tests/web/recording_renderer.h"
#include "web/gl11/context.h"
#include "web/gl11/quadrics.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace gl11;

namespace {

void expectSameVertices(const std::vector<ShadedVertex>& a, const std::vector<ShadedVertex>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t k = 0; k < a.size(); ++k) {
        EXPECT_EQ(a[k].clip, b[k].clip) << k;
        EXPECT_EQ(a[k].front, b[k].front) << k;
        EXPECT_EQ(a[k].back, b[k].back) << k;
    }
}

// A lit, turned view in which every vertex gets its own colour.
void litView(Context& gl) {
    gl.matrixMode(GL_PROJECTION);
    gl.multMatrix(perspective(45, 4.0 / 3, 1, 20));
    gl.matrixMode(GL_MODELVIEW);
    gl.multMatrix(translation(0, 0, -5) * rotation(30, 1, 1, 0));
    gl.enable(GL_LIGHTING, true);
    gl.enable(GL_LIGHT0, true);
    gl.enable(GL_NORMALIZE, true);
    const float position[4] = {0, 10, 10, 1}, one[1] = {1};
    gl.light(GL_LIGHT0, GL_POSITION, position);
    gl.lightModel(GL_LIGHT_MODEL_TWO_SIDE, one);
    gl.lightModel(GL_LIGHT_MODEL_LOCAL_VIEWER, one);
    const float back[4] = {0.9f, 0.1f, 0.1f, 1}, shiny[1] = {40};
    gl.material(GL_BACK, GL_AMBIENT_AND_DIFFUSE, back);
    gl.material(GL_FRONT_AND_BACK, GL_SHININESS, shiny);
}

// A 3 by 2 grid of points with normals, doubles packed as x y z nx ny nz.
struct Grid {
    std::vector<double> packed;
    Grid() {
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 3; ++c)
                for (double v : {c * 0.5, r * 0.7, 0.1 * c * r, 0.2 * c, 1.0, 0.3 * r})
                    packed.push_back(v);
    }
    void immediate(Context& gl, const std::vector<unsigned>& order, bool normals = true) const {
        for (unsigned i : order) {
            const double* p = &packed[i * 6];
            if (normals)
                gl.normal(p[3], p[4], p[5]);
            gl.vertex(p[0], p[1], p[2], 1);
        }
    }
};

const std::vector<unsigned> stripOrder = {0, 3, 1, 4, 2, 5};

} // namespace

TEST(Context, ArraysOfDoublesWith32BitIndicesDrawAsImmediateModeDoes) {
    const Grid grid;
    RecordingRenderer viaArrays, viaImmediate;
    Context a(&viaArrays), b(&viaImmediate);
    litView(a);
    litView(b);
    a.enableClientState(GL_VERTEX_ARRAY, true);
    a.enableClientState(GL_NORMAL_ARRAY, true);
    a.vertexPointer(3, GL_DOUBLE, 6 * sizeof(double), grid.packed.data());
    a.normalPointer(GL_DOUBLE, 6 * sizeof(double), grid.packed.data() + 3);
    a.drawElements(GL_QUAD_STRIP, 6, GL_UNSIGNED_INT, stripOrder.data());
    b.begin(GL_QUAD_STRIP);
    grid.immediate(b, stripOrder);
    b.end();
    expectSameVertices(viaArrays.vertices(), viaImmediate.vertices());
    ASSERT_EQ(viaArrays.vertices().size(), 12u);
    // Two-sided lighting gives the back its own material.
    EXPECT_NE(viaArrays.vertices()[0].front, viaArrays.vertices()[0].back);
}

TEST(Context, AListReplaysItsCallsWithTheArraysAsTheyWereWhenItWasMade) {
    Grid grid;
    RecordingRenderer listed, direct;
    Context a(&listed), b(&direct);
    litView(a);
    litView(b);
    const unsigned list = a.genLists(1);
    a.newList(list, GL_COMPILE);
    a.pushMatrix();
    a.multMatrix(rotation(20, 0, 1, 0));
    a.color(0.2f, 0.4f, 0.6f, 1);
    a.enableClientState(GL_VERTEX_ARRAY, true);
    a.vertexPointer(3, GL_DOUBLE, 6 * sizeof(double), grid.packed.data());
    a.drawElements(GL_QUAD_STRIP, 6, GL_UNSIGNED_INT, stripOrder.data());
    a.popMatrix();
    a.endList();
    EXPECT_TRUE(listed.batches.empty());
    for (double& v : grid.packed)
        v = 100; // read when the list was made, not now
    a.callList(list);
    a.callList(list);

    b.pushMatrix();
    b.multMatrix(rotation(20, 0, 1, 0));
    b.color(0.2f, 0.4f, 0.6f, 1);
    b.begin(GL_QUAD_STRIP);
    Grid().immediate(b, stripOrder, false);
    b.end();
    b.popMatrix();
    std::vector<ShadedVertex> twice = direct.vertices();
    twice.insert(twice.end(), twice.begin(), twice.end());
    expectSameVertices(listed.vertices(), twice);
    double modelview[16];
    a.getDoublev(GL_MODELVIEW_MATRIX, modelview);
    EXPECT_DOUBLE_EQ(modelview[12], 0);
    EXPECT_TRUE(a.isList(list));
    a.deleteLists(list, 1);
    EXPECT_FALSE(a.isList(list));
}

TEST(Context, ColourMaterialTracksTheCurrentColourAndStateTravelsWithTheBatch) {
    RecordingRenderer drawn;
    Context gl(&drawn);
    gl.enable(GL_LIGHTING, true);
    gl.enable(GL_LIGHT0, true);
    gl.colorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    gl.enable(GL_COLOR_MATERIAL, true);
    gl.enable(GL_BLEND, true);
    gl.blendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    gl.begin(GL_TRIANGLES);
    for (float red : {1.0f, 0.5f, 0.0f}) {
        gl.color(red, 0, 0, 0.5f);
        gl.vertex(red, 0, 0, 1);
    }
    gl.end();
    const auto v = drawn.vertices();
    ASSERT_EQ(v.size(), 3u);
    // Light 0 is white, straight on: ambient 0.2 + diffuse 1, times the colour.
    EXPECT_FLOAT_EQ(v[0].front[0], 1);
    EXPECT_FLOAT_EQ(v[1].front[0], 0.6f);
    EXPECT_FLOAT_EQ(v[2].front[0], 0);
    EXPECT_FLOAT_EQ(v[0].front[3], 0.5f);
    EXPECT_TRUE(drawn.batches[0].state.blend);
    EXPECT_EQ(drawn.batches[0].state.blendSource, unsigned(GL_SRC_ALPHA));
    // The material keeps the last colour once tracking stops.
    gl.enable(GL_COLOR_MATERIAL, false);
    gl.color(1, 1, 1, 1);
    gl.begin(GL_POINTS);
    gl.vertex(0, 0, 0, 1);
    gl.end();
    EXPECT_EQ(drawn.batches.size(), 1u); // points are not drawn by this back end
}

TEST(Context, DisksCoverTheirRingAndFaceTheViewer) {
    RecordingRenderer drawn;
    Context gl(&drawn);
    drawDisk(gl, 10, 20, 40, 3);
    const auto v = drawn.vertices();
    ASSERT_EQ(v.size(), 40u * 3 * 6);
    double area = 0;
    for (std::size_t k = 0; k < v.size(); k += 3) {
        const auto& a = v[k].clip;
        const auto& b = v[k + 1].clip;
        const auto& c = v[k + 2].clip;
        const double twice = (b[0] - a[0]) * (c[1] - a[1]) - (c[0] - a[0]) * (b[1] - a[1]);
        EXPECT_GT(twice, 0);
        area += twice / 2;
        for (const auto* p : {&a, &b, &c}) {
            const double r = std::hypot((*p)[0], (*p)[1]);
            EXPECT_GE(r, 10 - 1e-4);
            EXPECT_LE(r, 20 + 1e-4);
        }
    }
    // The inscribed polygons of 40 sides hold all but 0.4% of the ring.
    EXPECT_NEAR(area, 3.14159265 * (400 - 100), 0.005 * 3.14159265 * 300);
}

TEST(Context, SelectionRecordsNamesOfWhatLiesInThePickRegionAndDrawsNothing) {
    RecordingRenderer drawn;
    Context gl(&drawn);
    gl.viewport(0, 0, 800, 600);
    std::uint32_t buffer[64];
    gl.selectBuffer(64, buffer);
    gl.renderMode(GL_SELECT);
    gl.initNames();
    gl.pushName(0xffff);
    gl.matrixMode(GL_PROJECTION);
    const int viewport[4] = {0, 0, 800, 600};
    gl.multMatrix(pickRegion(600, 300, 5, 5, viewport) * orthographic(0, 800, 0, 600, -1, 1));
    gl.matrixMode(GL_MODELVIEW);
    for (unsigned name = 1; name <= 3; ++name) {
        gl.loadName(name);
        gl.rect(name * 200 - 50, 250, name * 200 + 50, 350); // only 3 covers x = 600
    }
    EXPECT_EQ(gl.renderMode(GL_RENDER), 1);
    EXPECT_EQ(buffer[0], 1u);
    EXPECT_EQ(buffer[3], 3u);
    EXPECT_TRUE(drawn.batches.empty());
}

TEST(Context, AListOnTheGpuIsKeptOnceAndDrawnUnderEachReplaysMatrices) {
    const Grid grid;
    RecordingRenderer gpu, cpu;
    gpu.retains = true;
    Context a(&gpu), b(&cpu);
    const unsigned list = a.genLists(1);
    for (Context* gl : {&a, &b}) {
        litView(*gl);
        gl->newList(list, GL_COMPILE);
        gl->begin(GL_QUAD_STRIP);
        grid.immediate(*gl, stripOrder);
        gl->end();
        gl->begin(GL_LINES);
        grid.immediate(*gl, {0, 5});
        gl->end();
        // Wide lines are cut into triangles on the CPU.
        gl->lineWidth(3);
        gl->begin(GL_LINES);
        grid.immediate(*gl, {1, 4});
        gl->end();
        gl->lineWidth(1);
        gl->endList();
        gl->callList(list);
        gl->multMatrix(rotation(50, 0, 1, 0));
        gl->callList(list);
    }
    // Per replay the strip's triangles and the thin line reach the GPU.
    ASSERT_EQ(gpu.retained.size(), 4u);
    ASSERT_EQ(gpu.batches.size(), 2u);
    ASSERT_EQ(cpu.batches.size(), 6u);
    for (int k : {0, 1})
        expectSameVertices(gpu.batches[std::size_t(k)].vertices,
                           cpu.batches[std::size_t(3 * k + 2)].vertices);
    for (std::size_t k = 0; k < 4; ++k) {
        const RetainedDraw& draw = gpu.retained[k];
        EXPECT_EQ(draw.geometry, gpu.retained[0].geometry);
        EXPECT_EQ(draw.lines, k % 2 == 1);
        const auto& expected = cpu.batches[k / 2 * 3 + k % 2].vertices;
        ASSERT_EQ(std::size_t(draw.count), expected.size());
        // The indexed vertex carried by the draw's own clip matrix lands
        // where the CPU path put the same vertex in the same replay.
        const auto& clip = draw.shading.slots;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const auto& p =
                draw.geometry->vertices[draw.geometry->indices[std::size_t(draw.first) + i]]
                    .position;
            for (std::size_t r = 0; r < 4; ++r) {
                double sum = 0;
                for (std::size_t c = 0; c < 4; ++c)
                    sum += double(clip[4 + c][r]) * p[c];
                EXPECT_NEAR(sum, expected[i].clip[r], 1e-5) << k << " " << i << " " << r;
            }
        }
    }
    EXPECT_FALSE(gpu.retained[0].shading == gpu.retained[2].shading);

    // Selection needs the CPU; deleting the list lets its geometry go.
    std::uint32_t hits[16];
    a.selectBuffer(16, hits);
    a.renderMode(GL_SELECT);
    a.callList(list);
    EXPECT_EQ(a.renderMode(GL_RENDER), 1);
    EXPECT_EQ(gpu.retained.size(), 4u);
    const std::weak_ptr<const RetainedGeometry> geometry = gpu.retained[0].geometry;
    gpu.retained.clear();
    EXPECT_FALSE(geometry.expired());
    a.deleteLists(list, 1);
    EXPECT_TRUE(geometry.expired());
}
