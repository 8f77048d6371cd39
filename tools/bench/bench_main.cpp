// lembovari-bench: how long each scene takes to draw a frame.
//
//   lembovari-bench [--frames N] [--moving] [--size WxH] [--overlay-scale F]
//                   [KEY [CONTROL=VALUE ...] ...]
//
// For every named scene (by default every registered one, in start-up order)
// it draws N frames (300 unless told) in the exhibit's 800 by 600 window, or
// one of --size with the overlay scaled to fit it as on a fullscreen exhibit
// (or --overlay-scale times its size), after a warm-up, waiting for each to finish, at the scene's
// default state and, where the scene has a slider, with its first slider half way along. A key
// followed by settings (named as the snapshot tool names them) is measured in that state alone.
// With --moving, each named scene (from its settings, if any) is measured instead while its first
// slider sweeps back and forth, or where it has none its first dial turns, one step before every
// frame, so that the model is built again every frame as under a visitor's
// drag.
// Prints the renderer on a comment line, then one line per scene and state:
// key, state, mean and 95th-percentile milliseconds per frame. Exit status 2
// for bad arguments.

#include "app/events.h"
#include "app/option_table.h"
#include "app/scene.h"
#include "app/scene_manager.h"
#include "geom/clock.h"
#include "tools/common/exhibit_window.h"
#include "tools/common/one_line.h"
#include "tools/common/view_setup.h"
#include "ui/dial.h"
#include "ui/overlay_scale.h"
#include "ui/slider.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr const char* usage =
    "usage: lembovari-bench [--frames N] [--moving] [--size WxH] [--overlay-scale F] [KEY "
    "[CONTROL=VALUE ...] ...]";
constexpr int warmUpFrames = 30;
// More frames than anyone waits for: anything beyond is a typo.
constexpr int mostFrames = 1000000;
// A moving slider crosses its range in this many frames, then comes back; a
// moving dial turns a whole turn in twice as many.
constexpr int sweepFrames = 100;

[[noreturn]] void fail(const std::string& message) {
    printOneLine("lembovari-bench", message);
    std::exit(2);
}

// A scene to measure; with settings, in that state only.
struct Request {
    std::string key;
    std::vector<std::string> settings;
};

struct Arguments {
    int frames = 300;
    bool moving = false;
    ViewOptions window; // its size and the overlay's
    std::vector<Request> requests;
};

Arguments parseArguments(int argc, char** argv) {
    Arguments a;
    std::vector<CommandOption> table = {
        wholeNumberOption("--frames",
                          "frames measured of each scene and state, after 30 to warm up", "300",
                          a.frames, 1, mostFrames),
        switchOption("--moving", "each scene measured while its first slider or dial moves",
                     "still", a.moving, true),
    };
    for (CommandOption& option : windowOptionTable(a.window))
        table.push_back(std::move(option));
    std::string error;
    const auto read = readCommandLine(table, {argv + 1, argv + argc}, error);
    if (!read)
        fail(error);
    if (read->help) {
        std::fputs(helpText(usage, table).c_str(), stdout);
        std::exit(0);
    }
    for (const std::string& word : read->words) {
        if (word.find('=') != std::string::npos) {
            if (a.requests.empty())
                fail("setting " + word + " before any scene key (--help lists every option)");
            a.requests.back().settings.push_back(word);
        } else if (!SceneManager::instance().byKey(word)) {
            fail("no scene \"" + word + "\"");
        } else {
            a.requests.push_back({word, {}});
        }
    }
    // Settings are checked against the scene's own controls before any
    // window opens.
    for (const Request& request : a.requests) {
        std::string error;
        const Scene& scene = *SceneManager::instance().byKey(request.key);
        if (!parseSettings(describeControls(ownControls(scene)), request.settings, error))
            fail(request.key + ": " + error);
    }
    if (a.requests.empty())
        for (Scene* scene : SceneManager::instance().registered())
            a.requests.push_back({scene->name, {}});
    return a;
}

struct Timing {
    double meanMillis = 0;
    double p95Millis = 0;
};

// One frame as the display handler draws it, waited for to the end.
void drawFrame() {
    renderFrame(elapsedMillis());
    glutSwapBuffers();
    glFinish();
}

