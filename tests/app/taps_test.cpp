// Every control of every scene answers a finger's tap: the pointer jumps to
// the control, presses and releases, and no frame is drawn in between.

#include "app/events.h"
#include "app/scene.h"
#include "app/scene_manager.h"
#include "scenes/moebius/wheels_scene.h"
#include "tests/support/exhibit_checks.h"
#include "tests/support/gl_window.h"
#include "tests/support/test_clock.h"
#include "ui/colour_editor.h"
#include "ui/credits_logo.h"
#include "ui/dial.h"
#include "ui/finger_size.h"
#include "ui/nav_button.h"
#include "ui/option_row.h"
#include "ui/overlay_scale.h"
#include "ui/scene_menu.h"
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
                const int was = row->selected;
                tap({row->iconX(other), row->position.y});
                EXPECT_EQ(row->selected, other);
                tap({row->iconX(was), row->position.y}); // as it was, for the tests that follow
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

// With --touch on an upright tablet and screen and a short landscape one (X
// at 100 dpi), each drawn here in a window of its shape with the same overlay
// layout: where the bottom controls wrap, every model lies wholly above the
// rows; the colour editor's rows are a finger tall, clear of every control
// and on the screen; the open menu's rows all lie in the window, a finger
// tall, and each takes the press at its middle.
TEST(Taps, OnTouchScreensTheModelTheMenuAndTheColoursKeepToTheirRoom) {
    exhibit_checks::listEveryRegisteredScene();
    WidgetPanel::forFingers = true;
    initialise();
    SceneManager& manager = SceneManager::instance();
    const double least = FingerSize::narrowestControlUnits;
    for (auto [screenHeight, width, height] :
         {std::tuple{1024, 450, 600}, {1920, 337, 600}, {600, 800, 375}}) {
        overlayScale.fix(FingerSize(100 / 25.4).leastOverlayScale() * height / screenHeight);
        int wrapped = 0;
        for (int i = 0; i < manager.count(); ++i) {
            manager.select(i);
            onReshape(width, height);
            Scene& scene = *manager.current();
            SCOPED_TRACE(scene.name + " at " + std::to_string(width));
            const Vec2 size = overlayScale.overlaySize(width, height);
            // Upright, the model keeps clear of the bottom controls, wrapped or not.
            const auto band = scene.panel->modelBand(size.y);
            wrapped += band ? 1 : 0;
            double rowsTop = 0;
            for (const auto& item : scene.panel->items())
                if (item->anchor == BottomLeft || item->anchor == BottomRight)
                    rowsTop = std::max(rowsTop, item->position.y + item->reach().up);
            if (height > width) {
                scene.update(elapsedMillis());
                scene.clear();
                scene.drawModel();
                const gl_test::Frame frame = gl_test::captureFrame();
                int lowest = height, highest = -1;
                for (int y = 0; y < height; ++y)
                    for (int x = 0; x < width; ++x)
                        if (!gl_test::near(frame.at(x, y), gl_test::background(), 3)) {
                            lowest = std::min(lowest, y);
                            highest = y;
                        }
                EXPECT_GE(lowest, rowsTop * overlayScale.factor());
                // and stands in the middle of the room the rows leave it.
                const double bottom = band ? band->bottom * overlayScale.factor() : 0;
                const double top = band ? band->top * overlayScale.factor() : height;
                EXPECT_NEAR((lowest + highest) / 2.0, (bottom + top) / 2, (top - bottom) / 20);
                EXPECT_GE(highest, lowest) << "no model drawn";
            }
            ColourEditor& editor = *scene.panel->colourEditor;
            const PanelItem::Reach r = editor.reach();
            for (const auto& item : scene.panel->items()) {
                const PanelItem::Reach o = item->reach();
                const Vec2 p = item->position, e = editor.position;
                EXPECT_TRUE(item.get() == &editor || p.x + o.right <= e.x - r.left ||
                            e.x + r.right <= p.x - o.left || p.y + o.up <= e.y - r.down ||
                            e.y + r.up <= p.y - o.down);
            }
            EXPECT_TRUE(editor.position.y + r.up <= size.y && editor.position.x - r.left >= 0);
            const double base = editor.position.y - r.down; // rows least tall from there up
            for (int row = 0; row < 3; ++row)
                EXPECT_TRUE(editor.rowAt({editor.position.x, base + least * row + 0.5}) == row &&
                            editor.rowAt({editor.position.x, base + least * (row + 1) - 0.5}) ==
                                row);
            for (const auto& item : scene.panel->items())
                if (auto* menu = dynamic_cast<SceneMenu*>(item.get())) {
                    menu->showOpen();
                    const Vec2 at = menu->position;
                    for (int k = 0; k < manager.count(); ++k) {
                        const SceneMenu::Row row = menu->placeOf(k, manager.count(), 1);
                        EXPECT_LE(at.y + row.hi, size.y) << k;
                        EXPECT_LE(at.x + row.left + menu->captionsWidth, size.x) << k;
                        EXPECT_GE(row.hi - row.lo, least) << k;
                        const Vec2 middle = at + Vec2{row.left + 20, (row.lo + row.hi) / 2.0};
                        EXPECT_EQ(menu->rowAt(middle, elapsedMillis()), k);
                    }
                    menu->reset();
                }
        }
        EXPECT_GT(wrapped, screenHeight == 1024 ? 1 : -1);
    }
    EXPECT_EQ(gl_test::stateProblems(), "");
    WidgetPanel::forFingers = false;
    overlayScale.fix(1);
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
