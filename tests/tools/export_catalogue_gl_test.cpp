// The export catalogue against the live scenes: the same keys in the same
// order, each control of the same kind, range and icons, starting where the
// scene's own starts, so that the two cannot drift apart.

#include "app/scene.h"
#include "app/scene_manager.h"
#include "tools/common/exhibit_window.h"
#include "tools/export/export_catalogue.h"
#include "ui/dial.h"
#include "ui/slider.h"

#include <gtest/gtest.h>

namespace {

TEST(ExportCatalogue, MatchesEveryLiveSceneAndItsControls) {
    const std::vector<Scene*>& live = SceneManager::instance().registered();
    const std::vector<ExportedScene>& exported = exportedScenes();
    ASSERT_EQ(exported.size(), live.size());
    for (std::size_t s = 0; s < live.size(); ++s) {
        const Scene& scene = *live[s];
        const ExportedScene& entry = exported[s];
        SCOPED_TRACE(scene.name);
        EXPECT_EQ(entry.key, scene.name);
        EXPECT_EQ(exportedScene(scene.name), &entry);
        EXPECT_NE(entry.model, nullptr);
        const std::vector<PanelItem*> items = ownControls(scene);
        const std::vector<ControlInfo> controls = describeControls(items);
        ASSERT_EQ(entry.controls.size(), controls.size());
        ASSERT_EQ(entry.startValues.size(), controls.size());
        for (std::size_t c = 0; c < controls.size(); ++c) {
            SCOPED_TRACE(controlNames(controls)[c]);
            const ControlInfo& a = entry.controls[c];
            const ControlInfo& b = controls[c];
            EXPECT_EQ(a.kind, b.kind);
            EXPECT_EQ(a.minimum, b.minimum);
            EXPECT_EQ(a.maximum, b.maximum);
            EXPECT_EQ(a.iconCount, b.iconCount);
            EXPECT_EQ(a.selected, b.selected);
            double start = 0.0; // a button has pressed nothing yet
            if (const auto* slider = dynamic_cast<const Slider*>(items[c]))
                start = slider->value;
            else if (const auto* dial = dynamic_cast<const Dial*>(items[c]))
                start = dial->angleAt(0);
            else if (b.kind == ControlKind::row)
                start = b.selected;
            EXPECT_DOUBLE_EQ(entry.startValues[c], start);
        }
    }
}

// Settings land where the snapshot tool puts them: a button counts its
// presses in order, the rest take their value.
TEST(ExportCatalogue, RequestsCarryTheSettingsOverTheStartValues) {
    const ExportedScene& wheels = *exportedScene("Moebius2");
    std::string error;
    const auto settings =
        parseSettings(wheels.controls, {"button2=1", "row0=2", "button0=1", "button2=1"}, error);
    ASSERT_TRUE(settings) << error;
    const ModelRequest request = requestFor(wheels, *settings, 3, "de");
    EXPECT_EQ(request.values, (std::vector<double>{1, 0, 2, 2}));
    EXPECT_EQ(request.presses, (std::vector<std::size_t>{2, 0, 2}));
    EXPECT_EQ(request.detail, 3);
    EXPECT_EQ(request.language, "de");
}

} // namespace
