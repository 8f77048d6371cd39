#include "app/command_line.h"

#include "ui/captions.h"
#include "ui/overlay_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The reason and, in brackets, where to look for what would be right.
StartupChoice refused(const std::string& why, const std::string& hint = "see lembovari --help") {
    StartupChoice choice;
    choice.action = StartupChoice::Action::Refuse;
    choice.error = why + " (" + hint + ")";
    return choice;
}

std::vector<std::string> splitAtCommas(const std::string& list) {
    std::vector<std::string> items;
    std::string::size_type start = 0;
    while (true) {
        const auto comma = list.find(',', start);
        items.push_back(list.substr(start, comma - start));
        if (comma == std::string::npos)
            return items;
        start = comma + 1;
    }
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// A whole number of seconds in [1, 86400], written in decimal digits only.
std::optional<int> idleSeconds(const std::string& text) {
    constexpr int longest = 86400;
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int seconds = std::stoi(text);
    if (seconds < 1 || seconds > longest)
        return std::nullopt;
    return seconds;
}

// The value of option name at args[i], given as "name value" or
// "name=value", moving i onto the value; empty when it is missing, none when
// args[i] is another option.
std::optional<std::string> optionValue(const std::vector<std::string>& args, std::size_t& i,
                                       const std::string& name) {
    const std::string& arg = args[i];
    if (startsWith(arg, name + "="))
        return arg.substr(name.size() + 1);
    if (arg != name)
        return std::nullopt;
    return i + 1 == args.size() ? std::string() : args[++i];
}

std::string notThat(const std::string& given) {
    return given.empty() ? std::string() : ", not " + given;
}

// A factor from 0.5 to 8 written as a plain decimal number.
std::optional<double> scaleFactor(const std::string& text) {
    char* end = nullptr;
    const double f = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(f) || f < OverlayScale::smallest ||
        f > OverlayScale::largest)
        return std::nullopt;
    return f;
}

} // namespace

StartupChoice takeStartupOptions(std::vector<std::string>& args,
                                 const std::vector<std::string>& registeredKeys) {
    StartupChoice choice;
    bool versionAsked = false;
    std::optional<std::string> sceneList;
    std::optional<std::string> idleReset;
    std::vector<std::string> rest;
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
        choice.action = StartupChoice::Action::Help;
        return choice;
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (i == 0) {
            rest.push_back(arg);
        } else if (arg == "--list") {
            choice.action = StartupChoice::Action::List;
        } else if (arg == "--version") {
            versionAsked = true;
        } else if (arg == "--scenes") {
            if (i + 1 == args.size())
                return refused("--scenes needs a list of scene keys (or all)",
                               "lembovari --list shows them");
            sceneList = args[++i];
        } else if (startsWith(arg, "--scenes=")) {
            sceneList = arg.substr(std::string("--scenes=").size());
        } else if (auto seconds = optionValue(args, i, "--idle-reset")) {
            idleReset = *seconds;
        } else if (arg == "--attract") {
            choice.attract = true;
        } else if (arg == "--fullscreen") {
            choice.fullscreen = true;
        } else if (arg == "--hide-cursor") {
            choice.hideCursor = true;
        } else if (auto scale = optionValue(args, i, "--overlay-scale")) {
            choice.overlayScale = scaleFactor(*scale);
            if (!choice.overlayScale)
                return refused("--overlay-scale needs a factor from 0.5 to 8" + notThat(*scale));
        } else if (auto language = optionValue(args, i, "--language")) {
            const auto& codes = languageCodes();
            if (std::find(codes.begin(), codes.end(), *language) == codes.end())
                return refused("--language needs one of " + languageList() + notThat(*language));
            choice.language = *language;
        } else if (arg == "--no-quit-keys") {
            choice.quitKeys = false;
        } else if (auto file = optionValue(args, i, "--visit-log")) {
            if (file->empty() || startsWith(*file, "--"))
                return refused("--visit-log needs the name of a file" + notThat(*file));
            choice.visitLog = *file;
        } else if (startsWith(arg, "--")) {
            return refused("unknown option " + arg);
        } else {
            rest.push_back(arg);
        }
    }

    if (sceneList) {
        if (*sceneList == "all") {
            choice.keys = registeredKeys;
        } else if (sceneList->empty()) {
            return refused("--scenes was given an empty list");
        } else {
            choice.keys = splitAtCommas(*sceneList);
            for (const std::string& key : *choice.keys) {
                if (key.empty())
                    return refused("--scenes list has an empty key: " + *sceneList);
                if (std::find(registeredKeys.begin(), registeredKeys.end(), key) ==
                    registeredKeys.end())
                    return refused("unknown scene key " + key, "lembovari --list shows them");
            }
        }
        if (choice.keys->empty())
            return refused("there are no scenes to show");
    }
    if (idleReset) {
        const auto seconds = idleSeconds(*idleReset);
        if (!seconds)
            return refused("--idle-reset takes a whole number of seconds from 1 to 86400, not '" +
                           *idleReset + "'");
        choice.idleResetSeconds = *seconds;
    }
    if (choice.attract && !idleReset)
        return refused("--attract needs --idle-reset SECONDS");
    if (choice.visitLog && !idleReset)
        return refused("--visit-log needs --idle-reset SECONDS, whose resets end the visits");
    if (versionAsked)
        choice.action = StartupChoice::Action::Version;
    args = std::move(rest);
    return choice;
}
