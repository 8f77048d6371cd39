#include "scenes/moebius/band_sheets.h"

#include <algorithm>
#include <cassert>

namespace {

// One piece sampled: rows along the band (its end row included), columns
// across, one colour per column interval.
struct PieceGrid {
    const BandPiece* piece = nullptr;
    int rows = 0;
    int columns = 0;
    std::vector<Vec3> points;
    std::vector<Vec3> cellColours; // columns - 1

    const Vec3& at(int row, int column) const {
        return points[std::size_t(row * columns + column)];
    }
};

PieceGrid sampled(const MoebiusStrip& strip, const BandPiece& piece, int detail) {
    const int n = std::max(detail, 1);
    assert(piece.stops.size() >= 2 && piece.colours.size() + 1 == piece.stops.size());
    const std::size_t intervals = piece.stops.size() - 1;
    std::vector<std::vector<FaceSample>> faces;
    for (std::size_t k = 0; k < intervals; ++k) {
        const StripFace face = middleFace(piece, k);
        faces.push_back(piece.steps > 0
                            ? strip.faceSamples(face, piece.x0, piece.x1, piece.steps * n)
                            : strip.faceSamples(face, n));
    }
    PieceGrid grid;
    grid.piece = &piece;
    grid.rows = int(faces[0].size());
    grid.columns = int(intervals) * n + 1;
    for (int i = 0; i < grid.rows; ++i) {
        // Each interval's first edge, the points between, and the last
        // interval's second edge: neighbouring intervals share an edge.
        for (const std::vector<FaceSample>& face : faces) {
            const FaceSample& s = face[std::size_t(i)];
            for (int m = 0; m < n; ++m)
                grid.points.push_back(m == 0 ? s.first
                                             : s.first + (double(m) / n) * (s.second - s.first));
        }
        grid.points.push_back(faces.back()[std::size_t(i)].second);
    }
    for (std::size_t k = 0; k < intervals; ++k)
        grid.cellColours.insert(grid.cellColours.end(), std::size_t(n), piece.colours[k]);
    return grid;
}

// How the end row of a meets the start row of b: not at all, column for
// column, or with the columns reversed.
enum class Meeting { none, straight, reversed };

Meeting meeting(const PieceGrid& a, const PieceGrid& b) {
    if (a.columns != b.columns)
        return Meeting::none;
    const int last = a.rows - 1;
    auto meets = [&](bool reversed) {
        for (int j = 0; j < a.columns; ++j)
            if (length(a.at(last, j) - b.at(0, reversed ? b.columns - 1 - j : j)) > meetWithin)
                return false;
        return true;
    };
    if (meets(false))
        return Meeting::straight;
    return meets(true) ? Meeting::reversed : Meeting::none;
}

// Appends rows first..end - 1 of the grid, its columns reversed if asked.
void appendRows(SurfaceSheet& sheet, const PieceGrid& grid, int end, bool reversed) {
    for (int i = 0; i < end; ++i) {
        for (int j = 0; j < grid.columns; ++j)
            sheet.points.push_back(grid.at(i, reversed ? grid.columns - 1 - j : j));
        for (int j = 0; j < grid.columns; ++j) {
            // The last column's cells lie past the open edge: any colour.
            const int cell = std::min(j, grid.columns - 2);
            sheet.cellColours.push_back(
                grid.cellColours[std::size_t(reversed ? grid.columns - 2 - cell : cell)]);
        }
        ++sheet.rows;
    }
}

} // namespace

StripFace middleFace(const BandPiece& piece, std::size_t interval) {
    const double h = piece.normalOffset;
    return {{piece.stops[interval], h, piece.stops[interval + 1], h, 0, 1}, piece.opening};
}

std::vector<SurfaceSheet> bandSheets(const MoebiusStrip& strip,
                                     const std::vector<BandPiece>& pieces, int detail) {
    std::vector<PieceGrid> grids;
    for (const BandPiece& piece : pieces)
        grids.push_back(sampled(strip, piece, detail));
    // Where each piece's end goes: the first piece whose start it meets.
    const std::size_t count = grids.size();
    std::vector<std::size_t> next(count, count);
    std::vector<bool> flips(count, false), entered(count, false);
    for (std::size_t p = 0; p < count; ++p)
        for (std::size_t q = 0; q < count && next[p] == count; ++q) {
            const Meeting m = entered[q] ? Meeting::none : meeting(grids[p], grids[q]);
            if (m != Meeting::none) {
                next[p] = q;
                flips[p] = m == Meeting::reversed;
                entered[q] = true;
            }
        }
    // Chains that start at a piece nothing leads into are open; the pieces
    // left over form closed loops.
    std::vector<SurfaceSheet> sheets;
    std::vector<bool> used(count, false);
    auto chain = [&](std::size_t first, bool open) {
        SurfaceSheet sheet;
        sheet.columns = grids[first].columns;
        sheet.colour = pieces[first].colours[0];
        bool reversed = false;
        for (std::size_t p = first; p < count && !used[p]; p = next[p]) {
            used[p] = true;
            const bool last = next[p] == count || (!open && next[p] == first);
            sheet.name += (sheet.name.empty() ? "" : "+") + pieces[p].name;
            appendRows(sheet, grids[p], grids[p].rows - (open && last ? 0 : 1), reversed);
            if (!open && last)
                sheet.rowJoin = reversed != flips[p] ? SeamJoin::mirrored : SeamJoin::straight;
            reversed = reversed != flips[p];
        }
        sheets.push_back(std::move(sheet));
    };
    for (std::size_t p = 0; p < count; ++p)
        if (!entered[p])
            chain(p, true);
    for (std::size_t p = 0; p < count; ++p)
        if (!used[p])
            chain(p, false);
    return sheets;
}
