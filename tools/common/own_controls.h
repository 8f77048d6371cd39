#pragma once
// A scene's own overlay controls, read and set without a window: what the
// snapshot, film and benchmark tools and the page's hooks share. Makes no GL
// call.

#include "geom/clock.h"
#include "tools/snapshot/control_settings.h"

#include <vector>

class PanelItem;
class Scene;

// A scene's own overlay controls, those after the items every panel starts
// with, of the four kinds that can be set (slider, dial, row, button), in
// panel order.
std::vector<PanelItem*> ownControls(const Scene& scene);
// What each of those controls accepts, in the same order.
std::vector<ControlInfo> describeControls(const std::vector<PanelItem*>& controls);
// Sets a slider's value, a dial's angle or a row's icon, or clicks a button
// once at now, as the checked setting says.
void applySetting(const ControlSetting& setting, PanelItem* control, Millis now);
