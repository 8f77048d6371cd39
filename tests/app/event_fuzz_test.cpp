// A long random stream of pointer, key, reshape and clock events against
// scenes that carry every kind of control: whatever a visitor does, nothing
// worse than "nothing happens" may follow.

#include "app/events.h"
#include "app/scene_manager.h"
#include "tests/support/gl_window.h"
#include "tests/support/test_clock.h"
#include "tests/support/test_scene.h"
#include "ui/colour_editor.h"
#include "ui/credits_logo.h"
#include "ui/scene_menu.h"
#include "ui/widget_panel.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>

namespace {

TestScene first("FuzzFirst", true);
TestScene second("FuzzSecond", true);

void expectSane(const TestScene& scene) {
    ASSERT_TRUE(std::isfinite(scene.slider->value));
    ASSERT_GE(scene.slider->value, scene.slider->minimum);
    ASSERT_LE(scene.slider->value, scene.slider->maximum);
    ASSERT_TRUE(std::isfinite(scene.dial->angle));
    ASSERT_TRUE(std::isfinite(scene.dial->angularVelocity));
    ASSERT_GE(scene.row->selected, 0);
    ASSERT_LT(scene.row->selected, scene.row->iconCount);
    for (int i = 0; i < 16; ++i)
        ASSERT_TRUE(std::isfinite(scene.rotator.matrix[i]));
    ASSERT_TRUE(std::isfinite(scene.rotator.spinRate.x) && std::isfinite(scene.rotator.spinRate.y));
    for (const auto& item : scene.panel->items()) {
        if (auto* menu = dynamic_cast<SceneMenu*>(item.get())) {
            ASSERT_GE(menu->openness, 0);
            ASSERT_LE(menu->openness, 1);
        }
        if (auto* logo = dynamic_cast<CreditsLogo*>(item.get())) {
            ASSERT_GE(logo->openness, 0);
            ASSERT_LE(logo->openness, 1);
        }
    }
    for (int c : backgroundColour) {
        ASSERT_GE(c, 0);
        ASSERT_LE(c, 255);
    }
}

TEST(EventStream, HundredThousandRandomEvents) {
    SceneManager& manager = SceneManager::instance();
    manager.clearOrder();
    manager.appendByName("FuzzFirst");
    manager.appendByName("FuzzSecond");
    test_clock::set(INT_MAX - 20000); // the stream crosses the clock's wrap
    initialise();
    gl_test::reshapeToWindow();

    std::mt19937 random(20261208);
    auto chance = [&](int n) { return int(random() % unsigned(n)); };
    const int keys[] = {'s', 'S', 'a', ' ', 0, 255};
    const int specials[] = {GLUT_KEY_LEFT,    GLUT_KEY_RIGHT,     GLUT_KEY_UP,   GLUT_KEY_DOWN,
                            GLUT_KEY_PAGE_UP, GLUT_KEY_PAGE_DOWN, GLUT_KEY_HOME, GLUT_KEY_F4};
    bool held = false;
    int frames = 0;
    for (int event = 0; event < 100000; ++event) {
        // Mostly inside the window, near the controls; sometimes far outside.
        const int x = chance(10) == 0 ? chance(20000) - 10000 : chance(820) - 10;
        const int y = chance(10) == 0 ? chance(20000) - 10000
                                      : (chance(2) ? 600 - chance(80) : chance(620) - 10);
        switch (chance(12)) {
        case 0:
        case 1:
            onMouse(chance(3), GLUT_DOWN, x, y);
            held = true;
            break;
        case 2:
            onMouse(chance(3), GLUT_UP, x, y);
            held = false;
            break;
        case 3:
        case 4:
        case 5:
            if (held)
                onMotion(x, y);
            else
                onPassiveMotion(x, y);
            break;
        case 6:
            onKeyboard(static_cast<unsigned char>(keys[chance(6)]), x, y);
            break;
        case 7:
            onSpecialKey(specials[chance(8)], x, y);
            break;
        case 8:
            if (chance(20) == 0) {
                const int sizes[][2] = {{0, 0}, {1, 1}, {4000, 3000}, {800, 600}, {320, 200}};
                const auto& s = sizes[chance(5)];
                onReshape(s[0], s[1]);
            }
            break;
        case 9:
            test_clock::advance(chance(40));
            break;
        case 10:
            if (chance(50) == 0)
                test_clock::advance(chance(3) == 0 ? 100000 : 1000);
            break;
        default:
            onMouse(0, chance(3), x, y); // states other than down and up too
            break;
        }
        if (event % 100 == 0) {
            // Small frames keep the stream fast; sizes are restored below.
            renderFrame();
            ++frames;
            ASSERT_EQ(gl_test::stateProblems(), "") << "after event " << event;
            expectSane(first);
            expectSane(second);
        }
    }
    onReshape(800, 600);
    renderFrame();
    EXPECT_EQ(gl_test::stateProblems(), "");
    expectSane(first);
    expectSane(second);
    EXPECT_GT(frames, 900);
    test_clock::restore();
}

} // namespace
