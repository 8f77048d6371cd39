// The program's own options as one table, and the --help text it gives.

#include "app/command_line.h"

#include "ui/captions.h"
#include "ui/overlay_scale.h"

#include <cmath>
#include <cstdio>

namespace {

std::string notThat(const std::string& given) {
    return given.empty() ? std::string() : ", not " + given;
}

std::string decimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

const std::string scaleRange =
    decimal(OverlayScale::smallest) + " to " + decimal(OverlayScale::largest);

} // namespace

std::vector<CommandOption> startupOptions(StartupLine& line) {
    StartupChoice& choice = line.choice;
    std::string languages;
    for (const std::string& code : languageCodes())
        languages += (languages.empty() ? "" : "|") + code;
    const std::string seconds =
        "a whole number from 1 to " + std::to_string(StartupChoice::longestSeconds);
    const auto keep = [](std::optional<std::string>& text) {
        return [&text](const std::string& given) {
            text = given;
            return std::string();
        };
    };
    return {
        {"--scenes", "KEY,KEY,...|all",
         "the scenes to step through, in this order, or\nall of them", "the list the build chose",
         keep(line.sceneList),
         "--scenes needs a list of scene keys (or all) (lembovari --list shows them)"},
        switchOption("--list", "print every scene's key and caption, and exit", "", line.listAsked,
                     true),
        switchOption("--fullscreen", "cover the whole screen, the controls scaled\nto fit",
                     "a window", choice.fullscreen, true),
        windowSizeOption("the window's size, each side " + std::to_string(smallestWindowSide) +
                             " to " + std::to_string(largestWindowSide) + "\n",
                         "800x600", choice.width, choice.height),
        {"--overlay-scale", "F", "the controls F times their size, " + scaleRange + "\n",
         "1, or fitted with --fullscreen",
         [&choice](const std::string& text) {
             const auto f = overlayScaleIn(text);
             if (!f)
                 return "--overlay-scale needs a factor from " + scaleRange + notThat(text);
             choice.overlayScale = *f;
             return std::string();
         }},
        switchOption("--touch",
                     "for a touch screen: a press moving less than\n2.5 mm before its release "
                     "is a tap (turns and\nflings nothing), and the controls are at least\n9 mm "
                     "across (a screen without a physical\nsize is taken as 96 dpi)\n",
                     "a mouse", choice.touch, true),
        switchOption("--hide-cursor", "draw no pointer", "the pointer shows", choice.hideCursor,
                     true),
        {"--idle-reset", "SECONDS", "back to the start after SECONDS without input,\n" + seconds,
         "never", keep(line.idleReset)},
        switchOption("--attract",
                     "after such a reset turn the first model slowly\nuntil a visitor comes "
                     "(needs --idle-reset)",
                     "", choice.attract, true),
        {"--max-hold", "SECONDS",
         "a press held longer than SECONDS no longer\nholds off the idle reset (needs "
         "--idle-reset),\n" +
             seconds,
         std::to_string(choice.maxHoldSeconds), keep(line.maxHold)},
        {"--visit-log", "FILE",
         "append one CSV line per visit to FILE, whose\nfolder must exist (needs --idle-reset)\n",
         "no file",
         [&choice](const std::string& file) {
             if (file.empty() || file.rfind("--", 0) == 0)
                 return "--visit-log needs the name of a file" + notThat(file);
             choice.visitLog = file;
             return std::string();
         }},
        switchOption("--no-quit-keys",
                     "Escape and F1 to F3 do nothing; SIGTERM, SIGINT\nor SIGHUP still end the "
                     "exhibit\n",
                     "they quit", choice.quitKeys, false),
        switchOption("--no-colour-editor",
                     "S does nothing, and the background colour\neditor never shows nor takes "
                     "the pointer\n",
                     "S shows it", choice.colourEditor, false),
        {"--language", languages, "captions, credits and the bottle's label\nin that language",
         "it",
         [&choice](const std::string& code) {
             if (!isLanguageCode(code))
                 return "--language needs one of " + languageList() + notThat(code);
             choice.language = code;
             return std::string();
         }},
        switchOption("--version", "print the name and version, and exit", "", line.versionAsked,
                     true),
    };
}

std::string startupHelp() {
    StartupLine unused;
    return helpText("Usage: lembovari [OPTION...] [X-OPTION...]\n"
                    "An interactive exhibit of topological surfaces.",
                    startupOptions(unused)) +
           "\n"
           "X options that GLUT takes: -display DISPLAY, -geometry WxH+X+Y, -iconic.\n"
           "A refused command line is one line on standard error and exit status 2.\n";
}
