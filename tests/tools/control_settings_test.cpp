// The snapshot tool's CONTROL=VALUE arguments, checked without a display.

#include "tools/snapshot/control_settings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

ControlInfo slider(double minimum = 0, double maximum = 1) {
    return {ControlKind::slider, minimum, maximum, 0, 0};
}
ControlInfo row(int iconCount, int selected = 0) {
    return {ControlKind::row, 0, 0, iconCount, selected};
}
const ControlInfo dial{ControlKind::dial, 0, 0, 0, 0};
const ControlInfo button{ControlKind::button, 0, 0, 0, 0};

// A panel that mixes the kinds, so that each kind is counted on its own.
const std::vector<ControlInfo> mixed = {slider(), row(3, 1), slider(2, 4), dial, row(4), button};

std::vector<ControlSetting> parsed(const std::vector<std::string>& arguments) {
    std::string error;
    const auto settings = parseSettings(mixed, arguments, error);
    EXPECT_TRUE(settings) << error;
    return settings.value_or(std::vector<ControlSetting>{});
}

std::string errorFor(const std::vector<ControlInfo>& controls, const std::string& argument) {
    std::string error;
    EXPECT_FALSE(parseSettings(controls, {argument}, error)) << argument;
    return error;
}

TEST(ControlSettings, ControlsAreNumberedWithinTheirKindInPanelOrder) {
    EXPECT_EQ(controlNames(mixed),
              (std::vector<std::string>{"slider0", "row0", "slider1", "dial0", "row1", "button0"}));
    EXPECT_EQ(controlSummary(mixed), "slider0:0..1 row0:1/3 slider1:2..4 dial0 row1:0/4 button0");
    EXPECT_EQ(controlSummary({}), "");
}

// The gallery script sets sliders to the ends it reads from the summary.
TEST(ControlSettings, TheEndsASummaryPrintsAreAccepted) {
    const double pi = std::acos(-1.0);
    const std::vector<ControlInfo> controls = {slider(-pi, 2 * pi)};
    const std::string summary = controlSummary(controls);
    const std::size_t dots = summary.find("..");
    const std::string low = summary.substr(summary.find(':') + 1, dots - summary.find(':') - 1);
    const std::string high = summary.substr(dots + 2);
    std::string error;
    const auto settings = parseSettings(controls, {"slider0=" + low + ":" + high}, error, true);
    ASSERT_TRUE(settings) << summary << ": " << error;
    EXPECT_EQ((*settings)[0].value, -pi);
    EXPECT_EQ((*settings)[0].target, 2 * pi);
}

TEST(ControlSettings, GoodSettingsKeepTheirOrderAndFindTheirControl) {
    // A button may be pressed again; any other control is set once.
    const auto settings = parsed(
        {"slider1=4", "row1=3", "dial0=-12.5", "button0=1", "button0=1", "slider0=1e-1", "row0=0"});
    ASSERT_EQ(settings.size(), 7u);
    const std::size_t controls[] = {2, 4, 3, 5, 5, 0, 1};
    const double values[] = {4, 3, -12.5, 1, 1, 0.1, 0};
    for (std::size_t i = 0; i < settings.size(); ++i) {
        EXPECT_EQ(settings[i].control, controls[i]) << i;
        EXPECT_DOUBLE_EQ(settings[i].value, values[i]) << i;
    }
    EXPECT_TRUE(parsed({}).empty());
}

TEST(ControlSettings, BadSettingsAreRefusedWithTheirReason) {
    const struct {
        const char* argument;
        const char* reason;
    } cases[] = {
        {"slider0", "is not CONTROL=VALUE"},
        {"slider2=0.5", "no control \"slider2\" (the scene has slider0, row0, slider1"},
        {"=0.5", "no control \"\""},
        {"slider0=", "\"\" is not a number"},
        {"slider0=half", "is not a number"},
        {"slider0= 0.5", "is not a number"},
        {"slider0=1.0001", "out of range 0..1"},
        {"slider0=nan", "out of range"},
        {"slider1=1.99", "out of range 2..4"},
        {"dial0=inf", "not a finite angle"},
        {"row0=3", "no icon 3 (icons 0..2)"},
        {"row0=-1", "no icon -1"},
        {"row0=1.5", "whole number"},
        {"button0=2", "only 1"},
        {"button0=1.0", "only 1"},
    };
    for (const auto& c : cases) {
        const std::string error = errorFor(mixed, c.argument);
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.argument << ": " << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
    EXPECT_NE(errorFor({}, "slider0=0").find("the scene has none"), std::string::npos);
}

TEST(ControlSettings, OneBadSettingRefusesAll) {
    std::string error;
    EXPECT_FALSE(parseSettings(mixed, {"slider0=0.5", "row1=4", "dial0=1"}, error));
    EXPECT_NE(error.find("row1=4"), std::string::npos);
    for (const auto& twice : {std::vector<std::string>{"slider0=0", "slider0=0.5"},
                              std::vector<std::string>{"row1=1", "slider0=0", "row1=1"}}) {
        EXPECT_FALSE(parseSettings(mixed, twice, error, true));
        EXPECT_NE(error.find("given twice"), std::string::npos) << error;
    }
}

} // namespace

namespace {

TEST(ControlSettings, RangesAreTakenOnlyWhereAsked) {
    std::string error;
    EXPECT_FALSE(parseSettings(mixed, {"slider0=0:1"}, error));
    EXPECT_NE(error.find("is not a number"), std::string::npos) << error;

    const auto settings =
        parseSettings(mixed, {"slider1=4:2", "dial0=-1:3", "row1=0:3", "slider0=0.5"}, error, true);
    ASSERT_TRUE(settings) << error;
    EXPECT_EQ((*settings)[0].target, 2.0);
    EXPECT_FALSE((*settings)[3].target);
    EXPECT_EQ(valueAlong((*settings)[0], ControlKind::slider, 0.25), 3.5);
    EXPECT_EQ(valueAlong((*settings)[1], ControlKind::dial, 1), 3);
    // A row steps through its icons, each a whole one.
    EXPECT_EQ(valueAlong((*settings)[2], ControlKind::row, 0.4), 1);
    EXPECT_EQ(valueAlong((*settings)[2], ControlKind::row, 0.6), 2);
    EXPECT_EQ(valueAlong((*settings)[3], ControlKind::slider, 0.7), 0.5);

    for (const char* bad : {"button0=1:1", "slider0=0:1.5", "slider0=-1:1", "row0=0:3",
                            "dial0=0:", "slider0=0:1:1"}) {
        EXPECT_FALSE(parseSettings(mixed, {bad}, error, true)) << bad;
        EXPECT_NE(error.find(bad), std::string::npos) << error;
    }
    parseSettings(mixed, {"button0=0:1"}, error, true);
    EXPECT_NE(error.find("a button takes no range"), std::string::npos) << error;
    parseSettings(mixed, {"slider0=0:2"}, error, true);
    EXPECT_NE(error.find("TO out of range 0..1"), std::string::npos) << error;
}

} // namespace
