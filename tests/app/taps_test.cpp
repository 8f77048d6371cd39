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
#include <array>
#include <gtest/gtest.h>
#include <tuple>

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

// With --touch on a portrait tablet (its X screen 100 dpi) and on a phone
// page at 3x either way up: every control lies wholly on the screen, apart
// from every other, and a finger that lands 10 pixels off its centre on any
// side is over it and no neighbour.
TEST(Taps, OnTouchScreensAFingerOffACentreStillFindsThatControl) {
    exhibit_checks::listEveryRegisteredScene();
    WidgetPanel::forFingers = true;
    initialise();
    SceneManager& manager = SceneManager::instance();
    for (auto [width, height, perMm] :
         {std::tuple{768, 1024, 100 / 25.4}, {1170, 2532, 1170 / 79.0}, {2532, 1170, 2532 / 172.0}})
        for (int i = 0; i < manager.count(); ++i) {
            overlayScale.keepAtLeast(FingerSize(perMm).leastOverlayScale());
            manager.select(i);
            onReshape(width, height);
            SCOPED_TRACE(manager.current()->name + " at " + std::to_string(width));
            std::vector<std::array<double, 4>> boxes = {};
            for (const auto& item : manager.current()->panel->items()) {
                if (item->hidden)
                    continue;
                const PanelItem::Reach r = item->reach();
                const Vec2 p = item->position;
                const std::array<double, 4> box = {p.x - r.left, p.x + r.right, p.y - r.down,
                                                   p.y + r.up};
                const Vec2 size = overlayScale.overlaySize(width, height);
                EXPECT_TRUE(box[0] >= 0 && box[1] <= size.x && box[2] >= 0 && box[3] <= size.y);
                for (const auto& b : boxes)
                    EXPECT_TRUE(box[1] <= b[0] || b[1] <= box[0] || box[3] <= b[2] ||
                                b[3] <= box[2]);
                boxes.push_back(box);
                const auto* row = dynamic_cast<const OptionRow*>(item.get());
                for (int k = row ? 0 : -1; k < (row ? row->iconCount : 0); ++k)
                    for (Vec2 off : {Vec2{10, 0}, Vec2{-10, 0}, Vec2{0, 10}, Vec2{0, -10}}) {
                        const Vec2 at =
                            overlayScale.toWindow(row ? Vec2{row->iconX(k), p.y} : p) + off;
                        manager.current()->panel->reset();
                        onPassiveMotion(int(at.x), height - int(at.y));
                        EXPECT_EQ(pointerTarget, dynamic_cast<Widget*>(item.get())) << k;
                        EXPECT_TRUE(!row || row->hoveredIndex == k) << k;
                    }
            }
        }
    WidgetPanel::forFingers = false;
    overlayScale.keepAtLeast(0);
}

} // namespace
