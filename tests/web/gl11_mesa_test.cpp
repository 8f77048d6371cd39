// The GL 1.1 subset beside Mesa's GL doing the same calls: the matrices
// glGetDoublev answers, the lit colours of vertices (read back from Mesa in
// feedback mode) and the hit records of selection mode.

#include "tests/web/recording_renderer.h"
#include "web/gl11/context.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

using namespace gl11;

namespace {

// The same matrix calls on Mesa's current matrix and on the subset's.
void bothPerspectiveAndTurn(Context& ours) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const int viewport[4] = {0, 0, 800, 600};
    gluPickMatrix(400, 300, 120, 90, const_cast<GLint*>(viewport));
    gluPerspective(45, 800.0 / 600, 1, 20);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslated(0.3, -0.2, -6);
    glRotated(35, 1, 2, 0.5);
    glScaled(1.5, 1, 0.8);
    ours.matrixMode(GL_PROJECTION);
    ours.loadIdentity();
    ours.multMatrix(pickRegion(400, 300, 120, 90, viewport) * perspective(45, 800.0 / 600, 1, 20));
    ours.matrixMode(GL_MODELVIEW);
    ours.loadIdentity();
    ours.multMatrix(translation(0.3, -0.2, -6) * rotation(35, 1, 2, 0.5) * scaling(1.5, 1, 0.8));
}

void bothLit(Context& ours) {
    const float position[4] = {0, 10, 10, 1}, ambient[4] = {0.3f, 0.3f, 0.3f, 1};
    const float white[4] = {0.8f, 0.8f, 0.8f, 1}, one = 1, shiny = 30;
    const float back[4] = {0.2f, 0.7f, 0.3f, 1}, front[4] = {0.9f, 0.5f, 0.1f, 0.7f};
    for (GLenum cap : {GL_LIGHTING, GL_LIGHT0, GL_NORMALIZE, GL_LIGHT4}) {
        glEnable(cap);
        ours.enable(cap, true);
    }
    const float directional[4] = {1, 0.5f, 2, 0};
    struct Setting {
        GLenum which, name;
        const float* values;
    };
    const Setting lights[] = {
        {GL_LIGHT0, GL_POSITION, position}, {GL_LIGHT0, GL_AMBIENT, ambient},
        {GL_LIGHT0, GL_SPECULAR, white},    {GL_LIGHT4, GL_POSITION, directional},
        {GL_LIGHT4, GL_AMBIENT, ambient},   {GL_LIGHT4, GL_SPECULAR, white},
    };
    for (const Setting& s : lights) {
        glLightfv(s.which, s.name, s.values);
        ours.light(s.which, s.name, s.values);
    }
    const Setting materials[] = {
        {GL_BACK, GL_AMBIENT_AND_DIFFUSE, back},
        {GL_FRONT, GL_DIFFUSE, front},
        {GL_FRONT_AND_BACK, GL_SPECULAR, white},
        {GL_FRONT_AND_BACK, GL_SHININESS, &shiny},
    };
    for (const Setting& s : materials) {
        glMaterialfv(s.which, s.name, s.values);
        ours.material(s.which, s.name, s.values);
    }
    for (GLenum name : {GL_LIGHT_MODEL_TWO_SIDE, GL_LIGHT_MODEL_LOCAL_VIEWER}) {
        glLightModelf(name, one);
        ours.lightModel(name, &one);
    }
}

void resetMesa() {
    for (GLenum cap : {GL_LIGHTING, GL_LIGHT0, GL_NORMALIZE, GL_LIGHT4, GL_COLOR_MATERIAL})
        glDisable(cap);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

} // namespace

TEST(Gl11BesideMesa, MatricesAreThoseGlGetDoublevAnswers) {
    Context ours;
    ours.viewport(0, 0, 800, 600);
    bothPerspectiveAndTurn(ours);
    for (GLenum name : {GL_MODELVIEW_MATRIX, GL_PROJECTION_MATRIX}) {
        double mesa[16], mine[16];
        glGetDoublev(name, mesa);
        ours.getDoublev(name, mine);
        for (int k = 0; k < 16; ++k)
            EXPECT_NEAR(mine[k], mesa[k], 1e-5 * (1 + std::fabs(mesa[k]))) << name << " " << k;
    }
    float mesaLight[4], myLight[4];
    bothLit(ours);
    glGetLightfv(GL_LIGHT0, GL_POSITION, mesaLight);
    ours.getLightfv(GL_LIGHT0, GL_POSITION, myLight);
    for (int k = 0; k < 4; ++k)
        EXPECT_NEAR(myLight[k], mesaLight[k], 1e-4);
    resetMesa();
}

