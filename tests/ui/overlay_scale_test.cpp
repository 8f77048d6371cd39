// The overlay's scale factor: how a window pixel maps to an overlay point and
// where a control anchored to a corner lands on a large window.

#include "ui/overlay_scale.h"
#include "ui/panel_item.h"

#include <gtest/gtest.h>

namespace {

TEST(OverlayScale, FitsTheSmallerRatioFollowingTheWindowOnlyWhenAskedTo) {
    EXPECT_DOUBLE_EQ(OverlayScale::fitting(1920, 1080), 1.8);
    EXPECT_DOUBLE_EQ(OverlayScale::fitting(1280, 1024), 1.6);
    EXPECT_DOUBLE_EQ(OverlayScale::fitting(0, 600), 1.0) << "a window with no area yet";
    OverlayScale plain, following, fixed;
    following.followWindow();
    fixed.fix(2.5);
    for (OverlayScale* s : {&plain, &following, &fixed})
        s->windowResized(1280, 1024);
    EXPECT_EQ(plain.factor(), 1.0) << "without an option the overlay stays in window pixels";
    EXPECT_DOUBLE_EQ(following.factor(), 1.6) << "a resize keeps the factor in step";
    EXPECT_EQ(fixed.factor(), 2.5);
    // Unscaled, the mapping is exactly the y flip it always was.
    EXPECT_EQ(plain.toOverlay(33, 100, 600).x, 33);
    EXPECT_EQ(plain.toOverlay(33, 100, 600).y, 500);
}

// Each corner's item, laid out in overlay units and mapped back through the
// factor, lands at its offset times 1.8 from its corner; the pointer over
// that pixel is at the item's position.
TEST(OverlayScale, AnchoredItemsKeepTheirPlaceFromTheirCornerTimesTheFactor) {
    struct Spot : PanelItem {
        bool contains(Vec2) const override { return false; }
        void draw(Millis) const override {}
    };
    OverlayScale s;
    s.followWindow();
    s.windowResized(1920, 1080);
    const Vec2 size = s.overlaySize(1920, 1080);
    const std::pair<Anchor, Vec2> cases[] = {{BottomLeft, {200, 20}},
                                             {BottomRight, {-60, 30}},
                                             {TopLeft, {80, -80}},
                                             {TopRight, {-10, -10}}};
    for (const auto& [anchor, offset] : cases) {
        Spot spot;
        spot.anchor = anchor;
        spot.offset = offset;
        spot.layout(size.x, size.y);
        const Vec2 corner{anchor >= TopRight ? 1920.0 : 0.0,
                          anchor == TopLeft || anchor == TopRight ? 1080.0 : 0.0};
        const Vec2 drawn = s.toWindow(spot.position);
        EXPECT_NEAR(drawn.x, corner.x + 1.8 * offset.x, 1e-9) << anchor;
        EXPECT_NEAR(drawn.y, corner.y + 1.8 * offset.y, 1e-9) << anchor;
        const Vec2 pointed = s.toOverlay(int(drawn.x), 1080 - int(drawn.y), 1080);
        EXPECT_NEAR(pointed.x, spot.position.x, 1 / 1.8) << anchor;
        EXPECT_NEAR(pointed.y, spot.position.y, 1 / 1.8) << anchor;
    }
}

} // namespace
