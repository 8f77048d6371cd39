#include "scenes/projective/projective_sheets.h"

namespace {

// Rows first to last of the band, counted on past R into the rows reversed,
// so that a run may go round the band's join.
SurfaceSheet bandRun(const SampleGrid& grid, int first, int last, const std::string& name,
                     const Vec3& colour) {
    const int turn = grid.rows() - 1;
    SurfaceSheet sheet;
    sheet.name = name;
    sheet.rows = last - first + 1;
    sheet.columns = grid.columns;
    sheet.colour = colour;
    for (int i = first; i <= last; ++i)
        for (int j = 0; j < grid.columns; ++j)
            sheet.points.push_back(i <= turn ? grid.at(i, j).position
                                             : grid.at(i - turn, grid.columns - 1 - j).position);
    return sheet;
}

} // namespace

std::vector<SurfaceSheet> bandSheets(const SampleGrid& grid, const std::function<bool(int)>& drawn,
                                     const std::string& name, const Vec3& colour) {
    const int strips = grid.rows() - 1;
    int firstHidden = -1;
    for (int s = 0; s < strips && firstHidden < 0; ++s)
        if (!drawn(s))
            firstHidden = s;
    if (strips < 1)
        return {};
    if (firstHidden < 0) {
        SurfaceSheet whole = bandRun(grid, 0, strips - 1, name, colour);
        whole.rowJoin = SeamJoin::mirrored;
        return {whole};
    }
    // Runs are looked for from a hidden strip on, once round the band.
    std::vector<SurfaceSheet> sheets;
    int runStart = -1;
    for (int k = 1; k <= strips; ++k) {
        const int s = firstHidden + k;
        const bool shows = k < strips && drawn(s % strips);
        if (shows && runStart < 0)
            runStart = s;
        if (!shows && runStart >= 0) {
            sheets.push_back(bandRun(grid, runStart, s, name, colour));
            runStart = -1;
        }
    }
    return sheets;
}

SurfaceSheet tubeSheet(const SampleGrid& rings, bool closedLoop, const std::string& name,
                       const Vec3& colour) {
    SurfaceSheet sheet;
    sheet.name = name;
    sheet.kind = SheetKind::boundary;
    sheet.rows = closedLoop ? rings.rows() - 1 : rings.rows();
    sheet.columns = rings.columns - 1;
    sheet.rowJoin = closedLoop ? SeamJoin::straight : SeamJoin::open;
    sheet.columnJoin = SeamJoin::straight;
    sheet.colour = colour;
    for (int i = 0; i < sheet.rows; ++i)
        for (int j = 0; j < sheet.columns; ++j)
            sheet.points.push_back(rings.at(i, j).position);
    return sheet;
}
