// lembovari-snapshot: one scene of the exhibit drawn in the exhibit's window,
// its controls set from the command line, written to a PNG file.
//
//   lembovari-snapshot [--scale F] KEY OUT.png [CONTROL=VALUE ...]
//   lembovari-snapshot --list
//
// Exit status 0 when the picture was written, 2 for bad arguments (nothing is
// written), 1 when drawing or writing failed.

#include "app/events.h"
#include "app/scene.h"
#include "app/scene_manager.h"
#include "tools/common/exhibit_window.h"
#include "tools/snapshot/control_settings.h"
#include "tools/snapshot/png_writer.h"
#include "ui/dial.h"
#include "ui/option_row.h"
#include "ui/push_button.h"
#include "ui/slider.h"

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
    "usage: lembovari-snapshot [--scale F] KEY OUT.png [CONTROL=VALUE ...] | --list";

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

Arguments parseArguments(int argc, char** argv) {
    Arguments a;
    int i = 1;
    for (; i < argc && std::string(argv[i]).rfind("--", 0) == 0; ++i) {
        const std::string option = argv[i];
        if (option == "--list")
            a.list = true;
        else if (option == "--scale")
            a.downscale = downscaleFor(i + 1 < argc ? argv[++i] : "");
        else if (option == "--help") {
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
        std::printf("%s\t%s\t%s\n", scene->name.c_str(), scene->caption().c_str(),
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

    exhibit_window::open("lembovari-snapshot");
    exhibit_window::startScenes({arguments.key});
    for (const ControlSetting& setting : *settings)
        applySetting(setting, controls[setting.control]);

    RgbImage image = settledFrame();
    if (arguments.downscale > 1)
        image = boxDownscale(image, arguments.downscale);
    const std::string problem = writePng(arguments.output, image);
    if (!problem.empty())
        fail(1, "cannot write " + arguments.output + ": " + problem);
    return 0;
}
