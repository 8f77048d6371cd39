#pragma once
// The projective scenes' models as plain shapes for export, from their controls'
// values (in the order of each scene's panel). Pure: no GL.

#include "geom/scene_model.h"

// "ProjectivePlane1": slider0, row0, row1, dial0.
SceneModel crossCapModel(const ModelRequest& request);
// "ProjectivePlane2": slider0, row0.
SceneModel uncrossedCrossCapModel(const ModelRequest& request);
