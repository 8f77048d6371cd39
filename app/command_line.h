#pragma once
// The program's own start-up options, taken out of the command line before
// GLUT sees the rest (its -display, -geometry and the like pass untouched):
//   --scenes KEY,KEY,...   the scenes the visitor steps through, in order
//   --scenes all           every registered scene, in registration order
//   --list                 prints every registered key with its caption
//   --idle-reset SECONDS   back to the start-up state after that long without
//                          input (a whole number from 1 to 86,400)
//   --attract              after such a reset, the first model turns slowly
//   --fullscreen           the window covers the whole screen, overlay scaled
//   --size WxH             the window's size, each side 100 to 8192
//   --overlay-scale F      the overlay F times its size (0.5 to 8)
//   --touch                taps that drift stay taps, finger-sized controls
//   --hide-cursor          no pointer drawn over the window (touch screens)
//   --language CODE        captions and credits in it, en, de, fr or es
//   --max-hold SECONDS     a button held longer no longer holds off the reset
//   --no-quit-keys         Escape and F1 to F3 do nothing (a kiosk)
//   --no-colour-editor     S does nothing, the colour editor is never there
//   --visit-log FILE       appends one line per visit (needs --idle-reset)
//   --version              prints the program's name and version
//   --help                 prints every option
// Without them the exhibit shows the list it was built with. The options are
// one table (command_line_options.cpp), which also gives --help.

#include "app/option_table.h"

#include <optional>
#include <string>
#include <vector>

struct StartupChoice {
    enum class Action { Run, List, Version, Help, Refuse };
    Action action = Action::Run;
    // The scene list to show; none for the built-in one.
    std::optional<std::vector<std::string>> keys;
    // Seconds without input before the exhibit returns to its start; 0 never.
    int idleResetSeconds = 0;
    // The longest --idle-reset and --max-hold, a day.
    static constexpr int longestSeconds = 86400;
    // Whether the first scene's model turns slowly after such a reset.
    bool attract = false;
    // Seconds a held button keeps the idle reset from coming.
    int maxHoldSeconds = 600;
    // The window covers the screen, and the overlay is scaled to fit it.
    bool fullscreen = false;
    // The window's size, unless --fullscreen or GLUT's -geometry says otherwise.
    int width = 800;
    int height = 600;
    // A fixed overlay scale factor; none for the fitted one or for none.
    std::optional<double> overlayScale;
    bool hideCursor = false;
    // A touch screen: a drifting tap stays a tap, controls a finger wide.
    bool touch = false;
    // The code of the language of captions and credits.
    std::string language = "it";
    // Whether Escape and F1 to F3 end the program.
    bool quitKeys = true;
    // Whether S shows the background colour editor, which then takes the pointer.
    bool colourEditor = true;
    // The file each visit's line is appended to; none for no such file.
    std::optional<std::string> visitLog;
    // Why the command line was refused: one line, no newline.
    std::string error;
};

// Removes the program's own options from args (args[0] is the program name)
// and says what to do. Every key must be one of registeredKeys; an unknown
// key, an empty list or an empty key refuses the command line, and so does
// an unknown option of the program's double-dash form, an idle time or a
// longest hold that is not a whole number of seconds from 1 to 86,400,
// --attract or --max-hold without --idle-reset, a bad size, scale or
// language, and --visit-log without a file or without --idle-reset. --help
// wins over everything, a refusal over --version, and --version over --list.
StartupChoice takeStartupOptions(std::vector<std::string>& args,
                                 const std::vector<std::string>& registeredKeys);

// What --help prints: every option of the table with its values and
// default, one or more lines each, ending in a newline.
std::string startupHelp();

// What the table reads: the choice, and the values that are checked once
// the whole line is read (the scene keys against the registered ones, the
// seconds after the list).
struct StartupLine {
    StartupChoice choice;
    bool listAsked = false;
    bool versionAsked = false;
    std::optional<std::string> sceneList;
    std::optional<std::string> idleReset;
    std::optional<std::string> maxHold;
};
// The program's own options, reading into line.
std::vector<CommandOption> startupOptions(StartupLine& line);

// Why the visit log cannot be appended to (its folder missing, the file not
// writable, a folder in its place), in one line; empty when it can.
std::string visitLogRefusal(const std::string& file);
