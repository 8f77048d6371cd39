// The overlay's scale factor: how a window pixel maps to an overlay point and
// where a control anchored to a corner lands on a large window.

#include "ui/overlay_scale.h"
#include "ui/panel_item.h"

#include <gtest/gtest.h>

namespace {

struct Spot : PanelItem {
    bool contains(Vec2) const override { return false; }
    void draw() override {}
};

TEST(OverlayScale, FitsTheSmallerRatioAndFollowsOnlyWhenAskedTo) {
    EXPECT_DOUBLE_EQ(OverlayScale::fitting(1920, 1080), 1.8);
    EXPECT_DOUBLE_EQ(OverlayScale::fitting(1280, 1024), 1.6);
    EXPECT_DOUBLE_EQ(OverlayScale::fitting(800, 600), 1.0);
    EXPECT_DOUBLE_EQ(OverlayScale::fitting(0, 600), 1.0) << "a window with no area yet";
    EXPECT_DOUBLE_EQ(OverlayScale::fitting(100, 100), OverlayScale::smallest);

    OverlayScale plain;
    plain.windowResized(1920, 1080);
    EXPECT_EQ(plain.factor(), 1.0) << "without an option the overlay stays in window pixels";
    OverlayScale following;
    following.followWindow();
    following.windowResized(1920, 1080);
    EXPECT_DOUBLE_EQ(following.factor(), 1.8);
    following.windowResized(1280, 1024);
    EXPECT_DOUBLE_EQ(following.factor(), 1.6) << "a resize keeps the factor in step";
    OverlayScale fixed;
    fixed.fix(2.5);
    fixed.windowResized(1920, 1080);
    EXPECT_EQ(fixed.factor(), 2.5);
}

TEST(OverlayScale, WindowPixelsMapToOverlayUnitsAndBack) {
    OverlayScale unit;
    // Exactly the y flip of the unscaled overlay.
    EXPECT_EQ(unit.toOverlay(33, 100, 600).x, 33);
    EXPECT_EQ(unit.toOverlay(33, 100, 600).y, 500);

    OverlayScale s;
    s.followWindow();
    s.windowResized(1920, 1080);
    const Vec2 size = s.overlaySize(1920, 1080);
    EXPECT_NEAR(size.x, 1066.667, 0.001);
    EXPECT_DOUBLE_EQ(size.y, 600);
    const Vec2 corner = s.toOverlay(0, 1080, 1080);
    EXPECT_DOUBLE_EQ(corner.x, 0);
    EXPECT_DOUBLE_EQ(corner.y, 0);
    const Vec2 p = s.toOverlay(900, 180, 1080);
    EXPECT_DOUBLE_EQ(p.x, 500);
    EXPECT_DOUBLE_EQ(p.y, 500);
    EXPECT_DOUBLE_EQ(s.toWindow(p).x, 900);
    EXPECT_DOUBLE_EQ(s.toWindow(p).y, 900) << "origin bottom-left";
}

TEST(OverlayScale, AnchoredItemsKeepTheirPlaceFromTheirCornerTimesTheFactor) {
    OverlayScale s;
    s.fix(1.8);
    const Vec2 size = s.overlaySize(1920, 1080);
    struct Case {
        Anchor anchor;
        Vec2 offset;
        Vec2 windowPixel; // origin bottom-left
    };
    const Case cases[] = {
        {BottomLeft, {200, 20}, {360, 36}},
        {BottomRight, {-60, 30}, {1920 - 108, 54}},
        {TopLeft, {80, -80}, {144, 1080 - 144}},
        {TopRight, {-10, -10}, {1920 - 18, 1080 - 18}},
    };
    for (const Case& c : cases) {
        Spot spot;
        spot.anchor = c.anchor;
        spot.offset = c.offset;
        spot.layout(size.x, size.y);
        const Vec2 drawn = s.toWindow(spot.position);
        EXPECT_NEAR(drawn.x, c.windowPixel.x, 1e-9) << c.anchor;
        EXPECT_NEAR(drawn.y, c.windowPixel.y, 1e-9) << c.anchor;
    }
}

} // namespace
