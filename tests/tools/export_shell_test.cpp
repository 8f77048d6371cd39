// Every scene's model made printable at its start and at a morphed state of
// its controls: each part closed and oriented as checkShell asks. A scene
// whose model is still empty passes vacuously.

#include "geom/solid.h"
#include "tools/export/export_catalogue.h"

#include <gtest/gtest.h>

namespace {

// Every control moved from its start: sliders to the middle of their
// range, dials a radian on, rows to the next icon, each button pressed.
std::vector<ControlSetting> morphed(const ExportedScene& scene) {
    std::vector<ControlSetting> settings;
    for (std::size_t c = 0; c < scene.controls.size(); ++c) {
        const ControlInfo& info = scene.controls[c];
        double value = 1.0;
        if (info.kind == ControlKind::slider)
            value = 0.5 * (info.minimum + info.maximum);
        else if (info.kind == ControlKind::dial)
            value = scene.startValues[c] + 1.0;
        else if (info.kind == ControlKind::row)
            value = (info.selected + 1) % info.iconCount;
        settings.push_back({c, value, std::nullopt});
    }
    return settings;
}

TEST(ExportedModels, EveryPartIsAClosedOrientedShell) {
    for (const ExportedScene& scene : exportedScenes()) {
        for (const bool moved : {false, true}) {
            SCOPED_TRACE(scene.key + (moved ? " morphed" : " at its start"));
            const ModelRequest request =
                requestFor(scene, moved ? morphed(scene) : std::vector<ControlSetting>{}, 1, "it");
            const PrintModel print = makePrintable(scene.model(request), {});
            for (const Solid& part : print.parts) {
                const ShellReport report = checkShell(part);
                EXPECT_TRUE(report.printable())
                    << part.name << ": " << report.openEdges << " open, " << report.overusedEdges
                    << " overused, " << report.misorientedEdges << " misoriented edges, "
                    << report.degenerateTriangles << " degenerate triangles, volume "
                    << report.volume;
            }
        }
    }
}

} // namespace
