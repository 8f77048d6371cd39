#include "app/scene_manager.h"
#include "tests/support/test_scene.h"

#include <gtest/gtest.h>

namespace {

// Registered at start-up like the exhibits, under the keys the default
// build lists, plus one key it does not list and a duplicate.
TestScene first("ProjectivePlane1");
TestScene second("ProjectivePlane2");
TestScene unlisted("Unlisted");
TestScene impostor("ProjectivePlane1");

TEST(SceneManager, RegistryKeepsTheFirstSceneOfAKey) {
    SceneManager& manager = SceneManager::instance();
    EXPECT_EQ(manager.byKey("ProjectivePlane1"), &first);
    EXPECT_EQ(manager.byKey("Unlisted"), &unlisted);
    EXPECT_EQ(manager.byKey("Nobody"), nullptr);
    ASSERT_EQ(manager.registered().size(), 3u);
    EXPECT_EQ(manager.registered()[2], &unlisted);
}

TEST(SceneManager, BuildOrderListsTheConfiguredKeys) {
    SceneManager& manager = SceneManager::instance();
    manager.clearOrder();
    manager.buildOrder();
    EXPECT_EQ(manager.count(), 2);
    EXPECT_EQ(manager.sceneAt(0), &first);
    EXPECT_EQ(manager.sceneAt(1), &second);
    EXPECT_EQ(manager.sceneAt(2), nullptr);
    EXPECT_EQ(manager.sceneAt(-1), nullptr);
    EXPECT_EQ(manager.current(), &first);
    manager.appendByName("Nobody"); // skipped
    EXPECT_EQ(manager.count(), 2);
    manager.appendByName("Unlisted");
    EXPECT_EQ(manager.sceneAt(2), &unlisted);
    manager.currentIndex = 7;
    EXPECT_EQ(manager.current(), nullptr);
    manager.clearOrder();
    EXPECT_EQ(manager.count(), 0);
    EXPECT_EQ(manager.current(), nullptr);
}

TEST(SceneManager, SelectOutOfRangeChangesNothing) {
    SceneManager& manager = SceneManager::instance();
    manager.clearOrder();
    manager.buildOrder();
    manager.select(-1);
    manager.select(2);
    manager.select(0); // already current
    EXPECT_EQ(manager.currentIndex, 0);
    EXPECT_EQ(first.switches, 0);
    EXPECT_EQ(second.switches, 0);
}

TEST(Scene, CaptionDefaultsToTheKey) {
    EXPECT_EQ(unlisted.caption(), "Unlisted");
}

} // namespace
