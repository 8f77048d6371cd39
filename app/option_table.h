#pragma once
// Command lines read through one table of options, which also gives the
// --help text, so that what a program takes and what it says it takes
// cannot part. The exhibit and its tools read theirs this way, and every
// number on a command line is read by parseWhole.

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <type_traits>
#include <vector>

// One option: its name, the word standing for its value (empty for a
// switch), what it does and its default for --help (a long meaning may hold
// line breaks, and one ending in a line break has its default on a line of
// its own), and what it does with its value (a switch gets an empty
// one): an empty string, or a one-line reason for refusing the value.
struct CommandOption {
    std::string name;
    std::string value;
    std::string meaning;
    std::string byDefault;
    std::function<std::string(const std::string&)> take;
    // The whole refusal, hint included, when the value is missing; empty
    // for the command line's own rule.
    std::string whenMissing = {};
};

// The whole text as a number, or nothing: no blanks, no sign but a minus,
// no trailing characters, nothing out of the type's range; a fraction in
// decimal (an exponent allowed, as are inf and nan), never in hexadecimal.
template <typename T> std::optional<T> parseWhole(const std::string& text) {
    if constexpr (std::is_floating_point_v<T>) {
        // strtod, since not every standard library reads fractions with
        // from_chars (the page's does not); what it reads beyond that
        // function's form is turned away first.
        if (text.empty() || std::isspace(static_cast<unsigned char>(text[0])) || text[0] == '+' ||
            text.find_first_of("xX") != std::string::npos)
            return std::nullopt;
        char* stop = nullptr;
        errno = 0;
        const double value = std::strtod(text.c_str(), &stop);
        if (errno == ERANGE || stop != text.c_str() + text.size())
            return std::nullopt;
        return T(value);
    } else {
        T value{};
        const char* end = text.data() + text.size();
        const auto [stop, status] = std::from_chars(text.data(), end, value);
        if (text.empty() || status != std::errc() || stop != end)
            return std::nullopt;
        return value;
    }
}

// The text as a whole number from lowest to highest, or nothing.
std::optional<int> wholeNumberIn(const std::string& text, int lowest, int highest);

// The smallest and largest window side, in pixels, that a size option takes.
constexpr int smallestWindowSide = 100;
constexpr int largestWindowSide = 8192;

// An option without a value that sets flag to on.
CommandOption switchOption(std::string name, std::string meaning, std::string byDefault, bool& flag,
                           bool on);

// An option whose value is a whole number from lowest to highest, read into
// number.
CommandOption wholeNumberOption(std::string name, std::string meaning, std::string byDefault,
                                int& number, int lowest, int highest);

// --size WxH, each side from smallestWindowSide to largestWindowSide, read
// into width and height.
CommandOption windowSizeOption(std::string meaning, std::string byDefault, int& width, int& height);

// The overlay's scale factor in text: a plain decimal number from
// OverlayScale::smallest to largest (ui/overlay_scale.h); none otherwise.
std::optional<double> overlayScaleIn(const std::string& text);

// How a command line is read beyond its table.
struct CommandLineForm {
    // Put in brackets after every refusal's reason.
    std::string hint = "--help lists every option";
    // Whether --help anywhere wins over every other word, refused ones too;
    // otherwise it stops the reading where it stands.
    bool helpAnywhere = false;
    // Whether "--name=value" is taken as "--name value", and a value missing
    // at the end as an empty one; otherwise a missing value is refused.
    bool longForm = false;
};

// The words of a command line that are not options, in order.
struct ReadCommandLine {
    std::vector<std::string> words;
    bool help = false; // --help was given; then nothing else is read
};

// Options may come before, between or after the other words; each is taken
// as it comes. On an unknown option, a missing value or a refused one,
// nothing, and error says why in one line that ends in the form's hint.
std::optional<ReadCommandLine> readCommandLine(const std::vector<CommandOption>& options,
                                               const std::vector<std::string>& arguments,
                                               std::string& error,
                                               const CommandLineForm& form = {});

// The usage line, then every option (and --help) on a line of its own with
// its value, its meaning and its default.
std::string helpText(const std::string& usage, const std::vector<CommandOption>& options);
