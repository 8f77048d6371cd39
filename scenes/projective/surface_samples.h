#pragma once
// The sample grids the projective plane scenes work out before they draw:
// positions with the unit normals they are lit with, laid out row by row so
// that two neighbouring rows make one quad strip. Pure data, no GL.

#include "geom/vec.h"

#include <cassert>
#include <cmath>
#include <vector>

// One lit vertex of a surface or a tube.
struct SurfaceVertex {
    Vec3 position;
    Vec3 normal; // unit length
};

// Rows of equally many samples: a row is one parameter line of a surface,
// or one ring of a tube; the columns run along the row.
struct SampleGrid {
    int columns = 0;
    std::vector<SurfaceVertex> vertices; // row after row

    int rows() const { return columns > 0 ? int(vertices.size()) / columns : 0; }
    const SurfaceVertex& at(int row, int column) const {
        assert(row >= 0 && row < rows() && column >= 0 && column < columns);
        return vertices[std::size_t(row) * std::size_t(columns) + std::size_t(column)];
    }
};

// The cosines and sines of k * 2 pi / (count - 1) for k = 0 to count - 1: the
// vertex directions of a tube ring whose last vertex closes it.
struct RingAngles {
    explicit RingAngles(int count) {
        for (int k = 0; k < count; ++k) {
            const double angle = k * 2.0 * pi / (count - 1);
            cosines.push_back(std::cos(angle));
            sines.push_back(std::sin(angle));
        }
    }
    std::vector<double> cosines;
    std::vector<double> sines;
};
