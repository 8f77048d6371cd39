#include "tests/support/scene_test.h"

#include "app/scene.h"
#include "app/scene_manager.h"
#include "tests/support/gl_window.h"
#include "tests/support/test_clock.h"

void SceneTest::TearDown() {
    test_clock::restore();
}

void SceneTest::makeCurrent(Scene& scene) {
    test_clock::set(1000);
    SceneManager& manager = SceneManager::instance();
    manager.clearOrder();
    manager.appendByName(scene.name);
    ASSERT_EQ(manager.current(), &scene);
    gl_test::reshapeToWindow();
    scene.setupGL();
}
