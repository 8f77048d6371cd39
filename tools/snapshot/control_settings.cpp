#include "tools/snapshot/control_settings.h"

#include "app/option_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

const char* kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::slider:
        return "slider";
    case ControlKind::dial:
        return "dial";
    case ControlKind::row:
        return "row";
    case ControlKind::button:
        return "button";
    }
    return "";
}

// The shortest text that reads back as v, so that a range printed by
// controlSummary can be passed back as a setting. A standard library
// without to_chars for fractions (the page's) gets the fewest digits that
// read back.
std::string number(double v) {
    char text[32];
#if defined(__cpp_lib_to_chars)
    const auto end = std::to_chars(text, text + sizeof text, v).ptr;
    return std::string(text, end);
#else
    for (int digits = 1; digits < 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, v);
        if (std::strtod(text, nullptr) == v)
            return text;
    }
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
#endif
}

bool isNumber(const std::string& text) {
    return parseWhole<double>(text).has_value();
}

// The value the control takes from text, or a reason why it takes none.
std::optional<double> valueFor(const ControlInfo& control, const std::string& text,
                               std::string& reason) {
    if (!isNumber(text)) {
        reason = "\"" + text + "\" is not a number";
        return std::nullopt;
    }
    const double v = *parseWhole<double>(text);
    switch (control.kind) {
    case ControlKind::slider:
        // Written so that NaN fails too.
        if (!(control.minimum <= v && v <= control.maximum)) {
            reason = "out of range " + number(control.minimum) + ".." + number(control.maximum);
            return std::nullopt;
        }
        return v;
    case ControlKind::dial:
        if (!std::isfinite(v)) {
            reason = "not a finite angle";
            return std::nullopt;
        }
        return v;
    case ControlKind::row: {
        const auto icon = parseWhole<int>(text);
        if (!icon) {
            reason = "an icon is a whole number";
            return std::nullopt;
        }
        if (*icon < 0 || *icon >= control.iconCount) {
            reason =
                "no icon " + text + " (icons 0.." + std::to_string(control.iconCount - 1) + ")";
            return std::nullopt;
        }
        return *icon;
    }
    case ControlKind::button:
        if (parseWhole<int>(text) != 1) {
            reason = "a button takes only 1 (one activation)";
            return std::nullopt;
        }
        return 1;
    }
    return std::nullopt;
}

std::string joined(const std::vector<std::string>& words, const char* separator) {
    std::string text;
    for (const std::string& w : words)
        text += (text.empty() ? "" : separator) + w;
    return text;
}

} // namespace

std::vector<std::string> controlNames(const std::vector<ControlInfo>& controls) {
    std::vector<std::string> names;
    int counts[4] = {0, 0, 0, 0};
    for (const ControlInfo& c : controls)
        names.push_back(kindName(c.kind) + std::to_string(counts[int(c.kind)]++));
    return names;
}

std::string controlSummary(const std::vector<ControlInfo>& controls) {
    std::vector<std::string> words = controlNames(controls);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlInfo& c = controls[i];
        if (c.kind == ControlKind::slider)
            words[i] += ":" + number(c.minimum) + ".." + number(c.maximum);
        else if (c.kind == ControlKind::row)
            words[i] += ":" + std::to_string(c.selected) + "/" + std::to_string(c.iconCount);
    }
    return joined(words, " ");
}

double valueAlong(const ControlSetting& setting, ControlKind kind, double fraction) {
    if (!setting.target)
        return setting.value;
    const double v = setting.value + fraction * (*setting.target - setting.value);
    return kind == ControlKind::row ? std::round(v) : v;
}

std::optional<std::vector<ControlSetting>> parseSettings(const std::vector<ControlInfo>& controls,
                                                         const std::vector<std::string>& arguments,
                                                         std::string& error, bool allowRanges) {
    const std::vector<std::string> names = controlNames(controls);
    std::vector<ControlSetting> settings;
    for (const std::string& argument : arguments) {
        const std::size_t equals = argument.find('=');
        if (equals == std::string::npos) {
            error = "\"" + argument + "\" is not CONTROL=VALUE";
            return std::nullopt;
        }
        const std::string name = argument.substr(0, equals);
        const std::string text = argument.substr(equals + 1);
        std::size_t index = 0;
        while (index < names.size() && names[index] != name)
            ++index;
        if (index == names.size()) {
            error =
                "no control \"" + name + "\" (" +
                (names.empty() ? "the scene has none" : "the scene has " + joined(names, ", ")) +
                ")";
            return std::nullopt;
        }
        // A second value would silently undo the first; a second press of a
        // button is a press of its own.
        const auto given = [&](const ControlSetting& s) { return s.control == index; };
        if (controls[index].kind != ControlKind::button &&
            std::any_of(settings.begin(), settings.end(), given)) {
            error = argument + ": " + name + " is given twice";
            return std::nullopt;
        }
        const std::size_t colon = allowRanges ? text.find(':') : std::string::npos;
        if (colon != std::string::npos && controls[index].kind == ControlKind::button) {
            error = argument + ": a button takes no range";
            return std::nullopt;
        }
        std::string reason;
        const auto value = valueFor(controls[index], text.substr(0, colon), reason);
        std::optional<double> target;
        if (value && colon != std::string::npos) {
            target = valueFor(controls[index], text.substr(colon + 1), reason);
            if (!target)
                reason = "TO " + reason;
        }
        if (!value || (colon != std::string::npos && !target)) {
            error = argument + ": " + reason;
            return std::nullopt;
        }
        settings.push_back({index, *value, target});
    }
    return settings;
}
