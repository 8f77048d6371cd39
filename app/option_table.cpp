#include "app/option_table.h"

#include "ui/overlay_scale.h"

#include <algorithm>
#include <cmath>

namespace {

std::string withHint(const std::string& reason, const CommandLineForm& form) {
    return reason + " (" + form.hint + ")";
}

// The option named by argument, given whole or, in the long form, as
// "--name=value" with its value put into value.
const CommandOption* findOption(const std::vector<CommandOption>& options,
                                const std::string& argument, const CommandLineForm& form,
                                std::optional<std::string>& value) {
    for (const CommandOption& o : options) {
        if (o.name == argument)
            return &o;
        if (form.longForm && !o.value.empty() && argument.size() > o.name.size() &&
            argument.compare(0, o.name.size() + 1, o.name + "=") == 0) {
            value = argument.substr(o.name.size() + 1);
            return &o;
        }
    }
    return nullptr;
}

} // namespace

std::optional<int> wholeNumberIn(const std::string& text, int lowest, int highest) {
    const auto value = parseWhole<int>(text);
    if (!value || *value < lowest || *value > highest)
        return std::nullopt;
    return value;
}

CommandOption switchOption(std::string name, std::string meaning, std::string byDefault, bool& flag,
                           bool on) {
    return {std::move(name), "", std::move(meaning), std::move(byDefault),
            [&flag, on](const std::string&) {
                flag = on;
                return std::string();
            }};
}

CommandOption wholeNumberOption(std::string name, std::string meaning, std::string byDefault,
                                int& number, int lowest, int highest) {
    return {name, "N", std::move(meaning), std::move(byDefault),
            [name, &number, lowest, highest](const std::string& text) {
                const auto value = wholeNumberIn(text, lowest, highest);
                if (!value)
                    return name + " " + text + ": expected a whole number from " +
                           std::to_string(lowest) + " to " + std::to_string(highest);
                number = *value;
                return std::string();
            }};
}

std::optional<double> overlayScaleIn(const std::string& text) {
    const auto f = parseWhole<double>(text);
    if (!f || !std::isfinite(*f) || *f < OverlayScale::smallest || *f > OverlayScale::largest)
        return std::nullopt;
    return f;
}

CommandOption windowSizeOption(std::string meaning, std::string byDefault, int& width,
                               int& height) {
    return {"--size", "WxH", std::move(meaning), std::move(byDefault),
            [&width, &height](const std::string& text) {
                const std::size_t x = text.find('x');
                const auto side = [](const std::string& part) {
                    return wholeNumberIn(part, smallestWindowSide, largestWindowSide);
                };
                const auto w = side(text.substr(0, x));
                const auto h = x == std::string::npos ? std::nullopt : side(text.substr(x + 1));
                if (!w || !h)
                    return "--size " + text + ": expected WIDTHxHEIGHT, each from " +
                           std::to_string(smallestWindowSide) + " to " +
                           std::to_string(largestWindowSide);
                width = *w;
                height = *h;
                return std::string();
            }};
}

std::optional<ReadCommandLine> readCommandLine(const std::vector<CommandOption>& options,
                                               const std::vector<std::string>& arguments,
                                               std::string& error, const CommandLineForm& form) {
    ReadCommandLine read;
    if (form.helpAnywhere &&
        std::find(arguments.begin(), arguments.end(), "--help") != arguments.end()) {
        read.help = true;
        return read;
    }
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.rfind("--", 0) != 0) {
            read.words.push_back(argument);
            continue;
        }
        if (argument == "--help") {
            read.help = true;
            return read;
        }
        std::optional<std::string> value;
        const CommandOption* option = findOption(options, argument, form, value);
        if (!option) {
            error = withHint("unknown option " + argument, form);
            return std::nullopt;
        }
        if (!option->value.empty() && !value) {
            if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else if (!option->whenMissing.empty()) {
                error = option->whenMissing;
                return std::nullopt;
            } else if (form.longForm) {
                value = "";
            } else {
                error = withHint(argument + " needs a value " + option->value, form);
                return std::nullopt;
            }
        }
        error = option->take(value.value_or(""));
        if (!error.empty()) {
            error = withHint(error, form);
            return std::nullopt;
        }
    }
    return read;
}

std::string helpText(const std::string& usage, const std::vector<CommandOption>& options) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (const CommandOption& o : options) {
        // A meaning ending in a line break has its default on a line of its own.
        const bool ownLine = !o.meaning.empty() && o.meaning.back() == '\n';
        rows.push_back({o.name + (o.value.empty() ? "" : " " + o.value),
                        o.meaning + (o.byDefault.empty() ? ""
                                                         : (ownLine ? "(default " : " (default ") +
                                                               o.byDefault + ")")});
    }
    rows.push_back({"--help", "this list, then nothing else"});
    std::size_t width = 0;
    for (const auto& row : rows)
        width = std::max(width, row.first.size());
    std::string text = usage + "\n\noptions:\n";
    // A meaning's further lines start under its first.
    const std::string continued = "\n" + std::string(width + 4, ' ');
    for (auto [left, right] : rows) {
        for (auto at = right.find('\n'); at != std::string::npos; at = right.find('\n', at + 1))
            right.replace(at, 1, continued);
        text += "  " + left + std::string(width + 2 - left.size(), ' ') + right + "\n";
    }
    return text;
}
