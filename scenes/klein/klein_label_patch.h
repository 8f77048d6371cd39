#pragma once
// The label of the mirrored Klein bottle as a model's sheet: a thin patch of
// its own over the bottle's surface where the scene lays the label, with
// the picture's texture coordinates, and the picture itself. Pure: no GL.

#include "geom/scene_model.h"
#include "scenes/klein/klein_sheets.h"

#include <string>

// How far the label's plate stands proud of the bottle's wall on a print,
// millimetres: it lies on the bottle's surface and is thickened as the wall
// is, so for any wall thicker than this it stays fused to the wall, and a
// viewer of the model never sees the two surfaces fight.
constexpr double labelStandOff = 0.4;

// The patch over the label's place at the tube's morph, for the mirrored
// bottle built `detail` times finer than on screen: each point the bottle's
// point, placed, the patch standing off outwards; texture coordinates
// as the drawing gives them (u across the picture, v down it).
SurfaceSheet labelPatch(const KleinTube& tube, int detail, const PlaceInModel& place);

// The label's picture in the language of that code (the one the scene
// shows), as RGBA; empty when the stored picture does not decode.
ModelTexture labelTexture(const std::string& language);
