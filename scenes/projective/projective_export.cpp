#include "scenes/projective/projective_export.h"

#include "geom/hue_ramp.h"
#include "scenes/projective/cross_cap_state.h"
#include "scenes/projective/cross_cap_surface.h"
#include "scenes/projective/projective_sheets.h"
#include "scenes/projective/uncrossed_cross_cap_surface.h"

#include <algorithm>

namespace {

// The colours as the scenes draw them.
const Vec3 crossCapSurfaceColour{0.1, 0.7, 0.3};
const Vec3 crossCapBoundaryColour{0.5, 0.5, 0.2};
const Vec3 uncrossedTubeColour{0.8, 0.8, 0.9};
const Vec3 uncrossedBandColour{200.0 / 255, 20.0 / 255, 250.0 / 255};

double valueAt(const ModelRequest& request, std::size_t i) {
    return i < request.values.size() ? request.values[i] : 0.0;
}

int detailOf(const ModelRequest& request) {
    return std::max(1, request.detail);
}

// The uncrossed band's grid runs from the core (a = 0) out, and over b from
// 0 to 1 it covers the band twice over: the arc at b + 1/2 leaves the same
// core point the other way. Each row here is the whole arc across the band,
// from the edge at b + 1/2 in to the core and out to the edge at b, for b
// from 0 to 1/2; the row at 1/2 is the first reversed, as on any Moebius
// band. The core sample is taken once, from the arc at b. Where the reach
// falls a hair past a step of the samples across, the last two columns all
// but coincide (a seam of slivers on a print), so the one before the edge is
// left out.
SampleGrid acrossTheCore(const SampleGrid& half, const std::vector<double>& across) {
    const int turn = (half.rows() - 1) / 2;
    const int n = half.columns;
    const bool sliver = n > 2 && across[std::size_t(n - 1)] - across[std::size_t(n - 2)] < 1e-6;
    std::vector<int> columns;
    for (int j = 0; j < n; ++j)
        if (!(sliver && j == n - 2))
            columns.push_back(j);
    SampleGrid grid;
    grid.columns = 2 * int(columns.size()) - 1;
    for (int i = 0; i <= turn; ++i) {
        for (std::size_t k = columns.size() - 1; k > 0; --k)
            grid.vertices.push_back(half.at(i + turn, columns[k]));
        for (int j : columns)
            grid.vertices.push_back(half.at(i, j));
    }
    return grid;
}

} // namespace

SceneModel crossCapModel(const ModelRequest& request) {
    using namespace cross_cap;
    const CrossCapState state = crossCapState(valueAt(request, 0), int(valueAt(request, 1)),
                                              int(valueAt(request, 2)), valueAt(request, 3));
    const int detail = detailOf(request);
    const Surface shape(state.t);
    SceneModel model;

    if (state.boundaryMode > boundaryHidden) {
        const BoundaryTube tube = boundaryTube(shape, detail);
        SurfaceSheet sheet = tubeSheet(tube.rings, true, "boundary", crossCapBoundaryColour);
        // Coloured, the tube shades along its length from ring to ring.
        if (state.boundaryMode != boundaryOneColour)
            for (int i = 0; i < sheet.rows; ++i)
                sheet.pointColours.insert(sheet.pointColours.end(), std::size_t(sheet.columns),
                                          hueRamp(tube.hues[std::size_t(i)], 1));
        model.sheets.push_back(sheet);
    }
    if (state.surfaceMode > surfaceHidden) {
        const int mode = state.surfaceMode;
        const auto drawn = [mode, detail](int strip) {
            return surfaceStripDrawn(strip / detail, mode);
        };
        for (SurfaceSheet& sheet :
             bandSheets(surfaceGrid(shape, detail), drawn, "surface", crossCapSurfaceColour))
            model.sheets.push_back(std::move(sheet));
    }
    if (state.boundaryMode == boundaryWithGenerator) {
        // The hue of both boundary points the generator joins (the ramp
        // repeats every half unit).
        model.sheets.push_back(tubeSheet(generatorTube(shape, state.generatorAt, detail), false,
                                         "generator", hueRamp(state.generatorAt / 2, 1)));
    }
    return model;
}

SceneModel uncrossedCrossCapModel(const ModelRequest& request) {
    namespace ucc = uncrossed_cross_cap;
    const double r = ucc::reach(valueAt(request, 0));
    const int mode = int(valueAt(request, 1));
    const int detail = detailOf(request);
    SceneModel model;
    model.sheets.push_back(tubeSheet(ucc::edgeTube(r, detail), true, "edge", uncrossedTubeColour));
    if (mode > 0) {
        // Strip i of the rows across the core joins strips i and i + 46 of
        // the scene's grid, which are shown or hidden together.
        const auto drawn = [mode, detail](int strip) {
            return ucc::stripDrawn(strip / detail, mode);
        };
        const SampleGrid grid =
            acrossTheCore(ucc::bandGrid(r, detail), ucc::stripSamples(r, detail));
        for (SurfaceSheet& sheet : bandSheets(grid, drawn, "band", uncrossedBandColour))
            model.sheets.push_back(std::move(sheet));
    }
    return model;
}
