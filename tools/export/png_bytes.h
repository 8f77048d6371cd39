#pragma once
// A model's texture encoded as PNG in memory, for a file that embeds it.

#include "geom/scene_model.h"

#include <string>

// The PNG file's bytes, or an empty string when libpng refuses the picture.
std::string pngBytes(const ModelTexture& texture);
