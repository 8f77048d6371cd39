// lembovari-snapshot: one scene of the exhibit drawn in the exhibit's window,
// its controls set from the command line, written to a PNG file.
//
//   lembovari-snapshot [OPTIONS] KEY OUT.png [CONTROL=VALUE ...]
//   lembovari-snapshot [--language CODE] --list
//
//   --scale F          the picture shrunk by F (1/n)
//   --size WxH         a window of that size, the overlay scaled to fit it as
//                      on a fullscreen exhibit
//   --language CODE    captions and credits in that language
//   --open menu|logo   the scene menu unfolded, or the credits shown
//
// Exit status 0 when the picture was written, 2 for bad arguments (nothing is
// written), 1 when drawing or writing failed.

#include "app/events.h"
#include "app/scene.h"
#include "app/scene_manager.h"
#include "tools/common/exhibit_window.h"
#include "tools/common/one_line.h"
#include "tools/common/temporary_file.h"
#include "tools/snapshot/control_settings.h"
#include "tools/snapshot/png_writer.h"
#include "ui/captions.h"
#include "ui/credits_logo.h"
#include "ui/dial.h"
#include "ui/option_row.h"
#include "ui/overlay_scale.h"
#include "ui/push_button.h"
#include "ui/scene_menu.h"
#include "ui/slider.h"
#include "ui/widget_panel.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr const char* usage =
    "usage: lembovari-snapshot [--scale F] [--size WxH] [--language CODE] [--open menu|logo] "
    "KEY OUT.png [CONTROL=VALUE ...] | --list";

// A frame that still differs from the one before after this many is taken as
// it is: a spinning model never settles.
constexpr int maximumFrames = 60;

// One line on standard error, whatever the arguments it quotes contain.
[[noreturn]] void fail(int status, const std::string& message) {
    printOneLine("lembovari-snapshot", message);
    std::exit(status);
}

struct Arguments {
    bool list = false;
    int downscale = 1; // the picture is shrunk by this factor
    int width = 0;     // the window's size; 0 by 0 for the exhibit's own
    int height = 0;
    std::string open; // menu, logo or nothing
    std::string key;
    std::string output;
    std::vector<std::string> settings;
};

void readSize(const std::string& text, Arguments& a) {
    char* end = nullptr;
    const long w = std::strtol(text.c_str(), &end, 10);
    const long h = *end == 'x' ? std::strtol(end + 1, &end, 10) : 0;
    if (*end != '\0' || w < 100 || h < 100 || w > 8192 || h > 8192)
        fail(2, "--size " + text + ": expected WIDTHxHEIGHT, each from 100 to 8192");
    a.width = int(w);
    a.height = int(h);
}

Arguments parseArguments(int argc, char** argv) {
    Arguments a;
    int i = 1;
    for (; i < argc && std::string(argv[i]).rfind("--", 0) == 0; ++i) {
        const std::string option = argv[i];
        if (option == "--list")
            a.list = true;
        else if (option == "--scale") {
            std::string error;
            const auto factor = downscaleFor(i + 1 < argc ? argv[++i] : "", error);
            if (!factor)
                fail(2, error);
            a.downscale = *factor;
        } else if (option == "--size") {
            readSize(i + 1 < argc ? argv[++i] : "", a);
        } else if (option == "--language") {
            const std::string code = i + 1 < argc ? argv[++i] : "";
            if (!useLanguage(code))
                fail(2, "--language " + code + ": expected it, en, de, fr or es");
        } else if (option == "--open") {
            a.open = i + 1 < argc ? argv[++i] : "";
            if (a.open != "menu" && a.open != "logo")
                fail(2, "--open " + a.open + ": expected menu or logo");
        } else if (option == "--help") {
            std::puts(usage);
            std::exit(0);
        } else
            fail(2, "unknown option " + option + "; " + usage);
    }
    if (a.list)
        return a;
    if (argc - i < 2)
        fail(2, std::string("needs a scene key and an output file; ") + usage);
    a.key = argv[i];
    a.output = argv[i + 1];
    a.settings.assign(argv + i + 2, argv + argc);
    return a;
}

void listScenes() {
    for (Scene* scene : SceneManager::instance().registered())
        std::printf("%s\t%s\t%s\n", scene->name.c_str(), scene->shownCaption().c_str(),
                    controlSummary(describeControls(ownControls(*scene))).c_str());
}

std::string knownKeys() {
    std::string keys;
    for (Scene* scene : SceneManager::instance().registered())
        keys += (keys.empty() ? "" : ", ") + scene->name;
    return keys;
}

// Unfolds the menu or opens the credits at once, as a pointer resting on
// them would.
void openOverlayItem(const Scene& scene, const std::string& which) {
    for (const auto& item : scene.panel->items()) {
        if (auto* menu = dynamic_cast<SceneMenu*>(item.get()); menu && which == "menu")
            menu->showOpen();
        if (auto* logo = dynamic_cast<CreditsLogo*>(item.get()); logo && which == "logo")
            logo->showOpen();
    }
}

// Draws until two frames in a row are alike (animations such as the menu's
// fold have then finished), or the cap is reached.
RgbImage settledFrame() {
    RgbImage previous;
    for (int frame = 0; frame < maximumFrames; ++frame) {
        renderFrame();
        RgbImage image = exhibit_window::readFrame();
        glutSwapBuffers();
        if (image.pixels == previous.pixels)
            return image;
        previous = std::move(image);
    }
    return previous;
}

} // namespace

int main(int argc, char** argv) {
    const Arguments arguments = parseArguments(argc, argv);
    if (arguments.list) {
        listScenes();
        return 0;
    }

    Scene* scene = SceneManager::instance().byKey(arguments.key);
    if (!scene)
        fail(2, "no scene \"" + arguments.key + "\" (known: " + knownKeys() + ")");
    const std::vector<PanelItem*> controls = ownControls(*scene);
    std::string error;
    const auto settings = parseSettings(describeControls(controls), arguments.settings, error);
    if (!settings)
        fail(2, error);
    // Refused before any window exists.
    const std::string unwritable = unwritableReason(arguments.output);
    if (!unwritable.empty())
        fail(2, unwritable);

    if (arguments.width > 0) {
        exhibit_window::width = arguments.width;
        exhibit_window::height = arguments.height;
        overlayScale.followWindow();
    }
    exhibit_window::open("lembovari-snapshot");
    // An unfolded menu lists every scene, as the exhibit's --scenes all does.
    if (arguments.open == "menu") {
        std::vector<std::string> keys;
        int current = 0;
        for (Scene* each : SceneManager::instance().registered()) {
            if (each == scene)
                current = int(keys.size());
            keys.push_back(each->name);
        }
        exhibit_window::startScenes(keys);
        SceneManager::instance().select(current);
    } else {
        exhibit_window::startScenes({arguments.key});
    }
    for (const ControlSetting& setting : *settings)
        applySetting(setting, controls[setting.control]);
    openOverlayItem(*scene, arguments.open);

    RgbImage image = settledFrame();
    if (arguments.downscale > 1)
        image = boxDownscale(image, arguments.downscale);
    const std::string problem = writePng(arguments.output, image);
    if (!problem.empty())
        fail(1, "cannot write " + arguments.output + ": " + problem);
    return 0;
}
