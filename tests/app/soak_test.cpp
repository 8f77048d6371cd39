// A week unattended: the whole exhibit, every registered scene listed, with
// the view spinning and every dial flung in every scene, driven through seven
// days of the hand clock in big steps and small, across the wrap of the
// millisecond counter. At the end every view rotation is still a rotation,
// every value is finite, every control still answers the pointer, and the
// process holds no more heap than over its first ten thousand frames. Between
// the frames visitors tap: the map's band thousands of times, and every
// control, the wheels' buttons among them.

#include "app/events.h"
#include "app/heap_policy.h"
#include "app/scene.h"
#include "app/scene_manager.h"
#include "scenes/moebius/strip_map_scene.h"
#include "scenes/moebius/wheels_scene.h"
#include "tests/support/exhibit_checks.h"
#include "tests/support/gl_window.h"
#include "tests/support/test_clock.h"
#include "ui/dial.h"
#include "ui/nav_button.h"
#include "ui/option_row.h"
#include "ui/overlay_scale.h"
#include "ui/push_button.h"
#include "ui/rotator.h"
#include "ui/slider.h"
#include "ui/widget_panel.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdio>
#include <malloc.h>
#include <optional>
#include <random>
#include <vector>

namespace {

constexpr long long week = 7LL * 24 * 3600 * 1000;
constexpr int phaseFrames = 10000;
constexpr long rendererSlack = 4L << 20;
constexpr long heapSlack = 3L << 20;
// A small window keeps the software rasteriser's share of each frame small;
// every scene still computes and draws its whole model.
constexpr int soakWidth = 320;
constexpr int soakHeight = 240;

SceneManager& manager() {
    return SceneManager::instance();
}

Rotator* rotatorOf(Scene& scene) {
    return dynamic_cast<Rotator*>(scene.backgroundElement());
}

// Through the display handler, buffer swap included, as the exhibit draws.
void frame() {
    onDisplay();
    ASSERT_EQ(gl_test::stateProblems(), "") << manager().current()->name;
}

// A quick drag on the background through the event layer, released at speed:
// the view spins until the next press. Then every dial is flung. The map takes
// the press itself and keeps still after a quick release; it is left alone so
// that the view it shares keeps the spin the other scenes gave it.
void setSpinning(Scene& scene, std::mt19937& random) {
    const int y = soakHeight / 2;
    int x = soakWidth / 2;
    if (scene.pickAt({double(x), double(soakHeight - y)}, elapsedMillis()) ==
        scene.backgroundElement()) {
        onMouse(0, GLUT_DOWN, x, y);
        for (int step = 0; step < 6; ++step) {
            test_clock::advance(10);
            x += 4 + int(random() % 6);
            onMotion(x, y + step);
        }
        onMouse(0, GLUT_UP, x, y + 6);
    }
    for (const auto& item : scene.panel->items())
        if (auto* dial = dynamic_cast<Dial*>(item.get())) {
            const Vec2 rim = dial->position + Vec2{15, 0};
            dial->press(rim, elapsedMillis());
            dial->release(rim, elapsedMillis());
            dial->fling(rim, {0, 50.0 + double(random() % 400)}, elapsedMillis());
        }
}

// A finger's tap at window pixel (x, y), y upwards, through the event layer,
// and the overlay point the scene is handed for it.
void tap(int x, int y) {
    onPassiveMotion(x, soakHeight - y);
    onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, soakHeight - y);
    onMouse(GLUT_LEFT_BUTTON, GLUT_UP, x, soakHeight - y);
}
Vec2 overlayAt(int x, int y) {
    return overlayScale.toOverlay(x, soakHeight - y, soakHeight);
}

// A pixel of a region of the map, tried at random in the middle of the
// window until the press's own pick finds one, so that no tap reaches the
// view and stops its spin.
std::optional<std::array<int, 2>> onTheBand(StripMapScene& map, std::mt19937& random) {
    map.update(elapsedMillis());
    for (int attempt = 0; attempt < 40; ++attempt) {
        const int x = soakWidth / 4 + int(random() % (soakWidth / 2));
        const int y = soakHeight / 4 + int(random() % (soakHeight / 2));
        PickBox box = map.pickBoxAt(overlayAt(x, y));
        if (map.strip.mapNameAt(box, map.modelview()) > 0)
            return std::array<int, 2>{x, y};
    }
    return std::nullopt;
}

