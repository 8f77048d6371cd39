#pragma once
// The fixture of the scene families' GL tests: makeCurrent shows one scene
// alone in the test window, with the hand clock at 1000 ms, as start-up
// shows the first scene; the real clock comes back after every test.

#include <gtest/gtest.h>

class Scene;

class SceneTest : public testing::Test {
  protected:
    void TearDown() override;
    void makeCurrent(Scene& scene);
};
