// A sheet's cells and normals, and the two shells made from them: the
// thickened surface and the capped tube.

#include "geom/sheet_grid.h"

#include <algorithm>
#include <cassert>

namespace {

// Points of a row closer than this (millimetres) to its first are one pole.
constexpr double poleTolerance = 1e-6;

// Offset cells keep their facing while the normal agrees with each of them
// to within about 45 degrees (a dot product of 0.7); beyond that the offset
// shrinks, down to a tenth where some cell faces away from it (a pinch
// point, a sharp fold), so the two sheets cross there no more than the
// surface itself does, and never swap.
constexpr double agreeingDot = 0.7;
constexpr double smallestShare = 0.1;

double offsetShare(double worstDot) {
    return std::clamp(worstDot / agreeingDot, smallestShare, 1.0);
}

bool rowIsPole(const SurfaceSheet& sheet, int row) {
    for (int j = 1; j < sheet.columns; ++j)
        if (length(sheet.at(row, j) - sheet.at(row, 0)) > poleTolerance)
            return false;
    return true;
}

// Keeps only the points the triangles use, in their order.
void dropUnusedPoints(Solid& part) {
    std::vector<int> renumbered(part.points.size(), -1);
    std::vector<Vec3> used;
    for (auto& t : part.triangles)
        for (int& index : t) {
            int& number = renumbered[std::size_t(index)];
            if (number < 0) {
                number = int(used.size());
                used.push_back(part.points[std::size_t(index)]);
            }
            index = number;
        }
    part.points = std::move(used);
}

// Adds the polygon of up to four corners as triangles, a pole's repeated
// corner left out, a quad split along its shorter diagonal.
struct ShellWriter {
    Solid& part;
    const SurfaceSheet& sheet;

    void polygon(std::array<int, 4> index, std::array<Vec3, 4> colour, std::array<int, 4> point) {
        int count = 0;
        for (int k = 0; k < 4; ++k)
            if (index[std::size_t(k)] != index[std::size_t((k + 3) % 4)]) {
                index[std::size_t(count)] = index[std::size_t(k)];
                colour[std::size_t(count)] = colour[std::size_t(k)];
                point[std::size_t(count)] = point[std::size_t(k)];
                ++count;
            }
        if (count < 3)
            return;
        const auto at = [&](int k) { return part.points[std::size_t(index[std::size_t(k)])]; };
        const bool acShorter = count == 3 || length(at(2) - at(0)) <= length(at(3) - at(1));
        const std::array<std::array<int, 3>, 2> split =
            acShorter ? std::array<std::array<int, 3>, 2>{{{0, 1, 2}, {0, 2, 3}}}
                      : std::array<std::array<int, 3>, 2>{{{0, 1, 3}, {1, 2, 3}}};
        for (int t = 0; t < (count == 3 ? 1 : 2); ++t) {
            const auto& k = split[std::size_t(t)];
            part.triangles.push_back(
                {index[std::size_t(k[0])], index[std::size_t(k[1])], index[std::size_t(k[2])]});
            part.cornerColours.push_back(
                {colour[std::size_t(k[0])], colour[std::size_t(k[1])], colour[std::size_t(k[2])]});
            if (!sheet.texture.empty())
                part.cornerTexture.push_back(
                    {sheet.texture[std::size_t(point[std::size_t(k[0])])],
                     sheet.texture[std::size_t(point[std::size_t(k[1])])],
                     sheet.texture[std::size_t(point[std::size_t(k[2])])]});
        }
    }
};

} // namespace

SheetGrid::SheetGrid(const SurfaceSheet& sheet) : sheet(sheet) {
    if (sheet.rowJoin == SeamJoin::open) {
        firstRowPole = rowIsPole(sheet, 0);
        lastRowPole = rowIsPole(sheet, sheet.rows - 1);
    }
    findCells();
    findNormals();
}

