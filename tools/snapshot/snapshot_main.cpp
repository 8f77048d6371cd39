// lembovari-snapshot: one scene of the exhibit drawn in the exhibit's window,
// its controls set from the command line, written to a PNG file.
//
//   lembovari-snapshot [OPTIONS] KEY OUT.png [CONTROL=VALUE ...]
//   lembovari-snapshot [--language CODE] --list
//
//   --scale F          the picture shrunk by F: 1/n or its decimal
//   --size WxH         a window of that size, the overlay scaled to fit it as
//                      on a fullscreen exhibit
//   --language CODE    captions and credits in that language
//   --open menu|logo   the scene menu unfolded, or the credits shown
//   --help             every option with its default
//
// Stopped by SIGINT, SIGTERM or SIGHUP it leaves no file behind.
// Exit status 0 when the picture was written, 2 for bad arguments (nothing is
// written), 1 when drawing or writing failed.

#include "app/events.h"
#include "app/option_table.h"
#include "app/scene.h"
#include "app/scene_manager.h"
#include "geom/clock.h"
#include "tools/common/exhibit_window.h"
#include "tools/common/one_line.h"
#include "tools/common/temporary_file.h"
#include "tools/common/view_setup.h"
#include "tools/snapshot/control_settings.h"
#include "tools/snapshot/png_writer.h"
#include "ui/captions.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr const char* usage =
    "usage: lembovari-snapshot [OPTIONS] KEY OUT.png [CONTROL=VALUE ...] | [--language CODE] "
    "--list";

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
    ViewOptions view;
    std::string key;
    std::string output;
    std::vector<std::string> settings;
};

std::vector<CommandOption> optionTable(Arguments& a) {
    std::vector<CommandOption> table = {
        switchOption("--list", "every scene's key, caption and controls, instead of a picture",
                     "off", a.list, true),
    };
    for (CommandOption& option : viewOptionTable(a.view))
        table.push_back(std::move(option));
    return table;
}

Arguments parseArguments(int argc, char** argv) {
    Arguments a;
    const std::vector<CommandOption> table = optionTable(a);
    const std::vector<std::string> words =
        readToolCommandLine("lembovari-snapshot", usage, table, argc, argv);
    if (a.list)
        return a;
    if (words.size() < 2)
        fail(2, "needs a scene key and an output file (--help lists every option)");
    a.key = words[0];
    a.output = words[1];
    a.settings.assign(words.begin() + 2, words.end());
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

// Draws until two frames in a row are alike (animations such as the menu's
// fold have then finished), or the cap is reached.
RgbImage settledFrame() {
    RgbImage previous;
    for (int frame = 0; frame < maximumFrames; ++frame) {
        renderFrame(elapsedMillis());
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
    if (!arguments.view.language.empty())
        useLanguage(arguments.view.language);
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

    removeTemporaryFileOnSignals();
    openView("lembovari-snapshot", arguments.key, arguments.view);
    for (const ControlSetting& setting : *settings)
        applySetting(setting, controls[setting.control], elapsedMillis());
    holdOpen(*scene, arguments.view.open);

    RgbImage image = settledFrame();
    if (arguments.view.downscale > 1)
        image = boxDownscale(image, arguments.view.downscale);
    const std::string problem = writePng(arguments.output, image);
    if (!problem.empty())
        fail(1, "cannot write " + arguments.output + ": " + problem);
    return 0;
}
