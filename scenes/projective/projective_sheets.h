#pragma once
// The projective scenes' sample grids as sheets for export: a band whose
// last row is its first reversed, shown whole or in runs of strips, and the
// tubes round its boundary or along a generator. Pure: no GL.

#include "geom/scene_model.h"
#include "scenes/projective/surface_samples.h"

#include <functional>
#include <string>
#include <vector>

// The band of grid, whose rows 0 to R sample one turn along it and row R is
// row 0 reversed (the sides swap there): one sheet of rows 0 to R - 1 with a
// mirrored join when drawn(strip) holds for every strip 0 to R - 1, else one
// open sheet for every run of strips that show.
std::vector<SurfaceSheet> bandSheets(const SampleGrid& grid, const std::function<bool(int)>& drawn,
                                     const std::string& name, const Vec3& colour);

// A tube of rings whose last vertex repeats the first, as a boundary sheet
// without the repeats: a closed loop's last ring lies on its first and is
// dropped, the join straight; an open tube keeps every ring and gets caps.
SurfaceSheet tubeSheet(const SampleGrid& rings, bool closedLoop, const std::string& name,
                       const Vec3& colour);
