#include "app/command_line.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

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

} // namespace

StartupChoice takeStartupOptions(std::vector<std::string>& args,
                                 const std::vector<std::string>& registeredKeys) {
    StartupLine line;
    CommandLineForm form;
    form.hint = "see lembovari --help";
    form.helpAnywhere = true;
    form.longForm = true;
    std::string error;
    const std::vector<std::string> given(args.begin() + (args.empty() ? 0 : 1), args.end());
    const auto read = readCommandLine(startupOptions(line), given, error, form);
    if (!read) {
        StartupChoice choice;
        choice.action = StartupChoice::Action::Refuse;
        choice.error = error;
        return choice;
    }
    StartupChoice& choice = line.choice;
    if (read->help) {
        choice.action = StartupChoice::Action::Help;
        return choice;
    }
    if (line.listAsked)
        choice.action = StartupChoice::Action::List;

    if (const auto& sceneList = line.sceneList) {
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
    const auto seconds = [](const std::string& text) {
        return wholeNumberIn(text, 1, StartupChoice::longestSeconds);
    };
    const std::string secondsRange = " takes a whole number of seconds from 1 to " +
                                     std::to_string(StartupChoice::longestSeconds) + ", not '";
    if (line.idleReset) {
        const auto idle = seconds(*line.idleReset);
        if (!idle)
            return refused("--idle-reset" + secondsRange + *line.idleReset + "'");
        choice.idleResetSeconds = *idle;
    }
    if (line.maxHold) {
        const auto hold = seconds(*line.maxHold);
        if (!hold)
            return refused("--max-hold" + secondsRange + *line.maxHold + "'");
        choice.maxHoldSeconds = *hold;
    }
    if (choice.attract && !line.idleReset)
        return refused("--attract needs --idle-reset SECONDS");
    if (choice.visitLog && !line.idleReset)
        return refused("--visit-log needs --idle-reset SECONDS, whose resets end the visits");
    if (line.maxHold && !line.idleReset)
        return refused("--max-hold needs --idle-reset SECONDS, whose count it lets run");
    if (line.versionAsked)
        choice.action = StartupChoice::Action::Version;
    std::vector<std::string> rest(args.begin(), args.begin() + (args.empty() ? 0 : 1));
    rest.insert(rest.end(), read->words.begin(), read->words.end());
    args = std::move(rest);
    return choice;
}

std::string visitLogRefusal(const std::string& file) {
    // Opened as the log will be, but without making it: a new log begins
    // with its header, which the first visit writes.
    const int fd = open(file.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd >= 0) {
        close(fd);
        return "";
    }
    const int openError = errno;
    const auto slash = file.rfind('/');
    const std::string folder = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : file.substr(0, slash);
    struct stat status;
    if (openError == ENOENT && stat(folder.c_str(), &status) != 0)
        return "--visit-log " + file + ": the folder " + folder + " does not exist";
    if (openError == ENOENT && !S_ISDIR(status.st_mode))
        return "--visit-log " + file + ": " + folder + " is not a folder";
    if (openError == ENOENT && access(folder.c_str(), W_OK | X_OK) == 0)
        return "";
    return "--visit-log " + file + ": cannot be opened for appending (" +
           std::strerror(openError == ENOENT ? EACCES : openError) + ")";
}
