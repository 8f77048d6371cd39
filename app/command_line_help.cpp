// What lembovari --help prints: the program's own options, then GLUT's.

#include "app/command_line.h"

#include "ui/captions.h"

std::string startupHelp() {
    std::string languages;
    for (const std::string& code : languageCodes())
        languages += (languages.empty() ? "" : "|") + code;
    return "Usage: lembovari [OPTION...] [X-OPTION...]\n"
           "An interactive exhibit of topological surfaces.\n"
           "\n"
           "  --scenes KEY,KEY,...   the scenes to step through, in this order\n"
           "  --scenes all           every scene (default: the list the build chose)\n"
           "  --list                 print every scene's key and caption, and exit\n"
           "  --fullscreen           cover the whole screen, the controls scaled to fit\n"
           "                         (default: an 800 by 600 window)\n"
           "  --overlay-scale F      the controls F times their size, 0.5 to 8\n"
           "                         (default: 1, or fitted with --fullscreen)\n"
           "  --hide-cursor          draw no pointer (default: the pointer shows)\n"
           "  --idle-reset SECONDS   back to the start after SECONDS without input,\n"
           "                         a whole number from 1 to 86400 (default: never)\n"
           "  --attract              after such a reset turn the first model slowly\n"
           "                         until a visitor comes (needs --idle-reset)\n"
           "  --visit-log FILE       append one CSV line per visit to FILE\n"
           "                         (needs --idle-reset; default: no file)\n"
           "  --no-quit-keys         Escape and F1 to F3 do nothing; SIGTERM or SIGINT\n"
           "                         still end the exhibit (default: they quit)\n"
           "  --language " +
           languages +
           "\n"
           "                         captions, credits and the bottle's label in that\n"
           "                         language (default: it)\n"
           "  --version              print the name and version, and exit\n"
           "  --help                 print this, and exit\n"
           "\n"
           "X options that GLUT takes: -display DISPLAY, -geometry WxH+X+Y, -iconic.\n"
           "A refused command line is one line on standard error and exit status 2.\n";
}
