#pragma once
// The klein scenes' models as plain shapes for export, from their controls'
// values (in the order of each scene's panel). Pure: no GL.

#include "geom/scene_model.h"

// "KleinBottle1": slider0: the roll and bend.
SceneModel kleinFromRectangleModel(const ModelRequest& request);
// "KleinBottle3": row0: solid, striped, translucent.
SceneModel kleinBottleModel(const ModelRequest& request);
// "KleinBottle4": dial0: the label's place; the label in request.language.
SceneModel kleinLabelModel(const ModelRequest& request);
// "KleinBottle5": slider0: the cut.
SceneModel kleinHalvesModel(const ModelRequest& request);
