#include "web/live_request.h"

#include "app/scene.h"
#include "tools/common/own_controls.h"
#include "tools/export/export_catalogue.h"
#include "ui/dial.h"
#include "ui/option_row.h"
#include "ui/push_button.h"
#include "ui/slider.h"

#include <algorithm>
#include <utility>
#include <vector>

std::optional<ModelRequest> liveRequest(const Scene& scene, const ExportedScene& exported,
                                        Millis now, std::string& error) {
    const std::vector<PanelItem*> controls = ownControls(scene);
    const std::vector<ControlInfo> infos = describeControls(controls);
    bool same = infos.size() == exported.controls.size();
    for (std::size_t i = 0; same && i < infos.size(); ++i)
        same = infos[i].kind == exported.controls[i].kind;
    if (!same) {
        error = scene.name + "'s controls are not the ones its model reads";
        return std::nullopt;
    }
    ModelRequest request;
    // Each press as (moment, control index); presses at one moment keep the
    // order of the panel.
    std::vector<std::pair<Millis, std::size_t>> presses;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        double value = 0.0;
        if (auto* slider = dynamic_cast<Slider*>(controls[i])) {
            value = slider->value;
        } else if (auto* dial = dynamic_cast<Dial*>(controls[i])) {
            value = dial->angleAt(now);
        } else if (auto* row = dynamic_cast<OptionRow*>(controls[i])) {
            value = row->selected;
        } else if (auto* button = dynamic_cast<PushButton*>(controls[i])) {
            value = double(button->activations.size());
            for (Millis moment : button->activations)
                presses.emplace_back(moment, i);
        }
        request.values.push_back(value);
    }
    std::stable_sort(presses.begin(), presses.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& press : presses)
        request.presses.push_back(press.second);
    return request;
}