// Taps one control of the scene, picked at random: a slider somewhere on
// its track, a dial at its rim, an icon of a row, a push button (the
// wheels'); not the arrows, the menu or the emblem, which would leave the
// scene. Then puts it back as it was, so that the two stretches of frames
// compared see the exhibit in the same states. Answers whether it tapped.
bool tapAControl(Scene& scene, std::mt19937& random) {
    std::vector<PanelItem*> controls;
    for (const auto& item : scene.panel->items()) {
        PanelItem* p = item.get();
        if (!item->hidden && !dynamic_cast<NavButton*>(p) &&
            (dynamic_cast<Slider*>(p) || dynamic_cast<Dial*>(p) || dynamic_cast<OptionRow*>(p) ||
             dynamic_cast<PushButton*>(p)))
            controls.push_back(p);
    }
    if (controls.empty())
        return false;
    PanelItem* item = controls[random() % controls.size()];
    auto* slider = dynamic_cast<Slider*>(item);
    auto* row = dynamic_cast<OptionRow*>(item);
    auto* wheels = dynamic_cast<WheelsScene*>(&scene);
    Vec2 p = item->position;
    if (slider)
        p.x = slider->left() + (slider->right() - slider->left()) * double(random() % 101) / 100;
    else if (row)
        p.x = row->iconX(int(random() % unsigned(row->iconCount)));
    else if (dynamic_cast<Dial*>(item))
        p = p + Vec2{15, 0};
    const Vec2 w = overlayScale.toWindow(p);
    const int x = int(std::lround(w.x)), y = int(std::lround(w.y));
    // Where the small soak window crowds controls together, only a tap that
    // lands on the one chosen.
    if (scene.pickAt(overlayAt(x, y), elapsedMillis()) != dynamic_cast<Widget*>(item))
        return false;
    const double value = slider ? slider->value : 0;
    const int selected = row ? row->selected : 0;
    const std::vector<Ramp> kept = wheels ? wheels->strip.wheels : std::vector<Ramp>();
    tap(x, y);
    if (slider)
        slider->value = value;
    if (row)
        row->selected = selected;
    if (wheels)
        wheels->strip.wheels = kept;
    return true;
}

// Taps between frames: on a control of the scene shown, or on the map's
// band, through the event layer when the map is shown and straight to the
// map otherwise, as its press is all a tap on the band runs.
struct Taps {
    StripMapScene* map = nullptr;
    long onBand = 0;
    long onControls = 0;
    void once(std::mt19937& random) {
        Scene& scene = *manager().current();
        const bool mapShown = &scene == map;
        if (!mapShown && random() % 2 == 0) {
            onControls += tapAControl(scene, random);
            return;
        }
        const std::optional<std::array<int, 2>> at = onTheBand(*map, random);
        if (!at)
            return;
        ++onBand;
        const auto [x, y] = *at;
        if (mapShown) {
            tap(x, y);
        } else {
            map->press(overlayAt(x, y), elapsedMillis());
            map->release(overlayAt(x, y), elapsedMillis());
        }
    }
};
Taps taps;

// What the process held over a run of frames: the most resident pages, and
// the least heap in use (bytes allocated and not yet freed). Single readings
// swing by a megabyte with the buffers a frame allocates and frees; a leak
// lifts the floor of the heap, and the peak of the pages, with it.
struct MemoryPeak {
    long resident = 0;
    long heap = LONG_MAX;
    void sample() {
        resident = std::max(resident, exhibit_checks::residentBytes());
        const struct mallinfo2 m = mallinfo2();
        heap = std::min(heap, long(m.uordblks + m.hblkhd));
    }
};

// Each scene in turn for an equal share of the frames, the clock advancing
// by a frame's time mostly and now and then by seconds.
MemoryPeak runFrames(int frames, std::mt19937& random, long long& elapsed) {
    MemoryPeak peak;
    const int perScene = frames / manager().count();
    for (int i = 0; i < frames; ++i) {
        if (i % perScene == 0)
            manager().select((i / perScene) % manager().count());
        const int step = random() % 50 == 0 ? 1000 + int(random() % 5000) : 16;
        test_clock::advance(step);
        elapsed += step;
        frame();
        if (::testing::Test::HasFatalFailure())
            return peak;
        if (i % 2 == 0)
            taps.once(random);
        if (i % 50 == 0)
            peak.sample();
    }
    return peak;
}

// The pointer still moves every slider to both ends, turns every dial and
// turns the view.
void expectControlsAnswer(Scene& scene) {
    const int height = gl_test::height;
    for (const auto& item : scene.panel->items()) {
        if (item->hidden)
            continue;
        if (auto* slider = dynamic_cast<Slider*>(item.get())) {
            // Grabbed at its knob and dragged past either end of the track.
            const int row = height - int(slider->position.y);
            const int knob = slider->columnOf(slider->value);
            onPassiveMotion(knob, row);
            onMouse(0, GLUT_DOWN, knob, row);
            onMotion(int(slider->right()) + 60, row);
            EXPECT_DOUBLE_EQ(slider->value, slider->maximum) << scene.name;
            onMotion(int(slider->left()) - 60, row);
            onMouse(0, GLUT_UP, int(slider->left()) - 60, row);
            EXPECT_DOUBLE_EQ(slider->value, slider->minimum) << scene.name;
        } else if (auto* dial = dynamic_cast<Dial*>(item.get())) {
            const int cx = int(dial->position.x);
            const int cy = height - int(dial->position.y);
            onPassiveMotion(cx + 15, cy);
            onMouse(0, GLUT_DOWN, cx + 15, cy);
            EXPECT_EQ(dial->angularVelocity(), 0) << scene.name << ": a press stops the dial";
            const double before = dial->angleAt(elapsedMillis());
            onMotion(cx, cy - 15);
            onMouse(0, GLUT_UP, cx, cy - 15);
            EXPECT_NE(dial->angleAt(elapsedMillis()), before)
                << scene.name << ": the dial does not turn";
        }
    }
    Rotator* rotator = rotatorOf(scene);
    ASSERT_NE(rotator, nullptr);
    float before[16];
    std::copy(rotator->matrix, rotator->matrix + 16, before);
    // Near the right edge, half way up: clear of every control.
    const int x = gl_test::width - 20;
    const int y = gl_test::height / 2;
    onPassiveMotion(x, y);
    onMouse(0, GLUT_DOWN, x, y);
    onMotion(x - 20, y);
    onMouse(0, GLUT_UP, x - 20, y);
    EXPECT_FALSE(std::equal(before, before + 16, rotator->matrix))
        << scene.name << ": the view does not turn";
}