int SheetGrid::sample(int row, int column) const {
    const bool pole = (row == 0 && firstRowPole) || (row == sheet.rows - 1 && lastRowPole);
    return row * sheet.columns + (pole ? 0 : column);
}

void SheetGrid::findCells() {
    const int rows = sheet.rows;
    const int columns = sheet.columns;
    const bool rowsJoin = sheet.rowJoin != SeamJoin::open;
    const bool columnsJoin = sheet.columnJoin != SeamJoin::open;
    const auto mirror = [&](int j) {
        return columnsJoin ? (columns - j) % columns : columns - 1 - j;
    };
    for (int i = 0; i < (rowsJoin ? rows : rows - 1); ++i)
        for (int j = 0; j < (columnsJoin ? columns : columns - 1); ++j) {
            SheetCell cell;
            cell.row = i;
            cell.column = j;
            const int nextColumn = (j + 1) % columns;
            int nextRow = i + 1;
            int b = j;
            int c = nextColumn;
            if (nextRow == rows) {
                nextRow = 0;
                if (sheet.rowJoin == SeamJoin::mirrored) {
                    b = mirror(j);
                    c = mirror(nextColumn);
                    cell.swapsSides = true;
                }
            }
            cell.corners = {sample(i, j), sample(nextRow, b), sample(nextRow, c),
                            sample(i, nextColumn)};
            cell.onEdge = {!columnsJoin && j == 0, !rowsJoin && nextRow == rows - 1 && !lastRowPole,
                           !columnsJoin && nextColumn == columns - 1,
                           !rowsJoin && i == 0 && !firstRowPole};
            cellList.push_back(cell);
        }
}

void SheetGrid::findNormals() {
    const std::size_t count = sheet.points.size();
    // The unit normal of each cell, facing the side of its row i.
    std::vector<Vec3> cellNormals;
    for (const SheetCell& cell : cellList) {
        const auto p = [&](int k) {
            return sheet.points[std::size_t(cell.corners[std::size_t(k)])];
        };
        const Vec3 n = cross(p(2) - p(0), p(3) - p(1));
        cellNormals.push_back(length(n) > 0.0 ? normalised(n) : Vec3{});
    }
    // Across a mirrored join a cell faces the far rows' other side.
    const auto facing = [&](std::size_t c, int k) {
        return (cellList[c].swapsSides && (k == 1 || k == 2)) ? -1.0 * cellNormals[c]
                                                              : cellNormals[c];
    };
    std::vector<Vec3> sums(count);
    for (std::size_t c = 0; c < cellList.size(); ++c)
        for (int k = 0; k < 4; ++k)
            sums[std::size_t(cellList[c].corners[std::size_t(k)])] =
                sums[std::size_t(cellList[c].corners[std::size_t(k)])] + facing(c, k);
    sampleNormals.assign(count, Vec3{0, 0, 1});
    Vec3 previous{0, 0, 1};
    for (std::size_t s = 0; s < count; ++s) {
        if (length(sums[s]) > 1e-9)
            previous = normalised(sums[s]);
        sampleNormals[s] = previous;
    }
    std::vector<double> worst(count, 1.0);
    for (std::size_t c = 0; c < cellList.size(); ++c)
        for (int k = 0; k < 4; ++k) {
            const std::size_t s = std::size_t(cellList[c].corners[std::size_t(k)]);
            if (length(cellNormals[c]) > 0.0)
                worst[s] = std::min(worst[s], dot(sampleNormals[s], facing(c, k)));
        }
    shares.resize(count);
    std::transform(worst.begin(), worst.end(), shares.begin(), offsetShare);
}

Vec3 SheetGrid::cornerColour(const SheetCell& cell, int k) const {
    const std::size_t cellIndex = std::size_t(cell.row * sheet.columns + cell.column);
    if (cellIndex < sheet.cellColours.size())
        return sheet.cellColours[cellIndex];
    const std::size_t point = std::size_t(cell.corners[std::size_t(k)]);
    if (point < sheet.pointColours.size())
        return sheet.pointColours[point];
    return sheet.colour;
}

