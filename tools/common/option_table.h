#pragma once
// The tools' command lines read through one table of options, which also
// gives the --help text, so that what a tool takes and what it says it takes
// cannot part.

#include <functional>
#include <optional>
#include <string>
#include <vector>

// One option: its name, the word standing for its value (empty for a
// switch), what it does and its default for --help, and what it does with
// its value (a switch gets an empty one): an empty string, or a one-line
// reason for refusing the value.
struct ToolOption {
    std::string name;
    std::string value;
    std::string meaning;
    std::string byDefault;
    std::function<std::string(const std::string&)> take;
};

// An option without a value that sets flag to on.
ToolOption switchOption(std::string name, std::string meaning, std::string byDefault, bool& flag,
                        bool on);

// An option whose value is a whole number from lowest to highest, read into
// number.
ToolOption wholeNumberOption(std::string name, std::string meaning, std::string byDefault,
                             int& number, int lowest, int highest);

// The words of a command line that are not options, in order.
struct ReadCommandLine {
    std::vector<std::string> words;
    bool help = false; // --help was given; then nothing else is read
};

// Options may come before, between or after the other words; each is taken
// as it comes. On an unknown option, a missing value or a refused one,
// nothing, and error says why in one line that names --help.
std::optional<ReadCommandLine> readCommandLine(const std::vector<ToolOption>& options,
                                               const std::vector<std::string>& arguments,
                                               std::string& error);

// The usage line, then every option (and --help) on a line of its own with
// its value, its meaning and its default.
std::string helpText(const std::string& usage, const std::vector<ToolOption>& options);