TEST(Soak, AWeekOfEveryScene) {
    // The heap as the exhibit keeps it.
    keepFreedHeapForNextFrames();
    exhibit_checks::listEveryRegisteredScene();
    // Half the week before the wrap of the millisecond counter, half after.
    test_clock::set(int(INT_MAX - week / 2));
    initialise();
    onReshape(soakWidth, soakHeight);
    std::mt19937 random(7);
    long long elapsed = 0;

    for (int i = 0; i < manager().count(); ++i) {
        manager().select(i);
        Scene& scene = *manager().current();
        if (auto* map = dynamic_cast<StripMapScene*>(&scene))
            taps.map = map;
        for (const auto& item : scene.panel->items())
            if (auto* slider = dynamic_cast<Slider*>(item.get()))
                slider->value = slider->minimum +
                                (slider->maximum - slider->minimum) * double(random() % 1000) / 999;
        frame();
        setSpinning(scene, random);
    }

    ASSERT_NE(taps.map, nullptr);
    const MemoryPeak first = runFrames(phaseFrames, random, elapsed);
    ASSERT_FALSE(HasFatalFailure());

    // The bulk of the week in big steps, each scene drawn after each step so
    // that its spins catch up the time it was away.
    const long long bulk = week - 2 * elapsed;
    long long done = 0;
    for (int step = 0; done < bulk; ++step) {
        const int millis = int(std::min<long long>(bulk - done, 60000 + random() % 7200000));
        test_clock::advance(millis);
        done += millis;
        manager().select(step % manager().count());
        frame();
        ASSERT_FALSE(HasFatalFailure());
        for (int k = 0; k < 10; ++k)
            taps.once(random);
    }
    elapsed += done;

    const MemoryPeak last = runFrames(phaseFrames, random, elapsed);
    ASSERT_FALSE(HasFatalFailure());
    std::printf("clock driven %.2f days; over the first %d frames at most %.2f MiB resident and "
                "at least %.2f MiB heap in use; over the last %d frames %.2f MiB and %.2f MiB; "
                "%ld taps on the band, %ld on controls\n",
                double(elapsed) / (24 * 3600 * 1000), phaseFrames, first.resident / 1048576.0,
                first.heap / 1048576.0, phaseFrames, last.resident / 1048576.0,
                last.heap / 1048576.0, taps.onBand, taps.onControls);
    EXPECT_GT(taps.onBand, 5000);
    EXPECT_GT(taps.onControls, 2000);
    EXPECT_GE(elapsed, week - 60000);
    // Everything the exhibit allocates, and what the GL driver allocates
    // through the heap, comes back to where it was, give or take the two
    // megabytes its floor wanders by from one stretch of frames to the next,
    // and a little more that the taps between them stir up.
    EXPECT_LE(last.heap, first.heap + heapSlack) << "the heap grew over the week";
    // The software renderer keeps its compiled shaders in pages of its own
    // and recompiles the ones it evicts, which settles a couple of megabytes
    // above the first stretch. The heap check above catches a leak of any
    // size through malloc or new; this one, pages lost at more than about
    // 200 bytes a frame.
    EXPECT_LE(last.resident, first.resident + rendererSlack) << "memory grew over the week";

    // The controls are tried at the exhibit's own size, where none overlaps.
    onReshape(gl_test::width, gl_test::height);
    // Scenes share rotators, so every view is judged before any is touched.
    for (int i = 0; i < manager().count(); ++i) {
        manager().select(i);
        Scene& scene = *manager().current();
        frame();
        EXPECT_TRUE(exhibit_checks::sane(scene));
        Rotator* rotator = rotatorOf(scene);
        ASSERT_NE(rotator, nullptr) << scene.name;
        EXPECT_LT(exhibit_checks::orthonormalityError(*rotator), 1e-5) << scene.name;
        EXPECT_TRUE(rotator->spinRate().x != 0 || rotator->spinRate().y != 0)
            << scene.name << ": the view stopped spinning by itself";
    }
    for (int i = 0; i < manager().count(); ++i) {
        manager().select(i);
        frame();
        expectControlsAnswer(*manager().current());
    }
    test_clock::restore();
}

} // namespace