Solid thickenedSheet(const SurfaceSheet& sheet, double halfThickness) {
    const SheetGrid grid(sheet);
    Solid part;
    part.name = sheet.name;
    // Sample s is points 2 s (its upper side) and 2 s + 1 (its lower side).
    for (std::size_t s = 0; s < sheet.points.size(); ++s) {
        const Vec3 offset = (halfThickness * grid.offsetShares()[s]) * grid.normals()[s];
        const Vec3 middle = sheet.points[s] + sheet.standOff * grid.normals()[s];
        part.points.push_back(middle + offset);
        part.points.push_back(middle - offset);
    }
    ShellWriter writer{part, sheet};
    for (const SheetCell& cell : grid.cells()) {
        std::array<int, 4> up{};
        std::array<int, 4> down{};
        std::array<Vec3, 4> colour;
        for (int k = 0; k < 4; ++k) {
            const int s = cell.corners[std::size_t(k)];
            const bool swapped = cell.swapsSides && (k == 1 || k == 2);
            up[std::size_t(k)] = 2 * s + (swapped ? 1 : 0);
            down[std::size_t(k)] = 2 * s + (swapped ? 0 : 1);
            colour[std::size_t(k)] = grid.cornerColour(cell, k);
        }
        const std::array<int, 4>& point = cell.corners;
        writer.polygon(up, colour, point);
        writer.polygon({down[0], down[3], down[2], down[1]},
                       {colour[0], colour[3], colour[2], colour[1]},
                       {point[0], point[3], point[2], point[1]});
        // A wall along each edge of the surface the cell lies on: from the
        // upper side's edge down to the lower side's.
        for (int k = 0; k < 4; ++k) {
            const std::size_t p = std::size_t(k);
            const std::size_t q = std::size_t((k + 1) % 4);
            if (cell.onEdge[p] && point[p] != point[q])
                writer.polygon({up[p], down[p], down[q], up[q]},
                               {colour[p], colour[p], colour[q], colour[q]},
                               {point[p], point[p], point[q], point[q]});
        }
    }
    dropUnusedPoints(part);
    return part;
}

Solid cappedTube(const SurfaceSheet& sheet) {
    assert(sheet.columnJoin == SeamJoin::straight);
    const SheetGrid grid(sheet);
    Solid part;
    part.name = sheet.name;
    part.points = sheet.points;
    ShellWriter writer{part, sheet};
    for (const SheetCell& cell : grid.cells()) {
        std::array<Vec3, 4> colour;
        for (int k = 0; k < 4; ++k)
            colour[std::size_t(k)] = grid.cornerColour(cell, k);
        writer.polygon(cell.corners, colour, cell.corners);
    }
    // The open ends closed by fans about their rings' centres.
    std::vector<int> centres(std::size_t(sheet.rows), -1);
    for (const SheetCell& cell : grid.cells()) {
        for (int k : {1, 3}) {
            if (!cell.onEdge[std::size_t(k)])
                continue;
            const int from = cell.corners[std::size_t(k)];
            const int to = cell.corners[std::size_t((k + 1) % 4)];
            int& middle = centres[std::size_t(from / sheet.columns)];
            if (middle < 0) {
                Vec3 sum;
                for (int j = 0; j < sheet.columns; ++j)
                    sum = sum + sheet.at(from / sheet.columns, j);
                part.points.push_back((1.0 / sheet.columns) * sum);
                middle = int(part.points.size()) - 1;
            }
            const Vec3 colour = grid.cornerColour(cell, k);
            writer.polygon({middle, to, from, middle}, {colour, colour, colour, colour},
                           {from, to, from, from});
        }
    }
    dropUnusedPoints(part);
    return part;
}
