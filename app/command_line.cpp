#include "app/command_line.h"

#include <algorithm>

namespace {

StartupChoice refused(std::string why) {
    StartupChoice choice;
    choice.action = StartupChoice::Action::Refuse;
    choice.error = std::move(why);
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

} // namespace

StartupChoice takeStartupOptions(std::vector<std::string>& args,
                                 const std::vector<std::string>& registeredKeys) {
    StartupChoice choice;
    std::optional<std::string> sceneList;
    std::optional<std::string> idleReset;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (i == 0) {
            rest.push_back(arg);
        } else if (arg == "--list") {
            choice.action = StartupChoice::Action::List;
        } else if (arg == "--scenes") {
            if (i + 1 == args.size())
                return refused("--scenes needs a list of scene keys (or all)");
            sceneList = args[++i];
        } else if (startsWith(arg, "--scenes=")) {
            sceneList = arg.substr(std::string("--scenes=").size());
        } else if (arg == "--idle-reset") {
            if (i + 1 == args.size())
                return refused("--idle-reset needs a number of seconds");
            idleReset = args[++i];
        } else if (startsWith(arg, "--idle-reset=")) {
            idleReset = arg.substr(std::string("--idle-reset=").size());
        } else if (arg == "--attract") {
            choice.attract = true;
        } else if (startsWith(arg, "--")) {
            return refused("unknown option " + arg + " (try --scenes KEY,... or --list)");
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
                    return refused("unknown scene key " + key + " (--list shows them)");
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
    args = std::move(rest);
    return choice;
}
