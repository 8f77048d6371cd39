#pragma once
// The label of the mirrored Klein bottle as a model's sheet: a thin patch of
// its own over the bottle's surface where the scene lays the label, with
// the picture's texture coordinates, and the picture itself. Pure: no GL.

#include "geom/scene_model.h"
#include "scenes/klein/klein_sheets.h"

#include <string>

// How far the label's patch stands off the bottle's surface, model units.
// The bottle is about 5.1 units long: printed 100 mm long with walls 2 mm
// thick, the label's plate stands about 0.8 mm proud of the wall and still
// sinks 0.2 mm into it, so the two stay fused.
constexpr double labelLift = 0.04;

// The patch over the label's place at the tube's morph, for the mirrored
// bottle built `detail` times finer than on screen: each point the bottle's
// point lifted along its outward normal, then placed; texture coordinates
// as the drawing gives them (u across the picture, v down it).
SurfaceSheet labelPatch(const KleinTube& tube, int detail, const PlaceInModel& place);

// The label's picture in the language of that code (the one the scene
// shows), as RGBA; empty when the stored picture does not decode.
ModelTexture labelTexture(const std::string& language);
