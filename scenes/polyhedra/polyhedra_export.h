#pragma once
// The polyhedra scenes' models as plain shapes for export, from their controls'
// values (in the order of each scene's panel). Pure: no GL.

#include "geom/scene_model.h"

// "tetratetra": slider0.
SceneModel tetratetraModel(const ModelRequest& request);
// "cubeocta": slider0.
SceneModel cubeoctaModel(const ModelRequest& request);
// "icododeca": slider0.
SceneModel icododecaModel(const ModelRequest& request);
