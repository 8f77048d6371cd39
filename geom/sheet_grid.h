#pragma once
// The closed shells a sheet becomes on a print, and the grid walk they share:
// a sheet's cells with their corners, the sheet's joins and poles worked out.
// Pure.

#include "geom/solid.h"

#include <array>
#include <vector>

// One cell of a sheet, between rows i, i + 1 and columns j, j + 1 (indices
// wrapping at joins). Corners a = (i, j), b = (i + 1, j), c = (i + 1, j + 1),
// d = (i, j + 1): a to b runs along the rows, so their winding faces the
// side of row i's normal.
struct SheetCell {
    int row = 0;
    int column = 0;
    std::array<int, 4> corners{}; // sample indices, a pole row's all alike
    // Corners b and c lie across a mirrored join, where the sheet's sides
    // swap: what faces up at row i faces down there.
    bool swapsSides = false;
    // Which of the edges a-b, b-c, c-d, d-a lie on the surface's edge.
    std::array<bool, 4> onEdge{};
};

class SheetGrid {
  public:
    explicit SheetGrid(const SurfaceSheet& sheet);

    const std::vector<SheetCell>& cells() const { return cellList; }
    // The sample that stands for point (row, column): a pole row's first.
    int sample(int row, int column) const;
    // Each sample's unit normal, facing the side of its own row's winding.
    // Where the cells around a sample disagree (a fold, a pinch point) it is
    // the direction that best agrees with all of them; where they give none
    // (a flat fold), a neighbour's.
    const std::vector<Vec3>& normals() const { return sampleNormals; }
    // How far an offset along the sample's normal may go, as a share of the
    // full offset, so that the offset cells around it keep their facing.
    const std::vector<double>& offsetShares() const { return shares; }
    // The colour of a cell's corner k (0 to 3).
    Vec3 cornerColour(const SheetCell& cell, int k) const;

  private:
    void findCells();
    void findNormals();

    const SurfaceSheet& sheet;
    bool firstRowPole = false;
    bool lastRowPole = false;
    std::vector<SheetCell> cellList;
    std::vector<Vec3> sampleNormals;
    std::vector<double> shares;
};

// A surface sheet as one closed shell: two sheets offset by halfThickness
// (millimetres) on either side, which trade places across a mirrored join,
// closed by walls along the surface's edges.
Solid thickenedSheet(const SurfaceSheet& sheet, double halfThickness);

// A boundary sheet (its columns joined) as a closed shell: its open row ends
// capped flat.
Solid cappedTube(const SurfaceSheet& sheet);
