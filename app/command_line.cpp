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

} // namespace

StartupChoice takeStartupOptions(std::vector<std::string>& args,
                                 const std::vector<std::string>& registeredKeys) {
    StartupChoice choice;
    bool versionAsked = false;
    std::optional<std::string> sceneList;
    std::vector<std::string> rest;
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
                return refused("--scenes needs a list of scene keys (or all)");
            sceneList = args[++i];
        } else if (startsWith(arg, "--scenes=")) {
            sceneList = arg.substr(std::string("--scenes=").size());
        } else if (startsWith(arg, "--")) {
            return refused("unknown option " + arg +
                           " (try --scenes KEY,..., --list or --version)");
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
    if (versionAsked)
        choice.action = StartupChoice::Action::Version;
    args = std::move(rest);
    return choice;
}
