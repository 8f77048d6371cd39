#include "ui/colour_editor.h"
#include "ui/panel_item.h"
#include "ui/push_button.h"
#include "ui/widget_panel.h"

#include <gtest/gtest.h>

namespace {

struct Square : PushButton {
    explicit Square(Vec2 at) {
        anchor = BottomLeft;
        offset = at;
    }
};

TEST(PanelItem, AnchorsPlaceFromTheirCorner) {
    Square item({-60, -30});
    item.anchor = TopRight;
    item.layout(800, 600);
    EXPECT_EQ(item.position.x, 740);
    EXPECT_EQ(item.position.y, 570);
    item.layout(1024, 768);
    EXPECT_EQ(item.position.x, 964);
    EXPECT_EQ(item.position.y, 738);
    item.anchor = TopLeft;
    item.layout(800, 600);
    EXPECT_EQ(item.position.x, -60);
    EXPECT_EQ(item.position.y, 570);
    item.anchor = BottomRight;
    item.layout(800, 600);
    EXPECT_EQ(item.position.x, 740);
    EXPECT_EQ(item.position.y, -30);
    item.anchor = static_cast<Anchor>(17); // anything else counts from the bottom-left
    item.layout(800, 600);
    EXPECT_EQ(item.position.x, -60);
    EXPECT_EQ(item.position.y, -30);
}

TEST(WidgetPanel, StandardItemsAndTheirPlaces) {
    WidgetPanel panel;
    ASSERT_EQ(panel.items().size(), 5u);
    panel.layout(800, 600);
    const Vec2 expected[] = {{40, 20}, {60, 20}, {20, 20}, {740, 30}, {80, 520}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(panel.items()[i]->position.x, expected[i].x) << i;
        EXPECT_EQ(panel.items()[i]->position.y, expected[i].y) << i;
    }
    ASSERT_NE(panel.colourEditor, nullptr);
    EXPECT_EQ(static_cast<PanelItem*>(panel.colourEditor), panel.items()[4].get());
    EXPECT_TRUE(panel.colourEditor->hidden);
    EXPECT_FALSE(panel.items()[0]->hidden);
}

TEST(WidgetPanel, FirstAddedWinsAndHiddenItemsStillTakeThePointer) {
    WidgetPanel panel;
    auto* first = new Square({300, 300});
    auto* second = new Square({305, 300});
    panel.add(first);
    panel.add(second);
    panel.layout(800, 600);
    EXPECT_EQ(panel.pick({303, 300}, elapsedMillis()), static_cast<Widget*>(first));
    EXPECT_EQ(panel.pick({313, 300}, elapsedMillis()), static_cast<Widget*>(second));
    first->hidden = true;
    EXPECT_EQ(panel.pick({303, 300}, elapsedMillis()), static_cast<Widget*>(first));
    EXPECT_EQ(panel.pick({500, 300}, elapsedMillis()), nullptr);
    // The hidden colour editor takes presses in its region.
    EXPECT_EQ(panel.pick({25, 555}, elapsedMillis()), static_cast<Widget*>(panel.colourEditor));
    EXPECT_EQ(panel.pick({25, 600 - 40}, elapsedMillis()),
              static_cast<Widget*>(panel.colourEditor));
    EXPECT_EQ(panel.pick({25, 600 - 91}, elapsedMillis()), nullptr);
}

TEST(WidgetPanel, LayoutKeepsItemsOfOtherPanelsWhereTheyWere) {
    WidgetPanel a, b;
    a.layout(800, 600);
    b.layout(1024, 768);
    EXPECT_EQ(a.items()[3]->position.x, 740);
    EXPECT_EQ(b.items()[3]->position.x, 964);
}

} // namespace
