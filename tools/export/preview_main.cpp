// lembovari-export-preview: a picture of an exported model, drawn from the
// .glb file itself read back, lit, in the file's colours and with its
// picture, as README's pictures of exported models show them. A developer's
// tool: it needs an X display (tools/with-xvfb).
//
//   lembovari-export-preview [--turn DEGREES] [--tilt DEGREES] IN.glb OUT.png

#include "app/option_table.h"
#include "tools/common/one_line.h"
#include "tools/export/glb_reader.h"
#include "tools/snapshot/png_writer.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

constexpr int width = 400;
constexpr int height = 300;
// The exhibit's background, so that the pictures sit with the others.
constexpr float background[] = {9 / 255.0f, 48 / 255.0f, 75 / 255.0f};
constexpr double fieldOfView = 30; // degrees, vertical

[[noreturn]] void fail(int status, const std::string& message) {
    printOneLine("lembovari-export-preview", message);
    std::exit(status);
}

bool shown = false;
void onDisplay() {
    shown = true;
}

void openWindow(const char* name) {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display)
        fail(1, "no X display; run it under tools/with-xvfb");
    int argc = 1;
    char* argv[] = {const_cast<char*>(name), nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(width, height);
    glutCreateWindow(name);
    glutDisplayFunc(onDisplay);
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!shown && std::chrono::steady_clock::now() < giveUp)
        glutMainLoopEvent();
}

// The camera looks at the model's box from turn degrees about y and tilt
// degrees above, far enough for the box's sphere to fill the height.
void placeCamera(const ReadModel& model, double turn, double tilt) {
    Vec3 low{1e30, 1e30, 1e30}, high{-1e30, -1e30, -1e30};
    for (const ReadMesh& m : model.meshes)
        for (const Vec3& p : m.positions) {
            low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
            high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
        }
    const Vec3 centre = 0.5 * (low + high);
    const double radius = std::max(0.5 * length(high - low), 1e-6);
    const double distance = 0.9 * radius / std::sin(fieldOfView * pi / 360);
    const double a = turn * pi / 180, b = tilt * pi / 180;
    const Vec3 eye =
        centre + distance * Vec3{std::cos(b) * std::sin(a), std::sin(b), std::cos(b) * std::cos(a)};
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fieldOfView, double(width) / height, distance - 2 * radius,
                   distance + 2 * radius);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // The lights stand with the viewer.
    const float key[] = {0.4f, 0.6f, 1.0f, 0.0f}, fill[] = {-0.6f, -0.2f, 0.6f, 0.0f};
    const float keyColour[] = {0.75f, 0.75f, 0.75f, 1}, fillColour[] = {0.3f, 0.3f, 0.3f, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, key);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, keyColour);
    glLightfv(GL_LIGHT1, GL_POSITION, fill);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, fillColour);
    gluLookAt(eye.x, eye.y, eye.z, centre.x, centre.y, centre.z, 0, 1, 0);
}

void drawModel(const ReadModel& model) {
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
    glEnable(GL_NORMALIZE);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    const float ambient[] = {0.35f, 0.35f, 0.35f, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    glShadeModel(GL_SMOOTH);
    if (!model.texture.rgba.empty()) {
        GLuint name = 0;
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, model.texture.width, model.texture.height, 0,
                     GL_RGBA, GL_UNSIGNED_BYTE, model.texture.rgba.data());
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    }
    for (const ReadMesh& m : model.meshes) {
        const bool pictured = !m.uvs.empty() && !model.texture.rgba.empty();
        if (pictured)
            glEnable(GL_TEXTURE_2D);
        glBegin(GL_TRIANGLES);
        {
            for (std::uint32_t i : m.indices) {
                if (i < m.colours.size())
                    glColor3d(m.colours[i].x, m.colours[i].y, m.colours[i].z);
                if (i < m.normals.size())
                    glNormal3d(m.normals[i].x, m.normals[i].y, m.normals[i].z);
                if (pictured)
                    glTexCoord2d(m.uvs[i].x, m.uvs[i].y);
                glVertex3d(m.positions[i].x, m.positions[i].y, m.positions[i].z);
            }
        }
        glEnd();
        glDisable(GL_TEXTURE_2D);
    }
}

RgbImage readFrame() {
    RgbImage image{width, height, std::vector<unsigned char>(std::size_t(width) * height * 3)};
    std::vector<unsigned char> upward(image.pixels.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, upward.data());
    const std::size_t row = std::size_t(width) * 3;
    for (int y = 0; y < height; ++y)
        std::copy_n(upward.begin() + std::ptrdiff_t((height - 1 - y) * row), row,
                    image.pixels.begin() + std::ptrdiff_t(y * row));
    return image;
}

} // namespace

int main(int argc, char** argv) {
    int turn = 30, tilt = 25;
    const std::vector<CommandOption> table = {
        wholeNumberOption("--turn", "the viewer's turn about the model's up, degrees", "30", turn,
                          -360, 360),
        wholeNumberOption("--tilt", "the viewer's height above the model's middle, degrees", "25",
                          tilt, -89, 89),
    };
    const std::vector<std::string> words = readToolCommandLine(
        "lembovari-export-preview", "usage: lembovari-export-preview [OPTIONS] IN.glb OUT.png",
        table, argc, argv);
    if (words.size() != 2)
        fail(2, "needs a .glb file and an output picture (--help lists every option)");
    std::ifstream in(words[0], std::ios::binary);
    if (!in)
        fail(2, "cannot read " + words[0]);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    std::string error;
    const auto model = readGlb(bytes, error);
    if (!model)
        fail(2, words[0] + ": " + error);

    openWindow("lembovari-export-preview");
    glViewport(0, 0, width, height);
    glClearColor(background[0], background[1], background[2], 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    placeCamera(*model, turn, tilt);
    drawModel(*model);
    const std::string problem = writePng(words[1], readFrame());
    if (!problem.empty())
        fail(1, "cannot write " + words[1] + ": " + problem);
    return 0;
}
