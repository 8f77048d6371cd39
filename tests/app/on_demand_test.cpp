// Drawing on demand shows what drawing continuously shows. One script of
// events and hand-clock readings, touching every kind of animation (the
// logo, the menu, a spin, a fling, a spin carried to the next scene, the
// wheels), runs twice, each time in a fresh process of this program with a
// window of its own: once frame after frame, once on demand. After every step
// the window's front buffer must be the same in both; on demand the frames
// must stop where nothing moves and go on where something does.

#include "app/events.h"
#include "app/scene.h"
#include "app/scene_manager.h"
#include "scenes/moebius/wheels_scene.h"
#include "tests/support/gl_window.h"
#include "tests/support/test_clock.h"
#include "ui/widget_panel.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>
// After gtest: X's macros (None, Bool) would break its headers.
#include <GL/glx.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int frameMillis = 16;

// What a step expects on demand: frames going on after it, or not; still:
// not even one frame drawn in it.
enum class Expect { anything, moving, resting, still };

// Where the overlay's standing items and the scenes' controls take the
// pointer, in window coordinates (y downwards).
constexpr int bottom = gl_test::height - 20;
constexpr int logoX = 740, logoY = gl_test::height - 30;
constexpr int menuX = 20;
constexpr int middleX = 400, middleY = 300;
constexpr int dialRimX = 265; // "Moebius": the twist dial at x 250, its dot 15 to the right
constexpr int clearWheelsX = 140;

std::uint64_t fnv1a(const std::string& bytes) {
    std::uint64_t h = 1469598103934665603ull;
    for (unsigned char c : bytes)
        h = (h ^ c) * 1099511628211ull;
    return h;
}

int framesDrawn = 0;

// The display handler as installed, counted.
void countedDisplay() {
    ++framesDrawn;
    onDisplay();
}

// What the window shows on the X server, hashed: the part on the screen,
// since without a window manager GLUT places it at (-1, -1).
std::uint64_t shown() {
    Display* display = glXGetCurrentDisplay();
    const Window window = glXGetCurrentDrawable();
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    const int left = std::max(0, -x), top = std::max(0, -y);
    XImage* image = XGetImage(display, window, left, top, unsigned(gl_test::width - left),
                              unsigned(gl_test::height - top), AllPlanes, ZPixmap);
    if (!image)
        return 0;
    const std::string pixels(image->data, std::size_t(image->bytes_per_line) * image->height);
    XDestroyImage(image);
    return fnv1a(pixels);
}

bool viewable() {
    XWindowAttributes attributes;
    return XGetWindowAttributes(glXGetCurrentDisplay(), glXGetCurrentDrawable(), &attributes) &&
           attributes.map_state == IsViewable;
}

// Opens the window and waits until it is on the screen and GLUT draws in it:
// from then on every frame asked for is drawn at once.
bool openWindow() {
    gl_test::ensureWindow();
    static bool drawn = false;
    glutDisplayFunc([] { drawn = true; });
    glutPostRedisplay();
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!(drawn && viewable()) && std::chrono::steady_clock::now() < giveUp)
        glutMainLoopEvent();
    return drawn && viewable();
}

// The clock moves on, the main loop gets one turn (the idle handler, when it
// is installed, then a frame if one was asked for), and one line tells what
// happened: label, expectation, whether a frame was drawn, whether frames go
// on, and the window's contents.
void step(const char* label, int millis = frameMillis, Expect expect = Expect::anything) {
    test_clock::advance(millis);
    const int before = framesDrawn;
    if (drawingContinues())
        onIdle();
    glutMainLoopEvent();
    std::printf("%s %d %d %d %llu\n", label, int(expect), int(framesDrawn > before),
                int(drawingContinues()), static_cast<unsigned long long>(shown()));
}

void steps(int count, const char* label, Expect last) {
    for (int i = 1; i < count; ++i)
        step(label);
    step(label, frameMillis, last);
}

// A press, moves a frame apart, frames with the pointer held still, a release.
void drag(int x0, int y0, int dx, int dy, int moves, const char* label, int held = 0) {
    onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x0, y0);
    step(label);
    for (int i = 1; i <= moves; ++i) {
        onMotion(x0 + i * dx, y0 + i * dy);
        step(label);
    }
    for (int i = 0; i < held; ++i)
        step(label);
    onMouse(GLUT_LEFT_BUTTON, GLUT_UP, x0 + moves * dx, y0 + moves * dy);
}

void click(int x, int y) {
    onPassiveMotion(x, y);
    onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
    onMouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y);
}

