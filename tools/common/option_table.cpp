#include "tools/common/option_table.h"

#include "tools/common/parse_whole.h"

#include <algorithm>

namespace {

std::string withHint(const std::string& reason) {
    return reason + " (--help lists every option)";
}

} // namespace

ToolOption switchOption(std::string name, std::string meaning, std::string byDefault, bool& flag,
                        bool on) {
    return {std::move(name), "", std::move(meaning), std::move(byDefault),
            [&flag, on](const std::string&) {
                flag = on;
                return std::string();
            }};
}

ToolOption wholeNumberOption(std::string name, std::string meaning, std::string byDefault,
                             int& number, int lowest, int highest) {
    return {name, "N", std::move(meaning), std::move(byDefault),
            [name, &number, lowest, highest](const std::string& text) {
                const auto value = parseWhole<int>(text);
                if (!value || *value < lowest || *value > highest)
                    return name + " " + text + ": expected a whole number from " +
                           std::to_string(lowest) + " to " + std::to_string(highest);
                number = *value;
                return std::string();
            }};
}

std::optional<ReadCommandLine> readCommandLine(const std::vector<ToolOption>& options,
                                               const std::vector<std::string>& arguments,
                                               std::string& error) {
    ReadCommandLine read;
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
        const auto option = std::find_if(options.begin(), options.end(),
                                         [&](const ToolOption& o) { return o.name == argument; });
        if (option == options.end()) {
            error = withHint("unknown option " + argument);
            return std::nullopt;
        }
        std::string value;
        if (!option->value.empty()) {
            if (i + 1 == arguments.size()) {
                error = withHint(argument + " needs a value " + option->value);
                return std::nullopt;
            }
            value = arguments[++i];
        }
        error = option->take(value);
        if (!error.empty()) {
            error = withHint(error);
            return std::nullopt;
        }
    }
    return read;
}

std::string helpText(const std::string& usage, const std::vector<ToolOption>& options) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (const ToolOption& o : options)
        rows.push_back({o.name + (o.value.empty() ? "" : " " + o.value),
                        o.meaning + (o.byDefault.empty() ? "" : " (default " + o.byDefault + ")")});
    rows.push_back({"--help", "this list, then nothing else"});
    std::size_t width = 0;
    for (const auto& row : rows)
        width = std::max(width, row.first.size());
    std::string text = usage + "\n\noptions:\n";
    for (const auto& [left, right] : rows)
        text += "  " + left + std::string(width + 2 - left.size(), ' ') + right + "\n";
    return text;
}
