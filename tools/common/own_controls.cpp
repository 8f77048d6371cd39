#include "tools/common/own_controls.h"

#include "app/scene.h"
#include "ui/dial.h"
#include "ui/option_row.h"
#include "ui/push_button.h"
#include "ui/slider.h"
#include "ui/widget_panel.h"

#include <optional>

namespace {

std::optional<ControlKind> kindOf(PanelItem* item) {
    if (dynamic_cast<Slider*>(item))
        return ControlKind::slider;
    if (dynamic_cast<Dial*>(item))
        return ControlKind::dial;
    if (dynamic_cast<OptionRow*>(item))
        return ControlKind::row;
    if (dynamic_cast<PushButton*>(item))
        return ControlKind::button;
    return std::nullopt;
}

} // namespace

std::vector<PanelItem*> ownControls(const Scene& scene) {
    // Counted from a panel of their own, so that a new standard item does
    // not shift every scene's control names.
    static const std::size_t standardItems = WidgetPanel().items().size();
    std::vector<PanelItem*> controls;
    const auto& items = scene.panel->items();
    for (std::size_t i = standardItems; i < items.size(); ++i)
        if (kindOf(items[i].get()))
            controls.push_back(items[i].get());
    return controls;
}

std::vector<ControlInfo> describeControls(const std::vector<PanelItem*>& controls) {
    std::vector<ControlInfo> infos;
    for (PanelItem* item : controls) {
        ControlInfo info;
        info.kind = *kindOf(item);
        if (auto* slider = dynamic_cast<Slider*>(item)) {
            info.minimum = slider->minimum;
            info.maximum = slider->maximum;
        } else if (auto* row = dynamic_cast<OptionRow*>(item)) {
            info.iconCount = row->iconCount;
            info.selected = row->selected;
        }
        infos.push_back(info);
    }
    return infos;
}

void applySetting(const ControlSetting& setting, PanelItem* control, Millis now) {
    if (auto* slider = dynamic_cast<Slider*>(control))
        slider->value = setting.value;
    else if (auto* dial = dynamic_cast<Dial*>(control))
        dial->setAngle(setting.value);
    else if (auto* row = dynamic_cast<OptionRow*>(control))
        row->selected = int(setting.value);
    else if (auto* button = dynamic_cast<PushButton*>(control))
        button->click(now);
}
