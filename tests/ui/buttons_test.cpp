#include "ui/nav_button.h"
#include "ui/option_row.h"
#include "ui/palette.h"
#include "ui/push_button.h"

#include <gtest/gtest.h>

namespace {

struct CountingButton : PushButton {
    int calls = 0;
    void activate(Millis) override { ++calls; }
};

// Also records the moment of each activation, which a reset forgets.
TEST(PushButton, ActivatesOnlyWhenReleasedInside) {
    CountingButton b;
    b.position = {100, 100};
    b.enter(elapsedMillis());
    b.press({100, 100}, elapsedMillis());
    EXPECT_TRUE(b.pressed);
    b.release({115, 100}, elapsedMillis()); // dragged off before the release
    EXPECT_FALSE(b.pressed);
    EXPECT_EQ(b.calls, 0);
    EXPECT_TRUE(b.hovered) << "no re-pick while the button is held";
    b.press({100, 100}, elapsedMillis());
    b.release({109, 100}, 1000);
    EXPECT_EQ(b.calls, 1);
    EXPECT_TRUE(b.activations.empty()) << "nothing replays presses unless asked";
    PushButton::recordingActivations = true;
    b.press({100, 100}, elapsedMillis());
    b.release({109, 100}, 1234);
    PushButton::recordingActivations = false;
    EXPECT_EQ(b.calls, 2);
    EXPECT_EQ(b.activations, std::vector<Millis>{1234});
    EXPECT_FALSE(b.contains({110, 100}));
    b.reset();
    EXPECT_TRUE(b.activations.empty());
}

TEST(PushButton, StateColours) {
    auto same = [](const Vec3& a, const Vec3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; };
    EXPECT_TRUE(same(palette::buttonColour(false, false), {0.1, 0.8, 0.8}));
    EXPECT_TRUE(same(palette::buttonColour(false, true), {0.5, 1.0, 1.0}));
    EXPECT_TRUE(same(palette::buttonColour(true, false), {0.8, 0.1, 0.1}));
    EXPECT_TRUE(same(palette::buttonColour(true, true), {1.0, 0.5, 0.5}));
}

struct Row : OptionRow {
    Row() : OptionRow(3, 20) {}
    void drawIcon(int) const override {}
};

TEST(OptionRow, SlotsAndWiderHitRegion) {
    Row row;
    row.position = {300, 20};
    row.press({268, 20}, elapsedMillis());
    EXPECT_EQ(row.selected, 0);
    row.press({300, 20}, elapsedMillis());
    EXPECT_EQ(row.selected, 1);
    row.press({332, 20}, elapsedMillis());
    EXPECT_EQ(row.selected, 2);
    row.press({267, 20}, elapsedMillis()); // just outside: nothing new
    EXPECT_EQ(row.selected, 2);
    row.press({300, 39.9}, elapsedMillis());
    EXPECT_EQ(row.selected, 1);
    row.press({268, 40}, elapsedMillis());
    EXPECT_EQ(row.selected, 1);
    EXPECT_DOUBLE_EQ(row.iconX(0), 280);
    EXPECT_DOUBLE_EQ(row.iconX(2), 320);
}

TEST(OptionRow, PickTracksTheHoveredIcon) {
    Row row;
    row.position = {300, 20};
    EXPECT_EQ(row.pick({311, 25}, elapsedMillis()), static_cast<Widget*>(&row));
    EXPECT_EQ(row.hoveredIndex, 2);
    EXPECT_EQ(row.pick({400, 25}, elapsedMillis()), nullptr);
    EXPECT_EQ(row.hoveredIndex, -1);
    row.pick({290, 20}, elapsedMillis());
    row.leave(elapsedMillis());
    EXPECT_EQ(row.hoveredIndex, -1);
}

TEST(NavButton, NothingToStepToWithoutScenes) {
    NavButton previous(0), next(1);
    EXPECT_EQ(previous.target(), -1);
    EXPECT_EQ(next.target(), -1);
    next.press({0, 0}, elapsedMillis());
    next.release({0, 0}, elapsedMillis()); // activates, and does nothing
    EXPECT_FALSE(next.pressed);
}

} // namespace
