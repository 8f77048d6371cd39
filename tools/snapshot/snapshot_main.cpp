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
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* usage =
    "usage: lembovari-snapshot [--scale F] [--size WxH] [--language CODE] [--open menu|logo] "
    "KEY OUT.png [CONTROL=VALUE ...] | --list";

// A frame that still differs from the one before after this many is taken as
// it is: a spinning model never settles.
constexpr int maximumFrames = 60;

// One line on standard error, whatever the arguments it quotes contain.
[[noreturn]] void fail(int status, std::string message) {
    for (char& c : message)
        if (c == '\n' || c == '\r')
            c = ' ';
    std::fprintf(stderr, "lembovari-snapshot: %s\n", message.c_str());
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

// F must be 1 / n for a whole n, so that every output pixel is a whole block.
int downscaleFor(const std::string& text) {
    if (text.empty())
        fail(2, "--scale needs a factor");
    char* end = nullptr;
    const double f = std::strtod(text.c_str(), &end);
    const double n = 1 / f;
    if (*end != '\0' || !(f > 0 && f <= 1) || std::fabs(n - std::round(n)) > 1e-9)
        fail(2, "--scale " + text + ": expected 1, 0.5, 0.25 or another 1/n");
    return int(std::round(n));
}

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
        else if (option == "--scale")
            a.downscale = downscaleFor(i + 1 < argc ? argv[++i] : "");
        else if (option == "--size")
            readSize(i + 1 < argc ? argv[++i] : "", a);
        else if (option == "--language") {
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

// Refuses, before any window exists, an output that could not be written.
void checkOutput(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string directory = slash == std::string::npos ? "."
                                  : slash == 0               ? "/"
                                                             : path.substr(0, slash);
    struct stat status;
    if (path.empty() || path.back() == '/' ||
        (stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode)))
        fail(2, "\"" + path + "\" is not a file name");
    if (access(directory.c_str(), W_OK) != 0)
        fail(2, "cannot write into the folder " + directory);
}

// Unfolds the menu or opens the credits at once, as a pointer resting on
// them would.
void openOverlayItem(const Scene& scene, const std::string& which) {
    for (const auto& item : scene.panel->items()) {
        if (auto* menu = dynamic_cast<SceneMenu*>(item.get()); menu && which == "menu") {
            menu->openness = 1;
            menu->direction = 1;
        }
        if (auto* logo = dynamic_cast<CreditsLogo*>(item.get()); logo && which == "logo") {
            logo->openness = 1;
            logo->hovered = true;
        }
    }
}

// The back buffer, rows from the top.
RgbImage readFrame() {
    using exhibit_window::height;
    using exhibit_window::width;
    std::vector<unsigned char> upward(std::size_t(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, upward.data());
    RgbImage image{width, height, std::vector<unsigned char>(upward.size())};
    const std::size_t row = std::size_t(width) * 3;
    for (int y = 0; y < height; ++y)
        std::copy_n(upward.begin() + std::ptrdiff_t((height - 1 - y) * row), row,
                    image.pixels.begin() + std::ptrdiff_t(y * row));
    return image;
}

// Draws until two frames in a row are alike (animations such as the menu's
// fold have then finished), or the cap is reached.
RgbImage settledFrame() {
    RgbImage previous;
    for (int frame = 0; frame < maximumFrames; ++frame) {
        renderFrame();
        RgbImage image = readFrame();
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
    checkOutput(arguments.output);

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
