// Drawing on demand shows what drawing continuously shows. One script of
// events and hand-clock readings that moves every kind of animation runs in
// two child processes of this program, each with a window of its own: frame
// after frame, and on demand. After every step the windows must agree, and on
// demand the frames must go on exactly while something moves.

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

#include <cstdio>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// What a step expects on demand afterwards: frames going on, or stopped
// (still: not even one frame drawn in the step).
enum Expect { anything, moving, resting, still };
int framesDrawn = 0;

// The window's pixels on the X server, hashed (GLUT places it at (-1, -1)).
unsigned long long shown() {
    XImage* image = XGetImage(glXGetCurrentDisplay(), glXGetCurrentDrawable(), 1, 1,
                              gl_test::width - 1, gl_test::height - 1, AllPlanes, ZPixmap);
    unsigned long long hash = 1469598103934665603ull;
    for (int i = 0; image && i < image->bytes_per_line * image->height; ++i)
        hash = (hash ^ static_cast<unsigned char>(image->data[i])) * 1099511628211ull;
    if (image)
        XDestroyImage(image);
    return hash;
}

// The clock moves on and the main loop turns once, as GLUT's would: the idle
// handler if installed, then the frame if one was asked for.
void step(int count, const char* label, Expect last = anything, int millis = 16) {
    for (int i = 1; i <= count; ++i) {
        test_clock::advance(millis);
        const int before = framesDrawn;
        if (drawingContinues())
            onIdle();
        glutMainLoopEvent();
        std::printf("%s %d %d %d %llu\n", label, i == count ? last : anything, framesDrawn > before,
                    drawingContinues(), shown());
    }
}

void press(int x, int y) {
    onPassiveMotion(x, y);
    onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
}

void click(int x, int y) {
    press(x, y);
    onMouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y);
}

// A quick drag, a frame per move, held still for held frames, then released.
void fling(int x, int y, int dx, int dy, int held, const char* label) {
    press(x, y);
    for (int i = 1; i <= 5; ++i) {
        onMotion(x + i * dx, y + i * dy);
        step(1, label);
    }
    step(held, label);
    onMouse(GLUT_LEFT_BUTTON, GLUT_UP, x + 5 * dx, y + 5 * dy);
}

void runScript() {
    test_clock::set(5000);
    SceneManager& manager = SceneManager::instance();
    manager.clearOrder();
    for (const char* key : {"Moebius", "Moebius2", "Moebius3"})
        manager.appendByName(key);
    // The wheels scene starts with a wheel placed by the real clock; one
    // placed by the hand clock rolls alike in both runs.
    auto& wheelButtons = manager.sceneAt(1)->panel->items();
    dynamic_cast<PushButton&>(*wheelButtons.end()[-2]).activate(elapsedMillis()); // takes all away
    dynamic_cast<PushButton&>(*wheelButtons.end()[-4]).activate(elapsedMillis()); // adds one
    installHandlers();
    glutDisplayFunc([] {
        ++framesDrawn;
        onDisplay();
    });
    onReshape(gl_test::width, gl_test::height);
    manager.current()->setupGL();
    const int bottom = gl_test::height - 20, middle = 300;
    onPassiveMotion(400, middle);
    step(3, "start", resting);

    onPassiveMotion(740, gl_test::height - 30); // the emblem: opens in 500 ms
    step(36, "emblem-opening", resting);
    step(1, "an-hour-open", still, 3600 * 1000);
    onPassiveMotion(400, middle); // closes in 200 ms
    step(1, "emblem-closing", moving);
    step(14, "emblem-closing", resting);

    onPassiveMotion(20, bottom); // the menu: 100 ms each way
    step(1, "menu-unfolding", moving, 45);
    step(6, "menu-unfolding", resting);
    step(1, "menu-open", still, 2000);
    onPassiveMotion(400, middle);
    step(8, "menu-folding", resting);

    fling(400, middle, 6, 2, 3, "view-dragged");
    step(10, "view-spinning", moving);
    step(1, "view-spinning", moving, 700);
    click(400, middle);
    step(3, "view-stopped", resting);

    fling(265, bottom, 0, -3, 0, "dial-dragged"); // on the twist dial's dot
    step(10, "dial-spinning", moving);
    click(265, bottom);
    step(3, "dial-stopped", resting);

    fling(400, middle, -5, 3, 0, "view-dragged-again");
    onSpecialKey(GLUT_KEY_RIGHT, 0, 0);
    step(5, "wheels-and-spin", moving);
    onSpecialKey(GLUT_KEY_RIGHT, 0, 0);
    step(5, "spin-in-the-next-scene", moving);
    click(400, middle);
    step(2, "stopped-away-from-the-wheels", resting);
    step(1, "away-from-the-wheels", still, 5000);
    onSpecialKey(GLUT_KEY_LEFT, 0, 0);
    step(5, "wheels-after-a-switch", moving);
    click(140, bottom); // takes every wheel away
    step(2, "wheels-removed", resting);
    step(1, "rest", still, 60 * 1000);
}

struct Step {
    std::string label;
    int expect, drew, continues;
    unsigned long long picture;
};

std::vector<Step> runChild(const std::string& mode) {
    char self[4096] = {};
    EXPECT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
    FILE* pipe = popen(("'" + std::string(self) + "' " + mode).c_str(), "r");
    std::vector<Step> steps;
    char label[100];
    Step s;
    while (pipe && std::fscanf(pipe, "%99s %d %d %d %llu", label, &s.expect, &s.drew, &s.continues,
                               &s.picture) == 5)
        steps.push_back({label, s.expect, s.drew, s.continues, s.picture});
    EXPECT_TRUE(pipe && pclose(pipe) == 0) << mode;
    return steps;
}

TEST(OnDemand, ShowsWhatContinuousDrawingShowsAndRestsWhereNothingMoves) {
    const std::vector<Step> continuous = runChild("--continuous");
    const std::vector<Step> onDemand = runChild("--on-demand");
    ASSERT_EQ(continuous.size(), onDemand.size());
    std::set<unsigned long long> pictures;
    for (std::size_t i = 0; i < continuous.size(); ++i) {
        const Step &c = continuous[i], &d = onDemand[i];
        const std::string at = "step " + std::to_string(i) + " " + d.label;
        EXPECT_TRUE(c.drew && c.continues) << at;
        EXPECT_EQ(c.picture, d.picture) << at << " shows otherwise";
        EXPECT_TRUE(d.expect != moving || d.continues) << at << " stopped drawing";
        EXPECT_TRUE(d.expect < resting || !d.continues) << at << " still drawing";
        EXPECT_TRUE(d.expect != still || !d.drew) << at << " drew at rest";
        pictures.insert(c.picture);
    }
    EXPECT_GT(pictures.size(), 60u) << "the script should show its animations";
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc == 2 ? argv[1] : "";
    if (mode == "--continuous" || mode == "--on-demand") {
        drawOnDemand = mode == "--on-demand";
        // Until the window is on the screen, GLUT draws nothing.
        gl_test::ensureWindow();
        glutDisplayFunc([] {});
        XWindowAttributes window{};
        for (int i = 0; i < 1000 && window.map_state != IsViewable; ++i) {
            glutMainLoopEvent();
            usleep(10000);
            XGetWindowAttributes(glXGetCurrentDisplay(), glXGetCurrentDrawable(), &window);
        }
        runScript();
        return 0;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