TEST(Gl11BesideMesa, LitColoursOfBothFacesAreThoseOfTheFixedPipeline) {
    RecordingRenderer drawn;
    Context ours(&drawn);
    ours.viewport(0, 0, 800, 600);
    glViewport(0, 0, 800, 600);
    ours.matrixMode(GL_PROJECTION);
    ours.multMatrix(perspective(45, 800.0 / 600, 1, 20));
    ours.matrixMode(GL_MODELVIEW);
    ours.multMatrix(translation(0, 0, -5) * rotation(40, 1, 1, 0));
    glMatrixMode(GL_PROJECTION);
    gluPerspective(45, 800.0 / 600, 1, 20);
    glMatrixMode(GL_MODELVIEW);
    glTranslated(0, 0, -5);
    glRotated(40, 1, 1, 0);
    bothLit(ours);
    // A triangle facing the viewer and one facing away, with leaning normals
    // not of unit length, so that the normalisation and the highlight matter.
    const double corners[2][3][3] = {{{-1, -1, 0}, {1, -1, 0.3}, {0, 1, 0.1}},
                                     {{-1, -1, 0}, {0, 1, 0.1}, {1, -1, 0.3}}};
    const double normals[3][3] = {{0, 0, 2}, {0.5, 0.2, 1}, {-0.3, 0.6, 1.5}};
    std::vector<GLfloat> feedback(200);
    glFeedbackBuffer(GLsizei(feedback.size()), GL_3D_COLOR, feedback.data());
    glRenderMode(GL_FEEDBACK);
    for (const auto& triangle : corners) {
        glBegin(GL_TRIANGLES);
        ours.begin(GL_TRIANGLES);
        for (int k = 0; k < 3; ++k) {
            glNormal3dv(normals[k]);
            glVertex3dv(triangle[k]);
            ours.normal(normals[k][0], normals[k][1], normals[k][2]);
            ours.vertex(triangle[k][0], triangle[k][1], triangle[k][2], 1);
        }
        glEnd();
        ours.end();
    }
    ASSERT_GT(glRenderMode(GL_RENDER), 0);
    resetMesa();
    // Each polygon: token, count 3, then x y z r g b a per vertex.
    const auto mine = drawn.vertices();
    ASSERT_EQ(mine.size(), 6u);
    for (int t = 0; t < 2; ++t) {
        ASSERT_EQ(feedback[std::size_t(t * 23)], GLfloat(GL_POLYGON_TOKEN));
        for (int k = 0; k < 3; ++k) {
            const GLfloat* mesa = &feedback[std::size_t(t * 23 + 2 + k * 7 + 3)];
            const auto& colour =
                t == 0 ? mine[std::size_t(k)].front : mine[std::size_t(3 + k)].back;
            for (int c = 0; c < 4; ++c)
                EXPECT_NEAR(colour[std::size_t(c)], mesa[c], 1.0 / 255)
                    << t << " " << k << " " << c;
        }
    }
}

TEST(Gl11BesideMesa, SelectionWritesTheHitRecordsMesaWrites) {
    Context ours;
    ours.viewport(0, 0, 800, 600);
    auto scene = [&](auto loadName, auto quad, auto line) {
        for (unsigned name = 1; name <= 6; ++name) {
            loadName(name);
            const double x = -1.2 + 0.45 * name, z = -0.5 * name;
            quad(x, z);
            if (name % 2 == 0)
                line(x, z);
        }
    };
    std::vector<std::vector<std::uint32_t>> buffers(2, std::vector<std::uint32_t>(256));
    int hits[2];
    for (int run = 0; run < 2; ++run) {
        std::uint32_t* buffer = buffers[std::size_t(run)].data();
        if (run == 0) {
            glSelectBuffer(256, buffer);
            glRenderMode(GL_SELECT);
            glInitNames();
            glPushName(0xffff);
            bothPerspectiveAndTurn(ours);
            scene([](unsigned n) { glLoadName(n); },
                  [](double x, double z) {
                      glBegin(GL_QUADS);
                      glVertex3d(x, -1, z);
                      glVertex3d(x + 0.4, -1, z);
                      glVertex3d(x + 0.4, 1, z + 0.3);
                      glVertex3d(x, 1, z + 0.3);
                      glEnd();
                  },
                  [](double x, double z) {
                      glBegin(GL_LINES);
                      glVertex3d(x - 3, 0.2, z);
                      glVertex3d(x + 3, 0.3, z - 1);
                      glEnd();
                  });
            hits[0] = glRenderMode(GL_RENDER);
        } else {
            ours.selectBuffer(256, buffer);
            ours.renderMode(GL_SELECT);
            ours.initNames();
            ours.pushName(0xffff);
            scene([&](unsigned n) { ours.loadName(n); },
                  [&](double x, double z) {
                      ours.begin(GL_QUADS);
                      ours.vertex(x, -1, z, 1);
                      ours.vertex(x + 0.4, -1, z, 1);
                      ours.vertex(x + 0.4, 1, z + 0.3, 1);
                      ours.vertex(x, 1, z + 0.3, 1);
                      ours.end();
                  },
                  [&](double x, double z) {
                      ours.begin(GL_LINES);
                      ours.vertex(x - 3, 0.2, z, 1);
                      ours.vertex(x + 3, 0.3, z - 1, 1);
                      ours.end();
                  });
            hits[1] = ours.renderMode(GL_RENDER);
        }
    }
    resetMesa();
    ASSERT_GE(hits[0], 3);
    ASSERT_EQ(hits[1], hits[0]);
    std::size_t at = 0;
    for (int record = 0; record < hits[0]; ++record) {
        const auto& mesa = buffers[0];
        const auto& mine = buffers[1];
        ASSERT_EQ(mine[at], mesa[at]);
        for (std::size_t k = 1; k <= 2; ++k)
            EXPECT_NEAR(double(mine[at + k]), double(mesa[at + k]), 4294967295.0 * 1e-5);
        for (std::size_t k = 3; k < 3 + mesa[at]; ++k)
            EXPECT_EQ(mine[at + k], mesa[at + k]);
        at += 3 + mesa[at];
    }
}
