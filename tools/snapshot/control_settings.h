#pragma once
// The CONTROL=VALUE arguments of the snapshot tool, parsed and checked against
// what a scene's own controls accept, without a display. A scene's controls
// are named by kind and by their order among the controls of that kind in its
// panel: slider0, slider1, dial0, row0, row1, button0.

#include <optional>
#include <string>
#include <vector>

enum class ControlKind { slider, dial, row, button };

// What a check of a setting needs to know of one control.
struct ControlInfo {
    ControlKind kind = ControlKind::slider;
    double minimum = 0.0; // sliders: the value's closed range
    double maximum = 1.0;
    int iconCount = 0; // rows: icons 0 to iconCount - 1
    int selected = 0;  // rows: the icon selected now
};

// One checked setting: the control's index in the list it was checked against
// and the value for it (a slider's value, a dial's angle in radians, a row's
// icon, or 1 for one activation of a button). A range (CONTROL=FROM:TO) has
// value FROM and target TO.
struct ControlSetting {
    std::size_t control = 0;
    double value = 0.0;
    std::optional<double> target;
};

// A ranged setting's value a fraction of the way (0 to 1) from FROM to TO: a
// row's icon rounded to the nearest; a plain setting's value always.
double valueAlong(const ControlSetting& setting, ControlKind kind, double fraction);

// The name of each control, in the order of the list.
std::vector<std::string> controlNames(const std::vector<ControlInfo>& controls);

// Each control's name with what it accepts: "slider0:0..1", "row1:1/4" (icon 1
// of 4 selected), "dial0", "button0"; separated by spaces.
std::string controlSummary(const std::vector<ControlInfo>& controls);

// Every argument parsed in order; on the first bad one, nothing and a
// one-line reason in error. A control other than a button may be given once. With allowRanges,
// sliders, dials and rows also take CONTROL=FROM:TO, both ends checked as a plain value would be.
std::optional<std::vector<ControlSetting>> parseSettings(const std::vector<ControlInfo>& controls,
                                                         const std::vector<std::string>& arguments,
                                                         std::string& error,
                                                         bool allowRanges = false);
