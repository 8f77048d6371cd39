#pragma once
// The program's own start-up options, taken out of the command line before
// GLUT sees the rest (its -display, -geometry and the like pass untouched):
//   --scenes KEY,KEY,...   the scenes the visitor steps through, in order
//   --scenes all           every registered scene, in registration order
//   --list                 prints every registered key with its caption
//   --version              prints the program's name and version
// Without them the exhibit shows the list it was built with.

#include <optional>
#include <string>
#include <vector>

struct StartupChoice {
    enum class Action { Run, List, Version, Refuse };
    Action action = Action::Run;
    // The scene list to show; none for the built-in one.
    std::optional<std::vector<std::string>> keys;
    // Why the command line was refused: one line, no newline.
    std::string error;
};

// Removes the program's own options from args (args[0] is the program name)
// and says what to do. Every key must be one of registeredKeys; an unknown
// key, an empty list or an empty key refuses the command line, and so does
// an unknown option of the program's double-dash form. A refusal wins over
// --version, and --version over --list.
StartupChoice takeStartupOptions(std::vector<std::string>& args,
                                 const std::vector<std::string>& registeredKeys);
