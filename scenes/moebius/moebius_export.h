#pragma once
// The moebius scenes' models as plain shapes for export, from their controls'
// values (in the order of each scene's panel). Pure: no GL.

#include "geom/scene_model.h"

// "Moebius": slider0, dial0.
SceneModel squareToMoebiusModel(const ModelRequest& request);
// "Moebius2": button0 button1 button2 row0.
SceneModel wheelsModel(const ModelRequest& request);
// "Moebius3": slider0, dial0.
SceneModel cutInTwoModel(const ModelRequest& request);
// "Moebius4": dial0, dial1.
SceneModel slidingStripModel(const ModelRequest& request);
// "Moebius5": slider0, dial0, row0.
SceneModel cutInThreeModel(const ModelRequest& request);
// "Moebius6": no controls: the map as it starts.
SceneModel stripMapModel(const ModelRequest& request);
