#pragma once
// Small scenes for tests: a rotator of their own, every kind of control on
// the panel, a quad in front of the camera, and counters of what the
// framework called.

#include "app/scene.h"
#include "ui/dial.h"
#include "ui/option_row.h"
#include "ui/push_button.h"
#include "ui/rotator.h"
#include "ui/slider.h"

#include <string>

struct TestRow : OptionRow {
    TestRow() : OptionRow(3, 20) {}
    void drawIcon(int) const override;
};

struct TestButton : PushButton {
    int calls = 0;
    void activate(Millis) override { ++calls; }
};

class TestScene : public Scene {
  public:
    // withControls adds a slider, a dial, a row and a button on the panel.
    explicit TestScene(const std::string& key, bool withControls = false);

    std::string caption() const override {
        return captionText.empty() ? Scene::caption() : captionText;
    }
    void reshape(int width, int height) override;
    void setupGL() override;
    void onSceneSwitch() override { ++switches; }
    // A lit quad of half-size 1 at depth 8 (when drawQuad), under the rotator.
    void drawModel() const override;
    Widget* backgroundElement() override { return &rotator; }

    Rotator rotator;
    std::string captionText;
    bool drawQuad = true;
    int reshapes = 0;
    int setups = 0;
    int switches = 0;
    int lastReshapeWidth = -1;
    int lastReshapeHeight = -1;
    Slider* slider = nullptr;
    Dial* dial = nullptr;
    TestRow* row = nullptr;
    TestButton* button = nullptr;
};