void runScript() {
    test_clock::set(5000);
    SceneManager& manager = SceneManager::instance();
    manager.clearOrder();
    for (const char* key : {"Moebius", "Moebius2", "Moebius3"})
        manager.appendByName(key);
    // The wheel the scene starts with was placed by the clock at start-up;
    // one placed by the hand clock rolls alike in both runs.
    for (const auto& item : manager.sceneAt(1)->panel->items())
        if (auto* clear = dynamic_cast<ClearWheelsButton*>(item.get()))
            clear->activate();
    for (const auto& item : manager.sceneAt(1)->panel->items())
        if (auto* add = dynamic_cast<AddWheelButton*>(item.get()))
            add->activate();
    installHandlers();
    glutDisplayFunc(countedDisplay);
    onReshape(gl_test::width, gl_test::height);
    manager.current()->setupGL();
    onPassiveMotion(middleX, middleY);
    steps(3, "start", Expect::resting);

    // The logo opens in 500 ms, rests open for an hour, then closes.
    onPassiveMotion(logoX, logoY);
    steps(36, "logo-opening", Expect::resting);
    step("an-hour-open", 3600 * 1000, Expect::still);
    onPassiveMotion(middleX, middleY);
    step("logo-closing", frameMillis, Expect::moving);
    steps(14, "logo-closing", Expect::resting);

    // The menu unfolds and folds, 100 ms each way.
    onPassiveMotion(menuX, bottom);
    step("menu-unfolding", 45, Expect::moving);
    steps(6, "menu-unfolding", Expect::resting);
    step("menu-open", 2000, Expect::still);
    onPassiveMotion(middleX, middleY);
    steps(8, "menu-folding", Expect::resting);

    // A flung view spins until a press.
    drag(middleX, middleY, 6, 2, 5, "view-dragged", 3);
    steps(10, "view-spinning", Expect::moving);
    step("view-spinning", 700, Expect::moving);
    onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, middleX, middleY);
    onMouse(GLUT_LEFT_BUTTON, GLUT_UP, middleX, middleY);
    steps(3, "view-stopped", Expect::resting);

    // A flung dial turns until a press.
    drag(dialRimX, bottom, 0, -3, 4, "dial-dragged");
    steps(10, "dial-spinning", Expect::moving);
    click(dialRimX, bottom);
    steps(3, "dial-stopped", Expect::resting);

    // A spin carried to the next scenes of the same view, the wheels among them.
    drag(middleX, middleY, -5, 3, 5, "view-dragged-again");
    steps(3, "view-spinning-again", Expect::moving);
    onSpecialKey(GLUT_KEY_RIGHT, 0, 0);
    steps(5, "wheels-and-spin", Expect::moving);
    onSpecialKey(GLUT_KEY_RIGHT, 0, 0);
    steps(5, "spin-in-the-next-scene", Expect::moving);
    onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, middleX, middleY);
    onMouse(GLUT_LEFT_BUTTON, GLUT_UP, middleX, middleY);
    steps(2, "stopped-away-from-the-wheels", Expect::resting);
    step("away-from-the-wheels", 5000, Expect::still);
    onSpecialKey(GLUT_KEY_LEFT, 0, 0);
    steps(5, "wheels-after-a-switch", Expect::moving);
    click(clearWheelsX, bottom);
    steps(2, "wheels-removed", Expect::resting);
    step("rest", 60 * 1000, Expect::still);
}

struct Line {
    std::string label;
    int expect = 0;
    int drew = 0;
    int continues = 0;
    unsigned long long picture = 0;
};

std::vector<Line> runChild(const char* mode) {
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0)
        return {};
    const std::string command = "'" + std::string(self) + "' --script " + mode;
    std::vector<Line> lines;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return lines;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        std::istringstream in(buffer);
        Line line;
        if (in >> line.label >> line.expect >> line.drew >> line.continues >> line.picture)
            lines.push_back(line);
    }
    EXPECT_EQ(pclose(pipe), 0) << mode << " run failed";
    return lines;
}

TEST(OnDemand, ShowsWhatContinuousDrawingShowsAndRestsWhereNothingMoves) {
    const std::vector<Line> continuous = runChild("continuous");
    const std::vector<Line> onDemand = runChild("on-demand");
    ASSERT_GT(continuous.size(), 100u);
    ASSERT_EQ(continuous.size(), onDemand.size());
    std::set<unsigned long long> pictures;
    for (std::size_t i = 0; i < continuous.size(); ++i) {
        const Line& c = continuous[i];
        const Line& d = onDemand[i];
        ASSERT_EQ(c.label, d.label);
        EXPECT_TRUE(c.drew && c.continues) << "step " << i << " " << c.label;
        EXPECT_EQ(c.picture, d.picture) << "step " << i << " " << c.label << " shows otherwise";
        if (d.expect == int(Expect::moving)) {
            EXPECT_TRUE(d.continues) << "step " << i << " " << d.label << " stopped drawing";
        } else if (d.expect >= int(Expect::resting)) {
            EXPECT_FALSE(d.continues) << "step " << i << " " << d.label << " still drawing";
        }
        if (d.expect == int(Expect::still)) {
            EXPECT_FALSE(d.drew) << "step " << i << " " << d.label << " drew at rest";
        }
        pictures.insert(c.picture);
    }
    // The comparison sees the animations: a window read back wrongly would
    // show one picture throughout.
    EXPECT_GT(pictures.size(), continuous.size() / 2);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--script") {
        drawOnDemand = std::string(argv[2]) == "on-demand";
        if (!openWindow())
            return 1;
        runScript();
        return 0;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
