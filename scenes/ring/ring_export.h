#pragma once
// The ring scenes' models as plain shapes for export, from their controls'
// values (in the order of each scene's panel). Pure: no GL.

#include "geom/scene_model.h"

// "ring": slider0, slider1, dial0.
SceneModel ringModel(const ModelRequest& request);