// With a step, the step is taken before every frame and timed with it.
Timing measure(int frames, const std::function<void()>& step = {}) {
    for (int i = 0; i < warmUpFrames; ++i) {
        if (step)
            step();
        drawFrame();
    }
    std::vector<double> millis;
    for (int i = 0; i < frames; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (step)
            step();
        drawFrame();
        const std::chrono::duration<double, std::milli> spent =
            std::chrono::steady_clock::now() - start;
        millis.push_back(spent.count());
    }
    Timing t;
    for (double m : millis)
        t.meanMillis += m / frames;
    // The smallest time that at least 95 % of the frames do not exceed.
    std::sort(millis.begin(), millis.end());
    t.p95Millis = millis[std::size_t(std::ceil(0.95 * frames)) - 1];
    return t;
}

void report(const std::string& key, const std::string& state, Timing t) {
    std::printf("%-18s %-28s %8.2f %8.2f\n", key.c_str(), state.c_str(), t.meanMillis, t.p95Millis);
    std::fflush(stdout);
}

template <typename Control> Control* firstOf(const Scene& scene) {
    for (PanelItem* control : ownControls(scene))
        if (auto* found = dynamic_cast<Control*>(control))
            return found;
    return nullptr;
}

// The scene while a visitor moves its first slider, or its first dial; a
// scene with neither is measured as it stands. The control is left where it
// started.
void measureMoving(Scene& scene, int frames) {
    if (auto* slider = firstOf<Slider>(scene)) {
        const double before = slider->value;
        const double stride = (slider->maximum - slider->minimum) / sweepFrames;
        int frame = 0;
        auto step = [&] {
            // Back and forth along the whole track: 0, 1, ..., sweepFrames, ..., 1, 0.
            const int phase = frame++ % (2 * sweepFrames);
            const int along = phase <= sweepFrames ? phase : 2 * sweepFrames - phase;
            slider->value = slider->minimum + along * stride;
        };
        report(scene.name, "moving slider0", measure(frames, step));
        slider->value = before;
    } else if (auto* dial = firstOf<Dial>(scene)) {
        const double before = dial->angleAt(elapsedMillis());
        auto step = [&] { dial->setAngle(dial->angleAt(elapsedMillis()) + pi / sweepFrames); };
        report(scene.name, "moving dial0", measure(frames, step));
        dial->setAngle(before);
    } else {
        report(scene.name, "still: no slider or dial", measure(frames));
    }
}

} // namespace

int main(int argc, char** argv) {
    const Arguments arguments = parseArguments(argc, argv);
    sizeWindow(arguments.window);
    exhibit_window::open("lembovari-bench");
    std::vector<std::string> keys;
    for (const Request& request : arguments.requests)
        keys.push_back(request.key);
    exhibit_window::startScenes(keys);

    std::printf("# renderer: %s\n", exhibit_window::renderer().c_str());
    std::printf("# %dx%d, overlay scale %g, %d frames per state after %d warm-up frames, "
                "glFinish after each\n",
                exhibit_window::width, exhibit_window::height, overlayScale.factor(),
                arguments.frames, warmUpFrames);
    std::printf("# key state mean_ms p95_ms\n");
    SceneManager& manager = SceneManager::instance();
    for (int i = 0; i < manager.count(); ++i) {
        manager.select(i);
        Scene& scene = *manager.current();
        const std::vector<std::string>& settings = arguments.requests[std::size_t(i)].settings;
        if (!settings.empty()) {
            // The scene is left in that state: a key named again is measured
            // from where it was left.
            std::string error;
            const std::vector<PanelItem*> controls = ownControls(scene);
            const auto parsed = parseSettings(describeControls(controls), settings, error);
            for (const ControlSetting& setting : *parsed)
                applySetting(setting, controls[setting.control], elapsedMillis());
            if (arguments.moving) {
                measureMoving(scene, arguments.frames);
                continue;
            }
            std::string state;
            for (const std::string& setting : settings)
                state += (state.empty() ? "" : " ") + setting;
            report(scene.name, state, measure(arguments.frames));
            continue;
        }
        if (arguments.moving) {
            measureMoving(scene, arguments.frames);
            continue;
        }
        report(scene.name, "default", measure(arguments.frames));
        if (Slider* slider = firstOf<Slider>(scene)) {
            const double before = slider->value;
            slider->value = slider->minimum + 0.5 * (slider->maximum - slider->minimum);
            char state[40];
            std::snprintf(state, sizeof state, "slider0=%g", slider->value);
            report(scene.name, state, measure(arguments.frames));
            // A key named twice is measured from its default state again.
            slider->value = before;
        }
    }
    return 0;
}
