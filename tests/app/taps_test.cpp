// Every control of every scene answers a finger's tap: the pointer jumps to
// the control, presses and releases, and no frame is drawn in between.

#include "app/events.h"
#include "app/scene.h"
#include "app/scene_manager.h"
#include "scenes/moebius/wheels_scene.h"
#include "tests/support/exhibit_checks.h"
#include "tests/support/gl_window.h"
#include "tests/support/test_clock.h"
#include "ui/credits_logo.h"
#include "ui/dial.h"
#include "ui/finger_size.h"
#include "ui/nav_button.h"
#include "ui/option_row.h"
#include "ui/overlay_scale.h"
#include "ui/slider.h"
#include "ui/widget_panel.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

namespace {

void tap(Vec2 p) {
    const int x = int(p.x), y = gl_test::height - int(p.y);
    onPassiveMotion(x, y);
    onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
    onMouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y);
}

TEST(Taps, EveryControlAnswersATapWithNoFrameBetween) {
    test_clock::set(1000);
    exhibit_checks::listEveryRegisteredScene();
    initialise();
    onReshape(gl_test::width, gl_test::height);
    SceneManager& manager = SceneManager::instance();
    for (int i = 0; i < manager.count(); ++i) {
        manager.select(i);
        Scene& scene = *manager.current();
        SCOPED_TRACE(scene.name);
        for (const auto& item : scene.panel->items()) {
            if (item->hidden)
                continue;
            PanelItem* p = item.get();
            if (auto* slider = dynamic_cast<Slider*>(p)) {
                tap({slider->right(), slider->position.y}); // on the track, far from the knob
                EXPECT_EQ(slider->value, slider->maximum);
                tap({slider->left(), slider->position.y});
                EXPECT_EQ(slider->value, slider->minimum);
                tap({double(slider->columnOf(slider->value)), slider->position.y + 12}); // the knob
                EXPECT_EQ(slider->value, slider->minimum);
            } else if (auto* row = dynamic_cast<OptionRow*>(p)) {
                const int other = (row->selected + 1) % row->iconCount;
                tap({row->iconX(other), row->position.y});
                EXPECT_EQ(row->selected, other);
            } else if (auto* dial = dynamic_cast<Dial*>(p)) {
                dial->fling(dial->position + Vec2{15, 0}, {0, 500}, elapsedMillis());
                tap(dial->position + Vec2{15, 0});
                EXPECT_FALSE(dial->isAnimating(elapsedMillis())) << "a tap stops a flung dial";
            } else if (auto* logo = dynamic_cast<CreditsLogo*>(p)) {
                tap(logo->position);
                EXPECT_TRUE(logo->isAnimating(elapsedMillis())) << "the emblem opens under a tap";
            }
        }
        if (auto* wheels = dynamic_cast<WheelsScene*>(&scene)) {
            const auto& items = wheels->panel->items();
            const std::size_t before = wheels->strip.wheels.size();
            tap(items.end()[-4]->position); // adds one
            EXPECT_EQ(wheels->strip.wheels.size(), before + 1);
            tap(items.end()[-3]->position); // takes the oldest away
            EXPECT_EQ(wheels->strip.wheels.size(), before);
            tap(items.end()[-2]->position); // takes all away
            EXPECT_TRUE(wheels->strip.wheels.empty());
        }
        EXPECT_TRUE(exhibit_checks::sane(scene));
    }
    // The arrows step back and forth, tapped.
    const auto& items = manager.current()->panel->items();
    tap(items[0]->position);
    EXPECT_EQ(manager.currentIndex, manager.count() - 2);
    tap(manager.current()->panel->items()[1]->position);
    EXPECT_EQ(manager.currentIndex, manager.count() - 1);
    renderFrame(elapsedMillis());
    EXPECT_EQ(gl_test::stateProblems(), "");
    test_clock::restore();
}

// A portrait tablet with --touch, its X screen 100 dpi: a finger that lands
// 10 pixels off any control's centre, on any side, is over that control and
// no neighbour, and every control lies wholly on the screen.
TEST(Taps, OnATouchTabletAFingerOffACentreStillFindsThatControl) {
    test_clock::set(1000);
    exhibit_checks::listEveryRegisteredScene();
    overlayScale.keepAtLeast(FingerSize(100 / 25.4).leastOverlayScale());
    WidgetPanel::narrowRows = true;
    initialise();
    const int width = 768, height = 1024;
    const Vec2 size = overlayScale.overlaySize(width, height);
    SceneManager& manager = SceneManager::instance();
    int probed = 0;
    for (int i = 0; i < manager.count(); ++i) {
        manager.select(i);
        onReshape(width, height);
        Scene& scene = *manager.current();
        SCOPED_TRACE(scene.name);
        for (const auto& item : scene.panel->items()) {
            if (item->hidden)
                continue;
            const PanelItem::Reach r = item->reach();
            EXPECT_GE(item->position.x - r.left, 0);
            EXPECT_LE(item->position.x + r.right, size.x);
            std::vector<Vec2> centres = {item->position};
            const auto* row = dynamic_cast<const OptionRow*>(item.get());
            for (int k = 0; row && k < row->iconCount; ++k)
                centres.push_back({row->iconX(k), row->position.y});
            for (size_t k = row ? 1 : 0; k < centres.size(); ++k)
                for (Vec2 off : {Vec2{10, 0}, Vec2{-10, 0}, Vec2{0, 10}, Vec2{0, -10}}) {
                    const Vec2 at = overlayScale.toWindow(centres[k]) + off;
                    scene.panel->reset();
                    onPassiveMotion(int(at.x), height - int(at.y));
                    EXPECT_EQ(pointerTarget, dynamic_cast<Widget*>(item.get()))
                        << "off (" << centres[k].x << ", " << centres[k].y << ") by (" << off.x
                        << ", " << off.y << ")";
                    if (row) {
                        EXPECT_EQ(row->hoveredIndex, int(k) - 1);
                    }
                    ++probed;
                }
        }
    }
    EXPECT_GT(probed, 200);
    WidgetPanel::narrowRows = false;
    overlayScale.keepAtLeast(0);
    test_clock::restore();
}

} // namespace
